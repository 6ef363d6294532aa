// Reading the Date header of an HTTP answer: every server with a clock sends one, so it is a
// second source of the time when the page itself holds none.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace yf {

// The instant a Date header names, in whole seconds since 1970-01-01 00:00:00 UTC, in each of
// the three forms an HTTP client has to accept:
//   "Sun, 06 Nov 1994 08:49:37 GMT"   (what servers send today; a one-digit day is taken too)
//   "Sunday, 06-Nov-94 08:49:37 GMT"  (the obsolete form with a two-digit year)
//   "Sun Nov  6 08:49:37 1994"        (the C library's form, always universal time)
// The zone may be GMT, UT, UTC or a numeric offset such as +0800. Names are read without regard
// to case, blanks may be doubled; anything else, a field out of range or text left over gives
// nothing. A two-digit year lies within fifty years of referenceYear.
std::optional<std::int64_t> ParseHttpDate(std::string_view text, int referenceYear);

}  // namespace yf
