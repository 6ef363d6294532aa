#include "gfx/text_win.h"

#include "core/wide_text_win.h"

namespace yf::gfx {

bool FontFamily::FromName(std::string_view name) {
    auto** slot = Receive();
    gp::GpFontFamily* family = nullptr;
    const bool ok = Track(GdipCreateFontFamilyFromName(Widen(name).c_str(), nullptr, &family));
    *slot = ok ? family : nullptr;
    return ok;
}

std::string FontFamily::Name() const {
    WCHAR name[LF_FACESIZE] = {};
    if (!Handle() || !Track(GdipGetFamilyName(Handle(), name, 0))) return {};
    return Narrow(name);
}

bool Font::Create(std::string_view familyName, float size, int style, gp::Unit unit) {
    auto** slot = Receive();
    FontFamily family;
    if (!family.FromName(familyName)) return false;
    gp::GpFont* font = nullptr;
    const bool ok = Track(GdipCreateFont(family.Handle(), size, style, unit, &font));
    *slot = ok ? font : nullptr;
    return ok;
}

bool Font::FromDc(HDC dc, HFONT font) {
    auto** slot = Receive();
    gp::GpFont* result = nullptr;
    LOGFONTW logFont{};
    bool ok = false;
    if (font && ::GetObjectW(font, sizeof(logFont), &logFont) == sizeof(logFont)) {
        ok = Track(GdipCreateFontFromLogfontW(dc, &logFont, &result));
    } else {
        ok = Track(GdipCreateFontFromDC(dc, &result));
    }
    *slot = ok ? result : nullptr;
    return ok;
}

bool Font::GetFamily(FontFamily& family) const {
    if (!Handle()) return false;
    gp::GpFontFamily* result = nullptr;
    const bool ok = Track(GdipGetFamily(Handle(), &result));
    *family.Target() = ok ? result : nullptr;
    return ok;
}

int Font::Style() const {
    INT style = 0;
    if (Handle()) Track(GdipGetFontStyle(Handle(), &style));
    return style;
}

float Font::Size() const {
    gp::REAL size = 0;
    if (Handle()) Track(GdipGetFontSize(Handle(), &size));
    return size;
}

bool StringFormat::Create(int flags, LANGID language) {
    auto** slot = Receive();
    gp::GpStringFormat* format = nullptr;
    const bool ok = Track(GdipCreateStringFormat(flags, language, &format));
    *slot = ok ? format : nullptr;
    return ok;
}

bool StringFormat::SetAlignment(gp::StringAlignment alignment) {
    return Handle() && Track(GdipSetStringFormatAlign(Handle(), alignment));
}

bool StringFormat::SetLineAlignment(gp::StringAlignment alignment) {
    return Handle() && Track(GdipSetStringFormatLineAlign(Handle(), alignment));
}

bool StringFormat::SetTrimming(gp::StringTrimming trimming) {
    return Handle() && Track(GdipSetStringFormatTrimming(Handle(), trimming));
}

}  // namespace yf::gfx
