#include "widgets/widget_state_win.h"

#include "widgets/xp_look_win.h"

namespace yf {
namespace {

WidgetState* current = nullptr;

}  // namespace

WidgetState::WidgetState() {
    current = this;
}

WidgetState::~WidgetState() {
    if (current != this) return;
    // The look's records go with this object: every control gets its own look back first.
    xp::SwitchXpLook(0);
    current = nullptr;
}

WidgetState* WidgetState::Current() {
    return current;
}

}  // namespace yf
