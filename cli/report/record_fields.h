#pragma once
// The columns a record export can hold: every name of the record's field
// access, and those the host answers itself from its table of host fields,
// which is consulted first: "bad", "internal", "mimetype", "warnings" and the
// site audit's "indexable", "indexability", "issues", "issuecount" and the content
// analyses' "pagerank", "pagerankpercentile", "uniqueinlinks", "nearduplicateof",
// "nearduplicatesimilarity", "nearduplicates", "readability", "fleschreadingease",
// "wordspersentence"; and a column per search ("search:NAME", its matches) and
// per extraction ("extract:NAME", its first value).
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"

namespace zel {
class ZelUrl;
}
namespace zel::audit {
class SiteAudit;
}

namespace zel::cli {

struct HostField {
  std::string_view name;
  // How a JSON export writes it: a text, a boolean from "YES"/"NO", a list of words.
  enum class Json { Text, Boolean, Number, Words } json;
  bool fromAudit;  // empty without an audit
  std::optional<std::string> (*text)(const ZelUrl&, const audit::SiteAudit*);
};
std::span<const HostField> hostFields();
// "JSON-LD microdata RDFa", as far as a page's structured data has them.
std::string structuredFormatNames(uint8_t formats);

const std::vector<std::string>& exportFieldNames();
// The CSV columns when --fields is not given.
const std::vector<std::string>& defaultCsvFields();
// Each name must be an export field; the error lists the valid ones.
Status checkExportFields(const std::vector<std::string>& names);
// The column text; nullopt only where a field is absent rather than empty. The
// audit fields read `audit` (empty texts without one).
std::optional<std::string> exportFieldText(const ZelUrl& record, std::string_view name,
                                           const audit::SiteAudit* audit = nullptr);

inline constexpr std::string_view kSearchColumn = "search:", kExtractColumn = "extract:";
std::string contentColumnText(const ZelUrl& record, std::string_view column,
                              const audit::SiteAudit* audit);

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
