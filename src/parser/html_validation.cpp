// The structure checks of a scan: counters and flags kept as the tags go by,
// raising the validation warnings (stored only with htmlValidationEnabled).
#include <algorithm>

#include "parser/html_scanner.h"
#include "parser/page_facts_collector.h"
#include "parser/zel_parser.h"
#include "platform/log.h"
#include "platform/text_format.h"

namespace zel {

using namespace scan;

void PageFactsCollector::warnAt(const char* format, size_t offset) {
  p_.addWarning(strf(format, p_.lineNumberAt(offset), static_cast<int>(offset + 1)));
}

void PageFactsCollector::warnAt(const char* format, int level, size_t offset) {
  p_.addWarning(strf(format, level, p_.lineNumberAt(offset), static_cast<int>(offset + 1)));
}

void PageFactsCollector::checkHeadTag(const TagEvent& t, std::string_view raw, bool endedByGt) {
  if (t.closing) return;
  // "<" ws* "!" ws* "doctype", then white space or '>'.
  size_t i = 1;
  while (i < raw.size() && is(raw[i], kWs)) ++i;
  if (i >= raw.size() || raw[i] != '!') return;
  ++i;
  while (i < raw.size() && is(raw[i], kWs)) ++i;
  if (!istarts(raw.substr(i), "doctype")) return;
  i += 7;
  const bool ended = i < raw.size() ? is(raw[i], kWs) : endedByGt;
  if (!ended) return;
  if (doctypeSeen_) p_.addWarning("The page contains more than one doctype declaration.");
  doctypeSeen_ = true;
}

void PageFactsCollector::checkBodyTag(Kind kind, bool ended, const TagEvent& t) {
  const size_t at = t.nameEnd;  // the byte that completes an "(ended)" name
  if (!t.closing) {
    switch (kind) {
      case kP:
        if (!ended) break;
        if (headingLevel_ > 0)
          warnAt("The page has p within h%i at line %i/%i. Heading tags can only contain inline "
                 "content.",
                 headingLevel_, at);
        ++paragraphs_;
        break;
      case kDiv:
        if (ended) ++divs_;
        break;
      case kSpan:
        if (ended) spanOpen_ = true;
        break;
      case kForm:
        if (!is(t.terminator, kWs)) break;
        if (forms_ > 0) {
          warnAt("Form element can't be nested at line %i/%i.", at);
          p_.addWarnings(pendingNesting_);
          pendingNesting_.clear();
        }
        ++forms_;
        divsAtForm_ = divs_;
        break;
      case kHeading:
        if (seoOn_ && paragraphs_ > 0 && !headingInParagraphWarned_) {
          headingInParagraphWarned_ = true;
          // Known at its digit.
          warnAt("The page has h%i within p, or a p tag has been left unclosed at line %i/%i.",
                 headingLevelOf(t.name), t.nameEnd - t.name.size() + 1);
        }
        break;
      case kBody:
        if (bodySeen_) p_.addWarning("The page contains more than one body tag.");
        bodySeen_ = true;
        break;
      default:
        break;
    }
    return;
  }
  switch (kind) {
    case kP:
      if (!ended) break;
      if (--paragraphs_ < 0) {
        warnAt("The page has an extra closing p at line %i/%i.", at);
        paragraphs_ = 0;
      } else if (spanOpen_) {
        warnAt("The page has a closing p with an open <span> at line %i/%i.", at);
        spanOpen_ = false;
      }
      break;
    case kDiv:
      if (!ended) break;
      if (--divs_ < 0) {
        warnAt("The page has an extra closing div at line %i/%i.", at);
        divs_ = 0;
      }
      break;
    case kSpan:
      if (ended) spanOpen_ = false;
      break;
    case kForm:
      if (!ended) break;
      if (divs_ != divsAtForm_)
        pendingNesting_.push_back(strf("Badly nested <form> and <div> at line %i/%i.",
                                       p_.lineNumberAt(at), static_cast<int>(at + 1)));
      --forms_;
      break;
    case kBody:
      if (closingBodySeen_) p_.addWarning("The page contains more than one closing body tag.");
      closingBodySeen_ = true;
      break;
    case kHtml:
      if (!ended) break;
      if (closingHtmlSeen_) p_.addWarning("The page contains more than one closing html tag.");
      closingHtmlSeen_ = true;
      break;
    default:
      break;
  }
}

void PageFactsCollector::checkValue(const TagEvent& t, std::string_view name, bool wordInitial,
                                    std::string_view value, char quote, ValueEnd end,
                                    size_t endOffset, bool linkValue) {
  if (linkValue && !quote) {
    const size_t start = endOffset - value.size();
    for (size_t i = value.find('='); i != std::string_view::npos; i = value.find('=', i + 1))
      warnAt("the page contains an = in an unquoted value at line %i/%i.", start + i);
  }
  if (quote && end == ValueEnd::Gt && wordInitial && !t.closing && ieq(t.name, "a") &&
      is(t.terminator, kWs) && ieq(name, "href")) {
    std::string href = p_.unescapedStringFromBuffer(cappedValue(value, kUrlValueCap, p_.useEncoding_));
    href = std::string(trimChars(href, "'\" "));
    p_.addWarning(strf("the link href '%s' is missing an end quote or has mismatched quotes at "
                       "line %i/%i.",
                       href.c_str(), p_.lineNumberAt(endOffset), static_cast<int>(endOffset + 1)));
  }
}

void PageFactsCollector::checkEvent(ScanEvent e, const ScanEventInfo& info) {
  if (e == ScanEvent::SecondCanonical) {
    if (p_.log_) p_.log_->write(1, "** warning, two canonicals!");
    if (validate_) p_.addWarning("The page has more than one canonical meta tag");
    return;
  }
  if (!validate_) return;
  switch (e) {
    case ScanEvent::NestedLink:
      if (info.entryLine)
        p_.addWarning(strf("The page has an unterminated or nested link. Link tag is on or close "
                           "to line number %i",
                           info.entryLine));
      break;
    case ScanEvent::ExtraClosingA:
      warnAt("The page has an extra closing a at line %i/%i.", info.offset);
      break;
    case ScanEvent::BlockInInline: {
      if (!info.anchorOpen && !spanOpen_) break;
      std::string where;
      if (info.anchorOpen && info.entryLine)
        where = strf("Link tag is on or close to line number %i.", info.entryLine);
      else if (!info.anchorOpen)
        where = strf("Line number %i.", p_.lineNumberAt(info.offset));
      p_.addWarning(strf("The page has %s<%s> (block level) within %s (inline). %s",
                         info.anchorOpen ? "an unterminated link or " : "",
                         std::string(info.name).c_str(), spanOpen_ ? "a <span>" : "a link",
                         where.c_str()));
      break;
    }
    case ScanEvent::ImageEnded: {
      const LinkEntry& entry = p_.currentEntry();
      if (entry.urls.empty() || !entry.lineNumber) break;
      if (entry.altText) {
        std::string alt = replaceAll(*entry.altText, "[alt]:", "");
        if (!trimWhitespace(alt).empty()) break;
      }
      const std::string& url =
          info.anchorOpen && entry.urls.size() > 1 ? entry.urls[1] : entry.urls[0];
      p_.addWarning(strf("The page has an image without alt text at line %i/%i. Image url is %s",
                         *entry.lineNumber, static_cast<int>(info.offset + 1),
                         url.empty() ? "empty" : url.c_str()));
      break;
    }
    default:
      break;
  }
}

void PageFactsCollector::checkEnd(bool inScript, bool inComment) {
  if (inScript)
    p_.addWarning("The page has an unclosed script tag. This may mask part or all of the page.");
  if (inComment)
    p_.addWarning(
        "The page has an unclosed html comment tag. This may mask part or all of the page.");
  if (divs_ == 1)
    p_.addWarning("The page has an unclosed div tag.");
  else if (divs_ > 1)
    p_.addWarning("The page has more than one unclosed div tag.");
  if (paragraphs_ == 1)
    p_.addWarning("The page has an unclosed p tag.  Closing p tags are necessary in xhtml, not "
                  "always strictly necessary in html but good practice.");
  else if (paragraphs_ > 1)
    p_.addWarning("The page has more than one unclosed p tag. Closing p tags are necessary in "
                  "xhtml, not always strictly necessary in html but good practice.");
  if (forms_ < 0)
    p_.addWarning("The page has an extra closing form tag.");
  else if (forms_ == 0)
    p_.addWarnings(pendingNesting_);
  else
    p_.addWarning("The page has an unclosed form tag.");
  pendingNesting_.clear();
  if (!doctypeSeen_) p_.addWarning("The page doesn't start with a !doctype declaration.");
  if (!htmlSeen_) p_.addWarning("The page doesn't contain an opening html tag.");
  if (!bodySeen_) p_.addWarning("The page doesn't contain an opening body tag.");
  const char* suffix = inComment  ? "This may be because of the comment tag left open."
                       : inScript ? "This may be because of the script tag left open."
                                  : "";
  if (!closingBodySeen_)
    p_.addWarning(strf("The page doesn't contain a closing body tag. %s", suffix));
  if (!closingHtmlSeen_)
    p_.addWarning(strf("The page doesn't contain a closing html tag. %s", suffix));
}

}  // namespace zel
