#pragma once
// The crawl database written in place while the crawl runs. On the run loop's
// thread, at least every 2 seconds or 5,000 changed records, the rows of the
// records that are new or changed, the link instances made since, and the
// crawl's row (state "running") are copied into a batch; a thread of its own
// commits each batch in one transaction (SQLite in WAL mode). A crash loses at
// most the batches not yet committed, and `continue` goes on from the last
// commit. When the walk ends, a batch with what changed also makes the
// indexes, while the audit and the analyses run. The end of the crawl is the
// last batch: the rows that changed since they were written, the tables worked
// out at the end, the crawl's final row.
//
// The file is locked (FileLock) from start to finish. A failed write (a full
// disk) ends the writing: the crawl is told through failure() and stops; what
// was committed stays.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/defaults.h"
#include "platform/notification_center.h"
#include "platform/run_loop.h"
#include "platform/sqlite_database.h"
#include "platform/status.h"
#include "report/database_tables.h"
#include "report/file_lock.h"
#include "report/report_context.h"
#include "report/row_values.h"

namespace zel {
class ZelHub;
class ZelUrl;
}  // namespace zel

namespace zel::cli {

class CrawlDatabaseWriter {
 public:
  // A batch is taken when this many records changed, or this long after the last.
  static constexpr size_t kBatchRecords = 5000;
  static constexpr double kBatchSeconds = 2.0;
  // Batches copied and not yet committed, at most: while a slow disk holds
  // this many, the loop copies nothing more and the next batch grows instead.
  static constexpr size_t kMostWaitingBatches = 2;

  CrawlDatabaseWriter(ZelHub& hub, const MemoryDefaults& settings);
  // Commits what is queued and stops (without a last batch if finish() was not called).
  ~CrawlDatabaseWriter();
  CrawlDatabaseWriter(const CrawlDatabaseWriter&) = delete;
  CrawlDatabaseWriter& operator=(const CrawlDatabaseWriter&) = delete;

  // Fails when another zelmora writes `path`; otherwise removes what is there.
  static Status replaceable(const std::string& path);
  // A new database in place of `path` with the crawl's row ("running") and
  // every record the hub has so far.
  Status startNew(const std::string& path, std::optional<ServedFolder> served,
                  std::time_t startedAt);
  // Goes on writing the database the hub was loaded from. `lock` is already held.
  Status startContinued(const std::string& path, FileLock lock, std::optional<ServedFolder> served,
                        std::time_t startedAt, double secondsBefore);
  // Takes batches on `loop` (its thread) from now until finish() or the end.
  void attach(RunLoop& loop, NotificationCenter& notifications);

  // The walk has ended (the loop's thread, the loop no longer turning): what
  // changed goes in a batch that also makes the tables' indexes.
  void crawlEnded();
  // Stops taking batches (the loop's thread, before finish()).
  void detach();
  // Why writing failed (it names the file); nullopt while all is well.
  std::optional<std::string> failure() const;
  // The last batch, for the ended crawl described by `report` (any thread; the
  // records only read). The file is then a single file again, and unlocked.
  Status finish(const ReportContext& report);

 private:
  struct Batch;
  Status open(const std::string& path, bool fresh);
  void tick();
  // Copies what changed into a batch and queues it (the loop's thread).
  void takeBatch();
  void markChanged(const void* object);
  // Copies the record's row when it differs from the one written; true when copied.
  bool captureRecord(Batch& batch, uint32_t id, bool written, const UrlRowFacts& facts);
  void captureLinks(Batch& batch);
  int64_t linkId(size_t instance) const;
  void queue(std::unique_ptr<Batch> batch);
  size_t waitingBatches() const;
  void run();  // the writer's thread
  Status apply(const Batch& batch);
  void stopThread();

  ZelHub& hub_;
  const MemoryDefaults& settings_;
  std::string path_;
  FileLock lock_;
  Json redactedSettings_;
  std::optional<ServedFolder> served_;
  std::time_t startedAt_ = 0;
  double secondsBefore_ = 0;
  std::chrono::steady_clock::time_point began_;

  // The loop's side: what was written, to know what changed.
  RunLoop* loop_ = nullptr;
  NotificationCenter* notifications_ = nullptr;
  RunLoop::TimerId timer_ = 0;
  std::vector<NotificationCenter::ObserverId> observers_;
  size_t knownRecords_ = 0;
  std::vector<uint64_t> written_;   // fingerprint of each record's row and hops
  std::vector<int32_t> pageOrder_;  // place among the site's pages, -1 for none
  size_t knownPages_ = 0;
  size_t firstUnanswered_ = 0;
  std::vector<uint32_t> changed_;
  std::vector<bool> isChanged_;
  std::vector<int32_t> idByGraph_;  // record ids by link graph index
  size_t knownInstances_ = 0, knownRemoved_ = 0;
  size_t loadedInstances_ = 0;
  std::vector<int64_t> loadedLinkIds_;  // ids of loaded instances, when not 0..n-1
  int64_t linkIdOffset_ = 0;
  std::chrono::steady_clock::time_point lastBatch_;

  // Shared with the writer's thread.
  SqliteDatabase db_;
  std::thread thread_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::unique_ptr<Batch>> queue_;
  bool makeIndexesNext_ = false;
  bool stopping_ = false;
  std::atomic<bool> failed_{false};
  std::string failure_;
  bool finished_ = false;
};

}  // namespace zel::cli
