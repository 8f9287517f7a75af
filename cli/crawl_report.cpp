#include "crawl_report.h"

#include <algorithm>
#include <unordered_set>

#include "engine/zel_hub.h"
#include "platform/text_format.h"

namespace zel::cli {

namespace {

std::vector<ZelUrl*> distinctParents(const ZelUrl* r) {
  std::vector<ZelUrl*> out;
  std::unordered_set<ZelUrl*> seen;
  for (ZelLinkInstance* i : r->getInboundInstances())
    if (i->parent() && seen.insert(i->parent()).second) out.push_back(i->parent());
  return out;
}

}  // namespace

void printSummary(FILE* out, ZelHub& hub, const CrawlTiming& timing) {
  int64_t redirected = 0, internal = 0;
  for (ZelUrl* r : hub.getLinksCollection()) {
    if (r->getRedirectCount() > 0) ++redirected;
    if (r->isInternal()) ++internal;
  }
  std::fprintf(out, "%s %s in %.1f s\n", timing.stopped ? "Stopped crawling" : "Crawled",
               hub.getStartingUrl().c_str(), timing.seconds);
  std::fprintf(out, "  links checked: %lld   bad links: %lld   total: %lld   pages: %lld\n",
               static_cast<long long>(hub.getCheckedLinkCount()),
               static_cast<long long>(hub.getBadLinkCount()),
               static_cast<long long>(hub.getTotalLinkCount()),
               static_cast<long long>(hub.getPageCount()));
  std::fprintf(out, "  internal: %lld   external: %lld   redirected: %lld\n",
               static_cast<long long>(internal),
               static_cast<long long>(hub.getTotalLinkCount() - internal),
               static_cast<long long>(redirected));
}

void printRedirects(FILE* out, ZelHub& hub) {
  std::vector<ZelUrl*> moved;
  for (ZelUrl* r : hub.getLinksCollection())
    if (r->getRedirectCount() > 0) moved.push_back(r);
  if (moved.empty()) return;
  std::fprintf(out, "\nRedirects (%zu):\n", moved.size());
  for (ZelUrl* r : moved) {
    std::fprintf(out, "  %s\n", r->getLinkUrl().c_str());
    for (const RedirectEntry& e : *r->getRedirTable())
      std::fprintf(out, "      %s -> %s\n", e.status.c_str(), e.url.c_str());
  }
}

void printBadLinks(FILE* out, ZelHub& hub) {
  std::vector<ZelUrl*> bad;
  for (ZelUrl* r : hub.getLinksCollection())
    if (r->isInBadCollection()) bad.push_back(r);
  if (bad.empty()) return;
  std::fprintf(out, "\nBad links (%zu):\n", bad.size());
  for (ZelUrl* r : bad) {
    std::fprintf(out, "  %s\n      %s\n", r->getActualLinkUrl().c_str(), r->getStatus().c_str());
    for (ZelLinkInstance* i : r->getInboundInstances()) {
      if (!i->parent()) continue;
      std::string where = i->parent()->getActualLinkUrl();
      if (i->lineNumber()) where += strf(" (line %i)", *i->lineNumber());
      std::fprintf(out, "      found on %s\n", where.c_str());
    }
  }
}

namespace {

Json countsJson(ZelHub& hub) {
  return {{"checked", hub.getCheckedLinkCount()},
          {"bad", hub.getBadLinkCount()},
          {"total", hub.getTotalLinkCount()},
          {"pages", hub.getPageCount()}};
}

Json recordJson(ZelUrl* r) {
  Json redirects = Json::array();
    if (const auto* table = r->getRedirTable())
      for (const RedirectEntry& e : *table)
        redirects.push_back({{"url", e.url}, {"status", e.status}, {"reason", e.reason}});
  Json foundOn = Json::array();
  for (ZelUrl* p : distinctParents(r)) foundOn.push_back(p->getActualLinkUrl());
  return {{"url", r->getLinkUrl()},
          {"actualUrl", r->getActualLinkUrl()},
          {"status", r->getStatus()},
          {"bad", r->isInBadCollection()},
          {"internal", r->isInternal()},
          {"mimeType", r->getMimeType()},
          {"redirects", std::move(redirects)},
          {"inbound", r->getInboundInstances().size()},
          {"foundOn", std::move(foundOn)}};
}

std::string dumpJson(const Json& j, int indent) {
  return j.dump(indent, ' ', false, Json::error_handler_t::replace);
}

}  // namespace

bool writeCrawlResultsJson(const std::string& path, ZelHub& hub, std::string* error) {
  const std::string tmp = path + ".part";
  FILE* f = std::fopen(tmp.c_str(), "w");
  if (!f) {
    *error = "cannot write " + path;
    return false;
  }
  std::string head = "{\n  \"startingUrl\": " + dumpJson(Json(hub.getStartingUrl()), -1) +
                     ",\n  \"counts\": " + dumpJson(countsJson(hub), -1) +
                     ",\n  \"records\": [";
  std::fputs(head.c_str(), f);
  bool first = true;
  for (ZelUrl* r : hub.getLinksCollection()) {
    std::fputs(first ? "\n    " : ",\n    ", f);
    first = false;
    std::fputs(dumpJson(recordJson(r), -1).c_str(), f);
  }
  std::fputs("\n  ]\n}\n", f);
  const bool ok = std::ferror(f) == 0;
  if (std::fclose(f) != 0 || !ok || std::rename(tmp.c_str(), path.c_str()) != 0) {
    std::remove(tmp.c_str());
    *error = "cannot write " + path;
    return false;
  }
  return true;
}

}  // namespace zel::cli
