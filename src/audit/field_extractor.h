#pragma once
// Pulls values out of a page by XPath 1.0 (on libxml2's HTML parser), by CSS
// selector (translated to XPath) or by regular expression (the first capture
// group, or the whole match without one). An element gives its text, white
// space collapsed; an attribute (@name at the end of an XPath, ::attr(name)
// after a selector) its value. Every match is kept, in document order.
// Made once, then used from any number of threads.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/regex.h"
#include "platform/status.h"

namespace zel::audit {

class FieldExtractor {
 public:
  // Each expression is "xpath:...", "css:..." or "regex:..."; an error names
  // the expression and what is wrong with it.
  static Status make(const std::vector<std::string>& expressions,
                     std::unique_ptr<FieldExtractor>& out);
  ~FieldExtractor();

  // The values of every expression, in the order given.
  std::vector<std::vector<std::string>> extract(std::string_view page) const;

 private:
  struct Expression {
    std::string xpath;                     // empty for a regular expression
    std::optional<std::string> attribute;  // from ::attr(name)
    std::optional<Regex> regex;
  };
  std::vector<Expression> expressions_;
  bool needsDocument_ = false;
};

}  // namespace zel::audit
