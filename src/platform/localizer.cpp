#include "platform/localizer.h"

#include "platform/defaults.h"
#include "platform/file_system.h"

namespace zel {

std::string Localizer::localize(std::string_view english, std::string_view table) const {
  if (entries_.empty()) return std::string(english);
  auto it = entries_.find({std::string(table), std::string(english)});
  if (it == entries_.end() && !table.empty()) it = entries_.find({"", std::string(english)});
  if (it == entries_.end() || it->second.empty()) return std::string(english);
  return it->second;
}

bool Localizer::matches(std::string_view text, std::string_view english) const {
  return entries_.empty() ? text == english : text == localize(english);
}

void Localizer::set(std::string_view english, std::string_view translated, std::string_view table) {
  entries_[{std::string(table), std::string(english)}] = std::string(translated);
}

Status Localizer::loadTable(const std::string& path) {
  auto text = RealFileSystem().readFile(path);
  if (!text) return Status::Error("localisation table " + path + ": cannot be read");
  Json doc;
  try {
    doc = Json::parse(*text);
  } catch (const Json::parse_error& e) {
    return Status::Error("localisation table " + path + ": not valid JSON (" + e.what() + ")");
  }
  if (!doc.is_object()) return Status::Error("localisation table " + path + ": expected an object");
  for (auto it = doc.begin(); it != doc.end(); ++it) {
    if (it.value().is_string()) {
      set(it.key(), it.value().get<std::string>());
    } else if (it.value().is_object()) {
      for (auto e = it.value().begin(); e != it.value().end(); ++e)
        if (e.value().is_string()) set(e.key(), e.value().get<std::string>(), it.key());
    }
  }
  return Status::Ok();
}

}  // namespace zel
