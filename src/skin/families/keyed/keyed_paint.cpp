#include "skin/families/keyed/keyed_paint.h"

#include "skin/backdrop/see_through.h"

namespace yf {

KeyedPaint ChooseKeyedPaint(std::string_view className) {
    constexpr std::string_view offScreen[] = {"SysMonthCal32",   "SysTabControl32",
                                              "ToolbarWindow32", "msctls_statusbar32",
                                              "Button",          "msctls_trackbar32"};
    for (std::string_view name : offScreen) {
        if (SameClass(className, name)) return KeyedPaint::OffScreen;
    }
    return KeyedPaint::ReadBack;
}

bool RepaintsWholeOnScroll(std::string_view className) {
    return SameClass(className, "RichEdit20A") || SameClass(className, "RichEdit20W");
}

}  // namespace yf
