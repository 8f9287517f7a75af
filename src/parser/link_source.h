#pragma once
// What link extraction reads of any parser, HTML page or stylesheet, script or
// PDF document: the links one by one with their attributes, and the page facts
// every parser answers (a resource parser answers them empty).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zel {

class LinkSource {
 public:
  virtual ~LinkSource() = default;
  // The next link address, nullopt after the last; the getters below describe it.
  virtual std::optional<std::string> getNextHref() = 0;
  // The same into `out`, whose room a parser may reuse; false after the last.
  virtual bool nextHrefInto(std::string& out) {
    std::optional<std::string> href = getNextHref();
    if (!href) return false;
    out = std::move(*href);
    return true;
  }
  virtual std::string getLinkText() const = 0;
  virtual std::string getRel() const { return std::string(); }
  virtual std::string getTargetAttr() const { return std::string(); }
  virtual std::string getHreflang() const { return std::string(); }
  virtual std::optional<int> getLineNumber() const { return std::nullopt; }

  virtual int64_t getLength() const = 0;
  virtual int64_t getFileSize() const { return getLength(); }
  virtual const std::string& getTitle() const { return empty(); }
  virtual const std::string& getCanonical() const { return empty(); }
  virtual std::optional<std::string> getBaseHref() const { return std::nullopt; }
  virtual const std::optional<std::vector<std::string>>& getHeadings() const {
    static const std::optional<std::vector<std::string>> kNone = std::vector<std::string>();
    return kNone;
  }
  virtual int64_t getWordCount() const { return 0; }
  virtual bool getHeadContainsNofollow() const { return false; }

 private:
  static const std::string& empty() {
    static const std::string kEmpty;
    return kEmpty;
  }
};

}  // namespace zel
