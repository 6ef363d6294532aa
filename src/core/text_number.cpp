#include "core/text_number.h"

#include <cstdlib>
#include <string>

namespace yf {
namespace {

// Full-width forms U+FF01..U+FF5E are the ASCII characters 0x21..0x7E shifted; in UTF-8 they
// are EF BC 81..EF BD 9E. Only the ones that can be part of a number are mapped.
bool ReadFullWidthNumberChar(std::string_view text, std::size_t at, char& ascii) {
    if (at + 3 > text.size()) return false;
    const auto b0 = static_cast<unsigned char>(text[at]);
    const auto b1 = static_cast<unsigned char>(text[at + 1]);
    const auto b2 = static_cast<unsigned char>(text[at + 2]);
    if (b0 != 0xEF || b1 != 0xBC) return false;
    const unsigned codeLow = b2 - 0x80;  // offset from U+FF00
    const char candidate = static_cast<char>(codeLow + 0x20);
    if ((candidate >= '0' && candidate <= '9') || candidate == '+' || candidate == '-' ||
        candidate == '.') {
        ascii = candidate;
        return true;
    }
    return false;
}

// Folds the full-width number characters to ASCII; other characters stop nothing yet.
std::string FoldNumberChars(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char ascii = 0;
        if (ReadFullWidthNumberChar(text, i, ascii)) {
            folded += ascii;
            i += 3;
        } else {
            folded += text[i];
            ++i;
        }
    }
    return folded;
}

}  // namespace

double TextToNumber(std::string_view utf8) {
    const std::string text = FoldNumberChars(utf8);
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;

    // Keep only sign, digits and one point, so that exponents, "inf" and hex never count.
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
    bool seenDigit = false;
    bool seenPoint = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            seenDigit = true;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
        number += c;
    }
    if (!seenDigit) return 0.0;
    return std::strtod(number.c_str(), nullptr);
}

std::string TwoDigitText(long long value) {
    std::string text = std::to_string(value);
    if (text.size() == 1) text.insert(text.begin(), '0');
    return text;
}

}  // namespace yf
