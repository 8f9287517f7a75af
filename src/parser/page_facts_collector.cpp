// The page facts of one scan: title, robots directives, page text and word count,
// headings and names. The structure checks of the same collector are in
// html_validation.cpp.
#include "parser/page_facts_collector.h"

#include <algorithm>
#include <cstring>

#include "parser/html_scanner.h"
#include "parser/text_encoding.h"
#include "parser/zel_parser.h"
#include "platform/defaults.h"
#include "platform/log.h"

namespace zel {

using namespace scan;

PageFactsCollector::PageFactsCollector(ZelParser& parser, ScanCollector* next)
    : p_(parser), next_(next) {
  const Defaults& d = parser.defaults();
  nextWantsAttributes_ = next_ && next_->wantsAttributes();
  seoOn_ = parser.seoOn_;
  validate_ = d.boolForKey("htmlValidationEnabled");
  onlyParas_ = d.boolForKey("parserContentOnlyParas");
  consolidate_ = d.boolForKey("parserContentConsolidateWhitespace");
  ignoreNav_ = d.boolForKey("parserContentIgnoreNav");
  ignoreHeader_ = d.boolForKey("parserContentIgnoreHeader");
  includeAlt_ = d.boolForKey("parserContentIncludeAltText");
  collectNames_ = d.boolForKey("dontTrimHash");
  headingLevelMax_ = d.integerForKey("headingLevelMax");
  textOn_ = !onlyParas_;
  const size_t n = parser.page_.size();
  textCap_ = n >= 2 ? n - 2 : 0;
  // Text is usually under half of the markup; room that is never written costs
  // nothing.
  text_.reserve(std::min<size_t>(textCap_, n / 2 + 64));

  parser.metaTags_.emplace();
  parser.metaTags_->reserve(6);
  parser.headContainsNoIndex_ = false;
  parser.headContainsNoFollow_ = false;
}

bool PageFactsCollector::wantsAttributes() const {
  return collectNames_ || includeAlt_ || validate_ || nextWantsAttributes_;
}

int PageFactsCollector::headingLevelOf(std::string_view name) {
  if (name.size() < 2 || lower(name[0]) != 'h' || name[1] < '1' || name[1] > '6') return 0;
  // A further digit replaces the first.
  int level = name[1] - '0';
  for (size_t i = 2; i < name.size() && name[i] >= '1' && name[i] <= '6'; ++i) level = name[i] - '0';
  return level;
}

PageFactsCollector::Kind PageFactsCollector::classify(const TagEvent& t, bool& ended) {
  ended = t.terminator == '>' || is(t.terminator, kWs);
  const std::string_view n = t.name;
  if (n.empty()) return kOther;
  switch (lower(n[0])) {
    case 'a':
      return n.size() == 1 ? kAnchor : kOther;
    case 'b':
      return istarts(n, "body") ? kBody : kOther;
    case 'd':
      return ieq(n, "div") ? kDiv : kOther;
    case 'f':
      if (ieq(n, "form")) return kForm;
      return ieq(n, "footer") ? kHeaderFooter : kOther;
    case 'h':
      if (headingLevelOf(n)) return kHeading;
      if (ieq(n, "header")) return kHeaderFooter;
      if (ieq(n, "html")) return kHtml;
      return ieq(n, "head") ? kHead : kOther;
    case 'n':
      return ieq(n, "nav") ? kNav : kOther;
    case 'p':
      return n.size() == 1 ? kP : kOther;
    case 's':
      return ieq(n, "span") ? kSpan : kOther;
    default:
      return kOther;
  }
}

// --- Events ------------------------------------------------------------------------------

void PageFactsCollector::bodyTagOpened(const TagEvent& t) {
  bool ended;
  const Kind kind = classify(t, ended);
  // Any closing tag whose name begins with 'h' ends a heading.
  if (t.closing && seoOn_ && lower(t.name[0]) == 'h') endHeading();
  if (validate_) checkBodyTag(kind, ended, t);
  switch (kind) {
    case kP:
      if (ended) setTextOn(t, !t.closing);
      break;
    case kNav:
      if (ended) setNav(t, !t.closing);
      break;
    case kHeaderFooter:
      if (ended) setHeaderFooter(t, !t.closing);
      break;
    case kHeading:
      if (!t.closing && seoOn_) headingLevel_ = headingLevelOf(t.name);
      break;
    default:
      break;
  }
}

void PageFactsCollector::attribute(ZelParser& p, const TagEvent& t, std::string_view name,
                                   bool wordInitial, std::string_view value, char quote,
                                   ValueEnd end, size_t valueEndOffset, bool linkValue) {
  if (nextWantsAttributes_)
    next_->attribute(p, t, name, wordInitial, value, quote, end, valueEndOffset, linkValue);
  if (!bodyPass_ || t.inStyle) return;
  if (includeAlt_ && recogniserEndsWith(name, "alt") && capturing())
    capture(value.substr(0, std::min(value.size(), kTextValueCap)));
  if (collectNames_ && (end == ValueEnd::Quote || end == ValueEnd::Space || end == ValueEnd::Gt)) {
    const bool anchorTag = !t.closing && ieq(t.name, "a") && is(t.terminator, kWs);
    if ((anchorTag && recogniserEndsWith(name, "name")) || (wordInitial && ieq(name, "id")))
      p_.addNameToCollection(unescapedStringFromBuffer(
          cappedValue(value, kTextValueCap, p_.useEncoding_), p_.useEncoding_, true, p_.log_));
  }
  if (validate_) checkValue(t, name, wordInitial, value, quote, end, valueEndOffset, linkValue);
}

void PageFactsCollector::headText(std::string_view run) {
  if (titleState_ != TitleState::Collecting) return;
  // Up to the next '<'; a second title's text joins the first.
  const size_t room = title_.size() < kTextValueCap ? kTextValueCap - title_.size() : 0;
  title_.append(run.substr(0, std::min(room, run.size())));
  titleState_ = TitleState::None;
}

void PageFactsCollector::headingText(std::string_view run) {
  for (char c : run) {
    if (heading_.size() >= kTextValueCap) break;
    if (c != '>') heading_.push_back(c);
  }
}

void PageFactsCollector::commentOpened(ZelParser& p, size_t offset, bool withinComment,
                                       bool headPass) {
  if (next_) next_->commentOpened(p, offset, withinComment, headPass);
  if (titleState_ == TitleState::Collecting) titleState_ = TitleState::None;
  if (validate_ && withinComment && !headPass)
    warnAt("The page has an opening comment tag within a comment at line %i/%i.. This may be "
           "fine but may indicate an uninitentionally unclosed comment.",
           offset);
}

void PageFactsCollector::scanEvent(ZelParser& p, ScanEvent e, const ScanEventInfo& info) {
  if (next_) next_->scanEvent(p, e, info);
  checkEvent(e, info);
}

void PageFactsCollector::headPassEnded(ZelParser& p, size_t bodyStart, bool bodyTagSeen) {
  if (next_) next_->headPassEnded(p, bodyStart, bodyTagSeen);
  const TextEncoding enc = p_.useEncoding_;
  p_.metatitle_ =
      unescapedStringFromBuffer(cappedValue(title_, kTextValueCap, enc), enc, false, p_.log_);
  titleState_ = TitleState::None;
  bodyPass_ = true;
}

void PageFactsCollector::scanEnded(ZelParser& p, bool inScript, bool inComment) {
  if (next_) next_->scanEnded(p, inScript, inComment);
  if (validate_) checkEnd(inScript, inComment);
  p_.rawText_ = std::move(text_);
  p_.textDecoded_ = false;
}

// --- Head pass -------------------------------------------------------------------------------

void PageFactsCollector::headTagOpened(const TagEvent& t) {
  if (!t.closing && !t.wsBeforeName && istarts(t.name, "title"))
    titleState_ = TitleState::WaitingForGt;
  if (validate_) {
    bool ended;
    const Kind kind = classify(t, ended);
    if (!t.closing && ended && (kind == kHead || kind == kHtml)) {
      bool& seen = kind == kHead ? headSeen_ : htmlSeen_;
      if (seen)
        p_.addWarning(kind == kHead ? "The page contains more than one head tag."
                                    : "The page contains more than one opening html tag.");
      seen = true;
    }
    // The first body tag ends the head pass.
    if (!t.closing && kind == kBody) bodySeen_ = true;
  }
}

void PageFactsCollector::headTagClosed(const TagEvent& t, std::string_view raw, bool endedByGt) {
  if (endedByGt && titleState_ == TitleState::WaitingForGt) {
    if (!title_.empty()) p_.addWarning("The page has more than one title meta tag");
    titleState_ = TitleState::Collecting;
  }
  if (!t.closing && istarts(t.name, "meta")) {
    // Robots directives count wherever they stand in the tag, for any robot.
    // Both recognisers in one walk over the tag.
    size_t a = 0, b = 0;
    for (char ch : raw) {
      const char c = lower(ch);
      a = c == "noindex"[a] ? a + 1 : 0;
      b = c == "nofollow"[b] ? b + 1 : 0;
      if (a == 7) p_.headContainsNoIndex_ = true, a = 0;
      if (b == 8) p_.headContainsNoFollow_ = true, b = 0;
    }
  }
  if (validate_) checkHeadTag(t, raw, endedByGt);
}

// --- Page text and headings --------------------------------------------------------------------

void PageFactsCollector::captureSlowly(std::string_view bytes) {
  for (char c : bytes) {
    if (consolidate_ && c == '>') c = ' ';
    const bool ws = c == ' ' || (c >= 0x09 && c <= 0x0D);
    if (consolidate_ && ws && text_.size() >= 2) {
      const char last = text_.back();
      if (last == ' ' || (last >= 0x09 && last <= 0x0D)) continue;
      c = ' ';
    }
    if (text_.size() >= textCap_) {
      if (p_.log_) p_.log_->write(1, "tc buffer overflow");
      continue;
    }
    text_.push_back(c);
  }
}

void PageFactsCollector::endHeading() {
  if (!heading_.empty() && headingLevel_ <= headingLevelMax_) {
    const TextEncoding enc = p_.useEncoding_;
    p_.addHeadingToCollection(
        unescapedStringFromBuffer(cappedValue(heading_, kTextValueCap, enc), enc, false, p_.log_),
        headingLevel_);
  }
  heading_.clear();
  headingLevel_ = 0;
}

void PageFactsCollector::setTextOn(const TagEvent& t, bool on) {
  if (t.terminator == '>') {
    pendingTextOn_ = on;
    anyPending_ = true;
  }
  else
    textOn_ = on;
}

void PageFactsCollector::setNav(const TagEvent& t, bool on) {
  if (t.terminator == '>') {
    pendingNav_ = on;
    anyPending_ = true;
  }
  else
    inNav_ = on;
}

void PageFactsCollector::setHeaderFooter(const TagEvent& t, bool on) {
  if (t.terminator == '>') {
    pendingHeaderFooter_ = on;
    anyPending_ = true;
  }
  else
    inHeaderFooter_ = on;
}

void PageFactsCollector::applyPending() {
  if (pendingTextOn_ >= 0) textOn_ = pendingTextOn_;
  if (pendingNav_ >= 0) inNav_ = pendingNav_;
  if (pendingHeaderFooter_ >= 0) inHeaderFooter_ = pendingHeaderFooter_;
  pendingTextOn_ = pendingNav_ = pendingHeaderFooter_ = -1;
  anyPending_ = false;
}

}  // namespace zel
