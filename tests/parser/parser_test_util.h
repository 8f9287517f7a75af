#pragma once
// Helpers shared by the parser tests: fixture pages, settings and the links a
// parser offers through its iteration protocol.
#include <fstream>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "parser/zel_parser.h"
#include "platform/defaults.h"
#include "platform/log.h"

namespace zel::testing {

inline std::string fixture(const std::string& name) {
  std::ifstream in(std::string(ZEL_FIXTURES_DIR) + "/parser/" + name, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// One link as link extraction sees it.
struct Link {
  std::string url;
  std::string text;
  std::string rel;
  std::string target;
  std::string hreflang;
  std::optional<int> line;
  bool operator==(const Link& o) const {
    return url == o.url && text == o.text && rel == o.rel && target == o.target &&
           hreflang == o.hreflang && line == o.line;
  }
};

inline std::ostream& operator<<(std::ostream& os, const Link& l) {
  os << "{" << l.url << " | " << l.text;
  if (!l.rel.empty()) os << " | rel=" << l.rel;
  if (!l.target.empty()) os << " | target=" << l.target;
  if (!l.hreflang.empty()) os << " | hreflang=" << l.hreflang;
  if (l.line) os << " | line " << *l.line;
  return os << "}";
}

inline std::vector<Link> links(ZelParser& p) {
  std::vector<Link> out;
  while (auto url = p.getNextHref())
    out.push_back(Link{*url, p.getLinkText(), p.getRel(), p.getTargetAttr(), p.getHreflang(),
                       p.getLineNumber()});
  return out;
}

inline std::vector<std::string> urls(ZelParser& p) {
  std::vector<std::string> out;
  while (auto url = p.getNextHref()) out.push_back(*url);
  return out;
}

// A settings store with the given booleans switched on.
inline std::unique_ptr<MemoryDefaults> settings(const std::vector<const char*>& on = {}) {
  auto d = std::make_unique<MemoryDefaults>();
  for (const char* key : on) d->setBool(key, true);
  return d;
}

inline std::unique_ptr<ZelParser> parse(std::string_view html, const Defaults& d,
                                        bool seo = false, ScanCollector* collector = nullptr,
                                        TextEncoding enc = encoding::kUTF8) {
  return ZelParser::initWithData(html, seo, false, enc, kFileTypeHTML, true, d, nullptr,
                                 collector);
}

}  // namespace zel::testing
