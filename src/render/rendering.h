#pragma once
// Makes the shared web view pool start headless Chromium on the given run loop
// when a page is first rendered. Until this is called, pages cannot be rendered.
#include "platform/run_loop.h"

namespace zel {

class Log;

void useChromiumForWebViews(RunLoop& loop, Log* log);

}  // namespace zel
