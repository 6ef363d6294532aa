#include "skin/families/keyed/keyed_paint.h"

#include <gtest/gtest.h>

namespace yf {
namespace {

TEST(KeyedPaintTest, KnownClassesPaintOffScreenAndTheRestIsReadBack) {
    struct Case {
        const char* className;
        KeyedPaint paint;
        bool wholeOnScroll;
    } cases[] = {
        {"SysMonthCal32", KeyedPaint::OffScreen, false},
        {"SysTabControl32", KeyedPaint::OffScreen, false},
        {"ToolbarWindow32", KeyedPaint::OffScreen, false},
        {"msctls_statusbar32", KeyedPaint::OffScreen, false},
        {"BUTTON", KeyedPaint::OffScreen, false},  // class names are not case-sensitive
        {"msctls_trackbar32", KeyedPaint::OffScreen, false},
        {"RichEdit20A", KeyedPaint::ReadBack, true},
        {"RichEdit20W", KeyedPaint::ReadBack, true},
        {"RICHEDIT50W", KeyedPaint::ReadBack, false},
        {"SysTabControl", KeyedPaint::ReadBack, false},
        {"", KeyedPaint::ReadBack, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseKeyedPaint(c.className), c.paint) << c.className;
        EXPECT_EQ(RepaintsWholeOnScroll(c.className), c.wholeOnScroll) << c.className;
    }
}

}  // namespace
}  // namespace yf
