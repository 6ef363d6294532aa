// The engine's operations that belong to one family each: registering picture buttons,
// containers and colour-keyed controls. The family that has the role answers them; the
// take-over list names it, so the engine itself knows no family's painter.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "gfx/argb.h"
#include "skin/backdrop/backdrop_win.h"

namespace yf {

class PictureButtonRole {
  public:
    // A push button of a skinned window (or of one of its containers) painted with a picture
    // beside (`value` != 0) or above its caption; false when no ancestor is skinned.
    virtual bool RegisterPictureButton(HWND button, std::span<const std::uint8_t> picture,
                                       int value, std::string_view tooltip) = 0;
    // The same with one picture per state (normal, hover, pressed, disabled).
    virtual bool RegisterStatePictureButton(HWND button, std::span<const std::uint8_t> normal,
                                            std::span<const std::uint8_t> hover,
                                            std::span<const std::uint8_t> pressed,
                                            std::span<const std::uint8_t> disabled,
                                            std::string_view tooltip) = 0;

  protected:
    ~PictureButtonRole() = default;
};

// Containers also lay their panels over every copy of the skin behind a control in them.
class ContainerRole : public PanelLayer {
  public:
    // The index of the container in its window's list (also when it was registered before);
    // 0 when no ancestor of the control is a skinned window.
    virtual int RegisterContainer(HWND control, bool painted, gfx::ColourRef colour, int alpha,
                                  bool border) = 0;
    // Only for a registered container with a panel colour.
    virtual bool SetContainerAlpha(HWND control, int alpha) = 0;

  protected:
    ~ContainerRole() = default;
};

class KeyedRole {
  public:
    // Returns the container index when the control has children, else 0; 0 and nothing
    // registered when no ancestor of the control is skinned.
    virtual int RegisterKeyedControl(HWND control, std::optional<gfx::ColourRef> keyColour,
                                     gfx::ColourRef panelColour, int panelAlpha) = 0;

  protected:
    ~KeyedRole() = default;
};

struct FamilyRoles {
    PictureButtonRole* pictureButtons = nullptr;
    ContainerRole* containers = nullptr;
    KeyedRole* keyed = nullptr;
};

}  // namespace yf
