#include "sitemap_audit.h"

#include <deque>
#include <unordered_set>

#include "audit/record_facts.h"
#include "audit/sitemap_reader.h"
#include "engine/zel_hub.h"
#include "platform/text_format.h"
#include "platform/url.h"
#include "url/kept_response_headers.h"
#include "urltext/zel_pattern_matcher.h"

namespace zel::cli {

namespace {

constexpr uint64_t kMostSitemapBytes = 50ull << 20;  // the sitemaps protocol's limit
constexpr int kMostRedirects = 10;

// The origin of an address ("https://example.org:8443"), "" when it has none.
std::string originOf(const std::string& address) {
  auto u = Url::parse(address);
  if (!u || (u->scheme() != "http" && u->scheme() != "https") || u->host().empty()) return "";
  std::string origin = u->scheme() + "://" + u->host();
  if (u->port()) origin += ":" + std::to_string(*u->port());
  return origin;
}

// One fetch of a whole body, answering the loader as the crawl's records do:
// any certificate is accepted, and the site's login is given to the site's host.
class BodyFetch : public UrlConnectionDelegate {
 public:
  BodyFetch(const Defaults& settings, std::string siteHost)
      : settings_(settings), siteHost_(std::move(siteHost)) {}

  bool done = false;
  int status = 0;
  std::string body, error;

  std::optional<UrlRequest> willSendRequest(UrlConnection&, const UrlRequest& proposed,
                                            const UrlResponse* redirect) override {
    if (redirect && ++hops_ > kMostRedirects) {
      error = "too many redirects";
      done = true;
      return std::nullopt;
    }
    return proposed;
  }
  bool canAuthenticateAgainst(UrlConnection&, AuthMethod method) override {
    return method == AuthMethod::ServerTrust || settings_.boolForKey("attemptAuthenticate");
  }
  ChallengeAnswer didReceiveChallenge(UrlConnection&, const AuthChallenge& c) override {
    ChallengeAnswer a;
    a.disposition = ChallengeDisposition::ContinueWithoutCredential;
    if (c.method == AuthMethod::ServerTrust) {
      a.disposition = ChallengeDisposition::UseCredential;
    } else if (c.previousFailureCount == 0 && equalsIgnoreCase(c.host, siteHost_)) {
      a.disposition = ChallengeDisposition::UseCredential;
      a.user = settings_.stringOrEmpty("authenticationUserName");
      a.password = settings_.stringOrEmpty("authenticationPassword");
    }
    return a;
  }
  void didReceiveResponse(UrlConnection&, const UrlResponse& r) override {
    status = r.isHttp ? r.statusCode : 200;
  }
  void didReceiveData(UrlConnection&, std::string_view bytes) override { body.append(bytes); }
  void didFinishLoading(UrlConnection&) override { done = true; }
  void didFailWithError(UrlConnection&, const UrlError& e) override {
    error = e.description;
    done = true;
  }

 private:
  const Defaults& settings_;
  std::string siteHost_;
  int hops_ = 0;
};

}  // namespace

struct SitemapAudit::Fetched {
  int status = 0;  // 0: no answer
  std::string body, error;
};

SitemapAudit::SitemapAudit(const ZelHub& crawl, const Platform& platform,
                           const MemoryDefaults& settings)
    : crawl_(crawl), platform_(platform), settings_(settings) {
  const ZelUrl* first = crawl.getFirstItem();
  start_ = first ? first->getLinkUrl() : crawl.getStartingUrl();
}

SitemapAudit::Fetched SitemapAudit::fetch(const std::string& url,
                                          const std::function<bool()>& stopNow) {
  Fetched out;
  const Defaults& d = settings_;
  UrlRequest req;
  req.url = url;
  req.timeoutSeconds = crawl_.requestTimeout();
  req.handleCookies = d.boolForKey("handleCookies");
  req.maxBodyBytes = static_cast<int64_t>(kMostSitemapBytes) + 1;  // one byte more shows "larger"
  if (auto agent = d.stringForKey("userAgentString")) req.setHeader("User-Agent", *agent);
  if (auto language = d.stringForKey("customHeaderAcceptLanguage"))
    req.setHeader("Accept-Language", *language);
  for (int n = 1; n <= 3; ++n) {
    const std::string key = d.stringOrEmpty(strf("customHeaderKey%d", n));
    if (!key.empty()) req.setHeader(key, d.stringOrEmpty(strf("customHeaderValue%d", n)));
  }
  auto site = Url::parse(start_);
  BodyFetch delegate(d, site ? site->host() : std::string());
  if (const double delay = d.doubleForKey("delay"); delay > 0)
    platform_.runLoop->runUntil(stopNow, delay);
  if (stopNow()) {
    out.error = "stopped";
    return out;
  }
  std::unique_ptr<UrlConnection> connection = platform_.loader->start(req, &delegate);
  platform_.runLoop->runUntil([&] { return delegate.done || stopNow(); }, req.timeoutSeconds + 5);
  connection.reset();  // cancels what is still running
  out.status = delegate.done ? delegate.status : 0;
  out.body = std::move(delegate.body);
  out.error = delegate.done ? delegate.error : std::string("no answer");
  return out;
}

std::vector<std::string> SitemapAudit::sitemapsOfRobotsTxt(const std::function<bool()>& stopNow) {
  std::vector<std::string> out;
  const std::string origin = originOf(start_);
  if (origin.empty()) return out;
  Fetched robots = fetch(origin + "/robots.txt", stopNow);
  if (robots.status != 200) return out;
  // Read as the crawl reads robots.txt: the first 500 KiB.
  robots.body.resize(std::min<size_t>(robots.body.size(), 500 * 1024));
  for (const std::string& line : split(robots.body, "\n")) {
    const std::string_view l = trimWhitespace(line);
    if (!startsWithIgnoreCase(l, "sitemap:")) continue;
    const std::string_view address = trimWhitespace(l.substr(8));
    if (auto u = Url::resolve(address, origin + "/")) out.push_back(u->absoluteString());
  }
  return out;
}

audit::SitemapReading SitemapAudit::run(const std::function<bool()>& stopNow) {
  audit::SitemapReading reading;
  std::vector<std::string> starts = sitemapsOfRobotsTxt(stopNow);
  if (const std::string origin = originOf(start_); !origin.empty())
    starts.push_back(origin + "/sitemap.xml");
  if (auto named = settings_.stringArrayForKey("auditSitemapUrls"))
    for (const std::string& u : *named) starts.push_back(u);

  std::deque<std::string> queue;
  std::unordered_set<std::string> seenFiles, seenAddresses;
  for (const std::string& s : starts)
    if (seenFiles.insert(s).second) queue.push_back(s);
  while (!queue.empty()) {
    if (stopNow()) {
      reading.stopped = true;
      reading.filesNotRead += queue.size();
      break;
    }
    if (reading.files.size() >= kMostFiles) {
      reading.filesNotRead += queue.size();
      break;
    }
    audit::SitemapFile file;
    file.url = queue.front();
    queue.pop_front();
    Fetched got = fetch(file.url, stopNow);
    if (got.status != 200) {
      file.problem = got.status ? strf("answered %d", got.status) : got.error;
      reading.files.push_back(std::move(file));
      continue;
    }
    const size_t room = kMostAddresses - std::min(kMostAddresses, seenAddresses.size());
    audit::SitemapDocument doc = audit::readSitemapDocument(got.body, room, kMostSitemapBytes);
    file.bytes = doc.bytes;
    file.urls = doc.listed;
    file.index = doc.kind == audit::SitemapDocument::Kind::Index;
    file.read = doc.kind != audit::SitemapDocument::Kind::Unreadable;
    file.problem = doc.problem;
    if (file.index) {
      for (audit::SitemapEntry& e : doc.entries)
        if (seenFiles.insert(e.loc).second) queue.push_back(std::move(e.loc));
    } else {
      reading.urlsNotRead += doc.listed - doc.entries.size();
      for (audit::SitemapEntry& e : doc.entries) {
        if (seenAddresses.size() >= kMostAddresses) {
          ++reading.urlsNotRead;
          continue;
        }
        if (seenAddresses.insert(e.loc).second) reading.entries.push_back(std::move(e));
      }
    }
    reading.files.push_back(std::move(file));
  }

  // The addresses no link reached: the crawl knows them under none of its addresses.
  std::unordered_set<std::string_view> known;
  for (const ZelUrl* r : crawl_.getLinksCollection()) {
    known.insert(r->getLinkUrl());
    known.insert(r->getActualurl());
  }
  auto isKnown = [&](std::string_view a) {
    if (known.count(a)) return true;
    if (!a.empty() && a.back() == '/') return known.count(a.substr(0, a.size() - 1)) > 0;
    return known.count(std::string(a) + "/") > 0;
  };
  std::vector<std::string> orphans;
  for (const audit::SitemapEntry& e : reading.entries) {
    if (isKnown(e.loc)) continue;
    // Listed, not fetched: robots.txt keeps the crawl's requests out.
    const bool disallowed =
        ZelPatternMatcher::stringContainsOneOfTheseTerms(e.loc, crawl_.getRobotsBlacklistArray()) &&
        !ZelPatternMatcher::stringContainsOneOfTheseTerms(e.loc, crawl_.getRobotsWhitelistArray());
    if (disallowed && settings_.boolForKey("observeRobotsTxt")) {
      reading.probes[e.loc] = audit::SitemapProbe{"Disallowed by robots.txt", true};
      continue;
    }
    orphans.push_back(e.loc);
  }
  probe(reading, orphans, stopNow);
  return reading;
}

// The orphans are fetched by a hub of their own, with the crawl's settings but
// no links read beyond the pages themselves.
void SitemapAudit::probe(audit::SitemapReading& reading, const std::vector<std::string>& addresses,
                         const std::function<bool()>& stopNow) {
  if (addresses.empty() || stopNow()) {
    reading.stopped = reading.stopped || !addresses.empty();
    return;
  }
  MemoryDefaults settings;
  for (const auto& [key, value] : settings_.all()) settings.setObject(key, value);
  settings.setInteger("levelsLimit", 1);
  for (const char* off : {"checkSpelling", "checkGrammar", "shouldArchive", "runJS"})
    settings.setBool(off, false);
  NotificationCenter notifications;
  Platform platform = platform_;
  platform.defaults = &settings;
  platform.notifications = &notifications;
  ZelHub hub(crawl_.getStartingUrl(), platform);
  hub.setKeepsResponseHeaders(true);  // X-Robots-Tag
  std::vector<ZelUrl*> records;
  for (const std::string& a : addresses) {
    ZelUrl* r = hub.createRecord();
    r->setIsInternal(true);
    r->setLinkUrl(a, false);
    r->setDistanceFromHome(1);
    hub.add(r);
    records.push_back(r);
  }
  bool finished = false;
  notifications.addObserver("ZelCrawlDidFinish", [&](const Notification&) { finished = true; });
  hub.getNextUrlToCrawl(nullptr);
  platform.runLoop->runUntil([&] { return finished || stopNow(); }, 1e9);
  if (!finished) {
    hub.stop();
    reading.stopped = true;
  }
  for (size_t i = 0; i < records.size(); ++i) {
    ZelUrl* r = records[i];
    if (r->getFinalStatus().empty()) continue;  // never answered: "not checked"
    audit::SitemapProbe p;
    p.status = r->getFinalStatus();
    p.redirected = r->getRedirectCount() > 0;
    p.noindex = r->getHeadContainsNoIndex();
    if (const KeptResponseHeaders* kept = r->getResponseHeaders())
      for (const auto& [name, value] : kept->headers)
        if (equalsIgnoreCase(name, "X-Robots-Tag") &&
            (audit::hasRobotsWord(value, "noindex") || audit::hasRobotsWord(value, "none")))
          p.noindex = true;
    p.canonicalised = !r->canonicalMatchesUrl();
    reading.probes[addresses[i]] = std::move(p);
  }
}

}  // namespace zel::cli
