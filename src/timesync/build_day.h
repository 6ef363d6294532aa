// The day this program was built: no true reading of the web clock can come before it.
#pragma once

#include <optional>
#include <string_view>

#include "core/date_time.h"

namespace yf {

// The compiler's date of this build.
DateTime BuildDay();

// "Mmm dd yyyy" as the compiler writes its date ("Jan  5 2025"); nothing for any other text.
std::optional<DateTime> ParseCompilerDate(std::string_view text);

}  // namespace yf
