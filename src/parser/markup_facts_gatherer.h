#pragma once
// Gathers a page's MarkupFacts from the events of its scan, so that they cost no
// second pass over the bytes. Give it to ZelParser::initWithData as the
// collector; take() the facts when the scan is over.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "parser/markup_facts.h"
#include "parser/scan_collector.h"

namespace zel {

// The words of a text run after run: white space (and the boundary between two
// runs) separates words, and the words are hashed with single spaces between
// them, so that markup and line breaks do not change the hash. The words are
// gathered in a small buffer and hashed a buffer at a time (xxHash, each
// buffer's hash the seed of the next), which costs far less than a byte at a
// time; the buffer is always full before it is hashed, so the value depends on
// the words only.
class VisibleTextHash {
 public:
  void add(std::string_view run);
  void boundary() { put(' '); }
  // 0 when no word was added.
  uint64_t value();
  // The words "lorem ipsum", in any case, one after the other.
  bool sawLoremIpsum() const { return lorem_; }

 private:
  static constexpr std::string_view kLorem = "lorem ipsum";
  static constexpr size_t kCarry = kLorem.size() - 1;
  static constexpr size_t kBuffer = 256;
  // A space is written only after a word, and a word's bytes one by one
  // without a branch: each white space byte becomes a space, kept when the
  // byte before was not one.
  static bool isWhite(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
  }
  void put(char c) {
    const bool space = isWhite(c);
    buf_[end_] = space ? ' ' : c;
    end_ += !(space & lastWasSpace_);
    lastWasSpace_ = space;
    if (end_ == sizeof buf_) flush();
  }
  // Hashes the buffer's bytes but the last (perhaps a space that no word
  // follows) and looks in them for lorem ipsum; the bytes before stay in front
  // of the buffer, as the words may begin there.
  void flush();
  uint64_t hash_ = 0;
  bool hashed_ = false, lorem_ = false, lastWasSpace_ = true;
  size_t begin_ = 0, end_ = 0;  // the bytes of buf_ not hashed yet
  char buf_[kCarry + kBuffer + 1];
};

class MarkupFactsGatherer final : public ScanCollector {
 public:
  bool wantsAttributes() const override { return true; }
  // Most tags of a page matter to nothing but the text's word boundaries: they
  // are done with here, the rest in tagOpenedSlowly.
  void tagOpened(ZelParser& p, const TagEvent& t) override {
    tag_.kind = kOther;  // its fields are cleared for a tag of a kind that matters
    if (t.inStyle || t.name.empty()) return;
    if (bodyPass_) hash_.boundary();
    if (keepMain_ || mayMatter(t.name)) tagOpenedSlowly(p, t);
  }
  void tagClosed(ZelParser& p, const TagEvent& t, std::string_view raw, bool endedByGt) override;
  void attribute(ZelParser& p, const TagEvent& t, std::string_view name, bool wordInitial,
                 std::string_view value, char quote, ValueEnd end, size_t valueEndOffset,
                 bool linkValue) override;
  void text(ZelParser& p, std::string_view run, size_t start, bool headPass) override;
  void headPassEnded(ZelParser& p, size_t bodyStart, bool bodyTagSeen) override;
  void scanEnded(ZelParser& p, bool inScript, bool inComment) override;

  // The facts of the scan; the gatherer is spent.
  MarkupFacts take() { return std::move(facts_); }
  // The facts in their compact form (encodeMarkupFacts), made once: a scan's
  // worker makes them, so that the run loop only hands them on.
  void encodeFacts() {
    if (encoded_.empty()) encodeMarkupFacts(facts_, encoded_);
  }
  std::string takeEncoded() {
    encodeFacts();
    return std::move(encoded_);
  }
  const MarkupFacts& facts() const { return facts_; }

  // Asked before the scan: keep the page's main text, its visible text outside
  // nav, header, footer and aside elements, entities decoded, white space
  // collapsed to single spaces (elements separate words).
  void keepMainText() { keepMain_ = true; }
  std::string mainText() const { return mainTextOf(mainText_); }
  // The main text as the scan met it, moved out (the gatherer keeps none); mainTextOf
  // makes it what mainText() gives, later and on any thread.
  std::string takeGatheredMainText() { return std::move(mainText_); }
  static std::string mainTextOf(std::string_view gathered);
  // Whether a tag had an itemscope or typeof attribute, or a type naming ld+json.
  bool sawStructuredMarks() const { return structuredMarks_; }

 private:
  enum Kind : uint8_t {
    kOther,
    kHtml,
    kMeta,
    kLink,
    kImg,
    kSource,
    kForm,
    kAnchor,
    kHeading,
    kTitle,
    kResource,
  };
  static Kind kindOf(std::string_view name);
  // False for a tag that is of no kind and no heading, by its length and first
  // letter (true may be either).
  static bool mayMatter(std::string_view n) {
    switch (n[0] | 0x20) {
      case 'a':
        return n.size() == 1 || n.size() == 5;
      case 'e':
      case 'f':
      case 'l':
      case 'm':
      case 't':
      case 'v':
        return n.size() == 4 || n.size() == 5;
      case 'h':
        return n.size() == 2 || n.size() == 4;
      case 'i':
        return n.size() == 3 || n.size() == 6;
      case 's':
        return n.size() == 6;
      default:
        return false;
    }
  }
  void tagOpenedSlowly(ZelParser& p, const TagEvent& t);
  // The attributes of the tag being read that matter to its kind: views of the
  // page's bytes (which outlive the scan), or of decoded_ where a value had
  // entities to unescape.
  struct Open {
    Kind kind = kOther;
    bool headPass = false;
    size_t start = 0;
    std::string_view name, content, rel, href, src, srcset, action, lang, alt, label;
    bool width = false, height = false, hasAlt = false, hasLang = false, hasHref = false;
  };
  // One room a field: a decoded value stays until the tag is read.
  enum Field : uint8_t {
    kName,
    kContent,
    kRel,
    kHref,
    kSrc,
    kSrcset,
    kAction,
    kLang,
    kAlt,
    kLabel
  };
  struct PendingCanonical {
    size_t start;
    std::string href;
  };
  struct PendingSpot {
    size_t start;
    MarkupFacts::SpotKind kind;
    MarkupSpot spot;
  };

  // In the head pass a spot waits for the head's end (see closeHead).
  void addSpot(MarkupFacts::SpotKind kind, std::string what, ZelParser& p, size_t offset);
  void keepSpot(MarkupFacts::SpotKind kind, MarkupSpot spot);
  void closeHead(ZelParser& p);
  void closeBodyTag(ZelParser& p);
  void endAnchor(ZelParser& p);
  void endHeading(ZelParser& p);
  void noteAddress(ZelParser& p, std::string_view address, bool resource, const char* what);

  MarkupFacts facts_;
  std::string encoded_;
  Open tag_;
  std::string decoded_[kLabel + 1];
  bool bodyPass_ = false;
  bool headMetasInBody_ =
      false;  // the body pass begins after a head (robots there are in the body)
  bool inTitle_ = false;
  std::vector<PendingCanonical> headCanonicals_;
  std::vector<PendingSpot> headSpots_;
  VisibleTextHash hash_;
  bool keepMain_ = false;
  int outsideMain_ = 0;  // nav, header, footer and aside elements open
  std::string mainText_;
  bool structuredMarks_ = false;
  // The anchor and the heading open in the body, if any.
  bool anchorOpen_ = false, anchorHasText_ = false;
  std::string_view anchorHref_;
  std::string anchorHrefDecoded_;
  size_t anchorStart_ = 0;
  int headingLevel_ = 0, lastHeadingLevel_ = 0;
  bool headingHasText_ = false;
  size_t headingStart_ = 0;
};

}  // namespace zel
