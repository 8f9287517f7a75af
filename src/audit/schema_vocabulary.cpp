#include "audit/schema_vocabulary.h"

#include <algorithm>
#include <iterator>

namespace zel::audit {
namespace {

#include "audit/schema_vocabulary.inc"

constexpr int kTypes = static_cast<int>(std::size(kTypeNames));
constexpr int kProperties = static_cast<int>(std::size(kPropertyNames));
static_assert(std::size(kTypeKinds) == kTypes);
static_assert(std::size(kSupertypesStart) == kTypes + 1);
static_assert(std::size(kOwnPropertiesStart) == kTypes + 1);
static_assert(std::size(kRangesStart) == kProperties + 1);
static_assert(std::size(kMemberTypes) == std::size(kMemberNames));

// The supertype graph is a few levels deep; this only bounds a broken table.
constexpr int kMaxDepth = 32;

int indexOf(std::span<const std::string_view> sorted, std::string_view name) {
  auto it = std::lower_bound(sorted.begin(), sorted.end(), name);
  return it != sorted.end() && *it == name ? static_cast<int>(it - sorted.begin()) : -1;
}

template <typename Start>
std::span<const uint16_t> listAt(const Start& starts, std::span<const uint16_t> flat, int i) {
  return flat.subspan(starts[i], starts[i + 1] - starts[i]);
}

bool subtypeAt(int type, int base, int depth) {
  if (type == base) return true;
  if (depth >= kMaxDepth) return false;
  for (uint16_t s : schemaSupertypes(type))
    if (subtypeAt(s, base, depth + 1)) return true;
  return false;
}

bool hasPropertyAt(int type, int property, int depth) {
  auto own = listAt(kOwnPropertiesStart, kOwnProperties, type);
  if (std::binary_search(own.begin(), own.end(), static_cast<uint16_t>(property))) return true;
  if (depth >= kMaxDepth) return false;
  for (uint16_t s : schemaSupertypes(type))
    if (hasPropertyAt(s, property, depth + 1)) return true;
  return false;
}

// The members named value, as a range of indices into kMemberNames.
std::pair<int, int> membersNamed(std::string_view value) {
  auto [lo, hi] =
      std::equal_range(std::begin(kMemberNames), std::end(kMemberNames), schemaShortName(value));
  return {static_cast<int>(lo - std::begin(kMemberNames)),
          static_cast<int>(hi - std::begin(kMemberNames))};
}

}  // namespace

int schemaTypeCount() { return kTypes; }
int schemaPropertyCount() { return kProperties; }

std::string_view schemaShortName(std::string_view name) {
  constexpr std::string_view kSpace = " \t\r\n\f";
  auto first = name.find_first_not_of(kSpace);
  if (first == std::string_view::npos) return {};
  name = name.substr(first, name.find_last_not_of(kSpace) - first + 1);
  for (std::string_view prefix : {"https://schema.org/", "http://schema.org/"})
    if (name.starts_with(prefix)) return name.substr(prefix.size());
  return name;
}

int schemaType(std::string_view name) { return indexOf(kTypeNames, schemaShortName(name)); }

std::string_view schemaTypeName(int type) {
  return type >= 0 && type < kTypes ? kTypeNames[type] : std::string_view();
}

SchemaTypeKind schemaTypeKind(int type) {
  return type >= 0 && type < kTypes ? static_cast<SchemaTypeKind>(kTypeKinds[type])
                                    : SchemaTypeKind::Class;
}

std::span<const uint16_t> schemaSupertypes(int type) {
  if (type < 0 || type >= kTypes) return {};
  return listAt(kSupertypesStart, kSupertypes, type);
}

bool isSchemaSubtype(int type, int base) {
  if (type < 0 || type >= kTypes || base < 0 || base >= kTypes) return false;
  return subtypeAt(type, base, 0);
}

bool isSchemaSubtype(std::string_view type, std::string_view base) {
  return isSchemaSubtype(schemaType(type), schemaType(base));
}

int schemaProperty(std::string_view name) { return indexOf(kPropertyNames, name); }

std::string_view schemaPropertyName(int property) {
  return property >= 0 && property < kProperties ? kPropertyNames[property] : std::string_view();
}

std::span<const uint16_t> schemaPropertyRange(int property) {
  if (property < 0 || property >= kProperties) return {};
  return listAt(kRangesStart, kRanges, property);
}

bool schemaTypeHasProperty(int type, int property) {
  if (type < 0 || type >= kTypes || property < 0 || property >= kProperties) return false;
  return hasPropertyAt(type, property, 0);
}

bool schemaTypeHasProperty(std::string_view type, std::string_view property) {
  return schemaTypeHasProperty(schemaType(type), schemaProperty(property));
}

bool isSchemaEnumerationMember(std::string_view value) {
  auto [lo, hi] = membersNamed(value);
  return lo < hi;
}

bool isSchemaMemberOf(std::string_view value, int enumeration) {
  auto [lo, hi] = membersNamed(value);
  for (int i = lo; i < hi; ++i)
    if (isSchemaSubtype(kMemberTypes[i], enumeration)) return true;
  return false;
}

bool schemaEnumerationHasMembers(int enumeration) {
  return std::any_of(std::begin(kMemberTypes), std::end(kMemberTypes),
                     [&](uint16_t t) { return isSchemaSubtype(t, enumeration); });
}

}  // namespace zel::audit
