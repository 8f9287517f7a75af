#include "crawl_command.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>

#include "cli_alerts.h"
#include "audit_session.h"
#include "folder_server.h"
#include "interrupts.h"
#include "sitemap_audit.h"
#include "platform/text_format.h"
#include "render/web_view_recycler.h"
#include "report/crawl_database_writer.h"
#include "report/exports.h"
#include "report/report_context.h"
#include "report/writers.h"
#include "request_limits.h"
#include "settings_command.h"
#include "start_address.h"
#include "zelmora/zelmora.h"

namespace zel::cli {

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

namespace {

int usageFailure(const std::string& message) {
  std::fprintf(stderr, "zelmora: %s\n", message.c_str());
  return kExitUnusable;
}

}  // namespace

int runCrawl(const Options& options, const CommandHooks* hooks) {
  // From here to the end: a stop saves and reports what was found.
  std::optional<InterruptWatch> interrupts;
  if (!hooks) interrupts.emplace();
  auto stopAsked = [hooks] { return hooks ? hooks->stopAsked() : InterruptWatch::interrupted(); };
  std::error_code ec;
  if (!std::filesystem::exists(options.target, ec))
    if (Status s = checkTypedScheme(options.target); !s.ok()) return usageFailure(s.message());
  if (Status s = options.exports.check(); !s.ok()) return usageFailure(s.message());
  if (options.exports.db)
    if (Status s = CrawlDatabaseWriter::replaceable(*options.exports.db); !s.ok())
      return usageFailure(s.message());
  auto defaults = std::make_unique<MemoryDefaults>();
  const MemoryDefaults& settings = *defaults;  // kept by the platform below
  if (Status s = resolveSettings(options, *defaults, stderr); !s.ok())
    return usageFailure(s.message());
  fitRequestsToMachine(*defaults, machineLimits(), stderr);

  std::string error;
  auto address = startingAddressFor(options.target, &error);
  if (!address) return usageFailure(error);
  FolderServer folder;
  if (options.overHttp) {
    const std::string local = options.target;
    if (!startsWith(*address, "file://") || !std::filesystem::is_directory(local, ec))
      return usageFailure("--over-http serves a local folder; " + options.target + " is not one");
    if (Status s = folder.start(local, 0, settings.stringOrEmpty("defaultLocalFileName")); !s.ok())
      return usageFailure(s.message());
    address = folder.rootUrl();
    if (!options.quiet)
      std::fprintf(stderr, "zelmora: serving %s at %s for the crawl\n", folder.folder().c_str(),
                   address->c_str());
  }

  RealPlatform real(std::move(defaults));
  Platform platform = real.platform();
  if (Status s = applyLogOptions(options, *platform.log); !s.ok()) return usageFailure(s.message());
  const bool interactive = !hooks && ::isatty(STDIN_FILENO) && ::isatty(STDERR_FILENO);
  CliAlerts alerts(interactive);
  platform.alerts = &alerts;

  auto hubOwner = std::make_unique<ZelHub>(*address, platform);
  ZelHub& hub = *hubOwner;
  AuditSession audit(hub, settings);
  if (hooks) audit.keepEveryResponseHeader();  // the window's Headers tab shows them all
  if (hooks && hooks->made) hooks->made(hub);
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
    if (a.title == hub.localized("Unsupported url") || a.title == "Error opening file")
      return usageFailure("cannot start a crawl from " + options.target);
  }
  if (hub.getTotalLinkCount() == 0)
    return usageFailure("cannot start a crawl from " + options.target);

  // The database is written as the crawl runs (an existing file is replaced now).
  std::unique_ptr<CrawlDatabaseWriter> database;
  if (options.exports.db) {
    database = std::make_unique<CrawlDatabaseWriter>(hub, settings);
    std::optional<ServedFolder> served;
    if (options.overHttp) served = ServedFolder{folder.folder(), folder.port()};
    if (Status s = database->startNew(*options.exports.db, served, startedAt); !s.ok())
      return usageFailure(s.message());
    database->attach(loop, *platform.notifications);
  }

  if (hooks && hooks->started) hooks->started(hub, loop);
  const bool showProgress = !hooks && showsProgressLine(options);
  bool deadlineReached = false, databaseFailed = false;
  std::function<void()> tick = [&] {
    if (database && database->failure() && !hub.stopPressed()) {
      databaseFailed = true;  // a full disk: what was committed is kept
      hub.stop();
      loop.stop();
      return;
    }
    if (stopAsked() && !hub.stopPressed()) {
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
  loop.postAfter(0.25, tick);
  if (!hub.isCrawlFinished()) loop.run();
  if (showProgress) std::fprintf(stderr, "\r\033[K");

  if (finished && options.recheck && hub.getBadLinkCount() > 0 && !stopAsked()) {
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
  if (database) database->crawlEnded();
  CrawlTiming timing{elapsed(), !finished || databaseFailed, startedAt, std::time(nullptr),
                     std::nullopt};
  if (deadlineReached) timing.deadline = options.maxTime;
  std::optional<audit::SitemapReading> sitemaps;
  if (audit.enabled() && settings.boolForKey("auditSitemaps"))  // the deadline and Ctrl-C stop it too
    sitemaps = SitemapAudit(hub, platform, settings).run([&] {
      return stopAsked() || (options.maxTime && elapsed() >= *options.maxTime);
    });
  audit.run(std::move(sitemaps));
  ReportContext report(hub, settings, timing);
  report.setAudit(&audit);
  if (options.overHttp) report.setServedFolder(ServedFolder{folder.folder(), folder.port()});
  // An export on standard output keeps it to itself.
  FILE* summary = options.exports.usesStdout() ? stderr : stdout;
  if (!options.quiet) {
    printTerminalReport(summary, report);
    if (hub.getUnrenderedPageCount() > 0)
      std::fprintf(summary, "%d page%s read as served, not rendered: %s\n",
                   hub.getUnrenderedPageCount(), hub.getUnrenderedPageCount() == 1 ? "" : "s",
                   hub.getUnrenderedReason().c_str());
  }
  DatabaseFinisher finisher;
  if (database) database->detach();
  if (database) finisher = [&database](const ReportContext& r) { return database->finish(r); };
  const bool exported = writeExports(options.exports, report, stderr, nullptr, finisher);
  if (hooks && hooks->ended) hooks->ended();
  // The browser, if pages were rendered, ends now, while its run loop still exists.
  WebViewRecycler::sharedWebViewRecycler().shutDown();
  const ZelUrl* start = hub.getFirstItem();
  const auto unreachable = start ? unreachableReason(start->getFinalStatus()) : std::nullopt;
  int status =
      hub.getBadLinkCount() > 0 || failsAudit(options, report) ? kExitBadLinks : kExitClean;
  if (timing.stopped) {
    status = kExitStopped;
    std::fprintf(stderr, "zelmora: stopped by %s before the crawl was finished%s\n",
                 databaseFailed    ? "a failed write of the crawl database"
                 : deadlineReached ? "the --max-time deadline"
                 : hooks           ? "the window"
                                   : InterruptWatch::cause().c_str(),
                 options.exports.db
                     ? ("; 'zelmora continue " + *options.exports.db + "' goes on").c_str()
                     : "");
  }
  if (unreachable) {
    status = kExitUnusable;
    std::fprintf(stderr, "zelmora: cannot reach the start page (%s)\n", unreachable->c_str());
  }
  if (!exported) status = kExitUnusable;
#ifndef ZEL_FULL_TEARDOWN
  // Every file is closed: the records and link instances are left for the OS to
  // free at exit, which a large crawl would otherwise spend seconds destroying.
  // (Sanitizer builds tear down, so LeakSanitizer still checks everything.)
  if (!hooks) (void)hubOwner.release();  // the window goes on: it frees them
#endif
  return status;
}

}  // namespace zel::cli
