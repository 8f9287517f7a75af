#pragma once
// A page's markup facts as JSON, for the crawl database, and back: a saved
// crawl is audited again with the facts of pages it does not read again.
#include <optional>

#include "parser/markup_facts.h"
#include "platform/defaults.h"

namespace zel::cli {

// As the JSON library would dump the object (keys in byte order, invalid UTF-8
// replaced), made without building it: it is written for every page.
std::string markupJsonText(const MarkupFacts& facts);
// nullopt for a value that is not such an object.
std::optional<MarkupFacts> markupFromJson(const Json& json);

}  // namespace zel::cli
