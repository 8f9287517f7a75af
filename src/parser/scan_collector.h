#pragma once
// The observer of one page scan. The link scanner reports here what page facts
// (title, meta tags, robots directives, text, headings, names) and structure
// checks (validation warnings) need, so that they are gathered by the same single
// pass as the links. Every method has an empty default; a scan without a collector
// makes no calls at all.
//
// Offsets are byte positions in the page. `ZelParser::lineNumberAt(offset)` gives
// the line of a byte as the scanner counts lines, and offset + 1 is the number of
// bytes read when that byte was reached.
#include <cstddef>
#include <string_view>

namespace zel {

class ZelParser;

// A tag whose name has been read.
struct TagEvent {
  std::string_view name;     // as written: "a", "IMG", "!doctype", "h2"
  bool closing = false;      // "</name" (white space allowed around the '/')
  bool wsBeforeName = false; // white space between '<' (or '/') and the name
  char terminator = 0;       // the byte after the name; 0 at the end of the data
  size_t start = 0;          // offset of the '<'
  size_t nameEnd = 0;        // offset of the terminator (the data's length at its end)
  bool headPass = false;
  bool inStyle = false;      // read inside a style element, where markup does not count
};

// What ended an attribute value.
enum class ValueEnd : char {
  Quote,  // its closing quote
  Space,  // a space (unquoted values only)
  Gt,     // the '>' that ends the tag
  Lt,     // a '<' that starts another tag
  End,    // the end of the data; the value was never handed over
};

// Events only the link scanner can see, because they depend on its own state.
enum class ScanEvent {
  NestedLink,       // an anchor starts while exactly one is open; `entryLine` is the open entry's line
  ExtraClosingA,    // "</a" with no anchor open; the offset is the byte after the name
  BlockInInline,    // frame, embed, iframe or form starts; `name` is the element, the
                    // offset the byte that identified it
  ImageEnded,       // the '>' of an image tag, before its entry is closed
  SecondCanonical,  // "canonical" in a later tag after a canonical URL was captured
  SrcsetHangingComma,
};

struct ScanEventInfo {
  size_t offset = 0;            // the byte that raised the event
  std::string_view name;        // the element, for BlockInInline
  bool anchorOpen = false;      // an anchor was open when it happened
  int entryLine = 0;            // line of the entry under construction, 0 when it has none
};

class ScanCollector {
 public:
  virtual ~ScanCollector() = default;

  // Whether attribute() is wanted; asked once when a scan starts. Most attributes
  // matter to no collector, and the scan skips the calls when none is wanted.
  virtual bool wantsAttributes() const { return true; }

  virtual void tagOpened(ZelParser&, const TagEvent&) {}
  // The tag ended: at its '>' (endedByGt), at a '<' that starts another tag, or at the
  // end of the data. `raw` runs from the '<' up to (not including) the end.
  virtual void tagClosed(ZelParser&, const TagEvent&, std::string_view /*raw*/,
                         bool /*endedByGt*/) {}
  // An attribute with a value. `value` holds the raw bytes (not decoded, not capped);
  // quote is '"', '\'' or 0 for an unquoted value; linkValue when the scanner took
  // the value as a link's address (an href or src it collected).
  virtual void attribute(ZelParser&, const TagEvent&, std::string_view /*name*/,
                         bool /*wordInitial*/, std::string_view /*value*/, char /*quote*/,
                         ValueEnd, size_t /*valueEndOffset*/, bool /*linkValue*/) {}
  // Bytes outside tags, scripts, style elements and comments, in the order read.
  // Stray '>' bytes are included. In the head pass the bytes are the head's.
  virtual void text(ZelParser&, std::string_view /*run*/, size_t /*start*/, bool /*headPass*/) {}
  // "<!--" at `offset`; withinComment when a comment was already open (body pass).
  virtual void commentOpened(ZelParser&, size_t /*offset*/, bool /*withinComment*/,
                             bool /*headPass*/) {}
  virtual void scanEvent(ZelParser&, ScanEvent, const ScanEventInfo&) {}
  // The head pass is over; the body pass starts at `bodyStart`.
  virtual void headPassEnded(ZelParser&, size_t /*bodyStart*/, bool /*bodyTagSeen*/) {}
  // The body pass reached the end of the data.
  virtual void scanEnded(ZelParser&, bool /*inScript*/, bool /*inComment*/) {}
};

}  // namespace zel
