#include "report/record_fields.h"

#include <algorithm>

#include "platform/text_format.h"
#include "url/zel_url.h"

namespace zel::cli {

namespace {

constexpr std::string_view kHostFields[] = {"bad", "internal", "mimetype", "warnings"};

}  // namespace

const std::vector<std::string>& exportFieldNames() {
  static const std::vector<std::string> kNames = [] {
    std::vector<std::string> v(ZelUrl::fieldNames().begin(), ZelUrl::fieldNames().end());
    v.insert(v.end(), std::begin(kHostFields), std::end(kHostFields));
    return v;
  }();
  return kNames;
}

const std::vector<std::string>& defaultCsvFields() {
  static const std::vector<std::string> kDefault = {
      "linkurl",          "status",   "bad",           "internal",
      "mimetype",         "redir",    "linkpagetitle", "onpagecount",
      "distancefromhome", "filesize", "responsetime",  "warnings"};
  return kDefault;
}

Status checkExportFields(const std::vector<std::string>& names) {
  const auto& valid = exportFieldNames();
  for (const std::string& name : names) {
    if (std::find(valid.begin(), valid.end(), asciiLower(name)) == valid.end())
      return Status::Error("unknown field \"" + name + "\"; the fields are: " + join(valid, ", "));
  }
  return Status::Ok();
}

std::optional<std::string> exportFieldText(const ZelUrl& r, std::string_view rawName) {
  const std::string name = asciiLower(rawName);
  if (name == "bad") return r.isInBadCollection() ? "YES" : "NO";
  if (name == "internal") return r.isInternal() ? "YES" : "NO";
  if (name == "mimetype") return r.getMimeType();
  if (name == "warnings") {
    const auto* w = r.getWarnings();
    return w ? join(*w, " | ") : std::string();
  }
  return r.getFieldByName(name);
}

int64_t sizeInBytes(const ZelUrl& r) {
  return r.getFileSizeInBytes() > 0 ? r.getFileSizeInBytes() : r.getFileSizeCompressedInBytes();
}

const std::vector<YesNoField>& yesNoFields() {
  static const std::vector<YesNoField> kFields = {{"nofollow", "isNofollow"},
                                                  {"keywordstuffed", "isKeywordStuffed"}};
  return kFields;
}

}  // namespace zel::cli
