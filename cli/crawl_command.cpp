#include "crawl_command.h"

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "audit_session.h"
#include "cli_alerts.h"
#include "request_limits.h"
#include "settings_command.h"
#include "sitemap_audit.h"
#include "platform/text_format.h"
#include "render/web_view_recycler.h"
#include "report/exports.h"
#include "report/report_context.h"
#include "report/writers.h"
#include "zelmora/zelmora.h"

namespace zel::cli {

namespace {

std::atomic<int> gInterrupts{0};

void onInterrupt(int) {
  if (gInterrupts.fetch_add(1) >= 1) std::_Exit(130);  // a second Ctrl-C leaves at once
}

}  // namespace

std::optional<std::string> startingAddressFor(const std::string& target, std::string* error) {
  namespace fs = std::filesystem;
  if (target.find("://") != std::string::npos) return target;
  std::error_code ec;
  const bool looksLikePath = target[0] == '/' || target[0] == '.' || target[0] == '~' ||
                             target.find('/') != std::string::npos;
  if (fs::exists(target, ec)) {
    fs::path abs = fs::absolute(target, ec).lexically_normal();
    std::string path = abs.string();
    if (fs::is_directory(abs, ec) && !endsWith(path, "/")) path += "/";
    auto url = Url::fromFilePath(path);
    if (!url) {
      *error = "cannot make a file address from " + path;
      return std::nullopt;
    }
    return url->absoluteString();
  }
  if (looksLikePath && (target[0] == '/' || target[0] == '.' || target[0] == '~')) {
    *error = "no such file or folder: " + target;
    return std::nullopt;
  }
  return target;  // a host name and path; the engine puts http:// in front
}

bool showsProgressLine(const Options& options) {
  return options.progress && !options.quiet && ::isatty(STDERR_FILENO);
}

std::string crawlProgressLine(const ZelHub& hub, double seconds, int64_t checkedAtStart) {
  return strf("checked %lld  bad %lld  pages %lld  of %lld found  %.1f/s",
              static_cast<long long>(hub.getCheckedLinkCount()),
              static_cast<long long>(hub.getBadLinkCount()),
              static_cast<long long>(hub.getPageCount()),
              static_cast<long long>(hub.getTotalLinkCount()),
              seconds > 0 ? (hub.getCheckedLinkCount() - checkedAtStart) / seconds : 0.0);
}

bool failsAudit(const Options& options, const ReportContext& report) {
  const audit::SiteAudit* a = report.audit();
  return options.failOn && a && a->hasIssueAtOrAbove(*options.failOn);
}

int runCrawl(const Options& options) {
  if (Status s = options.exports.check(); !s.ok()) {
    std::fprintf(stderr, "zelmora: %s\n", s.message().c_str());
    return 2;
  }
  auto defaults = std::make_unique<MemoryDefaults>();
  const MemoryDefaults& settings = *defaults;  // kept by the platform below
  if (Status s = resolveSettings(options, *defaults, stderr); !s.ok()) {
    std::fprintf(stderr, "zelmora: %s\n", s.message().c_str());
    return 2;
  }
  fitRequestsToMachine(*defaults, machineLimits(), stderr);

  std::string error;
  auto address = startingAddressFor(options.target, &error);
  if (!address) {
    std::fprintf(stderr, "zelmora: %s\n", error.c_str());
    return 2;
  }

  RealPlatform real(std::move(defaults));
  Platform platform = real.platform();
  if (Status s = applyLogOptions(options, *platform.log); !s.ok()) {
    std::fprintf(stderr, "zelmora: %s\n", s.message().c_str());
    return 2;
  }
  const bool interactive = ::isatty(STDIN_FILENO) && ::isatty(STDERR_FILENO);
  CliAlerts alerts(interactive);
  platform.alerts = &alerts;

  auto hubOwner = std::make_unique<ZelHub>(*address, platform);
  ZelHub& hub = *hubOwner;
  AuditSession audit(hub, settings);
  RunLoop& loop = *platform.runLoop;
  bool finished = false;
  platform.notifications->addObserver("ZelCrawlDidFinish", [&](const Notification&) {
    finished = true;
    loop.stop();
  });

  const std::time_t startedAt = std::time(nullptr);
  const auto started = std::chrono::steady_clock::now();
  auto elapsed = [&] {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  };
  hub.go();
  for (const Alert& a : alerts.shown()) {
    if (a.title == hub.localized("Unsupported url") || a.title == "Error opening file") {
      std::fprintf(stderr, "zelmora: cannot start a crawl from %s\n", options.target.c_str());
      return 2;
    }
  }
  if (hub.getTotalLinkCount() == 0) {
    std::fprintf(stderr, "zelmora: cannot start a crawl from %s\n", options.target.c_str());
    return 2;
  }

  const bool showProgress = showsProgressLine(options);
  bool deadlineReached = false;
  std::function<void()> tick = [&] {
    if (gInterrupts.load() > 0 && !hub.stopPressed()) {
      hub.stop();
      loop.stop();
      return;
    }
    if (options.maxTime && elapsed() >= *options.maxTime && !hub.stopPressed()) {
      deadlineReached = true;
      hub.stop();
      loop.stop();
      return;
    }
    if (showProgress) {
      std::fprintf(stderr, "\r\033[K%s", crawlProgressLine(hub, elapsed()).c_str());
      std::fflush(stderr);
    }
    loop.postAfter(0.25, tick);
  };
  auto previous = std::signal(SIGINT, onInterrupt);
  loop.postAfter(0.25, tick);
  if (!hub.isCrawlFinished()) loop.run();
  std::signal(SIGINT, previous);
  if (showProgress) std::fprintf(stderr, "\r\033[K");

  if (finished && options.recheck && hub.getBadLinkCount() > 0 && gInterrupts.load() == 0) {
    // Flaky servers and passing network trouble: every bad link gets a second chance.
    bool rechecked = false;
    platform.notifications->addObserver("ZelRecheckDidFinish", [&](const Notification&) {
      rechecked = true;
      loop.stop();
    });
    std::vector<ZelUrl*> bad;
    for (ZelUrl* r : hub.getLinksCollection())
      if (r->isInBadCollection()) bad.push_back(r);
    for (ZelUrl* r : bad) r->recheckLink();
    if (!rechecked) loop.run();
  }
  CrawlTiming timing{elapsed(), !finished, startedAt, std::time(nullptr), std::nullopt};
  if (deadlineReached) timing.deadline = options.maxTime;
  std::optional<audit::SitemapReading> sitemaps;
  if (audit.enabled() && settings.boolForKey("auditSitemaps")) {
    // The crawl's deadline and Ctrl-C stop the reading of the sitemaps too.
    previous = std::signal(SIGINT, onInterrupt);
    sitemaps = SitemapAudit(hub, platform, settings).run([&] {
      return gInterrupts.load() > 0 || (options.maxTime && elapsed() >= *options.maxTime);
    });
    std::signal(SIGINT, previous);
  }
  audit.run(std::move(sitemaps));
  ReportContext report(hub, settings, timing);
  report.setAudit(&audit);
  // An export on standard output keeps it to itself.
  FILE* summary = options.exports.usesStdout() ? stderr : stdout;
  if (!options.quiet) {
    printTerminalReport(summary, report);
    if (hub.getUnrenderedPageCount() > 0)
      std::fprintf(summary, "%d page%s read as served, not rendered: %s\n",
                   hub.getUnrenderedPageCount(), hub.getUnrenderedPageCount() == 1 ? "" : "s",
                   hub.getUnrenderedReason().c_str());
  }
  const int status = !writeExports(options.exports, report, stderr) ? 2
                     : hub.getBadLinkCount() > 0 || failsAudit(options, report) ? 1
                                                                                : 0;
  // The browser, if pages were rendered, ends now, while its run loop still exists.
  WebViewRecycler::sharedWebViewRecycler().shutDown();
#ifndef ZEL_FULL_TEARDOWN
  // Every file is closed: the records and link instances are left for the OS to
  // free at exit, which a large crawl would otherwise spend seconds destroying.
  // (Sanitizer builds tear down, so LeakSanitizer still checks everything.)
  (void)hubOwner.release();
#endif
  return status;
}

}  // namespace zel::cli
