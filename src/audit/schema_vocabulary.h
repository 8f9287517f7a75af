#pragma once
// The schema.org vocabulary: its types (classes, enumerations and data
// types), their supertypes, the properties each type has and the types each
// property's values may have. The tables are generated from the vendored
// typings by scripts/derive-schema-vocabulary; everything here is read-only
// and safe to use from any thread.
#include <cstdint>
#include <span>
#include <string_view>

namespace zel::audit {

enum class SchemaTypeKind : uint8_t { Class, Enumeration, DataType };

// Types and properties are numbered; -1 is "not in the vocabulary".
int schemaTypeCount();
int schemaPropertyCount();

// The type of a short name ("Product"); a schema.org address
// ("https://schema.org/Product", http or https) is read as its short name.
int schemaType(std::string_view name);
std::string_view schemaTypeName(int type);
SchemaTypeKind schemaTypeKind(int type);
std::span<const uint16_t> schemaSupertypes(int type);  // the direct ones

// Whether type is base or one of its subtypes, at any depth.
bool isSchemaSubtype(int type, int base);
bool isSchemaSubtype(std::string_view type, std::string_view base);

int schemaProperty(std::string_view name);
std::string_view schemaPropertyName(int property);
// The types a property's values may have (data types included).
std::span<const uint16_t> schemaPropertyRange(int property);

// Whether a type has a property, its own or inherited from a supertype.
bool schemaTypeHasProperty(int type, int property);
bool schemaTypeHasProperty(std::string_view type, std::string_view property);

// Enumeration members ("InStock"), also as their schema.org address.
bool isSchemaEnumerationMember(std::string_view value);
// Whether value is a member of enumeration or of one of its subtypes.
bool isSchemaMemberOf(std::string_view value, int enumeration);
// Whether the vocabulary lists any member of enumeration or its subtypes (some
// enumerations' members belong to another vocabulary).
bool schemaEnumerationHasMembers(int enumeration);

// A schema.org address's short name ("https://schema.org/InStock" is
// "InStock"); any other text is returned as it is, trimmed.
std::string_view schemaShortName(std::string_view name);

}  // namespace zel::audit
