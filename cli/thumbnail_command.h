#pragma once
// `zelmora thumbnail URL FILE`: a 392x256 picture of a page, as rendered.
#include <string>

#include "options.h"
#include "platform/platform.h"

namespace zel::cli {

int runThumbnail(const Options& options);

// Writes the picture of `address` to `file` on the platform's run loop, waiting
// at most `limit` seconds for the page. The browser stays for the next one
// (WebViewRecycler::shutDown ends it).
Status takeThumbnail(const Platform& platform, const std::string& address, const std::string& file,
                     double limit);

}  // namespace zel::cli
