#pragma once
// The window's side of the engine: it runs one crawl, recheck or continue at a
// time on the engine's thread with the command line's own code, keeps the row
// source of what is shown (the running crawl's hub, or a saved crawl's
// database), hands the table the rows that changed four times a second and
// publishes a snapshot of the counters after each hand-over.
//
// The server's threads call the public methods; each one that reads or
// changes crawl state runs its work on the engine's thread through the relay
// and waits for it. The table and the snapshot are the server's own copies.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "command_hooks.h"
#include "options.h"
#include "platform/platform.h"
#include "serve/row_source.h"
#include "serve/row_table.h"
#include "serve/run_loop_relay.h"

namespace zel::cli::serve {

class DatabaseSource;

class LiveState {
 public:
  // `crawlsFolder`: where the window's crawls are saved. `interrupted` is asked
  // four times a second (Ctrl-C): a crawl stops and is saved, then
  // runEngine() returns.
  LiveState(std::string crawlsFolder, std::function<bool()> interrupted);
  ~LiveState();
  LiveState(const LiveState&) = delete;
  LiveState& operator=(const LiveState&) = delete;

  // ---- the engine's thread -----------------------------------------------------------
  // Turns the window's run loop, and each command's inside it, until shutDown().
  void runEngine();

  // ---- any thread --------------------------------------------------------------------------
  // Stops what runs (saving it) and then the engine.
  void shutDown();
  RowTable& table() { return table_; }
  // The latest snapshot (JSON) and its number: at once when it is newer than
  // `after`, else when the next one comes or `seconds` pass (the same again).
  std::pair<uint64_t, std::string> snapshot(uint64_t after, double seconds);
  // Wakes every waiter for good (the server is closing).
  void closeSnapshots();
  bool snapshotsClosed();
  // The crawl databases named on the command line: the first is opened when
  // the engine starts, all are offered for opening and comparing.
  void setNamedDatabases(std::vector<std::string> paths) { named_ = std::move(paths); }

  // Actions. Each is refused with a message while another runs or when there
  // is nothing to act on.
  Status startCrawl(Options options);
  Status stop();
  Status continueCrawl();
  // One row (its id), or every bad link when none is given.
  Status recheck(std::optional<int64_t> id);
  Status open(const std::string& path);
  std::optional<Json> details(int64_t id);
  // One issue type's addresses that have no row in the table (see RowSource).
  std::optional<Json> addressesWithoutRow(const std::string& issue);
  // Writes one export of the crawl shown (a saved crawl) into `folder`: kind is
  // json, csv, links-csv, seo, seo-csv, sitemap, junit, html or db. `file`
  // receives its path.
  Status exportFile(const std::string& kind, const std::string& folder, std::string& file);
  // A 392x256 PNG of the row's page, written to `file`.
  Status thumbnail(int64_t id, const std::string& file);

 private:
  enum class Job { None, Crawl, Recheck, Continue };

  // Engine thread only.
  Status startJob(Job job, Options options);
  void runJob(Job job, Options options);
  CommandHooks hooksFor(Job job);
  void attach(ZelHub& hub, RunLoop& loop, Job job);
  void detach();
  void handOver();
  void tick();
  Status openDatabase(const std::string& path);
  void publish();
  std::string newCrawlPath(const std::string& start) const;
  DatabaseSource* database() const;
  Status onEngine(std::function<Status()> work, double seconds = 30);

  const std::string crawlsFolder_;
  std::vector<std::string> named_;  // set before the engine runs
  std::function<bool()> interrupted_;
  RealPlatform home_;
  RunLoopRelay relay_;
  RowTable table_;

  // Engine thread only.
  std::unique_ptr<RowSource> source_;
  Job job_ = Job::None;
  std::string state_ = "idle";  // what the window shows
  std::string message_;
  bool messageIsError_ = false;
  Json recheckOutcome_;
  RunLoop* jobLoop_ = nullptr;
  Platform jobPlatform_;
  RunLoop::TimerId tickTimer_ = 0;
  uint64_t generation_ = 0;  // a new source: ids mean other rows
  double lastRateAt_ = 0;
  int64_t lastRateChecked_ = 0;
  double rate_ = 0;
  // What the hand-overs and snapshots of the running command cost its run loop.
  double handOverSeconds_ = 0;
  std::optional<std::string> password_;  // the last login typed into the form
  std::atomic<bool> stopAsked_{false}, shuttingDown_{false};
  // The window's loop does not turn: a command is starting (its hub not yet
  // made) or ending (its crawl being saved and loaded again). Work for the
  // engine is refused then rather than left to wait.
  std::atomic<bool> engineAway_{false};

  std::mutex snapshotMutex_;
  std::condition_variable snapshotChanged_;
  uint64_t snapshotVersion_ = 0;
  std::string snapshot_;
  bool snapshotsClosed_ = false;
};

// Where the window saves its crawls: $XDG_DATA_HOME/zelmora/crawls, else
// ~/.local/share/zelmora/crawls.
std::string windowCrawlsFolder();

}  // namespace zel::cli::serve
