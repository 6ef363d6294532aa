#include "skin/backdrop/see_through.h"

#include <algorithm>
#include <cctype>

namespace yf {
namespace {

constexpr std::uint32_t kOwnerDrawnList = 0x10 | 0x20;  // fixed or variable
constexpr std::uint32_t kChildWindow = 0x40000000;      // WS_CHILD

constexpr unsigned kEditChange = 0x300;
constexpr unsigned kEditUpdate = 0x400;
constexpr unsigned kEditHorizontalScroll = 0x601;
constexpr unsigned kEditVerticalScroll = 0x602;
constexpr unsigned kListSelectionChange = 1;
constexpr unsigned kListSelectionCancel = 3;
constexpr unsigned kComboSelectionChange = 1;
constexpr unsigned kComboKillFocus = 4;

}  // namespace

bool SameClass(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

ColourAnswer ChooseColourAnswer(ColourRequest request, const ChildFacts& child) {
    switch (request) {
        case ColourRequest::Edit:
            return SameClass(child.parentClassName, "ComboBox") ? ColourAnswer::Forward
                                                                : ColourAnswer::Pattern;
        case ColourRequest::Static:
            return ColourAnswer::Pattern;
        case ColourRequest::ListBox: {
            // The list of a simple combo box (a child of it, unlike a drop-down's list) is
            // painted over the skin as a list box is.
            const bool listBox =
                SameClass(child.className, "ListBox") ||
                (SameClass(child.className, "ComboLBox") && (child.style & kChildWindow) != 0);
            return listBox && !(child.style & kOwnerDrawnList) ? ColourAnswer::Hollow
                                                               : ColourAnswer::Forward;
        }
        case ColourRequest::Button:
            return ColourAnswer::Hollow;
    }
    return ColourAnswer::Forward;
}

bool RepaintsOnNotification(std::string_view className, unsigned code) {
    if (SameClass(className, "Edit")) {
        return code == kEditVerticalScroll || code == kEditHorizontalScroll ||
               code == kEditChange || code == kEditUpdate;
    }
    if (SameClass(className, "ListBox")) {
        return code == kListSelectionChange || code == kListSelectionCancel;
    }
    if (SameClass(className, "ComboBox")) {
        return code == kComboKillFocus || code == kComboSelectionChange;
    }
    return false;
}

}  // namespace yf
