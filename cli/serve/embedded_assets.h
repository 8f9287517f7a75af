#pragma once
// The window's page, style, scripts and icon, compiled into the program from
// cli/serve/assets: nothing is read from disk or fetched when it runs.
#include <string_view>

namespace zel::cli::serve {

struct EmbeddedAsset {
  std::string_view name;  // its file name in the assets folder
  std::string_view bytes;
  std::string_view sha256;  // of the bytes, in hex: the ETag it is served with
};

// nullptr when there is no asset of that name.
const EmbeddedAsset* findEmbeddedAsset(std::string_view name);

}  // namespace zel::cli::serve
