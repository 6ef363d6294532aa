// Fonts, font families and string formats for the text the skin draws.
#pragma once

#include <string>
#include <string_view>

#include "gfx/gdiplus_win.h"

namespace yf::gfx {

class FontFamily : public GdiplusObject<gp::GpFontFamily, GdipDeleteFontFamily> {
  public:
    bool FromName(std::string_view name);
    // Empty when the object holds no family or the name cannot be read.
    std::string Name() const;

  private:
    friend class Font;
    gp::GpFontFamily** Target() { return Receive(); }
};

class Font : public GdiplusObject<gp::GpFont, GdipDeleteFont> {
  public:
    // False, with no family left behind, when no installed family has that name.
    bool Create(std::string_view familyName, float size, int style = gp::FontStyleRegular,
                gp::Unit unit = gp::UnitWorld);
    // From the font selected as `font` (or, without one, the DC's current font).
    bool FromDc(HDC dc, HFONT font = nullptr);
    bool GetFamily(FontFamily& family) const;
    int Style() const;
    float Size() const;
};

class StringFormat : public GdiplusObject<gp::GpStringFormat, GdipDeleteStringFormat> {
  public:
    bool Create(int flags = 0, LANGID language = 0);
    bool SetAlignment(gp::StringAlignment alignment);
    bool SetLineAlignment(gp::StringAlignment alignment);
    bool SetTrimming(gp::StringTrimming trimming);
};

}  // namespace yf::gfx
