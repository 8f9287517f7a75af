#pragma once
// The versions of the libraries the program runs on, as loaded, and of the
// browser when one is installed.
#include <string>
#include <utility>
#include <vector>

namespace zel {

// (name, version) pairs; a library that is not installed reads "not found".
std::vector<std::pair<std::string, std::string>> libraryVersions();

}  // namespace zel
