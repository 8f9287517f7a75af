#include "settings_command.h"

#include <algorithm>
#include <fstream>
#include <map>

#include "platform/file_system.h"
#include "platform/settings_vocabulary.h"
#include "platform/text_format.h"

namespace zel::cli {

namespace {

constexpr const char* kLocalSettingsFile = "zelmora.json";

std::string versionedUserAgent() { return std::string("Zelmora/") + ZEL_VERSION + " (link checker)"; }

// The password is the first line of its file; it never comes from the command line.
Status readPassword(const std::string& path, std::string& password) {
  std::ifstream in(path);
  if (!in) return Status::Error("cannot read the password file " + path);
  std::getline(in, password);
  if (!password.empty() && password.back() == '\r') password.pop_back();
  if (password.empty()) return Status::Error("the password file " + path + " has an empty first line");
  return Status::Ok();
}

const char* typeWord(SettingType t) {
  switch (t) {
    case SettingType::Bool: return "boolean";
    case SettingType::Integer: return "integer";
    case SettingType::Double: return "number";
    case SettingType::String: return "text";
    case SettingType::StringArray: return "list of texts";
    case SettingType::Array: return "list";
    case SettingType::Object: return "object";
  }
  return "value";
}

std::string defaultWord(const SettingInfo& s) {
  if (s.name == "userAgentString") return '"' + versionedUserAgent() + '"';
  if (!s.defaultText.empty()) return std::string(s.defaultText);
  switch (s.type) {
    case SettingType::Bool: return "false";
    case SettingType::Integer:
    case SettingType::Double: return "0";
    case SettingType::String: return "none";
    default: return "empty";
  }
}

}  // namespace

Status readPasswordFile(const std::string& path, std::string& password) {
  return readPassword(path, password);
}

void applyHostDefaults(Defaults& d) {
  for (const SettingInfo& s : settingVocabulary()) {
    if (s.defaultText.empty() || d.objectForKey(s.name)) continue;
    d.setObject(s.name, Json::parse(s.defaultText));
  }
  if (!d.objectForKey("userAgentString")) d.setString("userAgentString", versionedUserAgent());
}

Status resolveSettings(const Options& options, MemoryDefaults& out, FILE* notices) {
  std::optional<std::string> file = options.settingsFile;
  if (!file && !options.noSettingsFile && RealFileSystem().exists(kLocalSettingsFile)) {
    file = kLocalSettingsFile;
    if (notices) std::fprintf(notices, "zelmora: reading settings from ./%s\n", kLocalSettingsFile);
  }
  if (file && !RealFileSystem().exists(*file))
    return Status::Error("settings file " + *file + " does not exist");
  const std::string text = file ? RealFileSystem().readFile(*file).value_or("") : std::string();
  if (file && trimWhitespace(text).empty()) {
    // The shell makes the file empty before `zelmora settings --effective > zelmora.json`
    // has written to it: read as no settings, not as a broken file.
    if (notices) std::fprintf(notices, "zelmora: %s is empty; no settings are read from it\n", file->c_str());
    file.reset();
  }
  if (file) {
    // Names first: a misspelt name is the likelier mistake than a wrong type.
    Json raw;
    try {
      raw = Json::parse(text);
    } catch (const Json::parse_error& e) {
      return Status::Error(*file + " is not JSON: " + e.what());
    }
    if (!raw.is_object()) return Status::Error(*file + " must hold a JSON object of settings");
    for (const auto& item : raw.items())
      if (Status s = checkSettingName(item.key()); !s.ok()) return Status::Error(*file + ": " + s.message());
    JsonFileDefaults loaded(*file);
    if (Status s = loaded.load(); !s.ok()) return s;
    for (const auto& [k, v] : loaded.all()) out.setObject(k, v);
  }
  for (const auto& [k, v] : options.settings) out.setObject(k, v);
  if (options.passwordFile) {
    std::string password;
    if (Status s = readPassword(*options.passwordFile, password); !s.ok()) return s;
    out.setString("authenticationPassword", password);
  }
  applyHostDefaults(out);
  if (options.verbosity > 0)
    out.setInteger("verbosity", out.integerForKey("verbosity") + options.verbosity);
  return Status::Ok();
}

int runSettings(const Options& options) {
  if (options.effective) {
    MemoryDefaults settings;
    if (Status s = resolveSettings(options, settings, stderr); !s.ok()) {
      std::fprintf(stderr, "zelmora: %s\n", s.message().c_str());
      return 2;
    }
    std::map<std::string, Json> sorted(settings.all().begin(), settings.all().end());
    // A settings file to save and share: the password stays in its own file.
    sorted.erase("authenticationPassword");
    Json out(sorted);
    std::printf("%s\n", out.dump(2).c_str());
    return 0;
  }
  const std::string word = asciiLower(options.target);
  size_t shown = 0;
  // Listed as a reader looks names up: ignoring case.
  std::vector<const SettingInfo*> listed;
  for (const SettingInfo& s : settingVocabulary()) listed.push_back(&s);
  std::stable_sort(listed.begin(), listed.end(), [](const SettingInfo* a, const SettingInfo* b) {
    return asciiLower(a->name) < asciiLower(b->name);
  });
  for (const SettingInfo* entry : listed) {
    const SettingInfo& s = *entry;
    if (!word.empty() && !containsIgnoreCase(s.name, word) && !containsIgnoreCase(s.meaning, word) &&
        asciiLower(s.topic) != word)
      continue;
    std::printf("%s (%s, default %s)\n    %s\n", std::string(s.name).c_str(), typeWord(s.type),
                defaultWord(s).c_str(), std::string(s.meaning).c_str());
    ++shown;
  }
  if (shown == 0) {
    std::fprintf(stderr, "zelmora: no setting mentions \"%s\"\n", options.target.c_str());
    return 1;
  }
  return 0;
}

}  // namespace zel::cli
