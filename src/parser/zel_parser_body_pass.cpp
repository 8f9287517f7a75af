// The body pass: from the opening body tag to the end of the page. It makes the
// entries of anchors, areas, frames, iframes, embeds, forms, images, media
// sources, link tags, scripts, lazy-load images, meta URLs and inline styles.
#include <algorithm>
#include <cstring>

#include "parser/html_scanner.h"
#include "platform/text_format.h"

namespace zel {

using namespace scan;

namespace {

enum Kind {
  kOther,
  kAnchor,
  kArea,
  kFrame,
  kIFrame,
  kEmbed,
  kForm,
  kImg,
  kSource,
  kLink,
  kScript,
  kStyle,
  kMeta,
};

// 0 when the attribute is not a lazy-load source; 1 for a src, 2 for a srcset:
// data- followed by "src", "srcset", "original" or "orig-src" (the letters are
// taken as the recogniser takes them: 's' or "orig" + 'i'/'-' + 'n'/'s', then
// 'a'/'r', then 'l'/'c', then optionally "set").
int lazySourceKind(std::string_view name) {
  if (!istarts(name, "data-")) return 0;
  std::string_view r = name.substr(5);
  size_t i;
  if (!r.empty() && lower(r[0]) == 's') {
    i = 1;
  } else if (istarts(r, "orig") && r.size() > 5 && (lower(r[4]) == 'i' || r[4] == '-') &&
             (lower(r[5]) == 'n' || lower(r[5]) == 's')) {
    i = 6;
  } else {
    return 0;
  }
  if (r.size() < i + 2) return 0;
  char a = lower(r[i]), b = lower(r[i + 1]);
  if ((a != 'a' && a != 'r') || (b != 'l' && b != 'c')) return 0;
  std::string_view rest = r.substr(i + 2);
  if (rest.empty()) return 1;
  return ieq(rest, "set") ? 2 : 0;
}

// 0, or 1 for word-initial src=, 2 for srcset=.
int srcKind(std::string_view name, bool wordInitial) {
  if (!wordInitial) return 0;
  if (ieq(name, "src")) return 1;
  if (ieq(name, "srcset")) return 2;
  return 0;
}

bool selfClosing(const char* d, size_t gt) { return gt > 0 && d[gt - 1] == '/'; }

}  // namespace

void HtmlScanner::bodyPass(size_t from, const Tag* bodyTagSeen) {
  size_t pos = from;
  if (bodyTagSeen) pos = bodyTagAttributes(*bodyTagSeen, kOther);
  while (pos < n_) {
    if (inScript_) {
      size_t end = findScriptEnd(pos);
      if (end >= n_) break;
      inScript_ = false;
      pos = bodyTag(end);
      continue;
    }
    const void* hit = std::memchr(d_ + pos, '<', n_ - pos);
    size_t lt = hit ? static_cast<size_t>(static_cast<const char*>(hit) - d_) : n_;
    if (!inStyle_ && lt > pos) bodyText(pos, lt);
    if (!hit) break;
    if (!inStyle_ && commentStartsAt(lt))
      pos = bodyComment(lt);
    else
      pos = bodyTag(lt);
  }
  // Deliberately unlike the Part, which loses it: an anchor the page never closes
  // ("<p><a href=x>text</p>" at its end) keeps its link, as a browser keeps it.
  if (anchorOpen_) interruptAnchor();
  if (c_) c_->scanEnded(p_, inScript_, inComment_);
}

void HtmlScanner::bodyText(size_t b, size_t e) {
  if (anchorOpen_ && anchorTextLen_ < sizeof anchorText_) {
    // Stray '>' bytes are not text; runs rarely hold one.
    const size_t room = sizeof anchorText_ - anchorTextLen_;
    const size_t n = std::min(room, e - b);
    if (!std::memchr(d_ + b, '>', e - b)) {
      std::memcpy(anchorText_ + anchorTextLen_, d_ + b, n);
      anchorTextLen_ += n;
    } else {
      for (size_t i = b; i < e && anchorTextLen_ < sizeof anchorText_; ++i)
        if (d_[i] != '>') anchorText_[anchorTextLen_++] = d_[i];
    }
  }
  if (c_) c_->text(p_, view(b, e), b, false);
}

size_t HtmlScanner::bodyComment(size_t lt) {
  if (c_) c_->commentOpened(p_, lt, false, false);
  size_t closeStart, after;
  findCommentEnd(lt, closeStart, after);
  size_t inner = std::min(lt + 4, closeStart);
  if (c_) {
    for (size_t k = inner; k + 4 <= closeStart; ++k) {
      const void* hit = std::memchr(d_ + k, '<', closeStart - k);
      if (!hit) break;
      k = static_cast<const char*>(hit) - d_;
      if (commentStartsAt(k) && k + 4 <= closeStart) c_->commentOpened(p_, k, true, false);
    }
  }
  // With the aggressive search, src values count even in commented-out markup.
  if (s_.aggressiveSRCSearch) aggressiveInComment(inner, closeStart);
  if (closeStart >= n_) inComment_ = true;  // never closed: it hides the rest
  return after;
}

void HtmlScanner::aggressiveInComment(size_t pos, size_t limit) {
  while (pos < limit) {
    const void* hit = std::memchr(d_ + pos, '<', limit - pos);
    if (!hit) return;
    size_t lt = static_cast<const char*>(hit) - d_;
    Tag t = readTag(lt, limit, false);
    TagEnd e = attributes(t.after, limit, [&](const Attr& a) {
      if (int k = srcKind(a.name, a.wordInitial)) takeSrcValue(a, k == 2, kOther);
    });
    pos = e.how == ValueEnd::Gt ? e.pos + 1 : e.pos;
    if (e.how == ValueEnd::End) return;
  }
}

size_t HtmlScanner::bodyTag(size_t lt) {
  Tag t = readTag(lt, n_, false);
  const std::string_view name = t.ev.name;
  if (inStyle_) {
    // Inside a style element only its end matters.
    if (t.ev.closing && istarts(name, "style")) inStyle_ = false;
    t.ev.inStyle = inStyle_;
    if (c_) c_->tagOpened(p_, t.ev);
    TagEnd e = attributes(t.after, n_, [](const Attr&) {});
    if (c_) c_->tagClosed(p_, t.ev, view(lt, e.pos), e.how == ValueEnd::Gt);
    return e.how == ValueEnd::Gt ? e.pos + 1 : e.pos;
  }

  int kind = kOther;
  const char term = t.ev.terminator;
  const bool wsAfter = is(term, kWs);
  if (!t.ev.closing && !name.empty()) {
    // Dispatch on the first letter; most tags are none of these.
    switch (lower(name[0])) {
      case 'a':
        if (name.size() == 1) {
          if (wsAfter) kind = kAnchor;
        } else if (lower(name[1]) == 'r') {
          kind = kArea;
        }
        break;
      case 'e':
        if (istarts(name, "embed")) kind = kEmbed;
        break;
      case 'f':
        if (ieq(name, "frame")) {
          if (wsAfter) kind = kFrame;
        } else if (ieq(name, "form")) {
          if (wsAfter) kind = kForm;
        }
        break;
      case 'i':
        if (istarts(name, "iframe"))
          kind = kIFrame;
        else if (istarts(name, "img") && s_.checkImages)
          kind = kImg;
        break;
      case 'l':
        if (istarts(name, "link")) kind = kLink;
        break;
      case 'm':
        if (istarts(name, "meta")) kind = kMeta;
        break;
      case 's':
        if (istarts(name, "source")) {
          if (s_.checkImages && !t.ev.wsBeforeName) kind = kSource;
        } else if (istarts(name, "script")) {
          kind = kScript;
        } else if (istarts(name, "style")) {
          kind = kStyle;
        }
        break;
      default:
        break;
    }
  }
  if (c_) c_->tagOpened(p_, t.ev);

  switch (kind) {
    case kAnchor:
      anchorStart(lt);
      break;
    case kArea:
    case kSource:
    case kScript:
      interruptAnchor();
      break;
    case kFrame:
    case kEmbed:
    case kIFrame:
    case kForm: {
      // frame and form are known at the white space after their names, embed and
      // iframe at their last letter.
      const size_t nameAt = t.after - name.size();
      const size_t at = kind == kEmbed ? nameAt + 4 : kind == kIFrame ? nameAt + 5 : t.after;
      event(ScanEvent::BlockInInline, at,
            kind == kFrame ? "frame" : kind == kEmbed ? "embed" : kind == kIFrame ? "iframe" : "form");
      interruptAnchor();
      break;
    }
    case kMeta:
      metaPropertyUrl_ = false;
      break;
    default:
      break;
  }
  if (t.ev.closing && ieq(name, "a") && (term == '>' || wsAfter)) anchorEnd(t.after);

  return bodyTagAttributes(t, kind);
}

size_t HtmlScanner::bodyTagAttributes(const Tag& t, int kind) {
  const bool lazy = s_.checkImages && s_.lookForLazyLoadImageURLs;
  const TagEnd e = attributes(t.after, n_, [&](const Attr& a) {
    bool linkValue = false;
    const std::string_view nm = a.name;
    const bool wi = a.wordInitial;
    switch (kind) {
      case kAnchor:
        if (wi && ieq(nm, "href")) {
          // An anchor's href is also taken when a '<' cuts it short.
          if (a.end != ValueEnd::End) {
            linkValue = true;
            at(a.endPos);
            p_.addURLToCollection(decode(a.value, kUrlValueCap));
          }
        } else if (wi && ieq(nm, "rel")) {
          if (a.handed()) p_.addRelToCollection(decode(a.value, kTextValueCap));
        } else if (wi && ieq(nm, "target")) {
          if (a.handed()) p_.addTargetToCollection(decode(a.value, kTextValueCap));
        } else if (recogniserEndsWith(nm, "hreflang")) {
          if (a.handed()) p_.addHreflangToCollection(decode(a.value, kHreflangCap));
        }
        break;
      case kArea:
        if (wi && ieq(nm, "href")) {
          if (a.handed()) {
            linkValue = true;
            at(a.endPos);
            p_.addURLToCollection(decode(a.value, kUrlValueCap));
          }
        } else if (recogniserEndsWith(nm, "alt")) {
          if (a.handed()) takeAltText(a.value);
        }
        break;
      case kFrame:
      case kIFrame:
      case kEmbed:
        if (wi && ieq(nm, "src") && a.handed()) {
          linkValue = true;
          at(a.endPos);
          p_.addURLToCollection(decode(a.value, kUrlValueCap));
          if (kind == kIFrame) p_.addLinkTextToCollection("[iFrame]");
          if (kind != kEmbed) p_.underlineData();
        }
        break;
      case kForm:
        if (recogniserEndsWith(nm, "action") && a.handed()) {
          linkValue = true;
          at(a.endPos);
          p_.addFormActionToCollection(decode(a.value, kUrlValueCap));
          p_.underlineData();
        }
        break;
      case kImg:
      case kSource: {
        int k = srcKind(nm, wi);
        if (!k && lazy && wi) k = lazySourceKind(nm);
        if (k) {
          linkValue = a.handed();
          takeSrcValue(a, k == 2, kind);
        } else if (kind == kImg && recogniserEndsWith(nm, "alt")) {
          if (a.handed()) takeAltText(a.value);
        }
        break;
      }
      case kLink:
        if (!linkTagsCount_) break;
        if (wi && ieq(nm, "href")) {
          if (a.handed()) {
            linkValue = true;
            at(a.endPos);
            p_.addLinkedFileToCollection(decode(a.value, kUrlValueCap));
            p_.underlineData();  // closed when the href ends: a later rel is not its own
          }
        } else if (wi && ieq(nm, "rel")) {
          if (a.handed()) p_.addRelToCollection(decode(a.value, kTextValueCap));
        } else if (recogniserEndsWith(nm, "hreflang")) {
          if (a.handed()) p_.addHreflangToCollection(decode(a.value, kHreflangCap));
        }
        break;
      case kScript:
        if (linkTagsCount_ && wi && ieq(nm, "src") && a.handed()) {
          linkValue = true;
          at(a.endPos);
          p_.addLinkedFileToCollection(decode(a.value, kUrlValueCap));
          p_.underlineData();
        }
        break;
      case kMeta:
        if (!lazy) break;
        if (recogniserEndsWith(nm, "property")) {
          std::string_view v = a.value;
          while (!v.empty() && (v[0] == '"' || v[0] == '\'')) v.remove_prefix(1);
          if (istarts(v, "url")) metaPropertyUrl_ = true;
        } else if (metaPropertyUrl_ && recogniserEndsWith(nm, "content") && a.handed()) {
          linkValue = true;
          at(a.endPos);
          p_.addMetaTagURLoCollection(decode(a.value, kTextValueCap), "property=url");
          p_.underlineData();
        }
        break;
      default:
        break;
    }
    if (s_.checkImages && recogniserEndsWith(nm, "style")) inlineStyle(a);
    if (s_.aggressiveSRCSearch && kind != kFrame && kind != kIFrame && kind != kImg &&
        kind != kEmbed && kind != kScript && kind != kSource) {
      if (int k = srcKind(nm, wi)) {
        linkValue = a.handed();
        takeSrcValue(a, k == 2, kOther);
      }
    }
    if (attrs_) attrs_->attribute(p_, t.ev, nm, wi, a.value, a.quote, a.end, a.endPos, linkValue);
  });

  if (c_) c_->tagClosed(p_, t.ev, view(t.ev.start, e.pos), e.how == ValueEnd::Gt);
  if (e.how == ValueEnd::End) {
    if (kind == kScript) inScript_ = true;
    return n_;
  }
  if (e.how == ValueEnd::Lt) {
    // A script or style element has begun even though its tag was cut short.
    if (kind == kScript) inScript_ = true;
    if (kind == kStyle) inStyle_ = true;
    return e.pos;
  }
  switch (kind) {
    case kArea:
      p_.underlineURLsWithinArea();
      break;
    case kImg:
      event(ScanEvent::ImageEnded, e.pos);
      if (anchorOpen_)
        p_.underlineImageWithinAHrefLink();
      else
        p_.underlineData();
      break;
    case kEmbed:
    case kSource:
      p_.underlineData();
      break;
    case kLink:
      if (linkTagsCount_) p_.underlineData();
      break;
    case kScript:
      inScript_ = !selfClosing(d_, e.pos);
      break;
    case kStyle:
      inStyle_ = !selfClosing(d_, e.pos);
      break;
    default:
      break;
  }
  return e.pos + 1;
}

void HtmlScanner::takeSrcValue(const Attr& a, bool srcset, int kind) {
  if (!a.handed()) return;
  at(a.endPos);
  std::string v = decode(a.value, kUrlValueCap);
  if (srcset) {
    std::vector<std::string> urls = p_.splitSrcsFromSrcset(v);
    if (kind == kSource)
      p_.addAudioVideoToCollection(std::move(urls));
    else
      p_.addURLsToCollection(std::move(urls));
  } else if (kind == kSource) {
    p_.addAudioVideoToCollection({std::move(v)});
  } else {
    p_.addURLToCollection(std::move(v));
  }
}

void HtmlScanner::inlineStyle(const Attr& a) {
  if (!a.handed()) return;
  // Cheap test first: most style values hold no url(...).
  if (findIgnoreCase(a.value, "url(") == std::string_view::npos) return;
  auto urls = extractURLsFromInlineStyles(decode(a.value, kUrlValueCap));
  if (!urls) return;
  at(a.endPos);
  // Each URL is an entry of its own; the entry under construction waits.
  LinkEntry open = std::move(p_.current_);
  for (std::string& url : *urls) {
    p_.current_ = LinkEntry();
    p_.addURLToCollection(std::move(url));
    p_.addLinkTextToCollection("[inline style url]");
    p_.underlineData();
  }
  p_.current_ = std::move(open);
}

void HtmlScanner::anchorStart(size_t offset) {
  if (openAnchors_ == 1) {
    event(ScanEvent::NestedLink, offset);
    p_.addLinkTextToCollection(decode(std::string_view(anchorText_, anchorTextLen_), kTextValueCap));
    anchorTextLen_ = 0;
    p_.underlineData();
  }
  anchorOpen_ = true;
  ++openAnchors_;
}

void HtmlScanner::anchorEnd(size_t terminator) {
  if (--openAnchors_ < 0) {
    event(ScanEvent::ExtraClosingA, terminator);
    openAnchors_ = 0;
  }
  anchorOpen_ = false;
  p_.addLinkTextToCollection(decode(std::string_view(anchorText_, anchorTextLen_), kTextValueCap));
  anchorTextLen_ = 0;
  p_.underlineData();
}

void HtmlScanner::takeAltText(std::string_view value) {
  if (value.size() > kTextValueCap) p_.logLine(1, "alt text overflow - more than 1000 characters");
  p_.addAltTextToCollection(decode(value, kTextValueCap));
}

void HtmlScanner::interruptAnchor() {
  if (!anchorOpen_) return;
  p_.addLinkTextToCollection(decode(std::string_view(anchorText_, anchorTextLen_), kTextValueCap));
  anchorTextLen_ = 0;
  p_.underlineData();
  anchorOpen_ = false;
}

}  // namespace zel
