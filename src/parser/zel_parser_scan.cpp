// The scan of an HTML page: set-up, the two passes in order, and the tokenizer
// pieces both passes share.
#include <cstring>

#include "parser/html_scanner.h"
#include "platform/defaults.h"

namespace zel {

using namespace scan;

HtmlScanner::HtmlScanner(ZelParser& parser, PageFactsCollector* collector)
    : p_(parser), c_(collector), d_(parser.page_.data()), n_(parser.page_.size()) {
  const Defaults& d = parser.defaults();
  s_.checkImages = d.boolForKey("checkImages");
  s_.linkedFiles = d.boolForKey("linkedFiles");
  s_.formActions = d.boolForKey("formActions");
  s_.lookForLazyLoadImageURLs = d.boolForKey("lookForLazyLoadImageURLs");
  s_.aggressiveSRCSearch = d.boolForKey("aggressiveSRCSearch");
  s_.searchMetaDataForURLs = d.boolForKey("searchMetaDataForURLs");
  s_.htmlValidationEnabled = d.boolForKey("htmlValidationEnabled");
  attrs_ = c_ ? c_->attributeReceiver() : nullptr;
}

void HtmlScanner::run() {
  p_.scanSettings_ = &s_;
  p_.lineNumber_ = 1;
  size_t bodyFrom = headPass();

  // Values gathered by the head pass.
  if (!canonicalRaw_.empty()) p_.canonical_ = decode(canonicalRaw_, kTextValueCap);
  if (!baseRaw_.empty()) {
    std::string base = decode(baseRaw_, kTextValueCap);
    if (!base.empty()) p_.codebase_ = std::move(base);
  }

  if (bodySeen_) {
    linkTagsCount_ = true;
    Tag body = readTag(bodyFrom, n_, true);
    if (c_) c_->headPassEnded(p_, body.after, true);
    bodyPass(body.after, &body);
  } else {
    // No body tag: the head pass read the whole page. The body pass starts again at
    // the end of the head, or at the start when there is none; link and script tags
    // after the head are taken in the body pass, in document order, so the head
    // pass's entries for them are dropped.
    size_t from = 0;
    if (headEnded_) {
      from = headEndPos_;
      linkTagsCount_ = true;
      p_.truncateEntries(entriesAtHeadEnd_);
      p_.current_ = LinkEntry();
    }
    if (c_) c_->headPassEnded(p_, from, false);
    bodyPass(from, nullptr);
  }
  p_.scanSettings_ = nullptr;
}

HtmlScanner::Tag HtmlScanner::readTag(size_t lt, size_t limit, bool headPass) const {
  Tag t;
  t.ev.start = lt;
  t.ev.headPass = headPass;
  size_t pos = lt + 1;
  while (pos < limit && is(d_[pos], kWs)) {
    t.ev.wsBeforeName = true;
    ++pos;
  }
  if (pos < limit && d_[pos] == '/') {
    t.ev.closing = true;
    ++pos;
    while (pos < limit && is(d_[pos], kWs)) {
      t.ev.wsBeforeName = true;
      ++pos;
    }
  }
  size_t nameStart = pos;
  while (pos < limit && !is(d_[pos], kTagNameStop)) ++pos;
  t.ev.name = view(nameStart, pos);
  t.ev.terminator = pos < limit ? d_[pos] : 0;
  t.ev.nameEnd = pos;
  t.after = pos;
  return t;
}

void HtmlScanner::findCommentEnd(size_t lt, size_t& closeStart, size_t& after) const {
  // The dashes of "<!--" count, so "<!-->" is an empty comment.
  size_t p = lt + 2;
  while (p < n_) {
    const void* hit = std::memchr(d_ + p, '-', n_ - p);
    if (!hit) break;
    size_t k = static_cast<const char*>(hit) - d_;
    size_t e = k;
    while (e < n_ && d_[e] == '-') ++e;
    if (e - k >= 2 && e < n_ && d_[e] == '>') {
      closeStart = k;
      after = e + 1;
      return;
    }
    p = e;
  }
  closeStart = after = n_;
}

size_t HtmlScanner::findScriptEnd(size_t pos) const {
  while (pos < n_) {
    const void* hit = std::memchr(d_ + pos, '<', n_ - pos);
    if (!hit) return n_;
    size_t k = static_cast<const char*>(hit) - d_;
    if (k + 8 <= n_ && d_[k + 1] == '/' && istarts(view(k + 2, k + 8), "script")) return k;
    pos = k + 1;
  }
  return n_;
}

bool HtmlScanner::tagContainsCanonical(size_t lt) const {
  const void* gt = std::memchr(d_ + lt, '>', n_ - lt);
  size_t end = gt ? static_cast<size_t>(static_cast<const char*>(gt) - d_) : n_;
  return recogniserFind(view(lt, end), "canonical") != std::string_view::npos;
}

std::string_view scan::cappedValue(std::string_view raw, size_t cap, TextEncoding enc) {
  std::string_view v = raw.size() > cap ? raw.substr(0, cap) : raw;
  // A cut inside a UTF-8 sequence would spoil the whole value's decoding.
  if (raw.size() >= cap && enc == encoding::kUTF8) {
    size_t back = 0;  // continuation bytes at the end
    while (back < 3 && back < v.size() &&
           (static_cast<unsigned char>(v[v.size() - 1 - back]) & 0xC0) == 0x80)
      ++back;
    if (back < v.size()) {
      unsigned char lead = static_cast<unsigned char>(v[v.size() - 1 - back]);
      size_t len = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
      if (len > 1 && back + 1 < len) v.remove_suffix(back + 1);
    }
  }
  return v;
}

std::string HtmlScanner::decode(std::string_view raw, size_t cap,
                                bool returnsAreSeparators) const {
  return unescapedStringFromBuffer(cappedValue(raw, cap, p_.useEncoding_), p_.useEncoding_,
                                   returnsAreSeparators, p_.log_);
}

void HtmlScanner::at(size_t offset) {
  p_.lineNumber_ = p_.lineNumberAt(offset);
  p_.bytesRead_ = offset + 1;
}

void HtmlScanner::event(ScanEvent e, size_t offset, std::string_view name) {
  if (!c_) return;
  at(offset);
  ScanEventInfo info;
  info.offset = offset;
  info.name = name;
  info.anchorOpen = anchorOpen_;
  info.entryLine = p_.current_.lineNumber.value_or(0);
  c_->scanEvent(p_, e, info);
}

}  // namespace zel
