#pragma once
// The HTTP Link header (RFC 8288): "<https://example.org/de/>; rel="alternate";
// hreflang="de", <https://example.org/>; rel=canonical".
#include <string>
#include <string_view>
#include <vector>

namespace zel::audit {

struct LinkHeaderEntry {
  std::string target;    // between the angle brackets, as written
  std::string rel;       // lower case, "" when none
  std::string hreflang;  // as written, "" when none
};

// Every entry of one header value; a malformed entry ends the list there.
std::vector<LinkHeaderEntry> parseLinkHeader(std::string_view value);

// Whether a rel value (space-separated words) holds the word, ignoring case.
bool relHas(std::string_view rel, std::string_view word);

}  // namespace zel::audit
