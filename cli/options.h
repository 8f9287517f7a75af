#pragma once
// The command line of zelmora: the command, its target, the named options and
// the settings they stand for.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "audit/issue_type.h"
#include "platform/defaults.h"
#include "platform/log.h"
#include "platform/status.h"
#include "report/exports.h"

namespace zel::cli {

struct Options {
  // "crawl", "settings", "recheck", "continue", "diff", "thumbnail", "export", "serve" or
  // "checks"
  std::string command;
  // crawl: the start; settings: the word to filter by; thumbnail: the page; else a database
  std::string target;
  std::string target2;     // diff: the newer database
  std::string outputFile;  // thumbnail: the picture's file
  std::optional<std::string> settingsFile;  // --settings FILE
  bool noSettingsFile = false;              // --no-settings-file: not even ./zelmora.json
  // Settings from the command line, in the order given; later ones win, and a
  // repeated list option appends to its list.
  std::vector<std::pair<std::string, Json>> settings;
  std::optional<std::string> passwordFile;  // read when the crawl starts
  std::optional<std::string> password;  // typed into the window, kept in memory only
  std::optional<double> maxTime;            // crawl-wide deadline, seconds
  int verbosity = 0;  // -v raises it by one each time
  ExportPaths exports;
  std::optional<std::string> logFile;  // diagnostics go here instead of stderr
  bool progress = true;  // shown only when stderr is a terminal
  bool quiet = false;    // no summary, only the exit status
  bool recheck = false;  // fetch every bad link once more at the end
  bool overHttp = false;  // serve a folder start on 127.0.0.1 and crawl it over http
  bool effective = false;  // settings --effective
  // Saved crawls: recheck every link (--all), one URL (--url), only the status
  // lines (--status-only); diff as JSON (--json without a file).
  bool recheckAll = false;
  std::optional<std::string> recheckUrl;
  bool statusOnly = false;
  bool diffJson = false;
  // Exit status 1 when an audit issue of this priority or a higher one was found.
  std::optional<audit::Priority> failOn;
  bool markdown = false;  // checks --markdown
  std::optional<std::string> fromArchive;  // analyse --from-archive: a plain archive copy
  bool help = false;
  bool version = false;
  bool man = false;         // --man: the manual page, from the option table
  std::optional<std::string> completion;  // --completion SHELL
  // serve: the port (0: a free one), whether to open the browser, the crawl
  // databases named on the command line (the first is opened).
  int port = 0;
  bool noBrowser = false;
  std::vector<std::string> databases;
};

// An option of the window's crawl form: one of the topics what to crawl, what
// to check and requests, whose value names no file or folder.
struct FormOption {
  std::string name, args, topic, help, settings;
  size_t values = 0;        // how many values it takes
  bool repeatable = false;  // a list term or a header: it may be given again
};
const std::vector<FormOption>& crawlFormOptions();

// Parses argv (without the program name). A usage error gives a one-line
// message meant for the user.
Status parseOptions(const std::vector<std::string>& args, Options& out);

// Reads a --set value: true/false/yes/no, integers, decimals, JSON arrays and
// objects; anything else is a string.
Json parseSettingValue(const std::string& text);

// A setting name the program knows, or an error naming the nearest ones.
Status checkSettingName(const std::string& key);

// The help, grouped by topic, with the settings each option stands for.
std::string helpText();
// The line printed under a usage error.
const char* usageHint();
// The manual page (roff) and a bash completion script, both from the option table.
std::string manPage();
std::string bashCompletion();

// Diagnostics are for those who ask: -v shows them on stderr, --log keeps them.
Status applyLogOptions(const Options& options, Log& log);

}  // namespace zel::cli
