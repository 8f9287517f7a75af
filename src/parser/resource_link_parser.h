#pragma once
// Parsers of the resources that are not HTML pages: stylesheets (url(...)
// references), scripts (quoted image file names) and PDF documents (web link
// annotations). Each finds all its links at construction and hands them out
// one per getNextHref call; they have no page facts, warnings or line numbers.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "parser/link_source.h"

namespace zel {

class Log;

class ResourceLinkParser : public LinkSource {
 public:
  // The next link, or nullopt after the last.
  std::optional<std::string> getNextHref() override;
  int64_t getLength() const override { return l_; }
  const std::vector<std::string>& links() const { return linkCollection_; }

 protected:
  std::vector<std::string> linkCollection_;
  size_t posInLinkArray_ = 0;
  int64_t l_ = 0;
};

// url(...) references of a stylesheet, comments removed.
class ZelCSSParser : public ResourceLinkParser {
 public:
  // nullptr when there is no data ("CSS data is invalid" at verbosity 1).
  static std::unique_ptr<ZelCSSParser> initWithData(std::string_view data, Log* log);
  std::string getLinkText() const override { return "[url in css]"; }
};

// Quoted image file names in a script, block comments removed.
class ZelJSParser : public ResourceLinkParser {
 public:
  static std::unique_ptr<ZelJSParser> initWithData(std::string_view data, Log* log);
  std::string getLinkText() const override { return "[url in js]"; }
};

// The web links of a PDF document with the text under each.
class ZelPDFParser : public ResourceLinkParser {
 public:
  static std::unique_ptr<ZelPDFParser> initWithData(std::string_view data, Log* log);
  std::string getLinkText() const override;

 private:
  std::vector<std::string> linkTextCollection_;
};

// The text of a stylesheet or script (UTF-8, else ISO 8859-1) with its block
// comments cut; an unclosed "/*" is left in place.
std::string decodeAndRemoveBlockComments(std::string_view data);

}  // namespace zel
