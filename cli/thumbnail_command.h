#pragma once
// `zelmora thumbnail URL FILE`: a 392 x 256 picture of the page as a browser shows it.
#include "options.h"

namespace zel::cli {

// Returns the exit status: 0 when the picture is written, 2 when it is not.
int runThumbnail(const Options& options);

}  // namespace zel::cli
