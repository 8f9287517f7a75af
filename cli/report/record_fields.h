#pragma once
// The columns a record export can hold: every name of the record's field
// access, and four the host adds ("bad", "internal", "mimetype", "warnings").
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"

namespace zel {
class ZelUrl;
}

namespace zel::cli {

const std::vector<std::string>& exportFieldNames();
// The CSV columns when --fields is not given.
const std::vector<std::string>& defaultCsvFields();
// Each name must be an export field; the error lists the valid ones.
Status checkExportFields(const std::vector<std::string>& names);
// The column text; nullopt only where a field is absent rather than empty.
std::optional<std::string> exportFieldText(const ZelUrl& record, std::string_view name);

// A record's size in bytes: its body as received, or what the server said it
// would send when the body was not read (a link checked with HEAD).
int64_t sizeInBytes(const ZelUrl& record);

// The fields whose text is "YES" or "NO" (or absent), with the name of the
// boolean the JSON gives beside each.
struct YesNoField {
  std::string_view field, booleanKey;
};
const std::vector<YesNoField>& yesNoFields();

}  // namespace zel::cli
