#include "platform/library_versions.h"

#include <curl/curl.h>
#include <link-grammar/link-includes.h>
#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>
#include <sqlite3.h>
#include <unicode/uversion.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "platform/pdf_reader.h"
#include "platform/spell_checker.h"
#include "platform/text_format.h"

namespace zel {
namespace {

// The first line a browser prints for --version; it runs for at most 5 s.
std::string browserVersion() {
  const char* path = std::getenv("PATH");
  for (const std::string& dir : split(path ? path : "/usr/bin", ":")) {
    for (const char* name : {"chromium-headless-shell", "chromium"}) {
      const std::filesystem::path exe = std::filesystem::path(dir) / name;
      std::error_code ec;
      if (dir.empty() || !std::filesystem::is_regular_file(exe, ec)) continue;
      const std::string command = "timeout 5 '" + exe.string() + "' --version 2>/dev/null";
      std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
      std::array<char, 256> line{};
      if (pipe && std::fgets(line.data(), line.size(), pipe.get()))
        return std::string(trimWhitespace(line.data())) + " (" + exe.string() + ")";
    }
  }
  return "not found";
}

}  // namespace

std::vector<std::pair<std::string, std::string>> libraryVersions() {
  std::vector<std::pair<std::string, std::string>> out;
  const curl_version_info_data* curl = curl_version_info(CURLVERSION_NOW);
  out.emplace_back("libcurl", std::string(curl->version) + (curl->ssl_version
                                                               ? std::string(" (") + curl->ssl_version + ")"
                                                               : ""));
  UVersionInfo icu;
  char icuText[U_MAX_VERSION_STRING_LENGTH];
  u_getVersion(icu);
  u_versionToString(icu, icuText);
  out.emplace_back("ICU", icuText);
  char pcre[64] = {};
  pcre2_config(PCRE2_CONFIG_VERSION, pcre);
  out.emplace_back("PCRE2", pcre);
  out.emplace_back("SQLite", sqlite3_libversion());
  const std::string poppler = pdfLibraryVersion();
  out.emplace_back("poppler", poppler.empty() ? "not found" : poppler);
  const std::string hunspell = hunspellLibraryName();
  out.emplace_back("hunspell", hunspell.empty() ? "not found" : hunspell);
  out.emplace_back("link-grammar", linkgrammar_get_version());
  out.emplace_back("browser", browserVersion());
  return out;
}

}  // namespace zel
