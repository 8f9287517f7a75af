#include "options.h"

#include <cmath>
#include <cstdlib>

#include "platform/text_format.h"
#include "report/record_fields.h"

namespace zel::cli {

const char* usageText() {
  return "usage: zelmora crawl TARGET [options]\n"
         "       zelmora --version | --help\n"
         "\n"
         "TARGET is a URL, a local folder or file, an XML sitemap or a list of URLs (.txt, .csv).\n"
         "\n"
         "options:\n"
         "  --settings FILE       engine settings as a JSON object keyed by setting name\n"
         "  --set KEY=VALUE       one setting (repeatable); booleans, numbers, strings, JSON\n"
         "  --threads N           requests in flight (numberOfThreads)\n"
         "  --timeout SECONDS     time-out of one request (timeout)\n"
         "  --delay SECONDS       pause before each request (delay)\n"
         "  --user-agent TEXT     User-Agent header (userAgentString)\n"
         "  --recheck             check every bad link once more when the crawl ends\n"
         "  --max-body SIZE       cut bodies longer than SIZE (10MB, 500K; 0 = no limit;\n"
         "                        maxBodyBytes, default 50MB)\n"
         "  --per-host N          at most N requests in flight to one host (maxRequestsPerHost)\n"
         "\n"
         "exports (FILE may be - for standard output, except for --sitemap and --db):\n"
         "  --json FILE           every record with every field, as JSON\n"
         "  --csv FILE            one row per URL (RFC 4180 CSV)\n"
         "  --fields A,B,...      the CSV's columns by field name (an unknown name lists them)\n"
         "  --links-csv FILE      one row per link: page, line, text, target, status\n"
         "  --seo FILE            the SEO summary with duplicates and misspelled words\n"
         "  --seo-csv FILE        the SEO summary's counters as CSV\n"
         "  --sitemap FILE        an XML sitemap of the site's pages\n"
         "  --junit FILE          JUnit XML: one test case per URL, failures for bad links\n"
         "  --db FILE             the whole crawl as a SQLite database\n"
         "\n"
         "output:\n"
         "  --log FILE            append diagnostics to FILE (stderr with -v)\n"
         "  --no-progress         no progress line on stderr\n"
         "  -q, --quiet           print nothing; the exit status tells the outcome\n"
         "  -v                    more diagnostics on stderr (repeatable)\n"
         "\n"
         "exit status: 0 no bad links, 1 bad links found, 2 usage error or unusable start\n";
}

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

namespace {

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

std::optional<std::string>* exportPath(ExportPaths& e, const std::string& flag) {
  if (flag == "--json") return &e.json;
  if (flag == "--csv") return &e.csv;
  if (flag == "--links-csv") return &e.linksCsv;
  if (flag == "--seo") return &e.seo;
  if (flag == "--seo-csv") return &e.seoCsv;
  if (flag == "--sitemap") return &e.sitemap;
  if (flag == "--junit") return &e.junit;
  if (flag == "--db") return &e.db;
  return nullptr;
}

}  // namespace

Status parseOptions(const std::vector<std::string>& args, Options& out) {
  size_t i = 0;
  auto value = [&](const std::string& flag, std::string& v) -> Status {
    if (i + 1 >= args.size()) return Status::Error(flag + " needs a value");
    v = args[++i];
    return Status::Ok();
  };
  for (; i < args.size(); ++i) {
    const std::string& a = args[i];
    std::string v;
    if (a == "-h" || a == "--help") {
      out.help = true;
    } else if (a == "-V" || a == "--version") {
      out.version = true;
    } else if (a == "-v" || a == "--verbose") {
      ++out.verbosity;
    } else if (a.size() > 2 && a[0] == '-' && a[1] == 'v' && a.find_first_not_of('v', 1) == std::string::npos) {
      out.verbosity += static_cast<int>(a.size() - 1);
    } else if (a == "-q" || a == "--quiet") {
      out.quiet = true;
    } else if (a == "--recheck") {
      out.recheck = true;
    } else if (a == "--no-progress") {
      out.progress = false;
    } else if (a == "--settings") {
      if (Status s = value(a, v); !s.ok()) return s;
      out.settingsFile = v;
    } else if (a == "--set") {
      if (Status s = value(a, v); !s.ok()) return s;
      size_t eq = v.find('=');
      if (eq == std::string::npos || eq == 0)
        return Status::Error("--set needs KEY=VALUE, not \"" + v + "\"");
      std::string key = v.substr(0, eq);
      Json parsed = parseSettingValue(v.substr(eq + 1));
      // A known setting gets its own type where the text allows it ("1" for a boolean).
      if (auto type = settingTypeOf(key)) {
        if (*type == SettingType::String && !parsed.is_string()) parsed = v.substr(eq + 1);
        if (*type == SettingType::Bool && parsed.is_number_integer() &&
            (parsed == 0 || parsed == 1))
          parsed = parsed == 1;
        if (*type == SettingType::StringArray && parsed.is_string())
          parsed = Json::array({parsed});
        if (Status s = checkSettingValue(key, parsed); !s.ok())
          return Status::Error("--set " + key + ": " + s.message());
      }
      out.settings.emplace_back(key, parsed);
    } else if (a == "--threads") {
      Json n;
      if (Status s = value(a, v); !s.ok()) return s;
      if (Status s = needNumber(a, v, true, n); !s.ok()) return s;
      out.settings.emplace_back("numberOfThreads", n);
    } else if (a == "--timeout" || a == "--delay") {
      Json n;
      if (Status s = value(a, v); !s.ok()) return s;
      if (Status s = needNumber(a, v, false, n); !s.ok()) return s;
      out.settings.emplace_back(a == "--timeout" ? "timeout" : "delay", n.get<double>());
    } else if (a == "--max-body") {
      if (Status s = value(a, v); !s.ok()) return s;
      auto bytes = parseByteSize(v);
      if (!bytes) return Status::Error("--max-body needs a size such as 10MB or 500K, not \"" + v + "\"");
      out.settings.emplace_back("maxBodyBytes", *bytes);
    } else if (a == "--per-host") {
      Json n;
      if (Status s = value(a, v); !s.ok()) return s;
      if (Status s = needNumber(a, v, true, n); !s.ok()) return s;
      out.settings.emplace_back("maxRequestsPerHost", n);
    } else if (a == "--user-agent") {
      if (Status s = value(a, v); !s.ok()) return s;
      out.settings.emplace_back("userAgentString", v);
    } else if (a == "--log") {
      if (Status s = value(a, v); !s.ok()) return s;
      out.logFile = v;
    } else if (auto* path = exportPath(out.exports, a)) {
      if (Status s = value(a, v); !s.ok()) return s;
      *path = v;
    } else if (a == "--fields") {
      if (Status s = value(a, v); !s.ok()) return s;
      out.exports.fields.clear();
      for (const std::string& f : split(v, ","))
        if (!trimWhitespace(f).empty()) out.exports.fields.emplace_back(trimWhitespace(f));
      if (out.exports.fields.empty()) return Status::Error("--fields needs at least one field name");
      if (Status s = checkExportFields(out.exports.fields); !s.ok()) return Status::Error("--fields: " + s.message());
    } else if (!a.empty() && a[0] == '-' && a != "-") {
      return Status::Error("unknown option " + a);
    } else if (out.command.empty()) {
      out.command = a;
    } else if (out.target.empty()) {
      out.target = a;
    } else {
      return Status::Error("unexpected argument \"" + a + "\"");
    }
  }
  if (out.help || out.version) return Status::Ok();
  if (out.command.empty()) return Status::Error("no command given");
  if (out.command != "crawl") return Status::Error("unknown command \"" + out.command + "\"");
  if (out.target.empty()) return Status::Error("crawl needs a TARGET");
  return Status::Ok();
}

}  // namespace zel::cli
