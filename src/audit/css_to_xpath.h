#pragma once
// CSS selectors as XPath 1.0, for field extraction: type, universal, class and
// id selectors, attribute tests ([a], =, ~=, ^=, $=, *=), the descendant,
// child and sibling combinators, :first-child, :nth-child(n), lists joined by
// commas and a trailing ::attr(name). Anything else is an error that names the
// part not understood.
#include <optional>
#include <string>
#include <string_view>

#include "platform/status.h"

namespace zel::audit {

struct CssTranslation {
  std::string xpath;
  std::optional<std::string> attribute;  // from ::attr(name): the value taken
};

Status cssToXpath(std::string_view selector, CssTranslation& out);

// A text as an XPath string literal (concat() when it holds both quotes).
std::string xpathLiteral(std::string_view text);

}  // namespace zel::audit
