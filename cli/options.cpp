#include "options.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>

#include "content_session.h"
#include "platform/settings_vocabulary.h"
#include "platform/text_format.h"
#include "report/record_fields.h"

namespace zel::cli {

namespace {

enum class Topic { Crawl, Check, Requests, Output, Saved, Settings, Window, General, Hidden };

struct TopicInfo {
  Topic topic;
  const char* heading;
};
constexpr TopicInfo kTopics[] = {
    {Topic::Crawl, "what to crawl"},
    {Topic::Check, "what to check"},
    {Topic::Requests, "requests"},
    {Topic::Output, "output (FILE may be - for standard output, except for --sitemap, --db)"},
    {Topic::Saved, "saved crawls (recheck, continue)"},
    {Topic::Settings, "settings"},
    {Topic::Window, "window (serve)"},
    {Topic::General, "general"},
};

class Parser;
using Apply = std::function<Status(Parser&, const std::vector<std::string>& values)>;

struct OptionSpec {
  const char* name;
  const char* shortName;  // nullptr when none
  const char* args;       // the values it takes, space separated; "" for a flag
  Topic topic;
  const char* help;
  const char* settings;   // the settings it stands for; "" for the program's own
  Apply apply;
  // Its value names a file or folder: left out of the window's form (a web
  // page never names a path for the program to read or write).
  bool namesPath = false;
};

class Parser {
 public:
  explicit Parser(Options& out) : out(out) {}
  Options& out;
  int headers = 0;

  // A later value of the same setting replaces an earlier one.
  void set(const std::string& key, Json value) {
    for (auto& [k, v] : out.settings)
      if (k == key) {
        v = std::move(value);
        return;
      }
    out.settings.emplace_back(key, std::move(value));
  }
  // Repeated list options add to their list.
  void append(const std::string& key, const std::string& term) {
    for (auto& [k, v] : out.settings)
      if (k == key && v.is_array()) {
        v.push_back(term);
        return;
      }
    set(key, Json::array({term}));
  }
};

Status needNumber(const std::string& flag, const std::string& value, bool integer, Json& out) {
  Json v = parseSettingValue(value);
  if (integer ? !v.is_number_integer() : !v.is_number())
    return Status::Error(flag + " needs " + (integer ? "a whole number" : "a number") +
                         ", not \"" + value + "\"");
  if (v.get<double>() < 0) return Status::Error(flag + " cannot be negative");
  out = v;
  return Status::Ok();
}

// "50MB", "500k", "1.5G" or a plain number of bytes.
std::optional<int64_t> parseByteSize(const std::string& text) {
  char* end = nullptr;
  const double n = std::strtod(text.c_str(), &end);
  if (end == text.c_str() || !std::isfinite(n) || n < 0) return std::nullopt;
  const std::string unit = asciiLower(trimWhitespace(end));
  double scale = 1;
  if (unit == "k" || unit == "kb") scale = 1 << 10;
  else if (unit == "m" || unit == "mb") scale = 1 << 20;
  else if (unit == "g" || unit == "gb") scale = 1 << 30;
  else if (!unit.empty() && unit != "b") return std::nullopt;
  return static_cast<int64_t>(n * scale);
}

// Option actions shared by many rows of the table.
Apply flag(std::vector<std::pair<const char*, bool>> settings) {
  return [settings](Parser& p, const std::vector<std::string>&) {
    for (const auto& [key, on] : settings) p.set(key, on);
    return Status::Ok();
  };
}
Apply listTerm(const char* key) {
  return [key](Parser& p, const std::vector<std::string>& v) {
    if (v[0].empty()) return Status::Error(std::string("an empty term would match every address"));
    p.append(key, v[0]);
    return Status::Ok();
  };
}
// A number option; values below `least` (or, with `aboveLeast`, equal to it)
// are a usage error naming the option.
Apply number(const char* flagName, const char* key, bool integer, double least = 0,
             bool aboveLeast = false) {
  return [=](Parser& p, const std::vector<std::string>& v) {
    Json n;
    if (Status s = needNumber(flagName, v[0], integer, n); !s.ok()) return s;
    const double value = n.get<double>();
    if (value < least || (aboveLeast && value == least))
      return Status::Error(std::string(flagName) + " must be " + (aboveLeast ? "above " : "at least ") +
                           strf("%g", least) + ", not " + v[0]);
    p.set(key, integer ? n : Json(value));
    return Status::Ok();
  };
}
// A repeatable NAME=VALUE of the content analyses, checked as it is given.
Apply contentItem(const char* flagName, const char* key) {
  return [=](Parser& p, const std::vector<std::string>& v) {
    size_t given = 0;
    for (const auto& [k, value] : p.out.settings)
      if (k == key && value.is_array()) given = value.size();
    if (given == ContentSession::kMostItems)
      return Status::Error(std::string("at most ") + std::to_string(ContentSession::kMostItems) +
                           " " + flagName + " options can be given");
    if (Status s = ContentSession::checkItem(flagName, v[0]); !s.ok()) return s;
    p.append(key, v[0]);
    return Status::Ok();
  };
}
Apply text(const char* key) {
  return [key](Parser& p, const std::vector<std::string>& v) {
    p.set(key, v[0]);
    return Status::Ok();
  };
}
Apply exportTo(std::optional<std::string> ExportPaths::*member) {
  return [member](Parser& p, const std::vector<std::string>& v) {
    p.out.exports.*member = v[0];
    return Status::Ok();
  };
}

Status setFromText(Parser& p, const std::string& v) {
  const size_t eq = v.find('=');
  if (eq == std::string::npos || eq == 0)
    return Status::Error("--set needs KEY=VALUE, not \"" + v + "\"");
  const std::string key = v.substr(0, eq);
  if (Status s = checkSettingName(key); !s.ok()) return s;
  Json parsed = parseSettingValue(v.substr(eq + 1));
  // The setting's own type where the text allows it ("1" for a boolean).
  if (auto type = settingTypeOf(key)) {
    if (*type == SettingType::String && !parsed.is_string()) parsed = v.substr(eq + 1);
    if (*type == SettingType::Bool && parsed.is_number_integer() && (parsed == 0 || parsed == 1))
      parsed = parsed == 1;
    if (*type == SettingType::Double && parsed.is_number_integer()) parsed = parsed.get<double>();
    if (*type == SettingType::StringArray && parsed.is_string()) parsed = Json::array({parsed});
    if (Status s = checkSettingValue(key, parsed); !s.ok())
      return Status::Error("--set " + key + ": " + s.message());
  }
  p.set(key, parsed);
  return Status::Ok();
}

Status addHeader(Parser& p, const std::string& v) {
  const size_t colon = v.find(':');
  const std::string name(colon == std::string::npos ? "" : trimWhitespace(v.substr(0, colon)));
  if (name.empty() || name.find_first_of(" \t\r\n") != std::string::npos)
    return Status::Error("--header needs \"Name: value\", not \"" + v + "\"");
  if (p.headers == 3) return Status::Error("at most 3 --header options can be given");
  ++p.headers;
  p.set(strf("customHeaderKey%d", p.headers), name);
  p.set(strf("customHeaderValue%d", p.headers), std::string(trimWhitespace(v.substr(colon + 1))));
  return Status::Ok();
}

const std::vector<OptionSpec>& optionTable() {
  using V = const std::vector<std::string>&;
  static const std::vector<OptionSpec> kTable = {
      // what to crawl
      {"--exclude", nullptr, "TERM", Topic::Crawl,
       "leave out links whose address contains TERM (* is a wildcard)", "ignoreArray",
       listTerm("ignoreArray")},
      {"--no-follow", nullptr, "TERM", Topic::Crawl,
       "check pages whose address contains TERM but not the links on them",
       "followBlacklistArray", listTerm("followBlacklistArray")},
      {"--only-follow", nullptr, "TERM", Topic::Crawl,
       "read links only on pages whose address contains TERM", "followWhitelistArray",
       listTerm("followWhitelistArray")},
      {"--no-check", nullptr, "TERM", Topic::Crawl,
       "list links whose address contains TERM without checking them", "checkBlacklistArray",
       listTerm("checkBlacklistArray")},
      {"--depth", nullptr, "N", Topic::Crawl,
       "check links up to N clicks from the start page",
       "levelsLimit", number("--depth", "levelsLimit", true)},
      {"--max-urls", nullptr, "N", Topic::Crawl, "stop collecting new links at N URLs",
       "linksLimit", number("--max-urls", "linksLimit", true)},
      {"--internal-only", nullptr, "", Topic::Crawl, "check only links within the site",
       "internalOnly", flag({{"internalOnly", true}})},
      {"--subdomains", nullptr, "", Topic::Crawl, "count subdomains of the site as the site",
       "followSubdomains", flag({{"followSubdomains", true}})},
      {"--no-robots", nullptr, "", Topic::Crawl, "ignore robots.txt",
       "observeRobotsTxt, blacklistByRobotsTxt",
       flag({{"observeRobotsTxt", false}, {"blacklistByRobotsTxt", false}})},
      {"--over-http", nullptr, "", Topic::Crawl,
       "crawl a local folder as its web server would serve it: over http from 127.0.0.1, so "
       "links from the site's root resolve",
       "",
       [](Parser& p, V) {
         p.out.overHttp = true;
         return Status::Ok();
       }},
      {"--max-time", nullptr, "SECONDS", Topic::Crawl,
       "stop the crawl after SECONDS and report what was found", "",
       [](Parser& p, V v) {
         Json n;
         if (Status s = needNumber("--max-time", v[0], false, n); !s.ok()) return s;
         p.out.maxTime = n.get<double>();
         return Status::Ok();
       }},
      // what to check
      {"--no-images", nullptr, "", Topic::Check, "do not check images (nor list them in sitemaps)",
       "checkImages, includeimagesinsitemap",
       flag({{"checkImages", false}, {"includeimagesinsitemap", false}})},
      {"--css", nullptr, "", Topic::Check, "check the links inside stylesheets", "shouldParseCSS",
       flag({{"shouldParseCSS", true}})},
      {"--js", nullptr, "", Topic::Check,
       "check the image links in scripts (a bare .js address is still checked with HEAD)",
       "shouldLoadJS", flag({{"shouldLoadJS", true}})},
      {"--pdf", nullptr, "", Topic::Check, "check the links inside PDF documents",
       "shouldParsePDFs", flag({{"shouldParsePDFs", true}})},
      {"--render", nullptr, "", Topic::Check,
       "read each page as a browser shows it, after its scripts have run (needs Chromium)",
       "runJS", flag({{"runJS", true}})},
      {"--render-wait", nullptr, "SECONDS", Topic::Check,
       "with --render, let scripts run this long after a page has loaded", "jsRenderingTime",
       number("--render-wait", "jsRenderingTime", false)},
      {"--accessibility", nullptr, "", Topic::Check,
       "with --render (which it turns on), check each page against the WCAG 2.0/2.1 A and AA "
       "rules a machine can test",
       "runJS, renderAccessibility", flag({{"runJS", true}, {"renderAccessibility", true}})},
      {"--page-speed", nullptr, "", Topic::Check,
       "with --render (which it turns on), lab page-speed figures of each page: first and "
       "largest paint, layout shift, blocking time, requests",
       "runJS, renderPageSpeed", flag({{"runJS", true}, {"renderPageSpeed", true}})},
      {"--page-speed-sample", nullptr, "N", Topic::Check,
       "measure page speed on the start page and every Nth rendered page after it (implies "
       "--page-speed)",
       "pageSpeedSample, runJS, renderPageSpeed",
       [](Parser& p, V v) {
         if (Status s = number("--page-speed-sample", "pageSpeedSample", true, 1)(p, v); !s.ok())
           return s;
         p.set("runJS", true);
         p.set("renderPageSpeed", true);
         return Status::Ok();
       }},
      {"--script-changes", nullptr, "", Topic::Check,
       "with --render (which it turns on), compare each page as served with the page as "
       "rendered; count script errors and failed requests",
       "runJS, renderScriptChanges", flag({{"runJS", true}, {"renderScriptChanges", true}})},
      {"--fragments", nullptr, "", Topic::Check,
       "keep #fragments, so links to anchors are checked", "dontTrimHash",
       flag({{"dontTrimHash", true}})},
      {"--spelling", nullptr, "", Topic::Check, "check the spelling of each page",
       "checkSpelling", flag({{"checkSpelling", true}})},
      {"--grammar", nullptr, "", Topic::Check, "check the grammar of each page", "checkGrammar",
       flag({{"checkGrammar", true}})},
      {"--no-audit", nullptr, "", Topic::Check,
       "no site audit: no issues or indexability in the outputs", "auditEnabled",
       flag({{"auditEnabled", false}})},
      {"--search", nullptr, "NAME=TEXT", Topic::Check,
       "count TEXT (ignoring case) in every page's source; a column NAME (repeatable, 50)",
       "contentSearches", contentItem("--search", "contentSearches")},
      {"--search-regex", nullptr, "NAME=PATTERN", Topic::Check,
       "count the matches of a regular expression in every page (repeatable, 50)",
       "contentSearchRegexes", contentItem("--search-regex", "contentSearchRegexes")},
      {"--search-in", nullptr, "source|text", Topic::Check,
       "what the searches read: the page's source (default) or its visible text",
       "contentSearchInText",
       [](Parser& p, V v) {
         if (v[0] != "source" && v[0] != "text")
           return Status::Error("--search-in takes source or text, not \"" + v[0] + "\"");
         p.set("contentSearchInText", v[0] == "text");
         return Status::Ok();
       }},
      {"--search-missing", nullptr, "NAME", Topic::Check,
       "the finding of search NAME is a page without a match", "contentSearchMissing",
       listTerm("contentSearchMissing")},
      {"--extract", nullptr, "NAME=EXPR", Topic::Check,
       "a column NAME from every page: xpath:EXPR, css:SELECTOR or regex:PATTERN (repeatable, 50)",
       "contentExtractions", contentItem("--extract", "contentExtractions")},
      {"--no-content-analysis", nullptr, "", Topic::Check,
       "no link score, near duplicates, readability or structured data",
       "contentAnalysisEnabled",
       flag({{"contentAnalysisEnabled", false}})},
      {"--near-duplicate-threshold", nullptr, "P", Topic::Check,
       "pages at least P percent alike are near duplicates (default 90)", "nearDuplicateThreshold",
       number("--near-duplicate-threshold", "nearDuplicateThreshold", true, 1)},
      {"--audit-sitemaps", nullptr, "", Topic::Check,
       "after the crawl, check the site's sitemaps (robots.txt, /sitemap.xml) against it",
       "auditSitemaps", flag({{"auditSitemaps", true}})},
      {"--sitemap-url", nullptr, "URL", Topic::Check,
       "a sitemap for the audit to check as well (repeatable; implies --audit-sitemaps)",
       "auditSitemapUrls, auditSitemaps",
       [](Parser& p, V v) {
         if (v[0].empty()) return Status::Error(std::string("--sitemap-url needs an address"));
         p.append("auditSitemapUrls", v[0]);
         p.set("auditSitemaps", true);
         return Status::Ok();
       }},
      // requests
      {"--threads", nullptr, "N", Topic::Requests, "requests in flight at once (default 8)",
       "numberOfThreads", number("--threads", "numberOfThreads", true, 1)},
      {"--per-host", nullptr, "N", Topic::Requests, "at most N requests in flight to one host",
       "maxRequestsPerHost", number("--per-host", "maxRequestsPerHost", true, 1)},
      {"--keep-alive", nullptr, "", Topic::Requests,
       "keep connections open and reuse them for the site's next requests", "keepAlive",
       flag({{"keepAlive", true}})},
      {"--timeout", nullptr, "SECONDS", Topic::Requests, "time-out of one request (default 30)",
       "timeout", number("--timeout", "timeout", false, 0, true)},
      {"--delay", nullptr, "SECONDS", Topic::Requests, "pause before each request", "delay",
       number("--delay", "delay", false)},
      {"--user-agent", nullptr, "TEXT", Topic::Requests, "the User-Agent header",
       "userAgentString", text("userAgentString")},
      {"--header", nullptr, "\"NAME: VALUE\"", Topic::Requests,
       "send this header with every request (up to 3)", "customHeaderKey1-3, customHeaderValue1-3",
       [](Parser& p, V v) { return addHeader(p, v[0]); }},
      {"--user", nullptr, "NAME", Topic::Requests,
       "log in as NAME when the site asks (needs --password-file)",
       "authenticationUserName, attemptAuthenticate",
       [](Parser& p, V v) {
         p.set("authenticationUserName", v[0]);
         p.set("attemptAuthenticate", true);
         return Status::Ok();
       }},
      {"--password-file", nullptr, "FILE", Topic::Requests,
       "the password for --user, from the first line of FILE", "authenticationPassword",
       [](Parser& p, V v) {
         p.out.passwordFile = v[0];
         return Status::Ok();
       }, true},
      {"--login-form", nullptr, "USER_FIELD PASSWORD_FIELD", Topic::Requests,
       "log in by posting the start page's form with these two field names",
       "authenticationUserNameFieldName, authenticationPasswordFieldName",
       [](Parser& p, V v) {
         if (v[0].empty() || v[1].empty())
           return Status::Error(std::string("--login-form needs two field names"));
         p.set("authenticationUserNameFieldName", v[0]);
         p.set("authenticationPasswordFieldName", v[1]);
         return Status::Ok();
       }},
      {"--no-cookies", nullptr, "", Topic::Requests, "neither keep nor send cookies",
       "handleCookies", flag({{"handleCookies", false}})},
      {"--max-body", nullptr, "SIZE", Topic::Requests,
       "cut bodies longer than SIZE (10MB, 500K; 0 = no limit; default 50MB)", "maxBodyBytes",
       [](Parser& p, V v) {
         auto bytes = parseByteSize(v[0]);
         if (!bytes)
           return Status::Error("--max-body needs a size such as 10MB or 500K, not \"" + v[0] + "\"");
         p.set("maxBodyBytes", *bytes);
         return Status::Ok();
       }},
      {"--recheck", nullptr, "", Topic::Requests, "check every bad link once more at the end", "",
       [](Parser& p, V) {
         p.out.recheck = true;
         return Status::Ok();
       }},
      // output
      {"--json", nullptr, "FILE", Topic::Output, "every record with every field, as JSON", "",
       exportTo(&ExportPaths::json), true},
      {"--csv", nullptr, "FILE", Topic::Output, "one row per URL (RFC 4180 CSV)", "",
       exportTo(&ExportPaths::csv), true},
      {"--fields", nullptr, "A,B,...", Topic::Output,
       "the CSV's columns by field name (an unknown name lists them)", "",
       [](Parser& p, V v) {
         p.out.exports.fields.clear();
         for (const std::string& f : split(v[0], ","))
           if (!trimWhitespace(f).empty()) p.out.exports.fields.emplace_back(trimWhitespace(f));
         if (p.out.exports.fields.empty())
           return Status::Error(std::string("--fields needs at least one field name"));
         if (Status s = checkExportFields(p.out.exports.fields); !s.ok())
           return Status::Error("--fields: " + s.message());
         return Status::Ok();
       }},
      {"--links-csv", nullptr, "FILE", Topic::Output,
       "one row per link: page, line, text, target, status", "", exportTo(&ExportPaths::linksCsv),
       true},
      {"--seo", nullptr, "FILE", Topic::Output,
       "the SEO summary with duplicates and misspelled words", "", exportTo(&ExportPaths::seo),
       true},
      {"--seo-csv", nullptr, "FILE", Topic::Output, "the SEO summary's counters as CSV", "",
       exportTo(&ExportPaths::seoCsv), true},
      {"--sitemap", nullptr, "FILE", Topic::Output, "an XML sitemap of the site's pages", "",
       exportTo(&ExportPaths::sitemap), true},
      {"--junit", nullptr, "FILE", Topic::Output,
       "JUnit XML: one test case per URL, failures for bad links", "",
       exportTo(&ExportPaths::junit), true},
      {"--db", nullptr, "FILE", Topic::Output,
       "the whole crawl as a SQLite database, written as the crawl runs ('continue' goes on "
       "after a crash)",
       "",
       exportTo(&ExportPaths::db), true},
      {"--html", nullptr, "FILE", Topic::Output,
       "a report to open in a browser: summary, bad links, redirects, SEO, every URL", "",
       exportTo(&ExportPaths::html), true},
      {"--issues", nullptr, "FILE", Topic::Output,
       "the audit's issues as CSV: one row per issue and address", "",
       exportTo(&ExportPaths::issues), true},
      {"--issues-summary", nullptr, "FILE", Topic::Output,
       "one row per audit issue type with its count (CSV)", "",
       exportTo(&ExportPaths::issuesSummary), true},
      {"--fail-on", nullptr, "LEVEL", Topic::Output,
       "exit status 1 when an audit issue of LEVEL (high, medium, low) or above was found", "",
       [](Parser& p, V v) {
         audit::Priority level;
         if (!audit::parsePriority(asciiLower(v[0]), level))
           return Status::Error("--fail-on takes high, medium or low, not \"" + v[0] + "\"");
         p.out.failOn = level;
         return Status::Ok();
       }},
      {"--from-archive", nullptr, "DIR", Topic::Output,
       "analyse: read the pages' bodies from a plain --archive copy in DIR",
       "",
       [](Parser& p, V v) {
         p.out.fromArchive = v[0];
         return Status::Ok();
       }, true},
      {"--archive", nullptr, "DIR", Topic::Output, "save a copy of every page of the site in DIR",
       "shouldArchive, archiveDirectory",
       [](Parser& p, V v) {
         p.set("shouldArchive", true);
         p.set("archiveDirectory", v[0]);
         return Status::Ok();
       }, true},
      {"--log", nullptr, "FILE", Topic::Output, "append diagnostics to FILE (stderr with -v)", "",
       [](Parser& p, V v) {
         p.out.logFile = v[0];
         return Status::Ok();
       }, true},
      {"--no-progress", nullptr, "", Topic::Output, "no progress line on stderr", "",
       [](Parser& p, V) {
         p.out.progress = false;
         return Status::Ok();
       }},
      {"--quiet", "-q", "", Topic::Output, "print nothing; the exit status tells the outcome", "",
       [](Parser& p, V) {
         p.out.quiet = true;
         return Status::Ok();
       }},
      {"--verbose", "-v", "", Topic::Output, "more diagnostics on stderr (-vv, -vvv: more still)",
       "verbosity",
       [](Parser& p, V) {
         ++p.out.verbosity;
         return Status::Ok();
       }},
      // saved crawls
      {"--all", nullptr, "", Topic::Saved, "recheck: every link, not only the bad ones", "",
       [](Parser& p, V) {
         p.out.recheckAll = true;
         return Status::Ok();
       }},
      {"--url", nullptr, "URL", Topic::Saved, "recheck: only this URL", "",
       [](Parser& p, V v) {
         p.out.recheckUrl = v[0];
         return Status::Ok();
       }},
      {"--status-only", nullptr, "", Topic::Saved,
       "recheck: refresh only the status lines, without reading the pages again", "",
       [](Parser& p, V) {
         p.out.statusOnly = true;
         return Status::Ok();
       }},
      {"--markdown", nullptr, "", Topic::General,
       "with 'checks': the table of audit issue types as Markdown", "",
       [](Parser& p, V) {
         p.out.markdown = true;
         return Status::Ok();
       }},
      // settings
      {"--settings", nullptr, "FILE", Topic::Settings,
       "settings as a JSON object (default: ./zelmora.json when present)", "",
       [](Parser& p, V v) {
         p.out.settingsFile = v[0];
         return Status::Ok();
       }, true},
      {"--no-settings-file", nullptr, "", Topic::Settings, "do not read ./zelmora.json", "",
       [](Parser& p, V) {
         p.out.noSettingsFile = true;
         return Status::Ok();
       }},
      {"--set", nullptr, "KEY=VALUE", Topic::Settings,
       "any setting by name (see 'zelmora settings'); repeatable", "",
       [](Parser& p, V v) { return setFromText(p, v[0]); }},
      {"--effective", nullptr, "", Topic::Settings,
       "with 'settings': print the settings a crawl with these options would use", "",
       [](Parser& p, V) {
         p.out.effective = true;
         return Status::Ok();
       }},
      // window
      {"--port", nullptr, "N", Topic::Window, "serve: the port on 127.0.0.1 (default: a free one)",
       "",
       [](Parser& p, V v) {
         Json n;
         if (Status s = needNumber("--port", v[0], true, n); !s.ok()) return s;
         if (n.get<int64_t>() > 65535) return Status::Error(std::string("--port goes up to 65535"));
         p.out.port = n.get<int>();
         return Status::Ok();
       }},
      {"--no-browser", nullptr, "", Topic::Window,
       "serve: print the address to open instead of opening the browser", "",
       [](Parser& p, V) {
         p.out.noBrowser = true;
         return Status::Ok();
       }},
      // general
      {"--help", "-h", "", Topic::General, "this help", "",
       [](Parser& p, V) {
         p.out.help = true;
         return Status::Ok();
       }},
      {"--version", "-V", "", Topic::General, "the version and the libraries it runs on", "",
       [](Parser& p, V) {
         p.out.version = true;
         return Status::Ok();
       }},
      {"--man", nullptr, "", Topic::Hidden, "", "",
       [](Parser& p, V) {
         p.out.man = true;
         return Status::Ok();
       }},
      {"--completion", nullptr, "SHELL", Topic::Hidden, "", "",
       [](Parser& p, V v) {
         if (v[0] != "bash") return Status::Error("--completion knows bash, not \"" + v[0] + "\"");
         p.out.completion = v[0];
         return Status::Ok();
       }},
  };
  return kTable;
}

size_t valueCount(const OptionSpec& o) {
  if (!*o.args) return 0;
  if (o.args[0] == '"') return 1;  // one quoted value
  return split(o.args, " ").size();
}

const OptionSpec* findOption(const std::string& arg) {
  for (const OptionSpec& o : optionTable())
    if (arg == o.name || (o.shortName && arg == o.shortName)) return &o;
  return nullptr;
}

std::string nearestOption(const std::string& arg) {
  const OptionSpec* best = nullptr;
  size_t bestDistance = 3;
  for (const OptionSpec& o : optionTable()) {
    if (o.topic == Topic::Hidden) continue;
    const size_t d = editDistanceIgnoringCase(arg, o.name);
    if (d < bestDistance) {
      bestDistance = d;
      best = &o;
    }
  }
  return best ? best->name : "";
}

// Words from column `indent`, broken before column `width` (a bracketed list of
// settings is kept whole where it fits).
std::string wrapped(const std::string& words, size_t indent, size_t width) {
  std::string out;
  size_t column = indent;
  size_t i = 0;
  while (i < words.size()) {
    size_t end = words.find(' ', i);
    if (words[i] == '[') end = words.find(']', i) + 1;
    if (end == std::string::npos || end == 0) end = words.size();
    const std::string word = words.substr(i, end - i);
    if (column > indent && column + 1 + word.size() > width) {
      out += "\n" + std::string(indent, ' ');
      column = indent;
    } else if (column > indent) {
      out += ' ';
      ++column;
    }
    out += word;
    column += word.size();
    i = end;
    while (i < words.size() && words[i] == ' ') ++i;
  }
  return out;
}

}  // namespace

Json parseSettingValue(const std::string& raw) {
  const std::string text(trimWhitespace(raw));
  const std::string lower = asciiLower(text);
  if (lower == "true" || lower == "yes" || lower == "on") return true;
  if (lower == "false" || lower == "no" || lower == "off") return false;
  if (!text.empty() && (text[0] == '[' || text[0] == '{' || text[0] == '"')) {
    try {
      return Json::parse(text);
    } catch (const Json::parse_error&) {
      return raw;  // not JSON after all: keep the text
    }
  }
  if (!text.empty()) {
    char* end = nullptr;
    long long i = std::strtoll(text.c_str(), &end, 10);
    if (end && *end == '\0') return i;
    double d = std::strtod(text.c_str(), &end);
    if (end && *end == '\0' && std::isfinite(d)) return d;
  }
  return raw;
}

Status checkSettingName(const std::string& key) {
  if (findSetting(key)) return Status::Ok();
  std::string message = "unknown setting \"" + key + "\"";
  const auto near = nearestSettingNames(key);
  if (!near.empty()) {
    message += " (did you mean ";
    for (size_t i = 0; i < near.size(); ++i)
      message += (i == 0 ? "" : i + 1 == near.size() ? " or " : ", ") + std::string(near[i]);
    message += "?)";
  }
  return Status::Error(message);
}

Status parseOptions(const std::vector<std::string>& args, Options& out) {
  Parser parser(out);
  for (size_t i = 0; i < args.size(); ++i) {
    std::string a = args[i];
    std::optional<std::string> inlineValue;  // --name=value
    if (startsWith(a, "--") && a.find('=') != std::string::npos && a.find('=') > 2) {
      inlineValue = a.substr(a.find('=') + 1);
      a.resize(a.find('='));
    }
    if (a.size() > 2 && a[0] == '-' && a[1] == 'v' && a.find_first_not_of('v', 1) == std::string::npos) {
      out.verbosity += static_cast<int>(a.size() - 1);
      continue;
    }
    // diff writes its JSON to standard output: --json takes no file there.
    if (out.command == "diff" && a == "--json" && !inlineValue) {
      out.diffJson = true;
      continue;
    }
    if (const OptionSpec* o = findOption(a)) {
      const size_t n = valueCount(*o);
      std::vector<std::string> values;
      if (inlineValue) {
        if (n != 1) return Status::Error(a + " takes " + (n ? "more than one value" : "no value"));
        values.push_back(*inlineValue);
      } else {
        if (i + n >= args.size())
          return Status::Error(a + " needs " + (n == 1 ? "a value" : "values") + ": " + a + " " +
                               o->args);
        values.assign(args.begin() + static_cast<long>(i) + 1,
                      args.begin() + static_cast<long>(i + n) + 1);
        i += n;
      }
      if (Status s = o->apply(parser, values); !s.ok()) return s;
      continue;
    }
    if (!a.empty() && a[0] == '-' && a != "-") {
      const std::string near = nearestOption(a);
      return Status::Error("unknown option " + a + (near.empty() ? "" : " (did you mean " + near + "?)"));
    }
    if (out.command.empty()) out.command = a;
    else if (out.command == "serve") out.databases.push_back(a);
    else if (out.target.empty()) out.target = a;
    else if (out.command == "diff" && out.target2.empty()) out.target2 = a;
    else if (out.command == "thumbnail" && out.outputFile.empty()) out.outputFile = a;
    else return Status::Error("unexpected argument \"" + a + "\"");
  }
  // A log file nobody asked to be empty: --log alone logs at the first level.
  if (out.logFile && out.verbosity == 0) out.verbosity = 1;
  if (out.help || out.version || out.man || out.completion) return Status::Ok();
  if (out.command.empty()) return Status::Error("no command given");
  static const char* const kCommands[] = {"crawl", "settings",  "recheck", "continue",
                                          "diff",  "thumbnail", "export",  "serve",
                                          "checks", "analyse"};
  if (std::find(std::begin(kCommands), std::end(kCommands), out.command) == std::end(kCommands))
    return Status::Error("unknown command \"" + out.command +
                         "\" (the commands are crawl, settings, recheck, continue, diff, "
                         "thumbnail, export, serve and checks)");
  if (out.command == "analyse" && out.target.empty())
    return Status::Error("analyse needs the crawl database: zelmora analyse FILE");
  if (out.fromArchive && out.command != "analyse")
    return Status::Error("--from-archive goes with analyse");
  if (out.command == "export" && out.target.empty())
    return Status::Error("export needs the crawl database: zelmora export FILE --csv urls.csv ...");
  if ((out.port != 0 || out.noBrowser) && out.command != "serve")
    return Status::Error("--port and --no-browser go with serve");
  if (out.command == "thumbnail" && out.outputFile.empty())
    return Status::Error("thumbnail needs a URL and a FILE");
  if (out.command == "crawl" && out.target.empty()) return Status::Error("crawl needs a TARGET");
  if ((out.command == "recheck" || out.command == "continue") && out.target.empty())
    return Status::Error(out.command + " needs the crawl database: zelmora " + out.command + " FILE");
  if (out.command == "diff" && out.target2.empty())
    return Status::Error("diff needs two crawl databases: zelmora diff OLD.db NEW.db");
  if ((out.recheckAll || out.recheckUrl || out.statusOnly) && out.command != "recheck")
    return Status::Error("--all, --url and --status-only go with recheck");
  if (out.recheckAll && out.recheckUrl) return Status::Error("--all and --url cannot go together");
  if (out.markdown && out.command != "checks") return Status::Error("--markdown goes with checks");
  if (out.overHttp && out.command != "crawl")
    return Status::Error("--over-http goes with crawl (recheck and continue serve the folder again "
                         "by themselves)");
  const auto has = [&](const char* key) {
    for (const auto& [k, v] : out.settings)
      if (k == key) return true;
    return false;
  };
  if (has("authenticationUserName") && !out.passwordFile && !out.password &&
      out.command == "crawl")
    return Status::Error("--user needs --password-file FILE (a password is never given on the command line)");
  // A saved crawl has its user already (in its settings or its start address).
  if (out.passwordFile && !has("authenticationUserName") && out.command != "recheck" &&
      out.command != "continue")
    return Status::Error("--password-file needs --user NAME");
  if (has("authenticationUserNameFieldName") && !has("authenticationUserName"))
    return Status::Error("--login-form needs --user NAME and --password-file FILE");
  if (Status s = ContentSession::checkOptions(out.settings); !s.ok()) return s;
  return Status::Ok();
}

const char* usageHint() { return "try 'zelmora crawl --help'"; }

std::string helpText() {
  std::string out =
      "usage: zelmora crawl TARGET [options]\n"
      "       zelmora recheck DB [--all | --url URL] [--status-only] [options]\n"
      "       zelmora continue DB [options]\n"
      "       zelmora diff OLD.db NEW.db [--json]\n"
      "       zelmora settings [WORD] [--effective [options]]\n"
      "       zelmora thumbnail URL FILE   (a 392x256 PNG, or TIFF for .tif/.tiff)\n"
      "       zelmora export DB [--json FILE] [--csv FILE] [--html FILE] ...\n"
      "       zelmora serve [--port N] [--no-browser] [DB ...]   (the crawl in a browser window)\n"
      "       zelmora checks [--markdown]  (the site audit's issue types)\n"
      "       zelmora --version | --help\n"
      "\n"
      "TARGET is a URL, a local folder or file, an XML sitemap or a list of URLs (.txt, .csv).\n"
      "Settings come from ./zelmora.json when present, then from the options; the names in\n"
      "[brackets] are the settings an option stands for ('zelmora settings' lists them all).\n"
      "DB is a crawl database written with --db: recheck checks its links again and\n"
      "writes the new statuses back, continue goes on with a stopped crawl, diff lists\n"
      "what changed between two crawls.\n";
  for (const TopicInfo& t : kTopics) {
    out += "\n" + std::string(t.heading) + ":\n";
    for (const OptionSpec& o : optionTable()) {
      if (o.topic != t.topic) continue;
      std::string left = "  ";
      if (o.shortName) left += std::string(o.shortName) + ", ";
      left += o.name;
      if (*o.args) left += " " + std::string(o.args);
      std::string line = left;
      if (line.size() < 26) line.resize(26, ' ');
      else line += "\n" + std::string(26, ' ');
      std::string words = o.help;
      if (*o.settings) words += " [" + std::string(o.settings) + "]";
      out += line + wrapped(words, 26, 100) + "\n";
    }
  }
  out += "\nexit status: 0 no bad links, 1 bad links found (or audit issues, with --fail-on),\n"
         "2 usage error, unusable or unreachable start or an export not written, 3 stopped\n"
         "before the end (--max-time, Ctrl-C, SIGTERM), 130 a second Ctrl-C;\n"
         "diff: 0 the crawls are the same, 1 they differ\n";
  return out;
}

std::string manPage() {
  auto roff = [](std::string_view s) {
    std::string r = replaceAll(s, "\\", "\\e");
    r = replaceAll(r, "-", "\\-");
    if (!r.empty() && (r[0] == '.' || r[0] == '\'')) r.insert(0, "\\&");
    return r;
  };
  std::string out =
      ".TH ZELMORA 1 \"\" \"zelmora " ZEL_VERSION "\" \"User Commands\"\n"
      ".SH NAME\nzelmora \\- check the links of a web site and audit its pages\n"
      ".SH SYNOPSIS\n.B zelmora crawl\n.I TARGET\n[\\fIoptions\\fR]\n.br\n"
      ".B zelmora recheck\n.I DB\n[\\fB\\-\\-all\\fR | \\fB\\-\\-url\\fR \\fIURL\\fR] [\\fB\\-\\-status\\-only\\fR] [\\fIoptions\\fR]\n.br\n"
      ".B zelmora continue\n.I DB\n[\\fIoptions\\fR]\n.br\n"
      ".B zelmora diff\n.I OLD.db NEW.db\n[\\fB\\-\\-json\\fR]\n.br\n"
      ".B zelmora settings\n[\\fIWORD\\fR] [\\fB\\-\\-effective\\fR [\\fIoptions\\fR]]\n.br\n"
      ".B zelmora export\n.I DB\n[\\fB\\-\\-json\\fR \\fIFILE\\fR] [\\fB\\-\\-csv\\fR \\fIFILE\\fR] ...\n.br\n"
      ".B zelmora serve\n[\\fB\\-\\-port\\fR \\fIN\\fR] [\\fB\\-\\-no\\-browser\\fR] [\\fIDB\\fR ...]\n"
      ".SH DESCRIPTION\n"
      "\\fBzelmora crawl\\fR fetches every page of a site, a bounded number at a time, and checks "
      "every link, image, stylesheet, script, frame, media file, form action and meta-tag address "
      "on it. It follows redirects, obeys robots.txt and the scope options, and records status, "
      "timings, sizes, page metadata, HTML warnings and SEO facts. The terminal report is short; "
      "the exports hold everything.\n.PP\n"
      "\\fITARGET\\fR is a URL, a local folder or file, an XML sitemap or a list of URLs "
      "(.txt, .csv).\n.PP\n"
      "\\fBzelmora recheck\\fR, \\fBcontinue\\fR and \\fBdiff\\fR open a crawl database written with "
      "\\fB\\-\\-db\\fR again: recheck checks its bad links (or every link, or one) and writes "
      "the new statuses back, continue goes on with a crawl that was stopped, diff lists the "
      "URLs new, gone and changed between two crawls.\n.PP\n"
      "\\fBzelmora settings\\fR lists every setting with its type, default and meaning; a "
      "\\fIWORD\\fR keeps the settings whose name or meaning contains it. With \\fB\\-\\-effective\\fR "
      "it prints, as a settings file, the values a crawl with the options given would use.\n.PP\n"
      "\\fBzelmora export\\fR writes the exports of a saved crawl (the output options) without a "
      "request. \\fBzelmora serve\\fR shows crawls in a browser window: a server on 127.0.0.1 "
      "that starts, follows, rechecks and exports crawls, opened with a one-time address.\n"
      ".SH SETTINGS\nSettings are read from \\fI./zelmora.json\\fR when it exists (or the file "
      "named by \\fB\\-\\-settings\\fR), then from the options, which win. Each option below names "
      "the settings it stands for in brackets; any setting can be given with "
      "\\fB\\-\\-set\\fR \\fIKEY\\fR=\\fIVALUE\\fR. An unknown setting name is an error.\n";
  for (const TopicInfo& t : kTopics) {
    const std::string_view full = t.heading;
    const std::string heading = asciiUpper(full.substr(0, full.find(" (")));
    out += ".SH " + heading + "\n";
    for (const OptionSpec& o : optionTable()) {
      if (o.topic != t.topic) continue;
      out += ".TP\n";
      if (o.shortName) out += "\\fB" + roff(o.shortName) + "\\fR, ";
      out += "\\fB" + roff(o.name) + "\\fR";
      if (*o.args) out += " \\fI" + roff(o.args) + "\\fR";
      out += "\n" + roff(o.help);
      if (*o.settings) out += " [" + roff(o.settings) + "]";
      out += "\n";
    }
  }
  out +=
      ".SH EXIT STATUS\n0 no bad links; 1 bad links found (or, with \\fB\\-\\-fail\\-on\\fR, audit "
      "issues of that priority); 2 a usage error, a start that "
      "cannot be used or reached, or an export that cannot be written; 3 stopped before the end "
      "by \\-\\-max\\-time, Ctrl\\-C or SIGTERM (what was found is reported and saved); 130 a "
      "second Ctrl\\-C. For \\fBdiff\\fR: 0 the crawls are the same, 1 they differ.\n"
      ".SH EXAMPLES\n.nf\n"
      "zelmora crawl https://example.com/ \\-\\-exclude /logout \\-\\-depth 3 \\-\\-csv urls.csv\n"
      "zelmora crawl ./public \\-\\-css \\-\\-js \\-\\-db crawl.db\n"
      "zelmora settings robots\n"
      ".fi\n";
  return out;
}

std::string bashCompletion() {
  std::string options, withFile, withValue;
  for (const OptionSpec& o : optionTable()) {
    if (o.topic == Topic::Hidden) continue;
    options += std::string(options.empty() ? "" : " ") + o.name;
    if (o.shortName) options += std::string(" ") + o.shortName;
    const std::string args = o.args;
    if (o.namesPath) withFile += std::string(withFile.empty() ? "" : "|") + o.name;
    else if (!args.empty()) withValue += std::string(withValue.empty() ? "" : "|") + o.name;
  }
  std::string settingNames;
  for (const SettingInfo& s : settingVocabulary())
    settingNames += (settingNames.empty() ? "" : " ") + std::string(s.name) + "=";
  return "# bash completion for zelmora\n"
         "_zelmora() {\n"
         "  local cur prev\n"
         "  cur=\"${COMP_WORDS[COMP_CWORD]}\"\n"
         "  prev=\"${COMP_WORDS[COMP_CWORD-1]}\"\n"
         "  case \"$prev\" in\n"
         "    " + withFile + ") COMPREPLY=($(compgen -f -- \"$cur\")); return ;;\n"
         "    --set) compopt -o nospace 2>/dev/null; COMPREPLY=($(compgen -W \"" + settingNames +
         "\" -- \"$cur\")); return ;;\n"
         "    " + withValue + ") return ;;\n"
         "  esac\n"
         "  if [[ $COMP_CWORD -eq 1 ]]; then\n"
         "    COMPREPLY=($(compgen -W \"crawl recheck continue diff settings thumbnail export serve checks --help --version\" -- \"$cur\")); return\n"
         "  fi\n"
         "  if [[ \"$cur\" == -* ]]; then\n"
         "    COMPREPLY=($(compgen -W \"" + options + "\" -- \"$cur\")); return\n"
         "  fi\n"
         "  COMPREPLY=($(compgen -f -- \"$cur\"))\n"
         "}\n"
         "complete -F _zelmora zelmora\n";
}

const std::vector<FormOption>& crawlFormOptions() {
  static const std::vector<FormOption> kForm = [] {
    std::vector<FormOption> form;
    for (const TopicInfo& t : kTopics) {
      if (t.topic != Topic::Crawl && t.topic != Topic::Check && t.topic != Topic::Requests)
        continue;
      for (const OptionSpec& o : optionTable())
        if (o.topic == t.topic && !o.namesPath)
          form.push_back({o.name, o.args, t.heading, o.help, o.settings, valueCount(o),
                          std::string_view(o.args) == "TERM" || o.args[0] == '"'});
    }
    return form;
  }();
  return kForm;
}

Status applyLogOptions(const Options& options, Log& log) {
  log.setStream(options.verbosity > 0 ? stderr : nullptr);
  if (options.logFile) {
    if (!log.setFile(*options.logFile))
      return Status::Error("cannot write the log file " + *options.logFile);
    log.setTimestamps(true);
  }
  return Status::Ok();
}

}  // namespace zel::cli
