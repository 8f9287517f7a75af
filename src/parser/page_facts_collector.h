#pragma once
// Internal to the parser: the observer that every HTML scan runs with. From the
// scanner's events it gathers the page facts (title, robots directives, page text,
// headings, names) and checks the page's structure for the validation warnings,
// all in the same single pass. The facts go straight into the parser; another
// collector given by the caller is told everything as well.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "parser/scan_collector.h"

namespace zel {

class ZelParser;

class PageFactsCollector final : public ScanCollector {
 public:
  PageFactsCollector(ZelParser& parser, ScanCollector* next);

  bool wantsAttributes() const override;
  // Who is to be told of attributes: this collector when it reads them itself,
  // else the next one directly (a call less an attribute), else none.
  ScanCollector* attributeReceiver() {
    if (collectNames_ || includeAlt_ || validate_) return this;
    return nextWantsAttributes_ ? next_ : nullptr;
  }
  // The scanner calls these three for every tag and text run; their common paths
  // are inline, below.
  void tagOpened(ZelParser&, const TagEvent&) override;
  void tagClosed(ZelParser&, const TagEvent&, std::string_view raw, bool endedByGt) override;
  void attribute(ZelParser&, const TagEvent&, std::string_view name, bool wordInitial,
                 std::string_view value, char quote, ValueEnd, size_t valueEndOffset,
                 bool linkValue) override;
  void text(ZelParser&, std::string_view run, size_t start, bool headPass) override;
  void commentOpened(ZelParser&, size_t offset, bool withinComment, bool headPass) override;
  void scanEvent(ZelParser&, ScanEvent, const ScanEventInfo&) override;
  void headPassEnded(ZelParser&, size_t bodyStart, bool bodyTagSeen) override;
  void scanEnded(ZelParser&, bool inScript, bool inComment) override;

 private:
  // Tags whose effects depend on the kind; everything else is kOther.
  enum Kind : unsigned char {
    kOther, kP, kDiv, kSpan, kForm, kNav, kHeaderFooter, kHeading, kBody, kHtml, kHead, kAnchor,
  };
  // The kind of a tag of the body pass; `ended` when the byte after its name is
  // white space or '>'.
  static Kind classify(const TagEvent& t, bool& ended);
  // 1 to 6 for a heading start ("h" and a digit), else 0.
  static int headingLevelOf(std::string_view name);

  // --- Facts (page_facts_collector.cpp) ---
  void bodyTagOpened(const TagEvent& t);
  void headTagOpened(const TagEvent& t);
  void headText(std::string_view run);
  void headingText(std::string_view run);
  void headTagClosed(const TagEvent& t, std::string_view raw, bool endedByGt);
  bool capturing() const {
    return (textOn_ || (seoOn_ && headingLevel_ > 0)) && !(ignoreNav_ && inNav_) &&
           !(ignoreHeader_ && inHeaderFooter_);
  }
  // Page text. Without consolidation a stray '>' is kept as it is and becomes a
  // space when the text is decoded (a '>' in the text can only be a stray one).
  void capture(std::string_view bytes) {
    if (!consolidate_ && text_.size() + bytes.size() <= textCap_)
      text_.append(bytes);
    else
      captureSlowly(bytes);
  }
  void captureSlowly(std::string_view bytes);
  void captureSpace() {
    if (!consolidate_ && text_.size() < textCap_)
      text_.push_back(' ');
    else
      captureSlowly(" ");
  }
  void endHeading();
  // A change of the text switches made by a tag whose name ends at its '>' takes
  // effect after the space that '>' adds.
  void setTextOn(const TagEvent& t, bool on);
  void setNav(const TagEvent& t, bool on);
  void setHeaderFooter(const TagEvent& t, bool on);
  void applyPending();
  bool pending() const { return anyPending_; }

  // --- Structure checks (html_validation.cpp) ---
  void checkBodyTag(Kind kind, bool ended, const TagEvent& t);
  void checkHeadTag(const TagEvent& t, std::string_view raw, bool endedByGt);
  void checkValue(const TagEvent& t, std::string_view name, bool wordInitial,
                  std::string_view value, char quote, ValueEnd end, size_t endOffset,
                  bool linkValue);
  void checkEvent(ScanEvent e, const ScanEventInfo& info);
  void checkEnd(bool inScript, bool inComment);
  void warnAt(const char* format, size_t offset);     // "... at line %i/%i ..."
  void warnAt(const char* format, int level, size_t offset);  // "h%i ... at line %i/%i"

  ZelParser& p_;
  ScanCollector* next_;
  bool nextWantsAttributes_ = false;

  // Settings, read when the scan starts.
  bool seoOn_ = false;
  bool validate_ = false;
  bool onlyParas_ = false;
  bool consolidate_ = false;
  bool ignoreNav_ = false;
  bool ignoreHeader_ = false;
  bool includeAlt_ = false;
  bool collectNames_ = false;
  long long headingLevelMax_ = 0;

  bool bodyPass_ = false;

  // Title (head pass).
  enum class TitleState : unsigned char { None, WaitingForGt, Collecting };
  TitleState titleState_ = TitleState::None;
  std::string title_;

  // Page text.
  std::string text_;
  size_t textCap_ = 0;
  bool textOn_ = true;
  bool inNav_ = false;
  bool inHeaderFooter_ = false;
  signed char pendingTextOn_ = -1, pendingNav_ = -1, pendingHeaderFooter_ = -1;
  bool anyPending_ = false;

  // Headings (SEO only).
  int headingLevel_ = 0;
  std::string heading_;

  // Structure.
  bool headSeen_ = false, bodySeen_ = false, doctypeSeen_ = false, htmlSeen_ = false;
  bool closingBodySeen_ = false, closingHtmlSeen_ = false;
  int paragraphs_ = 0, divs_ = 0, forms_ = 0, divsAtForm_ = 0;
  bool spanOpen_ = false;
  bool headingInParagraphWarned_ = false;
  std::vector<std::string> pendingNesting_;
};

[[gnu::always_inline]] inline void PageFactsCollector::tagOpened(ZelParser& p, const TagEvent& t) {
  if (next_) next_->tagOpened(p, t);
  if (titleState_ == TitleState::Collecting) titleState_ = TitleState::None;
  if (t.inStyle) return;
  if (!bodyPass_) return headTagOpened(t);
  if (pending()) applyPending();
  // Only tags beginning with these letters matter to the text and the checks.
  if (t.name.empty()) return;
  switch (t.name[0] | 0x20) {
    case 'b': case 'd': case 'f': case 'h': case 'n': case 'p': case 's':
      bodyTagOpened(t);
      break;
    default:
      break;
  }
}

[[gnu::always_inline]] inline void PageFactsCollector::tagClosed(ZelParser& p, const TagEvent& t, std::string_view raw,
                                          bool endedByGt) {
  if (next_) next_->tagClosed(p, t, raw, endedByGt);
  if (t.inStyle) return;
  if (!bodyPass_) return headTagClosed(t, raw, endedByGt);
  if (endedByGt && capturing()) captureSpace();
  if (pending()) applyPending();
}

[[gnu::always_inline]] inline void PageFactsCollector::text(ZelParser& p, std::string_view run, size_t start,
                                     bool headPass) {
  if (next_) next_->text(p, run, start, headPass);
  if (headPass) return headText(run);
  if (seoOn_ && headingLevel_ > 0) headingText(run);
  if (capturing()) capture(run);
}

}  // namespace zel
