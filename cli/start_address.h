#pragma once
// What the user typed as a crawl's start, before the engine sees it, and
// whether a start answered at all.
#include <optional>
#include <string>

#include "platform/status.h"

namespace zel {
class Defaults;
class UrlLoader;
}  // namespace zel

namespace zel::cli {

// A TARGET as the engine takes it: URLs as given; existing local files and
// folders as file:// URLs. nullopt (with a message) for a path that does not exist.
std::optional<std::string> startingAddressFor(const std::string& target, std::string* error);

// A typed address whose scheme is mistyped ("http//host/", "https:/host/",
// "htps://host/") or not one zelmora crawls is refused with a message that
// suggests the fix. A host and path without a scheme ("host/page") passes.
Status checkTypedScheme(const std::string& typed);

// Why a request got no answer at all: "the connection was refused", "the host
// could not be found" or "it timed out", read from a record's status; nullopt
// for every other status (an HTTP answer, a certificate refused, ...).
std::optional<std::string> unreachableReason(const std::string& status);

// Requests `address` once as a crawl with these settings would (user agent,
// extra headers, time-out); the reason when it got no answer at all.
std::optional<std::string> probeUnreachable(UrlLoader& loader, const Defaults& settings,
                                            const std::string& address);

}  // namespace zel::cli
