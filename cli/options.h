#pragma once
// The command line of zelmora: the command, its target and the settings given.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/defaults.h"
#include "platform/status.h"
#include "report/exports.h"

namespace zel::cli {

struct Options {
  std::string command;  // "crawl"
  std::string target;
  std::optional<std::string> settingsFile;
  // --set KEY=VALUE and the plain flags, in the order given; later ones win.
  std::vector<std::pair<std::string, Json>> settings;
  int verbosity = 0;  // -v raises it by one each time
  ExportPaths exports;
  std::optional<std::string> logFile;  // diagnostics go here instead of stderr
  bool progress = true;  // shown only when stderr is a terminal
  bool quiet = false;    // no summary, only the exit status
  bool recheck = false;  // fetch every bad link once more at the end
  bool help = false;
  bool version = false;
};

// Parses argv (without the program name). A usage error gives a message meant
// for the user.
Status parseOptions(const std::vector<std::string>& args, Options& out);

// Reads a --set value: true/false/yes/no, integers, decimals, JSON arrays and
// objects; anything else is a string.
Json parseSettingValue(const std::string& text);

const char* usageText();

}  // namespace zel::cli
