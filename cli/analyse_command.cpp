#include "analyse_command.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>

#include "archive/archive_store.h"
#include "audit/content_analysis.h"
#include "audit/content_reader.h"
#include "audit/record_facts.h"
#include "audit_session.h"
#include "engine/zel_hub.h"
#include "parser/markup_facts_gatherer.h"
#include "parser/zel_parser.h"
#include "platform/sqlite_database.h"
#include "platform/text_format.h"
#include "report/exports.h"
#include "report/report_context.h"
#include "report/writers.h"
#include "saved_commands.h"

namespace zel::cli {

namespace {

struct NearDuplicate {
  std::string closest;
  int64_t similarity = 0;
};

// The near duplicates as the database has them, by address.
std::map<std::string, NearDuplicate> savedNearDuplicates(const std::string& path) {
  std::map<std::string, NearDuplicate> out;
  SqliteDatabase db;
  if (!db.open(path, false).ok()) return out;
  Status error;
  SqliteStatement st = db.prepare(
      "SELECT u.url, c.url, s.similarity FROM page_scores s JOIN urls u ON u.id = s.url_id "
      "JOIN urls c ON c.id = s.near_duplicate_of",
      &error);
  while (st.ok() && st.step(&error)) out[st.columnText(0)] = {st.columnText(1), st.columnInt(2)};
  return out;
}

// The names of the searches and extractions the database holds readings of.
std::vector<std::string> savedReadings(const std::string& path) {
  std::vector<std::string> out;
  SqliteDatabase db;
  if (!db.open(path, false).ok()) return out;
  Status error;
  SqliteStatement st = db.prepare(
      "SELECT DISTINCT name FROM search_matches UNION SELECT DISTINCT name FROM extractions",
      &error);
  while (st.ok() && st.step(&error)) out.push_back(st.columnText(0));
  return out;
}

// The most of one archived page read back (a page larger than that was not
// one a crawl reads whole either).
constexpr uintmax_t kMostArchivedBytes = 64u << 20;

// Reads the site's pages from a plain archive copy (one file a page, named by
// its address) with the scan workers' reader. `lacking` receives the pages the
// copy does not have.
Status readFromArchive(const std::string& folder, Session& session, size_t& read,
                       std::vector<std::string>& lacking) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return Status::Error("cannot read the folder " + folder);
  for (const auto& entry : fs::directory_iterator(folder, ec))
    if (entry.is_directory(ec))
      return Status::Error(folder +
                           " is not a plain archive copy: it holds folders (a converted copy, "
                           "or the folder above a copy: name its \"Zelmora archived pages\" "
                           "folder)");
  ContentSession& content = session.audit->content();
  std::unique_ptr<audit::ContentReader> reader;
  if (Status s = audit::ContentReader::make(content.settings(), reader); !s.ok()) return s;
  for (ZelUrl* r : session.hub->getLinksCollection()) {
    if (!audit::isSitePage(*r) || audit::statusCode(*r) != 200 || r->getRedirectCount() > 0)
      continue;
    const fs::path file = fs::path(folder) / ArchiveStore::archiveName(r->getActualLinkUrl());
    const uintmax_t size = fs::file_size(file, ec);
    std::ifstream in(file, std::ios::binary);
    if (ec || size > kMostArchivedBytes || !in) {
      lacking.push_back(r->getLinkUrl());
      continue;
    }
    std::string body(static_cast<size_t>(size), '\0');
    in.read(body.data(), static_cast<std::streamsize>(size));
    body.resize(static_cast<size_t>(in.gcount()));
    MarkupFactsGatherer gatherer;
    if (reader->wantsMainText()) gatherer.keepMainText();
    auto parser = ZelParser::initWithData(body, true, false, encoding::kUTF8, kFileTypeHTML, true,
                                          *session.settings, nullptr, &gatherer);
    if (!parser) {
      lacking.push_back(r->getLinkUrl());
      continue;
    }
    parser->getWordCount();  // decodes the visible text
    content.setPageContent(r, readPageContent(*reader, body, *parser, gatherer));
    ++read;
  }
  return Status::Ok();
}

}  // namespace

int runAnalyse(const Options& options) {
  if (Status s = options.exports.check(); !s.ok()) {
    std::fprintf(stderr, "zelmora: %s\n", s.message().c_str());
    return 2;
  }
  Session session;
  const auto fail = [](const std::string& message) {
    std::fprintf(stderr, "zelmora: %s\n", message.c_str());
    return 2;
  };
  // Nothing is fetched, so a secret that was not saved is not missed.
  if (Status s = openSession(options, session, nullptr); !s.ok()) return fail(s.message());
  if (!session.audit->enabled()) return fail("analyse needs the site audit (auditEnabled is off)");
  const std::string& path = options.target;
  const auto before = savedNearDuplicates(path);
  const std::vector<std::string> readings = savedReadings(path);
  size_t fromArchive = 0;
  std::vector<std::string> lacking;
  if (options.fromArchive)
    if (Status s = readFromArchive(*options.fromArchive, session, fromArchive, lacking); !s.ok())
      return fail(s.message());

  ZelHub& hub = *session.hub;
  session.audit->run();
  const SavedCrawl& saved = session.saved;
  ReportContext report(
      hub, *session.settings,
      {saved.seconds, saved.stopped, saved.startedAt, saved.endedAt, std::nullopt});
  report.setAudit(session.audit.get());
  report.setLinksPending({saved.linksPending.begin(), saved.linksPending.end()});
  if (Status s = rewriteCrawlDatabase(report, path); !s.ok()) return fail(s.message());

  const audit::SiteAudit* a = report.audit();
  const audit::ContentAnalysis* content = a ? a->content() : nullptr;
  size_t nearDuplicates = 0, scored = 0;
  std::vector<std::string> changes;
  for (const ZelUrl* r : hub.getLinksCollection()) {
    const audit::PageScores* s = content ? content->scores(r) : nullptr;
    if (s) ++scored;
    const std::string url = r->getLinkUrl();
    const auto was = before.find(url);
    if (s && s->closest) {
      ++nearDuplicates;
      if (was == before.end() || was->second.closest != s->closest->getLinkUrl())
        changes.push_back(strf("+ %s near duplicate of %s (%u%%)", url.c_str(),
                               s->closest->getLinkUrl().c_str(), unsigned{s->similarity}));
    } else if (was != before.end()) {
      changes.push_back("- " + url + " no longer a near duplicate");
    }
  }
  if (!options.quiet) {
    for (const std::string& line : changes) std::printf("%s\n", line.c_str());
    std::printf("analysed %s: %zu near duplicates (%zu before), link scores for %zu pages\n",
                path.c_str(), nearDuplicates, before.size(), scored);
    // The pages' bodies are not in the database: a new search or extraction needs them.
    std::vector<std::string> unread;
    if (content) {
      for (const auto& s : content->settings().searches) unread.push_back(s.name);
      for (const auto& e : content->settings().extractions) unread.push_back(e.name);
    }
    if (options.fromArchive) {
      std::printf("read %zu pages from %s\n", fromArchive, options.fromArchive->c_str());
      for (const std::string& url : lacking)
        std::printf("needs a crawl (not in the archive copy): %s\n", url.c_str());
    } else {
      for (const std::string& name : unread)
        if (std::find(readings.begin(), readings.end(), name) == readings.end())
          std::printf("%s: every page needs a crawl (the saved crawl has no reading of it)\n",
                      name.c_str());
    }
  }
  if (!writeExports(options.exports, report, stderr)) return 2;
  return 0;
}

}  // namespace zel::cli
