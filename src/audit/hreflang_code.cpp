#include "audit/hreflang_code.h"

#include <unicode/uloc.h>

#include <cstring>

#include "platform/text_format.h"

namespace zel::audit {

namespace {

bool inList(const char* const* list, std::string_view code) {
  for (; list && *list; ++list)
    if (code == *list) return true;
  return false;
}

}  // namespace

bool isValidHreflang(std::string_view value) {
  if (equalsIgnoreCase(value, "x-default")) return true;
  // Two letters as written: ICU would take "eng" for "en", search engines do not.
  if (value.size() > 32 || (value.size() != 2 && value.find_first_of("-_") != 2)) return false;
  const std::string tag(value);
  char id[ULOC_FULLNAME_CAPACITY] = {};
  int32_t parsed = 0;
  UErrorCode status = U_ZERO_ERROR;
  uloc_forLanguageTag(tag.c_str(), id, sizeof id, &parsed, &status);
  if (U_FAILURE(status) || parsed != static_cast<int32_t>(tag.size())) return false;
  if (std::strchr(id, '@')) return false;  // extensions and private use: not for hreflang
  char language[ULOC_LANG_CAPACITY] = {}, country[ULOC_COUNTRY_CAPACITY] = {},
       variant[ULOC_FULLNAME_CAPACITY] = {};
  status = U_ZERO_ERROR;
  uloc_getLanguage(id, language, sizeof language, &status);
  uloc_getCountry(id, country, sizeof country, &status);
  uloc_getVariant(id, variant, sizeof variant, &status);
  if (U_FAILURE(status) || variant[0]) return false;
  if (std::strlen(language) != 2 || !inList(uloc_getISOLanguages(), language)) return false;
  if (country[0] && (std::strlen(country) != 2 || !inList(uloc_getISOCountries(), country)))
    return false;
  return true;
}

std::string primaryLanguage(std::string_view code) {
  const std::string_view trimmed = trimWhitespace(code);
  return asciiLower(trimmed.substr(0, trimmed.find_first_of("-_")));
}

}  // namespace zel::audit
