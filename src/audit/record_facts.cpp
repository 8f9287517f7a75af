#include "audit/record_facts.h"

#include <algorithm>
#include <cctype>

#include "platform/text_format.h"
#include "url/zel_url.h"

namespace zel::audit {

int statusCode(const ZelUrl& r) {
  const std::string& s = r.getFinalStatus();
  if (s.size() < 3 || !std::isdigit(static_cast<unsigned char>(s[0])) ||
      !std::isdigit(static_cast<unsigned char>(s[1])) ||
      !std::isdigit(static_cast<unsigned char>(s[2])) ||
      (s.size() > 3 && std::isdigit(static_cast<unsigned char>(s[3])))) {
    // A local file that cannot be read is the local form of a 404.
    const bool badFile = r.isInBadCollection() && startsWith(r.getLinkUrl(), "file:") &&
                         r.getRedirectCount() == 0 && !s.empty();
    return badFile ? 404 : 0;
  }
  return (s[0] - '0') * 100 + (s[1] - '0') * 10 + (s[2] - '0');
}

bool isSoft404(const ZelUrl& r) { return r.getFinalStatus() == "404 'soft 404'"; }

bool isRedirectLoop(const ZelUrl& r) {
  if (r.getFinalStatus() == "recurring redirect") return true;
  const auto* hops = r.getRedirTable();
  if (!hops) return false;
  std::vector<std::string_view> seen{r.getLinkUrl()};
  for (const RedirectEntry& e : *hops) {
    if (std::find(seen.begin(), seen.end(), std::string_view(e.url)) != seen.end()) return true;
    seen.push_back(e.url);
  }
  return false;
}

bool hasNoResponse(const ZelUrl& r) {
  return r.isInBadCollection() && statusCode(r) == 0 && !isRedirectLoop(r);
}

std::string redirectChainText(const ZelUrl& r) {
  std::string out = r.getLinkUrl();
  if (const auto* hops = r.getRedirTable())
    for (const RedirectEntry& e : *hops) out += " -> " + e.status + " " + e.url;
  return out;
}

bool isCanonicalLink(const ZelLinkInstance& i) {
  // The canonical's instance is the only one with this text and no rel.
  return i.textIsMarker() && i.linkText() == "canonical" && i.getRel().empty();
}

bool isResourceLink(const ZelLinkInstance& i) {
  if (!i.textIsMarker()) return false;
  const std::string& t = i.linkText();
  if (t.empty() || t[0] != '[') return t == "form action";
  if (startsWith(t, "[alt]:")) return true;
  if (t == "[linked file]") return !i.alt();  // an alternate is a page
  return t == "[audio/video]" || t == "[inline style url]" || startsWith(t, "[meta tag:");
}

bool isPageLink(const ZelLinkInstance& i) { return !isResourceLink(i) && !isCanonicalLink(i); }

SitePageByRecord sitePageByRecord(const ZelUrl& r) {
  // An error answer's type is its error page's: a link to a page that is gone still
  // names a page.
  const bool answered = statusCode(r) == 200;
  if (!r.isInternal() || (answered && !r.getIsHTML()) || r.getIsImage() || r.getIsCSS() ||
      r.getIsJS() || r.getIsPDF() || r.isXML() || r.getIsAudio() || r.getIsVideo())
    return SitePageByRecord::No;
  if (r.isExempt() && !r.isDisallowed()) return SitePageByRecord::No;  // not checked
  if (r.isStartingPoint()) return SitePageByRecord::Yes;
  return SitePageByRecord::ByInlinks;
}

bool isSitePage(const ZelUrl& r) {
  switch (sitePageByRecord(r)) {
    case SitePageByRecord::No: return false;
    case SitePageByRecord::Yes: return true;
    case SitePageByRecord::ByInlinks: break;
  }
  return r.anyInboundInstance([](const ZelLinkInstance& i) { return !isResourceLink(i); });
}

std::vector<std::string> robotsWords(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  auto flush = [&] {
    if (!word.empty()) words.push_back(asciiLower(word));
    word.clear();
  };
  for (char c : text) {
    if (c == ',' || c == ';' || c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      flush();
    } else if (c == ':') {
      word.clear();  // "googlebot: noindex": the name before the colon is no directive
    } else {
      word += c;
    }
  }
  flush();
  return words;
}

bool hasRobotsWord(std::string_view text, std::string_view word) {
  if (!containsIgnoreCase(text, word)) return false;
  for (const std::string& w : robotsWords(text))
    if (w == word) return true;
  return false;
}

std::string firstFew(const std::vector<std::string>& items, size_t total, size_t shown) {
  std::string out;
  const size_t n = std::min({items.size(), shown, total});
  for (size_t i = 0; i < n; ++i) out += (i ? ", " : "") + items[i];
  if (total > n) out += strf(" and %zu more", total - n);
  return out;
}

void FewOf::note(std::string text) {
  if (std::find(shown.begin(), shown.end(), text) != shown.end()) return;
  ++total;
  if (shown.size() < 3) shown.push_back(std::move(text));
}

uint32_t spotCount(const MarkupFacts* m, MarkupFacts::SpotKind kind) {
  return m && m->spots ? m->spots->count(kind) : 0;
}

std::string spotsText(const MarkupFacts& m, MarkupFacts::SpotKind kind) {
  // As firstFew would list them; written straight out, as every page of some
  // sites has spots.
  if (!m.spots) return std::string();
  std::string out;
  size_t shown = 0;
  for (const auto& [k, spot] : m.spots->kept) {
    if (k != kind) continue;
    if (shown == 3) break;
    if (shown++) out += ", ";
    out += spot.what;
    out += " at line ";
    out += std::to_string(spot.line);
  }
  const size_t total = m.spots->count(kind);
  if (total > shown) out += " and " + std::to_string(total - shown) + " more";
  return out;
}

}  // namespace zel::audit
