#pragma once
// One occurrence of a link on a page: it joins the page's record (parent) to
// the linked URL's record (target). Kept small, 16 bytes: a crawl holds
// millions. Instances live only in their hub's ZelLinkGraph, which they reach
// from their own address; the target is held as an index into it (the parent
// is the graph's to answer: a page's instances are made together), texts as
// ids of its interned texts, and the rarely present attributes (rel, target,
// hreflang, line numbers that do not fit beside the flags) in its side table.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "url/zel_link_instance_list.h"

namespace zel {

class ZelLinkGraph;
class ZelUrl;

class ZelLinkInstance {
 public:
  ZelLinkInstance(const ZelLinkInstance&) = delete;
  ZelLinkInstance& operator=(const ZelLinkInstance&) = delete;

  // Fixed when the graph makes the instance.
  ZelUrl* parent() const;
  ZelUrl* target() const;
  void setLinkText(std::optional<std::string_view> text);
  bool hasLinkText() const { return text_ != 0; }
  // The graph's number for the text, the same for equal texts (0: none), so that
  // a reader can work out what a text means once, not once a link.
  uint32_t linkTextId() const { return text_; }

  // Sets the rel flags found in the value (never clears one), then stores it.
  void setRel(std::string_view rel);
  // Stored only when non-empty.
  void setTargetAttr(std::string_view v);
  void setHreflang(std::string_view v);
  void setLineNumber(std::optional<int32_t> n);

  // Texts; "" when absent.
  std::string getLinkText() const { return linkText(); }
  const std::string& linkText() const;
  // Whether the text is one the scanner writes for what is not an anchor's text
  // ("[linked file]", "[alt]: ...", "form action", "canonical"): read without
  // fetching the text, since most links are anchors and a site has millions.
  bool textIsMarker() const { return flags_ & kMarkerText; }
  std::string getRel() const;
  std::string getTargetAttr() const;
  std::string getHreflang() const;
  int32_t getLineNumber() const { return lineNumber().value_or(0); }
  std::optional<int32_t> lineNumber() const {
    const uint32_t code = flags_ >> kLineShift;
    if (code == kNoLine) return std::nullopt;
    if (code != kLineElsewhere) return static_cast<int32_t>(code - 1);
    return storedLineNumber();
  }

  // Forwarded to the target / parent; "" or 0 without them.
  std::string getStatus() const;
  std::string getLinkUrl() const;
  std::string getRedir() const;
  std::string getTimestamp() const;
  std::string getOnPageUrl() const;
  std::string getOnPageTitle() const;
  int32_t getDistance() const;
  int32_t getRedirectCount() const;
  double getTargetsize() const;
  std::string getTargetInternal() const;

  // Left the hub's collection (it may still be in a record's list).
  bool isRemoved() const { return flags_ & kRemoved; }
  // In its target's list of inbound links; the target's number in the graph.
  bool inInboundList() const { return flags_ & kInInbound; }
  uint32_t targetIndex() const { return target_; }

  bool nf() const { return flags_ & kNf; }
  bool nr() const { return flags_ & kNr; }
  bool nop() const { return flags_ & kNop; }
  bool au() const { return flags_ & kAu; }
  bool alt() const { return flags_ & kAlt; }
  bool sp() const { return flags_ & kSp; }
  bool ugc() const { return flags_ & kUgc; }
  bool pc() const { return flags_ & kPc; }
  void setNf(bool v) { setFlag(kNf, v); }
  void setNr(bool v) { setFlag(kNr, v); }
  void setNop(bool v) { setFlag(kNop, v); }
  void setAu(bool v) { setFlag(kAu, v); }
  void setAlt(bool v) { setFlag(kAlt, v); }
  void setSp(bool v) { setFlag(kSp, v); }
  void setUgc(bool v) { setFlag(kUgc, v); }
  void setPc(bool v) { setFlag(kPc, v); }
  bool getNofollow() const { return nf(); }
  bool getSponsored() const { return sp(); }
  bool getUGC() const { return ugc(); }
  bool getNoreferrer() const { return nr(); }
  bool getNoopener() const { return nop(); }
  bool getAuthor() const { return au(); }
  bool getAlternate() const { return alt(); }
  bool getPreConnect() const { return pc(); }

  // A search over the row's texts: status, link URL, page URL, redirect, link text.
  bool contains(std::string_view term) const;

 private:
  friend class ZelLinkGraph;
  friend class ZelLinkInstanceList;
  explicit ZelLinkInstance(uint32_t target) : target_(target) {}

  enum : uint32_t {
    kNf = 1, kNr = 2, kNop = 4, kAu = 8, kAlt = 16, kSp = 32, kUgc = 64, kPc = 128,
    kHasAttrs = 1 << 8,     // has an entry in the graph's attribute table
    kRemoved = 1 << 9,      // left the hub's collection
    kInInbound = 1 << 10,   // in its target's inbound chain
    kInOutbound = 1 << 11,  // in its parent's outbound list
    kMarkerText = 1 << 12,  // see textIsMarker
  };
  // The line number shares a word with the flags: its bits above kLineShift
  // hold 0 for none, the line + 1 when it fits, else kLineElsewhere (the line
  // is then in the attribute table).
  static constexpr unsigned kLineShift = 13;
  static constexpr uint32_t kNoLine = 0, kLineElsewhere = UINT32_MAX >> kLineShift;
  void setFlag(uint32_t f, bool v) { flags_ = v ? (flags_ | f) : (flags_ & ~f); }
  int32_t storedLineNumber() const;
  // The graph this instance lives in, and its index there.
  ZelLinkGraph& graph() const;
  uint32_t index() const;

  uint32_t target_;                     // record index
  // The instance added before this one to its target's inbound chain. (A
  // page's outbound instances are made together, so its list is a run of
  // indices and needs no link; see ZelLinkGraph::appendOutbound.)
  uint32_t prevIn_ = LinkChain::kNone;
  uint32_t text_ = 0;                   // interned text id, 0 = absent
  uint32_t flags_ = 0;                  // flags and line number
};

}  // namespace zel
