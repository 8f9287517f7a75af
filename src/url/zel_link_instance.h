#pragma once
// One occurrence of a link on a page: it joins the page's record (parent) to
// the linked URL's record (target). Kept small: a crawl holds millions.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zel {

class ZelUrl;

class ZelLinkInstance {
 public:
  ZelLinkInstance() = default;

  ZelUrl* parent() const { return parent_; }
  ZelUrl* target() const { return target_; }
  void setParent(ZelUrl* p) { parent_ = p; }
  void setTarget(ZelUrl* t) { target_ = t; }
  void setLinkText(std::optional<std::string> text);
  bool hasLinkText() const { return hasLinkText_; }

  // Sets the rel flags found in the value (never clears one), then stores it.
  void setRel(std::string_view rel);
  // Stored only when non-empty.
  void setTargetAttr(std::string_view v);
  void setHreflang(std::string_view v);
  void setLineNumber(std::optional<int32_t> n) { lineNumber_ = n ? *n : kNoLine; }

  // Texts; "" when absent.
  std::string getLinkText() const { return linkText_; }
  const std::string& linkText() const { return linkText_; }
  std::string getRel() const;
  std::string getTargetAttr() const;
  std::string getHreflang() const;
  int32_t getLineNumber() const { return lineNumber_ == kNoLine ? 0 : lineNumber_; }
  std::optional<int32_t> lineNumber() const {
    return lineNumber_ == kNoLine ? std::nullopt : std::optional<int32_t>(lineNumber_);
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
  enum : uint16_t {
    kNf = 1, kNr = 2, kNop = 4, kAu = 8, kAlt = 16, kSp = 32, kUgc = 64, kPc = 128
  };
  static constexpr int32_t kNoLine = INT32_MIN;
  void setFlag(uint16_t f, bool v) { flags_ = v ? (flags_ | f) : (flags_ & ~f); }

  // Rarely present attributes live apart so a plain link stays small.
  struct Attrs {
    std::optional<std::string> rel, targetAttr, hreflang;
  };
  Attrs& attrs();

  ZelUrl* parent_ = nullptr;
  ZelUrl* target_ = nullptr;
  std::string linkText_;
  std::unique_ptr<Attrs> attrs_;
  int32_t lineNumber_ = kNoLine;
  uint16_t flags_ = 0;
  bool hasLinkText_ = false;
};

}  // namespace zel
