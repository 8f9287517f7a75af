#pragma once
// The properties search engines require (an error when missing) or recommend
// (a warning when missing) for the types they show as rich results. A rule
// for a type also holds for its subtypes; where rules for a type and for one
// of its subtypes both apply, the subtype's rule replaces the other.
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace zel::audit {

struct RichResultRule {
  enum class Scope : uint8_t {
    Anywhere,  // top-level and nested items of the type
    TopLevel,  // only an item that is not the value of another's property
    Within,    // only the value of a property of an item of type `parent`
  };
  std::string_view type = {};
  Scope scope = Scope::Anywhere;
  std::string_view parent = {};  // Scope::Within only
  // Space-separated property names; "a|b|c" is a group of which one will do.
  std::string_view required = {};
  std::string_view recommended = {};
  // Properties whose text values must be plain numbers ("12.50", not "$12.50").
  std::string_view numeric = {};
};

std::span<const RichResultRule> richResultRules();

// The rules for an item of these types (schema vocabulary type numbers), the
// types of the item holding it (empty at the top level).
std::vector<const RichResultRule*> richResultRulesFor(std::span<const int> types,
                                                      std::span<const int> parentTypes,
                                                      bool topLevel);

// The words of a rule's space-separated list, and the alternatives of a group.
std::vector<std::string_view> splitRuleList(std::string_view list, char separator = ' ');

}  // namespace zel::audit
