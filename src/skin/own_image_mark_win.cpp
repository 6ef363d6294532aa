#include "skin/own_image_mark_win.h"

#include <unordered_map>

#include "skin/window_properties_win.h"

namespace yf {
namespace {

// Windows are painted on the thread that made them: one scope at a time is open per program.
int openScopes = 0;

std::unordered_map<HWND, bool>& ReadMarks() {
    static std::unordered_map<HWND, bool> marks;
    return marks;
}

bool ReadMark(HWND window) {
    return prop::Get(window, prop::kOwnImageMark) == 1;
}

}  // namespace

bool ComposesOwnImage(HWND window) {
    if (openScopes == 0) return ReadMark(window);
    const auto [known, added] = ReadMarks().try_emplace(window, false);
    if (added) known->second = ReadMark(window);
    return known->second;
}

OwnImageMarkScope::OwnImageMarkScope() {
    ++openScopes;
}

OwnImageMarkScope::~OwnImageMarkScope() {
    if (--openScopes == 0) ReadMarks().clear();
}

}  // namespace yf
