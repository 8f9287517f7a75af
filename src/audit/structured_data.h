#pragma once
// Structured data: the items a page describes in JSON-LD, microdata and RDFa
// Lite, as one tree shape whatever the format, and what is wrong with them
// against the schema.org vocabulary and the rich-result rules search engines
// publish.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "parser/page_content.h"

namespace zel::audit {

struct StructuredItem;

struct StructuredValue {
  enum class Kind : uint8_t { Text, Number, Boolean, Item };
  Kind kind = Kind::Text;
  std::string text;                      // as written (Boolean: "true" or "false")
  std::unique_ptr<StructuredItem> item;  // Kind::Item only
};

struct StructuredItem {
  // schema.org types by their short name ("Product"); a type of another
  // vocabulary keeps its full address and is not validated.
  std::vector<std::string> types;
  struct Property {
    std::string name;  // short name; another vocabulary's keeps its address
    StructuredValue value;
  };
  std::vector<Property> properties;  // a repeated property appears once per value
};

enum class StructuredFormat : uint8_t { JsonLd = 1, Microdata = 2, Rdfa = 4 };

// What one page carries.
struct StructuredData {
  uint8_t formats = 0;                // StructuredFormat bits
  std::vector<StructuredItem> items;  // the top-level items in document order
  std::vector<std::string> parseErrors;
};

// Reads every application/ld+json script (arrays and @graph), every microdata
// item (itemscope, itemtype, itemprop, itemref) and every RDFa Lite resource
// (vocab, typeof, property) of a page.
StructuredData readStructuredData(std::string_view html, std::optional<bool> marks = std::nullopt);

// One problem with an item: an error (unknown type, a property the type does
// not have, a value of the wrong kind, a missing required property of a rich
// result) or a warning (a missing recommended property).
struct StructuredProblem {
  bool error = true;
  std::string text;  // for example "Product: missing required property \"name\""
};

// Checks one top-level item and every item nested in it.
void validateStructuredItem(const StructuredItem& item, std::vector<StructuredProblem>& out);

// Reads and validates a page in one go.
// `marks`: whether the page has itemscope, typeof or ld+json, when its scan told;
// unknown, the text is searched for them.
StructuredFacts structuredFactsOf(std::string_view html, std::optional<bool> marks = std::nullopt);

}  // namespace zel::audit
