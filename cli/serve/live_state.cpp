#include "serve/live_state.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "crawl_command.h"
#include "engine/zel_hub.h"
#include "export_command.h"
#include "interrupts.h"
#include "platform/text_format.h"
#include "render/web_view_recycler.h"
#include "saved_commands.h"
#include "serve/database_source.h"
#include "serve/live_hub_source.h"
#include "thumbnail_command.h"

namespace zel::cli::serve {

namespace {

constexpr double kHandOverSeconds = 0.25;

const char* jobState(int job) {
  static const char* const kStates[] = {"idle", "crawling", "rechecking", "continuing"};
  return kStates[job];
}

// A file name part made of the safe characters of `text`.
std::string fileNamePart(std::string_view text) {
  std::string out;
  for (char c : text)
    out += (std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-') ? c : '-';
  return out.empty() ? "crawl" : out.substr(0, 60);
}

// The file an export of `stem` is downloaded as.
std::optional<std::string> exportFileName(const std::string& kind, const std::string& stem) {
  static const std::pair<const char*, const char*> kNames[] = {
      {"json", ".json"},       {"csv", "-urls.csv"},     {"links-csv", "-links.csv"},
      {"seo", "-seo.txt"},     {"seo-csv", "-seo.csv"},  {"sitemap", "-sitemap.xml"},
      {"junit", "-junit.xml"}, {"html", "-report.html"}, {"db", ".db"}};
  for (const auto& [k, suffix] : kNames)
    if (kind == k) return stem + suffix;
  return std::nullopt;
}

}  // namespace

std::string windowCrawlsFolder() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  std::string base;
  if (xdg && xdg[0] == '/') {
    base = xdg;
  } else {
    const char* home = std::getenv("HOME");
    base = std::string(home && *home ? home : ".") + "/.local/share";
  }
  return base + "/zelmora/crawls";
}

LiveState::LiveState(std::string crawlsFolder, std::function<bool()> interrupted)
    : crawlsFolder_(std::move(crawlsFolder)), interrupted_(std::move(interrupted)) {
  relay_.setLoop(home_.platform().runLoop);
  publish();
}

LiveState::~LiveState() {
  relay_.setLoop(nullptr);
  closeSnapshots();
}

void LiveState::runEngine() {
  RunLoop& loop = *home_.platform().runLoop;
  std::function<void()> watch = [&] {
    if (interrupted_ && interrupted_()) shuttingDown_ = true;
    if (shuttingDown_) {
      loop.stop();
      return;
    }
    loop.postAfter(kHandOverSeconds, watch);
  };
  loop.postAfter(kHandOverSeconds, watch);
  if (!named_.empty()) {
    if (Status s = openDatabase(named_.front()); !s.ok()) {
      message_ = s.message();
      messageIsError_ = true;
      publish();
    }
  }
  loop.run();
  // No more work is taken; what was handed over already runs, so that no
  // request waits for an answer that would never come.
  relay_.setLoop(nullptr);
  bool drained = false;
  loop.post([&] { drained = true; });
  loop.runUntil([&] { return drained; }, 1);
  WebViewRecycler::sharedWebViewRecycler().shutDown();
}

void LiveState::shutDown() {
  stopAsked_ = true;
  shuttingDown_ = true;
}

Status LiveState::onEngine(std::function<Status()> work, double seconds) {
  if (engineAway_)
    return Status::Error("zelmora is busy starting or saving a crawl; try again soon");
  auto result = relay_.call<Status>(std::move(work), seconds);
  if (!result) return Status::Error("zelmora is busy (loading or saving a crawl); try again soon");
  return *result;
}

// ---- jobs ---------------------------------------------------------------------------------

Status LiveState::startJob(Job job, Options options) {
  if (job_ != Job::None)
    return Status::Error(std::string("zelmora is ") + jobState(static_cast<int>(job_)) +
                         "; stop it first");
  if (shuttingDown_) return Status::Error("zelmora is closing");
  job_ = job;
  stopAsked_ = false;
  state_ = "starting";
  message_.clear();
  messageIsError_ = false;
  recheckOutcome_ = nullptr;
  engineAway_ = true;
  publish();
  // The command turns run loops of its own: it runs on the next turn of the
  // window's loop, not inside the server's request.
  home_.platform().runLoop->post(
      [this, job, options = std::move(options)] { runJob(job, options); });
  return Status::Ok();
}

CommandHooks LiveState::hooksFor(Job job) {
  CommandHooks hooks;
  // The lower pane shows them, and a saved crawl keeps them for its next opening.
  hooks.made = [](ZelHub& hub) { hub.setKeepsResponseHeaders(true); };
  hooks.started = [this, job](ZelHub& hub, RunLoop& loop) { attach(hub, loop, job); };
  hooks.shouldStop = [this] {
    if (interrupted_ && interrupted_()) shuttingDown_ = true;
    return stopAsked_ || shuttingDown_;
  };
  hooks.ended = [this] { detach(); };
  hooks.rechecked =
      [this](const std::vector<std::string>& fixed, const std::vector<std::string>& stillBroken,
             const std::vector<std::string>& newlyBroken, const std::vector<std::string>& found) {
        recheckOutcome_ = {{"fixed", fixed},
                           {"stillBroken", stillBroken},
                           {"newlyBroken", newlyBroken},
                           {"found", found}};
      };
  return hooks;
}

void LiveState::runJob(Job job, Options options) {
  // A browser started for a thumbnail lives on the window's loop; the command
  // renders on its own.
  WebViewRecycler::sharedWebViewRecycler().shutDown();
  CommandHooks hooks = hooksFor(job);
  options.quiet = true;
  options.progress = false;
  std::string database = options.target;
  int status = 0;
  if (job == Job::Crawl) {
    database = options.exports.db.value_or("");
    status = runCrawl(options, &hooks);
  } else if (job == Job::Recheck) {
    status = runRecheck(options, &hooks);
  } else {
    status = runContinue(options, &hooks);
  }
  detach();  // when the command ended before it started
  job_ = Job::None;
  const bool saved = std::filesystem::exists(database);
  if (job == Job::Crawl && !saved) {
    message_ = "zelmora could not start a crawl from " + options.target;
    messageIsError_ = true;
  } else if (job == Job::Recheck && status == kExitStopped) {
    message_ = "the recheck was stopped; the crawl is as it was";
  } else if (status == kExitStopped) {
    message_ = "stopped; Continue goes on with it";
  } else if (status == kExitUnusable) {
    // The command has said why on the terminal zelmora serve runs in.
    message_ = "the " + std::string(job == Job::Crawl ? "crawl" : "command") +
               " could not be done as asked (an unreachable start, or a file not written)";
    messageIsError_ = true;
  }
  if (saved) {
    state_ = "loading";
    publish();
    if (Status s = openDatabase(database); !s.ok()) {
      message_ = s.message();
      messageIsError_ = true;
    }
  }
  if (!source_) state_ = "idle";
  engineAway_ = false;
  publish();
}

void LiveState::attach(ZelHub& hub, RunLoop& loop, Job job) {
  jobLoop_ = &loop;
  jobPlatform_ = hub.platform();
  relay_.setLoop(&loop);
  engineAway_ = false;
  source_ = std::make_unique<LiveHubSource>(hub);
  table_.reset(source_->thresholds());
  ++generation_;
  state_ = jobState(static_cast<int>(job));
  lastRateAt_ = loop.now();
  lastRateChecked_ = hub.getCheckedLinkCount();
  rate_ = 0;
  handOverSeconds_ = 0;
  handOver();
  publish();
  tickTimer_ = loop.postAfter(kHandOverSeconds, [this] { tick(); });
}

void LiveState::tick() {
  if (!jobLoop_) return;
  const double began = jobLoop_->now();
  handOver();
  const double now = jobLoop_->now();
  if (now - lastRateAt_ >= 1.0) {
    const int64_t checked = source_->counters().checked;
    rate_ = (checked - lastRateChecked_) / (now - lastRateAt_);
    lastRateChecked_ = checked;
    lastRateAt_ = now;
  }
  if (stopAsked_ || shuttingDown_) state_ = "stopping";
  publish();
  handOverSeconds_ += jobLoop_->now() - began;
  tickTimer_ = jobLoop_->postAfter(kHandOverSeconds, [this] { tick(); });
}

void LiveState::detach() {
  if (!jobLoop_) return;
  jobLoop_->cancelTimer(tickTimer_);
  handOver();
  source_.reset();
  // A thumbnail's browser lives on this loop, which ends with the command.
  WebViewRecycler::sharedWebViewRecycler().shutDown();
  relay_.setLoop(home_.platform().runLoop);
  engineAway_ = true;
  jobLoop_ = nullptr;
  jobPlatform_ = Platform();
}

void LiveState::handOver() {
  if (source_) table_.update([&](RowTable::Batch& batch) { source_->takeChanges(batch); });
}

Status LiveState::openDatabase(const std::string& path) {
  std::unique_ptr<DatabaseSource> db;
  if (Status s = DatabaseSource::open(path, db); !s.ok()) return s;
  state_ = "loading";
  publish();
  source_ = std::move(db);
  table_.reset(source_->thresholds());
  ++generation_;
  handOver();
  state_ = database()->stopped() ? "stopped" : "finished";
  rate_ = 0;
  publish();
  return Status::Ok();
}

DatabaseSource* LiveState::database() const {
  return job_ == Job::None ? dynamic_cast<DatabaseSource*>(source_.get()) : nullptr;
}

std::string LiveState::newCrawlPath(const std::string& start) const {
  std::string host = start;
  if (const size_t scheme = host.find("://"); scheme != std::string::npos) {
    host = host.substr(scheme + 3);
    host = host.substr(0, host.find_first_of("/:?#"));
    if (const size_t at = host.rfind('@'); at != std::string::npos) host = host.substr(at + 1);
  } else {
    host = std::filesystem::path(host).lexically_normal().filename().string();
    if (host.empty()) host = "folder";
  }
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  char when[32];
  std::strftime(when, sizeof when, "%Y-%m-%d-%H%M%S", &tm);
  const std::string stem = crawlsFolder_ + "/" + fileNamePart(host) + "-" + when;
  std::string path = stem + ".db";
  for (int n = 2; std::filesystem::exists(path) && n < 100; ++n)
    path = stem + "-" + std::to_string(n) + ".db";
  return path;
}

// ---- snapshots ------------------------------------------------------------------------------

void LiveState::publish() {
  const CrawlCounters c = source_ ? source_->counters() : CrawlCounters{};
  Json source = {{"kind", "none"}};
  if (const DatabaseSource* db = database())
    source = {{"kind", "database"},
              {"path", db->path()},
              {"start", withoutPasswords(db->startUrl())},
              {"stopped", db->stopped()}};
  else if (source_)
    source = {{"kind", "live"}};
  Json s = table_.counts();
  s["generation"] = generation_;
  s["tableVersion"] = table_.version();
  s["state"] = state_;
  s["busy"] = job_ != Job::None;
  s["message"] = message_;
  s["error"] = messageIsError_;
  s["source"] = std::move(source);
  s["audit"] = source_ ? source_->audit() : Json();
  s["counts"] = {{"found", c.found},
                 {"checked", c.checked},
                 {"pending", std::max<int64_t>(0, c.found - c.checked)},
                 {"bad", c.bad},
                 {"pages", c.pages}};
  s["rate"] = std::round(rate_ * 10) / 10;
  s["elapsed"] = std::round(c.seconds * 10) / 10;
  s["handOverSeconds"] = std::round(handOverSeconds_ * 1000) / 1000;
  if (!recheckOutcome_.is_null()) s["recheck"] = recheckOutcome_;
  s["named"] = named_;
  std::lock_guard lock(snapshotMutex_);
  s["version"] = ++snapshotVersion_;
  snapshot_ = s.dump(-1, ' ', false, Json::error_handler_t::replace);
  snapshotChanged_.notify_all();
}

std::pair<uint64_t, std::string> LiveState::snapshot(uint64_t after, double seconds) {
  std::unique_lock lock(snapshotMutex_);
  snapshotChanged_.wait_for(lock, std::chrono::duration<double>(seconds),
                            [&] { return snapshotVersion_ > after || snapshotsClosed_; });
  return {snapshotVersion_, snapshot_};
}

bool LiveState::snapshotsClosed() {
  std::lock_guard lock(snapshotMutex_);
  return snapshotsClosed_;
}

void LiveState::closeSnapshots() {
  std::lock_guard lock(snapshotMutex_);
  snapshotsClosed_ = true;
  snapshotChanged_.notify_all();
}

// ---- actions --------------------------------------------------------------------------------

Status LiveState::startCrawl(Options options) {
  return onEngine([this, options = std::move(options)]() mutable {
    std::error_code ec;
    std::filesystem::create_directories(crawlsFolder_, ec);
    ::chmod(crawlsFolder_.c_str(), 0700);  // crawls may hold what a login showed
    options.exports.db = newCrawlPath(options.target);
    if (Status s = options.exports.check(); !s.ok()) return s;
    password_ = options.password;
    return startJob(Job::Crawl, std::move(options));
  });
}

Status LiveState::stop() {
  // Straight away, not through the engine: it may be busy starting the crawl.
  stopAsked_ = true;
  return Status::Ok();
}

Status LiveState::continueCrawl() {
  return onEngine([this] {
    const DatabaseSource* db = database();
    if (!db || !db->stopped()) return Status::Error("there is no stopped crawl to continue");
    Options options;
    options.command = "continue";
    options.target = db->path();
    options.password = password_;
    return startJob(Job::Continue, std::move(options));
  });
}

Status LiveState::recheck(std::optional<int64_t> id) {
  return onEngine([this, id] {
    DatabaseSource* db = database();
    if (!db)
      return Status::Error(job_ == Job::None ? "open a crawl first"
                                             : "a recheck can start when the crawl has stopped");
    Options options;
    options.command = "recheck";
    options.target = db->path();
    options.password = password_;
    if (id) {
      options.recheckUrl = db->addressOf(*id);
      if (!options.recheckUrl) return Status::Error("no such row");
    }
    return startJob(Job::Recheck, std::move(options));
  });
}

Status LiveState::open(const std::string& path) {
  return onEngine(
      [this, path] {
        if (job_ != Job::None)
          return Status::Error(std::string("zelmora is ") + jobState(static_cast<int>(job_)) +
                               "; stop it first");
        message_.clear();
        messageIsError_ = false;
        recheckOutcome_ = nullptr;
        return openDatabase(path);
      },
      300);
}

std::optional<Json> LiveState::details(int64_t id) {
  if (engineAway_) return std::nullopt;
  auto result = relay_.call<std::optional<Json>>(
      [this, id]() -> std::optional<Json> { return source_ ? source_->details(id) : std::nullopt; },
      30);
  return result ? *result : std::nullopt;
}

std::optional<Json> LiveState::addressesWithoutRow(const std::string& issue) {
  if (engineAway_) return std::nullopt;
  auto result = relay_.call<std::optional<Json>>(
      [this, issue]() -> std::optional<Json> {
        return source_ ? source_->addressesWithoutRow(issue) : std::nullopt;
      },
      30);
  return result ? *result : std::nullopt;
}

Status LiveState::exportFile(const std::string& kind, const std::string& folder,
                             std::string& file) {
  auto path = std::make_shared<std::string>();
  Status s = onEngine(
      [this, kind, folder, path] {
        const DatabaseSource* db = database();
        if (!db)
          return Status::Error(job_ == Job::None ? "open a crawl first"
                                                 : "exports can be downloaded when it has stopped");
        const std::string stem = std::filesystem::path(db->path()).stem().string();
        const auto name = exportFileName(kind, stem);
        if (!name) return Status::Error("no export \"" + kind + "\"");
        *path = folder + "/" + *name;
        if (kind == "db") {
          std::error_code ec;
          std::filesystem::copy_file(db->path(), *path, ec);
          return ec ? Status::Error("cannot copy " + db->path() + ": " + ec.message())
                    : Status::Ok();
        }
        Options options;
        options.command = "export";
        options.target = db->path();
        ExportPaths& e = options.exports;
        auto& slot = kind == "json"        ? e.json
                     : kind == "csv"       ? e.csv
                     : kind == "links-csv" ? e.linksCsv
                     : kind == "seo"       ? e.seo
                     : kind == "seo-csv"   ? e.seoCsv
                     : kind == "sitemap"   ? e.sitemap
                     : kind == "junit"     ? e.junit
                                           : e.html;
        slot = *path;
        char* text = nullptr;
        size_t length = 0;
        FILE* errors = open_memstream(&text, &length);
        Status written = exportSavedCrawl(options, errors ? errors : stderr, false);
        if (errors) std::fclose(errors);
        if (!written.ok() && text && length > 0)
          written = Status::Error(std::string(trimWhitespace(std::string_view(text, length))));
        std::free(text);
        return written;
      },
      900);
  file = *path;
  return s;
}

Status LiveState::thumbnail(int64_t id, const std::string& file) {
  return onEngine(
      [this, id, file] {
        if (!source_) return Status::Error("open a crawl first");
        const auto address = source_->addressOf(id);
        if (!address) return Status::Error("no such row");
        const Platform platform = jobLoop_ ? jobPlatform_ : home_.platform();
        return takeThumbnail(platform, *address, file, 30);
      },
      60);
}

}  // namespace zel::cli::serve
