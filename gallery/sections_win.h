// The gallery's sections: each family group places its controls through a file of its own, and
// comes in here with one line. A section's place in kSections is its band of the window
// (gallery_layout.h): half of its controls stand on the window, half inside the group box.
#pragma once

#include <windows.h>

#include "gallery/gallery_layout.h"

namespace yf {
class SkinEngine;
}

namespace yf::gallery {

struct SectionPlace {
    HINSTANCE instance = nullptr;
    HWND window = nullptr;  // the skinned window
    HWND group = nullptr;   // the group box registered as a container
    SectionArea area;
    HFONT font = nullptr;
    int firstId = 0;  // the section's control identifiers start here, 100 of them
};

struct GallerySection {
    // Makes the controls, before the window is skinned, so the engine takes them over.
    void (*create)(const SectionPlace& place);
    // Once the window and the group box are registered: whatever the section hands to the
    // engine one by one. May be null.
    void (*afterSkin)(const SectionPlace& place, SkinEngine& engine);
};

extern const GallerySection kButtonSection;  // button_section_win.cpp
extern const GallerySection kListSection;    // list_section_win.cpp

inline const GallerySection* const kSections[] = {
    &kButtonSection,
    &kListSection,
};

}  // namespace yf::gallery
