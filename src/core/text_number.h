// Reading numbers out of user and page text the forgiving way the program needs: full-width
// digits count, trailing junk is ignored, and "no number" is simply 0.
#pragma once

#include <string>
#include <string_view>

namespace yf {

// The leading decimal number of a UTF-8 text (after optional blanks and one sign), with the
// full-width digits, signs and point read as their ASCII forms; 0 when there is none.
double TextToNumber(std::string_view utf8);

// Plain decimal text of a whole number, with a "0" in front when it is one character long.
std::string TwoDigitText(long long value);

}  // namespace yf
