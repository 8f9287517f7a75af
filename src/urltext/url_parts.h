#pragma once
// An address split into its parts, re-encoded for the network and decoded for
// display. Addresses found in pages are often not valid URLs (Unicode hosts,
// spaces, user names with reserved characters); these functions make them so.
#include <optional>
#include <string>
#include <string_view>

#include "platform/url.h"

namespace zel {

class Defaults;

struct UrlParts {
  std::string scheme;  // text before the first ":" ("" without scheme)
  std::string delim;   // the run of ":" and "/" after the scheme ("://")
  std::string host;    // authority without user information, port included
  std::string path;    // path and query, up to the fragment
  std::optional<std::string> username;  // only with user information
  std::optional<std::string> password;  // only when the user information has ":"
  std::optional<std::string> fragment;  // only when the address has "#"
};

// Splits an address. Scanning skips white space before each part. After a
// scheme the host runs to the first "/", "?" or "#"; a text with no ":" or "/"
// is taken whole as a host, one starting with "/" whole as a path. The
// fragment runs to the first line break. User information is the first "@"
// piece of the host, split at ":". With compatibilityMapping the address is
// NFKC-composed first.
UrlParts URLParts(std::string_view address, bool compatibilityMapping = false);
UrlParts URLParts(std::string_view address, const Defaults& defaults);

// The text percent-encoded with the path set plus "%", "?" and "#": existing
// escapes, the query and the fragment mark survive, so encoding twice changes
// nothing.
std::string encodedPath(std::string_view text);

// The address made safe for the network: IDNA host (a ":port" is kept out of
// the conversion), escaped path, user information and fragment.
std::string encodedURLString(std::string_view address, bool compatibilityMapping = false);
std::string encodedURLString(std::string_view address, const Defaults& defaults);

// The address made readable: Unicode host, percent escapes removed. A path
// whose escapes do not decode is left out; any other part whose escapes do not
// decode is shown as written.
std::string decodedURLString(std::string_view address, bool compatibilityMapping = false);
std::string decodedURLString(std::string_view address, const Defaults& defaults);
std::string decodedURLString(const Url& url, bool compatibilityMapping = false);

// Parses the encodedURLString of an address.
std::optional<Url> URLWithUnicodeString(std::string_view address,
                                        bool compatibilityMapping = false);

}  // namespace zel
