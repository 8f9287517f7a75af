#pragma once
// Dates as the user reads them: medium date and time styles of the user's
// locale and time zone (from the environment), through ICU.
#include <optional>
#include <string>
#include <string_view>

namespace zel {

// Seconds since 1970 as "Dec 7, 2026, 11:10:52 AM" (or the locale's form).
std::string localMediumDateTime(double epochSeconds);
// The reverse of localMediumDateTime; none when the text is not in that form.
std::optional<double> parseLocalMediumDateTime(std::string_view text);

}  // namespace zel
