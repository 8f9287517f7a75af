#include "parser/markup_facts_gatherer.h"

#include <xxhash.h>

#include <algorithm>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "parser/collapsed_text.h"
#include "parser/entities.h"
#include "parser/srcset.h"
#include "parser/zel_parser.h"
#include "platform/text_format.h"

namespace zel {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

bool hasText(std::string_view s) {
  for (char c : s)
    if (!isSpace(c)) return true;
  return false;
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && isSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && isSpace(s.back())) s.remove_suffix(1);
  return s;
}

// Whether a space-separated list of words (a rel value) holds the word.
bool hasWord(std::string_view list, std::string_view word) {
  size_t i = 0;
  while (i < list.size()) {
    while (i < list.size() && isSpace(list[i])) ++i;
    size_t end = i;
    while (end < list.size() && !isSpace(list[end])) ++end;
    if (end > i && equalsIgnoreCase(list.substr(i, end - i), word)) return true;
    i = end;
  }
  return false;
}

// Robots meta tags address every crawler ("robots") or one ("googlebot").
bool isRobotsName(std::string_view name) {
  return equalsIgnoreCase(name, "robots") ||
         (name.size() > 3 && equalsIgnoreCase(name.substr(name.size() - 3), "bot"));
}

int headingLevel(std::string_view name) {
  if (name.size() == 2 && (name[0] | 0x20) == 'h' && name[1] >= '1' && name[1] <= '6')
    return name[1] - '0';
  return 0;
}

}  // namespace

// The elements whose attributes matter, by name (looked up by first letter:
// asked for every tag of every page).
MarkupFactsGatherer::Kind MarkupFactsGatherer::kindOf(std::string_view n) {
  auto is = [&](std::string_view name, Kind k) {
    return n.size() == name.size() && equalsIgnoreCase(n, name) ? k : kOther;
  };
  if (n.empty()) return kOther;
  switch (n[0] | 0x20) {
    case 'a':
      return n.size() == 1 ? kAnchor : is("audio", kResource);
    case 'e':
      return is("embed", kResource);
    case 'f':
      return n.size() == 4 ? is("form", kForm) : is("frame", kResource);
    case 'h':
      return is("html", kHtml);
    case 'i':
      return n.size() == 3 ? is("img", kImg) : is("iframe", kResource);
    case 'l':
      return is("link", kLink);
    case 'm':
      return is("meta", kMeta);
    case 's':
      return n.size() == 6 && (n[1] | 0x20) == 'c' ? is("script", kResource)
                                                   : is("source", kSource);
    case 't':
      return n.size() == 5 && (n[1] | 0x20) == 'i' ? is("title", kTitle) : is("track", kResource);
    case 'v':
      return is("video", kResource);
    default:
      return kOther;
  }
}

// ---- Visible text ----------------------------------------------------------------------

void VisibleTextHash::flush() {
  const size_t last = end_ - 1;  // kept: it may be a space that ends the text
  if (!lorem_)
    for (size_t i = 0; i + kLorem.size() <= last; ++i)
      if ((buf_[i] | 0x20) == 'l' && equalsIgnoreCase({buf_ + i, kLorem.size()}, kLorem)) {
        lorem_ = true;
        break;
      }
  hash_ = XXH3_64bits_withSeed(buf_ + begin_, last - begin_, hash_);
  hashed_ = true;
  const size_t carry = std::min(last, kCarry);
  std::memmove(buf_, buf_ + last - carry, carry + 1);
  begin_ = carry;
  end_ = carry + 1;
}

void VisibleTextHash::add(std::string_view run) {
  // As put(), with the place and the last byte's kind in locals (the buffer's
  // bytes could alias the members otherwise), a stretch at a time that cannot
  // overrun the buffer (each byte adds at most one).
  const char* p = run.data();
  const char* const stop = p + run.size();
  while (p < stop) {
    size_t end = end_;
    bool lastWasSpace = lastWasSpace_;
    const char* const until = p + std::min<size_t>(stop - p, sizeof buf_ - end);
    auto step = [&](char c) {
      const bool space = isWhite(c);
      buf_[end] = space ? ' ' : c;
      end += !(space & lastWasSpace);
      lastWasSpace = space;
    };
    while (p < until) {
#if defined(__SSE2__)
      // Prose: sixteen bytes whose white space is single spaces after a word
      // are copied as they stand.
      if (until - p >= 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const auto spaces =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8(' '))));
        const __m128i other = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('\t')),
                                                        _mm_cmpeq_epi8(v, _mm_set1_epi8('\n'))),
                                           _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('\r')),
                                                        _mm_cmpeq_epi8(v, _mm_set1_epi8('\f'))));
        if (_mm_movemask_epi8(other) == 0 &&
            (spaces & ((spaces << 1) | (lastWasSpace ? 1u : 0u))) == 0) {
          _mm_storeu_si128(reinterpret_cast<__m128i*>(buf_ + end), v);
          end += 16;
          p += 16;
          lastWasSpace = (spaces >> 15) & 1;
          continue;
        }
        for (const char* const block = p + 16; p < block; ++p) step(*p);
        continue;
      }
#endif
      step(*p++);
    }
    end_ = end;
    lastWasSpace_ = lastWasSpace;
    if (end_ == sizeof buf_) flush();
  }
}

uint64_t VisibleTextHash::value() {
  if (end_ > begin_ && buf_[end_ - 1] == ' ') --end_;  // no word after it
  if (end_ == begin_ && !hashed_) return 0;
  if (end_ > begin_) {
    buf_[end_++] = ' ';  // flush() keeps the last byte back
    flush();
  }
  return hash_ ? hash_ : 1;  // 0 means no words
}

// ---- Gatherer --------------------------------------------------------------------------

void MarkupFactsGatherer::addSpot(MarkupFacts::SpotKind kind, std::string what, ZelParser& p,
                                  size_t offset) {
  MarkupSpot spot{std::move(what), p.lineNumberAt(offset)};
  if (!bodyPass_) {
    headSpots_.push_back(PendingSpot{offset, kind, std::move(spot)});
    return;
  }
  keepSpot(kind, std::move(spot));
}

void MarkupFactsGatherer::keepSpot(MarkupFacts::SpotKind kind, MarkupSpot spot) {
  if (!facts_.spots) facts_.spots = std::make_unique<MarkupFacts::Spots>();
  facts_.spots->add(kind, std::move(spot));
}

void MarkupFactsGatherer::tagOpenedSlowly(ZelParser& p, const TagEvent& t) {
  const std::string_view n = t.name;
  if (keepMain_ && bodyPass_) {
    if (!mainText_.empty() && mainText_.back() != ' ') mainText_ += ' ';
    for (std::string_view aside : {"nav", "header", "footer", "aside"})
      if (equalsIgnoreCase(n, aside)) {
        if (!t.closing)
          ++outsideMain_;
        else if (outsideMain_ > 0)
          --outsideMain_;
      }
  }
  if (const int level = headingLevel(n)) {
    if (!bodyPass_) return;
    if (t.closing) return endHeading(p);
    endHeading(p);
    headingLevel_ = level;
    headingHasText_ = false;
    headingStart_ = t.start;
    return;
  }
  const Kind kind = kindOf(n);
  if (kind == kTitle) {
    if (!bodyPass_ && !t.closing) ++facts_.titleTags;
    if (bodyPass_) inTitle_ = !t.closing;
    return;
  }
  if (t.closing) {
    if (kind == kAnchor && bodyPass_) endAnchor(p);
    return;
  }
  if (kind == kAnchor && bodyPass_) endAnchor(p);  // an anchor opened inside another ends it
  if (kind == kOther) return;
  tag_ = Open();
  tag_.kind = kind;
  tag_.headPass = !bodyPass_;
  tag_.start = t.start;
}

void MarkupFactsGatherer::attribute(ZelParser&, const TagEvent&, std::string_view name, bool,
                                    std::string_view value, char, ValueEnd end, size_t, bool) {
  // Read here so that a page without structured data is not searched for it again.
  // Asked of every attribute: the length and first letter rule out most names
  // before they are compared.
  auto is = [&](std::string_view n) {
    return name.size() == n.size() && (name[0] | 0x20) == n[0] && equalsIgnoreCase(name, n);
  };
  if (!structuredMarks_ && (name.size() == 9 || name.size() == 6 || name.size() == 4))
    structuredMarks_ = is("itemscope") || is("typeof") ||
                       (is("type") && findIgnoreCase(value, "ld+json") != std::string_view::npos);
  if (tag_.kind == kOther || end == ValueEnd::End) return;
  auto take = [&](std::string_view& into, Field room) {
    if (value.find('&') == std::string_view::npos) {
      into = value;
    } else {
      decoded_[room] = unescapeEntities(value);
      into = decoded_[room];
    }
  };
  switch (tag_.kind) {
    case kHtml:
      if (is("lang")) {
        take(tag_.lang, kLang);
        tag_.hasLang = true;
      }
      break;
    case kMeta:
      if (is("name"))
        take(tag_.name, kName);
      else if (is("content"))
        take(tag_.content, kContent);
      break;
    case kLink:
      if (is("rel"))
        take(tag_.rel, kRel);
      else if (is("href"))
        take(tag_.href, kHref);
      break;
    case kImg:
      if (is("width"))
        tag_.width = true;
      else if (is("height"))
        tag_.height = true;
      else if (is("alt")) {
        take(tag_.alt, kAlt);
        tag_.hasAlt = true;
      }
      [[fallthrough]];
    case kSource:
      if (is("src"))
        take(tag_.src, kSrc);
      else if (is("srcset"))
        take(tag_.srcset, kSrcset);
      break;
    case kForm:
      if (is("action")) take(tag_.action, kAction);
      break;
    case kAnchor:
      if (is("href")) {
        take(tag_.href, kHref);
        tag_.hasHref = true;
      } else if (is("aria-label") || is("title")) {
        take(tag_.label, kLabel);
      }
      break;
    case kResource:
      if (is("src")) take(tag_.src, kSrc);
      break;
    default:
      break;
  }
}

void MarkupFactsGatherer::noteAddress(ZelParser& p, std::string_view address, bool resource,
                                      const char* what) {
  const std::string_view a = trimmed(address);
  if (a.size() > 2 && a[0] == '/' && a[1] == '/') {
    addSpot(MarkupFacts::ProtocolRelative, std::string(a), p, tag_.start);
  } else if (resource && a.size() > 5 && equalsIgnoreCase(a.substr(0, 5), "http:")) {
    addSpot(MarkupFacts::InsecureResource, std::string(what) + " " + std::string(a), p, tag_.start);
  }
}

void MarkupFactsGatherer::tagClosed(ZelParser& p, const TagEvent& t, std::string_view, bool) {
  if (tag_.kind == kOther || t.closing || t.inStyle) return;
  if (tag_.headPass) {
    closeHead(p);
  } else {
    closeBodyTag(p);
  }
  tag_.kind = kOther;
}

// Tags of the head pass. For a page without a body tag the head pass reads the
// whole page and the body pass reads the part after the head again: what comes
// from that part is kept until the head pass ends, and dropped there.
void MarkupFactsGatherer::closeHead(ZelParser& p) {
  switch (tag_.kind) {
    case kHtml:
      if (tag_.hasLang && !facts_.lang) facts_.lang = std::string(trimmed(tag_.lang));
      break;
    case kMeta:
      if (equalsIgnoreCase(trimmed(tag_.name), "description"))
        ++facts_.descriptionTags;
      else if (equalsIgnoreCase(trimmed(tag_.name), "viewport"))
        facts_.hasViewport = true;
      else if (isRobotsName(trimmed(tag_.name))) {
        if (!facts_.robots.empty()) facts_.robots += ',';
        facts_.robots += asciiLower(trimmed(tag_.content));
      }
      break;
    case kLink:
      if (hasWord(tag_.rel, "canonical"))
        headCanonicals_.push_back(PendingCanonical{tag_.start, std::string(trimmed(tag_.href))});
      noteAddress(p, tag_.href, hasWord(tag_.rel, "stylesheet"), "stylesheet");
      break;
    case kResource:
      noteAddress(p, tag_.src, true, "resource");
      break;
    default:
      break;
  }
}

void MarkupFactsGatherer::closeBodyTag(ZelParser& p) {
  switch (tag_.kind) {
    case kHtml:
      if (tag_.hasLang && !facts_.lang) facts_.lang = std::string(trimmed(tag_.lang));
      break;
    case kMeta:
      if (equalsIgnoreCase(trimmed(tag_.name), "viewport")) facts_.hasViewport = true;
      if (isRobotsName(trimmed(tag_.name))) {
        if (!facts_.robots.empty()) facts_.robots += ',';
        facts_.robots += asciiLower(trimmed(tag_.content));
        if (headMetasInBody_) facts_.robotsInBody = true;
      }
      break;
    case kLink:
      if (hasWord(tag_.rel, "canonical")) facts_.canonicals.emplace_back(trimmed(tag_.href));
      noteAddress(p, tag_.href, hasWord(tag_.rel, "stylesheet"), "stylesheet");
      break;
    case kImg:
    case kSource: {
      const char* what = tag_.kind == kImg ? "image" : "source";
      if (tag_.kind == kImg && (!tag_.width || !tag_.height))
        addSpot(MarkupFacts::ImageWithoutSize, std::string(trimmed(tag_.src)), p, tag_.start);
      if (!tag_.src.empty()) noteAddress(p, tag_.src, true, what);
      if (!tag_.srcset.empty())
        for (const std::string& u : splitSrcsFromSrcset(tag_.srcset).urls)
          noteAddress(p, u, true, "srcset");
      if (tag_.kind == kImg && hasText(tag_.alt)) {
        if (anchorOpen_) anchorHasText_ = true;
        if (headingLevel_) headingHasText_ = true;
      }
      break;
    }
    case kForm: {
      const std::string_view a = trimmed(tag_.action);
      if (a.size() > 5 && equalsIgnoreCase(a.substr(0, 5), "http:"))
        addSpot(MarkupFacts::InsecureForm, std::string(a), p, tag_.start);
      else
        noteAddress(p, a, false, "form");
      break;
    }
    case kAnchor:
      if (!tag_.hasHref) break;  // a named anchor, not a link
      noteAddress(p, tag_.href, false, "link");
      anchorOpen_ = true;
      anchorHasText_ = hasText(tag_.label);
      anchorHref_ = trimmed(tag_.href);
      if (anchorHref_.data() >= decoded_[kHref].data() &&
          anchorHref_.data() < decoded_[kHref].data() + decoded_[kHref].size()) {
        anchorHrefDecoded_.assign(anchorHref_);  // its room is the next anchor's
        anchorHref_ = anchorHrefDecoded_;
      }
      anchorStart_ = tag_.start;
      break;
    case kResource:
      noteAddress(p, tag_.src, true, "resource");
      break;
    default:
      break;
  }
}

void MarkupFactsGatherer::text(ZelParser&, std::string_view run, size_t, bool headPass) {
  if (headPass || inTitle_) return;
  hash_.add(run);
  if (keepMain_ && outsideMain_ == 0) mainText_.append(run);
  if ((anchorOpen_ && !anchorHasText_) || (headingLevel_ && !headingHasText_)) {
    const bool words = hasText(run);
    if (anchorOpen_ && words) anchorHasText_ = true;
    if (headingLevel_ && words) headingHasText_ = true;
  }
}

std::string MarkupFactsGatherer::mainTextOf(std::string_view gathered) {
  // Line breaks in the source are layout, not the end of a sentence.
  if (gathered.find('&') == std::string_view::npos) return collapsedWhitespace(gathered);
  return collapsedWhitespace(unescapeEntities(gathered));
}

void MarkupFactsGatherer::endAnchor(ZelParser& p) {
  if (!anchorOpen_) return;
  anchorOpen_ = false;
  if (!anchorHasText_) addSpot(MarkupFacts::EmptyLink, std::string(anchorHref_), p, anchorStart_);
}

void MarkupFactsGatherer::endHeading(ZelParser& p) {
  if (!headingLevel_) return;
  const int level = headingLevel_;
  headingLevel_ = 0;
  if (!headingHasText_) addSpot(MarkupFacts::EmptyHeading, strf("h%d", level), p, headingStart_);
  if (lastHeadingLevel_ && level > lastHeadingLevel_ + 1)
    addSpot(MarkupFacts::SkippedHeadingLevel, strf("h%d after h%d", level, lastHeadingLevel_), p,
            headingStart_);
  lastHeadingLevel_ = level;
}

void MarkupFactsGatherer::headPassEnded(ZelParser&, size_t bodyStart, bool bodyTagSeen) {
  bodyPass_ = true;
  headMetasInBody_ = bodyTagSeen || bodyStart > 0;
  const auto kept = [&](size_t start) { return bodyTagSeen || start < bodyStart; };
  for (PendingCanonical& c : headCanonicals_)
    if (kept(c.start)) facts_.canonicals.push_back(std::move(c.href));
  headCanonicals_.clear();
  // Spots of head tags that the body pass reads again are dropped here.
  for (PendingSpot& h : headSpots_)
    if (kept(h.start)) keepSpot(h.kind, std::move(h.spot));
  headSpots_.clear();
}

void MarkupFactsGatherer::scanEnded(ZelParser& p, bool, bool) {
  endAnchor(p);
  endHeading(p);
  std::vector<std::string>& c = facts_.canonicals;
  const bool absolute = !c.empty() && (startsWithIgnoreCase(c[0], "http://") ||
                                       startsWithIgnoreCase(c[0], "https://"));
  if (absolute && std::all_of(c.begin(), c.end(), [&](const std::string& x) { return x == c[0]; }))
    c = std::vector<std::string>();
  facts_.textHash = hash_.value();
  facts_.loremIpsum = hash_.sawLoremIpsum();
}

}  // namespace zel
