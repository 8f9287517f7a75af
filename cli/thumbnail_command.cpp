#include "thumbnail_command.h"

#include <cstdio>

#include "interrupts.h"
#include "platform/platform.h"
#include "platform/text_format.h"
#include "render/rendering.h"
#include "render/web_thumb_getter.h"
#include "render/web_view_recycler.h"
#include "report/output_file.h"
#include "settings_command.h"

namespace zel::cli {

namespace {

struct Waiter : ThumbnailOwner {
  bool done = false;
  void reloadData() override { done = true; }
};

struct Refusal {
  std::string message;
  int exitStatus;
};

// An error status (exit 1) or no answer at all (exit 2) from the page's server;
// nullopt when the page answered, or is not a web address.
std::optional<Refusal> answerOf(UrlLoader& loader, const Defaults& settings,
                                const std::string& address) {
  if (!startsWith(address, "http://") && !startsWith(address, "https://")) return std::nullopt;
  UrlRequest request;
  request.url = address;
  request.maxBodyBytes = 1;  // only the status is wanted
  const double timeout = settings.doubleForKey("timeout");
  request.timeoutSeconds = timeout > 0 ? timeout : 30;
  if (auto agent = settings.stringForKey("userAgentString"))
    request.setHeader("User-Agent", *agent);
  const SyncResult result = loader.sendSynchronous(request);
  if (!result.response) {
    if (result.error && result.error->code == UrlError::kSecureConnectionFailed)
      return std::nullopt;  // the browser decides on certificates itself
    return Refusal{result.error ? result.error->description : "no answer", kExitUnusable};
  }
  const int code = result.response->statusCode;
  if (code >= 400)
    return Refusal{strf("the page answered %d %s", code, reasonPhraseForStatusCode(code).c_str()),
                   kExitBadLinks};
  return std::nullopt;
}

}  // namespace

int runThumbnail(const Options& options) {
  auto defaults = std::make_unique<MemoryDefaults>();
  if (Status s = resolveSettings(options, *defaults, stderr); !s.ok()) {
    std::fprintf(stderr, "zelmora: %s\n", s.message().c_str());
    return kExitUnusable;
  }
  if (Status s = OutputFile::checkWritable(options.outputFile); !s.ok()) {
    std::fprintf(stderr, "zelmora: %s\n", s.message().c_str());
    return kExitUnusable;
  }
  // A page that never finishes loading gets this long.
  const double limit = options.maxTime.value_or(
      defaults->doubleForKey("timeout") > 0 ? defaults->doubleForKey("timeout") : 30.0);
  RealPlatform real(std::move(defaults));
  Platform platform = real.platform();
  if (Status s = applyLogOptions(options, *platform.log); !s.ok()) {
    std::fprintf(stderr, "zelmora: %s\n", s.message().c_str());
    return kExitUnusable;
  }
  // The browser shows an error page as readily as the page itself: what the
  // server answers is asked first, and an error answer makes no picture.
  if (auto answer = answerOf(*platform.loader, *platform.defaults, options.target)) {
    std::fprintf(stderr, "zelmora: no thumbnail of %s: %s\n", options.target.c_str(),
                 answer->message.c_str());
    return answer->exitStatus;
  }
  useChromiumForWebViews(*platform.runLoop, platform.log);
  Status result;
  {
    Waiter waiter;
    WebThumbGetter getter(platform, options.target, options.outputFile, &waiter);
    getter.getImage();
    if (!platform.runLoop->runUntil([&] { return waiter.done; }, limit))
      result = Status::Error("the page did not finish loading within " +
                             std::to_string(static_cast<int>(limit)) + " seconds");
    else
      result = getter.status();
    getter.stopLoading();
  }
  // The browser ends here, before the run loop it lives on.
  WebViewRecycler::sharedWebViewRecycler().shutDown();
  if (!result.ok()) {
    std::fprintf(stderr, "zelmora: no thumbnail of %s: %s\n", options.target.c_str(),
                 result.message().c_str());
    return kExitUnusable;
  }
  return kExitClean;
}

}  // namespace zel::cli
