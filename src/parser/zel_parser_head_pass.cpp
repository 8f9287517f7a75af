// The head pass: from the first byte to the opening body tag (or the end of the
// page when there is none). It takes what belongs in a document head: the
// canonical URL, the base href, stylesheet and other link tags, script sources
// and, with SEO on, meta tags whose content is an address.
#include <cstring>

#include "parser/html_scanner.h"
#include "platform/text_format.h"

namespace zel {

using namespace scan;

size_t HtmlScanner::headPass() {
  size_t pos = 0;
  bool inScript = false;
  while (pos < n_) {
    if (inScript) {
      // Nothing inside a script counts until its end tag.
      size_t end = findScriptEnd(pos);
      if (end >= n_) break;
      inScript = false;
      pos = end;
    } else {
      const void* hit = std::memchr(d_ + pos, '<', n_ - pos);
      size_t lt = hit ? static_cast<size_t>(static_cast<const char*>(hit) - d_) : n_;
      if (c_ && lt > pos) c_->text(p_, view(pos, lt), pos, true);
      if (!hit) break;
      pos = lt;
      if (commentStartsAt(pos)) {
        if (c_) c_->commentOpened(p_, pos, false, true);
        size_t closeStart, after;
        findCommentEnd(pos, closeStart, after);
        pos = after;
        continue;
      }
    }
    // pos is at a '<' that starts a tag.
    Tag t = readTag(pos, n_, true);
    if (!t.ev.closing && istarts(t.ev.name, "body")) {
      bodySeen_ = true;
      if (c_) c_->tagOpened(p_, t.ev);
      return pos;
    }
    pos = headTag(t, inScript);
  }
  return n_;
}

namespace {

enum class HrefKind { None, Href, Hreflang };

// href= anywhere in the name, with anything between "href" and '='; an 'l' right
// after "href" makes it hreflang=, whose remaining letters must follow.
HrefKind headHrefKind(std::string_view name) {
  size_t end = recogniserFind(name, "href");
  if (end == std::string_view::npos) return HrefKind::None;
  if (end < name.size() && lower(name[end]) == 'l')
    return ieq(name.substr(end), "lang") ? HrefKind::Hreflang : HrefKind::None;
  return HrefKind::Href;
}

}  // namespace

size_t HtmlScanner::headTag(const Tag& t, bool& inScript) {
  const size_t lt = t.ev.start;
  const std::string_view name = t.ev.name;
  const bool closing = t.ev.closing;
  const bool isLink = !closing && istarts(name, "link");
  const bool isBase = !closing && istarts(name, "base");
  const bool isMeta = !closing && istarts(name, "meta");
  const bool isScript = !closing && !t.ev.wsBeforeName && istarts(name, "script");
  if (closing && ieq(name, "head") && (t.ev.terminator == '>' || is(t.ev.terminator, kWs)) &&
      !headEnded_) {
    headEnded_ = true;
    headEndPos_ = t.after + 1;
    entriesAtHeadEnd_ = p_.entries_.size();
  }
  if (c_) c_->tagOpened(p_, t.ev);
  if (isMeta) metaName_ = metaItemprop_ = metaProperty_ = metaContent_ = {};

  // Whether this tag holds "canonical" is looked up once, when an href needs it.
  int canonicalHere = -1;
  auto holdsCanonical = [&] {
    if (canonicalHere < 0) canonicalHere = tagContainsCanonical(lt) ? 1 : 0;
    return canonicalHere == 1;
  };

  const TagEnd end = attributes(t.after, n_, [&](const Attr& a) {
    bool linkValue = false;
    const HrefKind href = headHrefKind(a.name);
    if (href == HrefKind::Href) {
      // An href goes to the canonical URL (first one only), else the base, else the
      // link tag's entry.
      bool toCanonical = !canonicalCaptured_ && (isLink || !a.quote) && holdsCanonical();
      if (toCanonical) {
        if (a.handed()) {
          canonicalRaw_ = capped(a.value, kTextValueCap);
          canonicalCaptured_ = true;
          canonicalTagStart_ = lt;
        }
      } else if (isBase) {
        if (a.handed() && !baseSeen_) {
          baseRaw_ = capped(a.value, kTextValueCap);
          baseSeen_ = true;
        }
      } else if (isLink && a.handed()) {
        linkValue = true;
        at(a.endPos);
        p_.addLinkedFileToCollection(decode(a.value, kTextValueCap));
      }
    } else if (href == HrefKind::Hreflang) {
      // rel and hreflang are dropped when the tag ends inside them.
      if (isLink && (a.end == ValueEnd::Quote || a.end == ValueEnd::Space))
        p_.addHreflangToCollection(decode(a.value, kHreflangCap));
    } else if (isLink && a.wordInitial && ieq(a.name, "rel")) {
      if (a.end == ValueEnd::Quote || a.end == ValueEnd::Space)
        p_.addRelToCollection(decode(a.value, kTextValueCap));
    } else if (isScript && recogniserEndsWith(a.name, "src")) {
      if (a.handed()) {
        linkValue = true;
        at(a.endPos);
        p_.addLinkedFileToCollection(decode(a.value, kUrlValueCap));
        p_.underlineData();
      }
    } else if (isMeta && p_.seoOn_ && a.end != ValueEnd::Lt && a.end != ValueEnd::End) {
      std::string_view v = capped(a.value, kTextValueCap);
      if (recogniserEndsWith(a.name, "content"))
        metaContent_ = v;
      else if (recogniserEndsWith(a.name, "name"))
        metaName_ = v;
      else if (recogniserEndsWith(a.name, "itemprop"))
        metaItemprop_ = v;
      else if (recogniserEndsWith(a.name, "property"))
        metaProperty_ = v;
    }
    if (attrs_)
      attrs_->attribute(p_, t.ev, a.name, a.wordInitial, a.value, a.quote, a.end, a.endPos,
                        linkValue);
  });

  if (c_) c_->tagClosed(p_, t.ev, view(lt, end.pos), end.how == ValueEnd::Gt);
  if (end.how == ValueEnd::End) return n_;
  if (end.how == ValueEnd::Lt) {
    if (isScript) inScript = true;
    return end.pos;
  }
  // At the tag's '>'.
  if (isLink) {
    at(end.pos);
    p_.underlineData();
  }
  if (isMeta && p_.seoOn_) {
    at(end.pos);
    headMetaEnded();
  }
  // Even "<script .../>" stays open until </script>, as browsers read it.
  if (isScript) inScript = true;
  if (canonicalCaptured_ && canonicalTagStart_ != lt && c_ && tagContainsCanonical(lt))
    event(ScanEvent::SecondCanonical, end.pos);
  return end.pos + 1;
}

void HtmlScanner::headMetaEnded() {
  if (metaContent_.empty() || (metaName_.empty() && metaItemprop_.empty() && metaProperty_.empty()))
    return;
  std::string content = decode(metaContent_, kTextValueCap, true);
  MetaTag tag;
  tag.emplace("content", content);
  if (!metaName_.empty()) tag.emplace("name", decode(metaName_, kTextValueCap, true));
  if (!metaItemprop_.empty()) tag.emplace("itemprop", decode(metaItemprop_, kTextValueCap, true));
  if (!metaProperty_.empty()) tag.emplace("property", decode(metaProperty_, kTextValueCap, true));
  if (!p_.metaTags_) p_.metaTags_.emplace();
  p_.metaTags_->push_back(std::move(tag));

  if (!s_.searchMetaDataForURLs) return;
  if (content.size() <= 11 || !(startsWith(content, "https://") || startsWith(content, "http://")))
    return;
  const MetaTag& added = p_.metaTags_->back();
  std::string label;
  if (auto it = added.find("name"); it != added.end())
    label = "name=" + it->second;
  else if (auto it2 = added.find("itemprop"); it2 != added.end())
    label = "itemprop=" + it2->second;
  else
    label = "property=" + added.at("property");
  p_.addMetaTagURLoCollection(std::move(content), label);
  p_.underlineData();
}

}  // namespace zel
