#pragma once
// Pages that redirect with a refresh directive in a meta tag. Detection uses plain
// byte searches so that it is cheap enough for every fetched page.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zel {

class Log;

// True when the page carries a usable meta refresh: "meta", "http-equiv" and
// "refresh" present (lower case, else upper case), "http-equiv" before "refresh"
// with no '>' between them, both before the first "body", the page at least 50
// bytes long, the directive not inside a comment, and a target extractable.
bool pageIsMetaRefresh(std::string_view data, Log* log = nullptr);

// True when the byte position lies inside an HTML comment.
bool metaRefreshURLat(uint64_t position, std::string_view data);

// The refresh target: the text after the first '=' of the quoted content value
// that follows "refresh", with single quotes stripped from both ends. Searches
// ignore case. nullopt when the page is not UTF-8 or the directive has no target.
std::optional<std::string> pullOutMetaRefreshUrl(std::string_view data, Log* log = nullptr);

}  // namespace zel
