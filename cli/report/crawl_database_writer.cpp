#include "report/crawl_database_writer.h"

#include <pthread.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string_view>
#include <utility>

#include "engine/zel_hub.h"
#include "platform/text_format.h"
#include "report/database_tables.h"
#include "report/writers.h"

namespace zel::cli {

struct CrawlDatabaseWriter::Batch {
  RowValues crawl, urls, redirects, links;
  std::vector<int64_t> redirectOwners;  // their old hops go first
  std::vector<int64_t> goneLinks;
  const ReportContext* last = nullptr;  // the last batch: the ended crawl's tables
  bool makeIndexes = false;             // the crawl's walk has ended
  std::promise<Status> done;
};

namespace {

uint64_t fingerprint(std::string_view row, std::string_view hops) {
  const uint64_t a = std::hash<std::string_view>()(row);
  const uint64_t b = hops.empty() ? 0 : std::hash<std::string_view>()(hops);
  return a ^ (b * 0x9e3779b97f4a7c15ULL);
}

}  // namespace

CrawlDatabaseWriter::CrawlDatabaseWriter(ZelHub& hub, const MemoryDefaults& settings)
    : hub_(hub), settings_(settings) {}

CrawlDatabaseWriter::~CrawlDatabaseWriter() {
  detach();
  stopThread();
  db_.close();
  lock_.release();
}

Status CrawlDatabaseWriter::replaceable(const std::string& path) {
  return FileLock::checkFree(path);
}

Status CrawlDatabaseWriter::open(const std::string& path, bool fresh) {
  path_ = path;
  if (Status s = db_.open(path, true); !s.ok()) return s;
  // A crash loses at most what was not committed; a power cut perhaps the last
  // commits too, never the file.
  std::string sql = fresh ? "PRAGMA page_size=16384;" : "";
  sql += "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;";
  return db_.exec(sql);
}

Status CrawlDatabaseWriter::startNew(const std::string& path, std::optional<ServedFolder> served,
                                     std::time_t startedAt) {
  served_ = std::move(served);
  startedAt_ = startedAt;
  began_ = std::chrono::steady_clock::now();
  redactedSettings_ = redactSettings(settings_);
  for (const char* suffix : {"", "-wal", "-shm", "-journal"}) std::remove((path + suffix).c_str());
  Status s = lock_.lockExclusive(path, true);
  if (s.ok()) s = open(path, true);
  if (s.ok()) s = db_.exec("BEGIN;" + runningTablesSql() + "COMMIT");
  if (!s.ok()) return Status::Error("cannot write " + path + ": " + s.message());
  thread_ = std::thread([this] { run(); });
  takeBatch();  // the start, and the crawl's row
  return Status::Ok();
}

Status CrawlDatabaseWriter::startContinued(const std::string& path, FileLock lock,
                                           std::optional<ServedFolder> served,
                                           std::time_t startedAt, double secondsBefore) {
  served_ = std::move(served);
  startedAt_ = startedAt;
  secondsBefore_ = secondsBefore;
  began_ = std::chrono::steady_clock::now();
  redactedSettings_ = redactSettings(settings_);
  lock_ = std::move(lock);
  if (Status s = open(path, false); !s.ok())
    return Status::Error("cannot write " + path + ": " + s.message());
  // The loaded link instances are numbered as the file numbers them; new ones after.
  Status error;
  SqliteStatement ids = db_.prepare("SELECT id FROM links ORDER BY id", &error);
  if (!ids.ok()) return Status::Error("cannot write " + path + ": " + error.message());
  int64_t n = 0, last = -1;
  bool gaps = false;
  std::vector<int64_t> all;
  while (ids.step(&error)) {
    last = ids.columnInt(0);
    gaps = gaps || last != n;
    all.push_back(last);
    ++n;
  }
  if (!error.ok()) return Status::Error("cannot write " + path + ": " + error.message());
  loadedInstances_ = hub_.linkGraph().instanceCount();
  if (gaps) loadedLinkIds_ = std::move(all);
  linkIdOffset_ = last + 1 - static_cast<int64_t>(loadedInstances_);
  knownInstances_ = loadedInstances_;
  knownRemoved_ = loadedInstances_ - hub_.linkGraph().collection().size();

  // What the file holds of each record, to write only what changes.
  const auto& all_records = hub_.getLinksCollection();
  pageOrder_.assign(all_records.size(), -1);
  for (const ZelUrl* page : hub_.getInternalPagesCollection())
    if (auto id = recordIndex(hub_, page)) pageOrder_[static_cast<size_t>(*id)] = knownPages_++;
  knownRecords_ = all_records.size();
  noteRecordIds(hub_, 0, idByGraph_);
  isChanged_.assign(knownRecords_, false);
  written_.resize(knownRecords_);
  Batch scratch;
  for (uint32_t id = 0; id < knownRecords_; ++id) {
    ZelUrl* r = all_records[id];
    UrlRowFacts facts;
    if (pageOrder_[id] >= 0) {
      facts.pageOrder = pageOrder_[id];
      facts.inSitemap = hub_.shouldBeInSitemapCollection(r);
    }
    facts.live = true;
    scratch.urls.clear();
    scratch.redirects.clear();
    captureUrlRow(*r, id, facts, scratch.urls);
    captureRedirectRows(*r, id, scratch.redirects);
    written_[id] = fingerprint(scratch.urls.since(0), scratch.redirects.since(0));
  }
  thread_ = std::thread([this] { run(); });
  return Status::Ok();
}

void CrawlDatabaseWriter::attach(RunLoop& loop, NotificationCenter& notifications) {
  loop_ = &loop;
  notifications_ = &notifications;
  lastBatch_ = std::chrono::steady_clock::now();
  // A record's status, and a page's links being read, change its row.
  for (const char* name : {"ZelDidUpdateLink", "ZelUrlHasData"})
    observers_.push_back(
        notifications.addObserver(name, [this](const Notification& n) { markChanged(n.object); }));
  timer_ = loop.postAfter(0.25, [this] { tick(); });
}

void CrawlDatabaseWriter::detach() {
  if (loop_) loop_->cancelTimer(timer_);
  if (notifications_)
    for (auto id : observers_) notifications_->removeObserver(id);
  observers_.clear();
  loop_ = nullptr;
  notifications_ = nullptr;
}

void CrawlDatabaseWriter::crawlEnded() {
  // The rows so far, and the indexes made over them while the audit and the
  // analyses run: the last batch then has only what changed since to write.
  makeIndexesNext_ = true;
  takeBatch();
}

void CrawlDatabaseWriter::markChanged(const void* object) {
  if (!object || object == &hub_) return;
  const auto* r = static_cast<const ZelUrl*>(object);
  const auto id = static_cast<size_t>(r->getID());
  // A record not yet written goes with the next batch anyway.
  if (id >= knownRecords_ || hub_.getLinksCollection()[id] != r || isChanged_[id]) return;
  isChanged_[id] = true;
  changed_.push_back(static_cast<uint32_t>(id));
}

void CrawlDatabaseWriter::tick() {
  timer_ = loop_->postAfter(0.25, [this] { tick(); });
  if (failed_ || waitingBatches() >= kMostWaitingBatches) return;
  const size_t pending = changed_.size() + (hub_.getLinksCollection().size() - knownRecords_);
  const double since =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - lastBatch_).count();
  if (pending >= kBatchRecords ||
      (since >= kBatchSeconds &&
       (pending > 0 || hub_.linkGraph().instanceCount() > knownInstances_)))
    takeBatch();
}

bool CrawlDatabaseWriter::captureRecord(Batch& batch, uint32_t id, bool written,
                                        const UrlRowFacts& facts) {
  const ZelUrl& r = *hub_.getLinksCollection()[id];
  const size_t urlBytes = batch.urls.bytes(), urlRows = batch.urls.rows();
  const size_t hopBytes = batch.redirects.bytes(), hopRows = batch.redirects.rows();
  captureUrlRow(r, id, facts, batch.urls);
  captureRedirectRows(r, id, batch.redirects);
  const uint64_t now = fingerprint(batch.urls.since(urlBytes), batch.redirects.since(hopBytes));
  if (written && written_[id] == now) {
    batch.urls.truncate(urlBytes, urlRows);
    batch.redirects.truncate(hopBytes, hopRows);
    return false;
  }
  if (written) batch.redirectOwners.push_back(id);
  written_[id] = now;
  return true;
}

int64_t CrawlDatabaseWriter::linkId(size_t instance) const {
  if (instance < loadedInstances_)
    return loadedLinkIds_.empty() ? static_cast<int64_t>(instance) : loadedLinkIds_[instance];
  return static_cast<int64_t>(instance) + linkIdOffset_;
}

void CrawlDatabaseWriter::captureLinks(Batch& batch) {
  ZelLinkGraph& graph = hub_.linkGraph();
  const size_t count = graph.instanceCount();
  const size_t removed = count - graph.collection().size();
  if (removed > knownRemoved_) {
    // Rare (a page read again keeps its latest links): look for them.
    for (size_t i = 0; i < knownInstances_; ++i)
      if (graph.instance(static_cast<uint32_t>(i))->isRemoved())
        batch.goneLinks.push_back(linkId(i));
  }
  for (size_t i = knownInstances_; i < count; ++i) {
    const ZelLinkInstance* link = graph.instance(static_cast<uint32_t>(i));
    if (!link->isRemoved()) captureLinkRow(*link, linkId(i), idByGraph_, batch.links);
  }
  knownInstances_ = count;
  knownRemoved_ = removed;
}

void CrawlDatabaseWriter::takeBatch() {
  if (failed_) return;
  lastBatch_ = std::chrono::steady_clock::now();
  auto batch = std::make_unique<Batch>();
  const auto& all = hub_.getLinksCollection();
  const size_t before = knownRecords_;
  for (size_t id = before; id < all.size(); ++id) all[id]->setID(static_cast<int32_t>(id));
  noteRecordIds(hub_, before, idByGraph_);
  knownRecords_ = all.size();
  written_.resize(knownRecords_);
  pageOrder_.resize(knownRecords_, -1);
  isChanged_.resize(knownRecords_, false);
  const auto& pages = hub_.getInternalPagesCollection();
  for (; knownPages_ < pages.size(); ++knownPages_)
    if (auto id = recordIndex(hub_, pages[knownPages_])) {
      pageOrder_[static_cast<size_t>(*id)] = static_cast<int32_t>(knownPages_);
      markChanged(pages[knownPages_]);
    }

  std::vector<uint32_t> again;  // answered, links not read yet: looked at next time
  auto take = [&](uint32_t id, bool written) {
    ZelUrl* r = all[id];
    UrlRowFacts facts;
    facts.live = true;
    if (pageOrder_[id] >= 0) {
      facts.pageOrder = pageOrder_[id];
      facts.inSitemap = hub_.shouldBeInSitemapCollection(r);
    }
    facts.linksPending = r->hasConnection() && !r->getFinalStatus().empty();
    captureRecord(*batch, id, written, facts);
    if (facts.linksPending) again.push_back(id);
  };
  std::vector<uint32_t> changed;
  changed.swap(changed_);
  for (uint32_t id : changed) {
    isChanged_[id] = false;
    if (id < before) take(id, true);
  }
  for (size_t id = before; id < knownRecords_; ++id) take(static_cast<uint32_t>(id), false);
  for (uint32_t id : again)
    if (!isChanged_[id]) {
      isChanged_[id] = true;
      changed_.push_back(id);
    }
  captureLinks(*batch);

  CrawlTiming timing;
  timing.seconds = secondsBefore_ + std::chrono::duration<double>(lastBatch_ - began_).count();
  timing.startedAt = startedAt_;
  timing.endedAt = std::time(nullptr);
  // The walk goes on from the first record without an answer: those sent and
  // not answered yet are sent again after a crash.
  while (firstUnanswered_ < all.size() && !all[firstUnanswered_]->getFinalStatus().empty())
    ++firstUnanswered_;
  const int64_t next =
      std::min<int64_t>(hub_.getNextUrlIndex(), static_cast<int64_t>(firstUnanswered_));
  captureCrawlRow(CrawlRowSource{hub_, redactedSettings_, timing, "running", "", served_, next},
                  batch->crawl);
  batch->makeIndexes = std::exchange(makeIndexesNext_, false);
  queue(std::move(batch));
}

void CrawlDatabaseWriter::queue(std::unique_ptr<Batch> batch) {
  std::lock_guard<std::mutex> lock(mutex_);
  queue_.push_back(std::move(batch));
  wake_.notify_one();
}

size_t CrawlDatabaseWriter::waitingBatches() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return queue_.size();
}

std::optional<std::string> CrawlDatabaseWriter::failure() const {
  if (!failed_) return std::nullopt;
  std::lock_guard<std::mutex> lock(mutex_);
  return failure_;
}

void CrawlDatabaseWriter::run() {
  pthread_setname_np(pthread_self(), "zel-database");
  for (;;) {
    std::unique_ptr<Batch> batch;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
      if (queue_.empty()) return;
      batch = std::move(queue_.front());
      queue_.pop_front();
    }
    Status s = failed_ ? Status::Error(failure().value_or("")) : apply(*batch);
    if (!s.ok() && !failed_) {
      std::lock_guard<std::mutex> lock(mutex_);
      std::string why = s.message();
      if (why.rfind(path_ + ": ", 0) == 0) why.erase(0, path_.size() + 2);
      failure_ = "cannot write " + path_ + ": " + why +
                 " (is the disk full? what was committed is kept, and 'zelmora continue " + path_ +
                 "' goes on once there is room)";
      failed_ = true;
      s = Status::Error(failure_);
    }
    if (batch->last) batch->done.set_value(s);
  }
}

Status CrawlDatabaseWriter::apply(const Batch& b) {
  Status error;
  auto prepared = [&](const std::string& sql) { return db_.prepare(sql, &error); };
  if (Status s = db_.exec("BEGIN IMMEDIATE"); !s.ok()) return s;
  auto fail = [&](Status s) {
    (void)db_.exec("ROLLBACK");
    return s;
  };
  if (!b.redirectOwners.empty()) {
    SqliteStatement drop = prepared("DELETE FROM redirects WHERE url_id = ?");
    if (!drop.ok()) return fail(error);
    for (int64_t id : b.redirectOwners)
      if (Status s = drop.bind(1, id).run(); !s.ok()) return fail(s);
  }
  const std::pair<const RowValues&, RowInsert> inserts[] = {
      {b.urls, urlRowInsert()}, {b.redirects, redirectRowInsert()}, {b.links, linkRowInsert()}};
  for (const auto& [rows, insert] : inserts)
    if (Status s = insert.run(db_, rows); !s.ok()) return fail(s);
  if (!b.goneLinks.empty()) {
    SqliteStatement drop = prepared("DELETE FROM links WHERE id = ?");
    if (!drop.ok()) return fail(error);
    for (int64_t id : b.goneLinks)
      if (Status s = drop.bind(1, id).run(); !s.ok()) return fail(s);
  }
  auto timed = [&](const char* what, auto step) {
    const auto began = std::chrono::steady_clock::now();
    Status s = step();
    if (s.ok() && hub_.log().enabled(1))
      hub_.log().write(
          1, strf("the database's %s in %.3f s", what,
                  std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count()));
    return s;
  };
  if (b.makeIndexes)
    if (Status s = timed("indexes made", [&] { return db_.exec(runningIndexesSql()); }); !s.ok())
      return fail(s);
  if (b.last)
    if (Status s = timed("tables of the ended crawl written",
                         [&] { return writeFinishedTables(db_, *b.last); });
        !s.ok())
      return fail(s);
  if (!b.crawl.empty()) {
    if (Status s = db_.exec("DELETE FROM crawl"); !s.ok()) return fail(s);
    if (Status s = crawlRowInsert().run(db_, b.crawl); !s.ok()) return fail(s);
  }
  if (Status s = db_.exec("COMMIT"); !s.ok()) return fail(s);
  return Status::Ok();
}

void CrawlDatabaseWriter::stopThread() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
    wake_.notify_one();
  }
  if (thread_.joinable()) thread_.join();
}

Status CrawlDatabaseWriter::finish(const ReportContext& report) {
  const auto began = std::chrono::steady_clock::now();
  if (auto why = failure()) return Status::Error(*why);
  // Every record again, as the report sees it: only what changed is written.
  auto batch = std::make_unique<Batch>();
  const auto& all = hub_.getLinksCollection();
  const size_t before = knownRecords_;
  noteRecordIds(hub_, before, idByGraph_);
  knownRecords_ = all.size();
  written_.resize(knownRecords_);
  const std::vector<int32_t> pageOrder = pageOrderOf(hub_);
  for (size_t id = 0; id < all.size(); ++id) {
    const UrlRowFacts facts =
        finishedUrlFacts(report, pageOrder, *all[id], static_cast<int64_t>(id));
    captureRecord(*batch, static_cast<uint32_t>(id), id < before, facts);
  }
  captureLinks(*batch);
  captureCrawlRow(crawlRowOf(report), batch->crawl);
  batch->last = &report;
  if (hub_.log().enabled(1))
    hub_.log().write(1,
                     strf("the database's last batch: %zu of %zu records written again, %zu links",
                          batch->urls.rows(), all.size(), batch->links.rows()));
  std::future<Status> done = batch->done.get_future();
  const auto captured = std::chrono::steady_clock::now();
  queue(std::move(batch));
  Status s = done.get();
  stopThread();
  const auto written = std::chrono::steady_clock::now();
  if (s.ok()) {
    // One file again, as every other export: the log is folded in and removed.
    (void)db_.exec("PRAGMA wal_checkpoint(TRUNCATE)");
    (void)db_.exec("PRAGMA journal_mode=DELETE");
  }
  if (hub_.log().enabled(1)) {
    auto secs = [](auto a, auto b) { return std::chrono::duration<double>(b - a).count(); };
    hub_.log().write(1, strf("the database's last batch: copied in %.3f s, written in %.3f s, "
                             "folded into one file in %.3f s",
                             secs(began, captured), secs(captured, written),
                             secs(written, std::chrono::steady_clock::now())));
  }
  db_.close();
  lock_.release();
  finished_ = true;
  return s;
}

}  // namespace zel::cli
