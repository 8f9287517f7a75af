#pragma once
// Path pieces of an address text, read the way a file path is read: trailing
// "/" ignored, the last component after the last "/".
#include <string_view>

namespace zel {

// The last path component ("b" for "/a/b/", "/" for "/").
std::string_view lastComponentOf(std::string_view path);
// The text less its last component ("/a" for "/a/b/", "/" for "/a", "" for "a").
std::string_view withoutLastComponent(std::string_view path);
// The extension of the last component ("pdf" for "/a/b.pdf", "com" for
// "http://host.com"); "" when there is none.
std::string_view textPathExtension(std::string_view text);

}  // namespace zel
