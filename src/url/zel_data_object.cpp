#include "url/zel_data_object.h"

#include <array>

namespace zel {

bool ZelDataObject::contains(std::string_view) const { return true; }

std::optional<std::string> ZelDataObject::getFieldByName(std::string_view) const {
  return std::string();
}

float ZelDataObject::getFieldAsNumberByName(std::string_view) const { return 0; }

bool ZelDataObject::isNumber(std::string_view name) {
  static constexpr std::array<std::string_view, 24> kNumeric = {
      "distance",          "distancefromhome",  "responsetime",      "loadtime",
      "filesize",          "filesizecompressed", "imageqty",         "imageweight",
      "totalocurrences",   "ocurrencesinarchive", "validatorwarnings", "validatorerrors",
      "linkcount",         "onpagecount",        "wordcount",        "redirectCount",
      "internal",          "titlelength",        "descriptionlength", "internallinkcount",
      "externallinkcount", "numberOfRedirectsToHere", "possibleduplicates", "h1count"};
  for (auto n : kNumeric)
    if (n == name) return true;
  return false;
}

bool ZelDataObject::isDate(std::string_view name) {
  return name == "timeStamp" || name == "timestamp";
}

}  // namespace zel
