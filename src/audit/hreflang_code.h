#pragma once
// Hreflang values as search engines take them: an ISO 639-1 language, optionally
// a script and an ISO 3166-1 alpha-2 region ("en", "en-GB", "zh-Hant-TW"), or
// "x-default". Checked with ICU's lists of codes.
#include <string>
#include <string_view>

namespace zel::audit {

bool isValidHreflang(std::string_view value);
// The language of a code or lang attribute in lower case ("en" for "en-GB").
std::string primaryLanguage(std::string_view code);

}  // namespace zel::audit
