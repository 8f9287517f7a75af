#include "audit/sitemap_reader.h"

#include <zlib.h>

#include "parser/entities.h"
#include "platform/text_format.h"

namespace zel::audit {

namespace {

bool isWs(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The gzip stream inflated up to `cap` bytes; false when it is not valid.
bool gunzip(std::string_view in, uint64_t cap, std::string& out) {
  z_stream z{};
  if (inflateInit2(&z, 15 + 32) != Z_OK) return false;
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
  z.avail_in = static_cast<uInt>(in.size());
  char buf[1 << 15];
  int rc = Z_OK;
  while (rc == Z_OK && out.size() < cap) {
    z.next_out = reinterpret_cast<Bytef*>(buf);
    z.avail_out = sizeof buf;
    rc = inflate(&z, Z_NO_FLUSH);
    out.append(buf, sizeof buf - z.avail_out);
    if (rc == Z_BUF_ERROR && z.avail_in == 0) break;  // cut short: keep what came
  }
  inflateEnd(&z);
  if (out.size() > cap) out.resize(cap);
  return rc == Z_OK || rc == Z_STREAM_END || rc == Z_BUF_ERROR;
}

std::string_view localName(std::string_view name) {
  const size_t colon = name.rfind(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

// One tag read from `<` on: its name, whether it closes or is empty, its
// attributes (for link elements), and where the scan goes on.
struct Tag {
  std::string_view name;
  bool closing = false;
  std::vector<std::pair<std::string_view, std::string_view>> attributes;
  size_t next = 0;
};

Tag readTag(std::string_view d, size_t lt) {
  Tag t;
  size_t i = lt + 1;
  if (i < d.size() && d[i] == '/') {
    t.closing = true;
    ++i;
  }
  const size_t nameStart = i;
  while (i < d.size() && !isWs(d[i]) && d[i] != '>' && d[i] != '/') ++i;
  t.name = d.substr(nameStart, i - nameStart);
  while (i < d.size() && d[i] != '>') {
    while (i < d.size() && (isWs(d[i]) || d[i] == '/')) ++i;
    const size_t a = i;
    while (i < d.size() && d[i] != '=' && d[i] != '>' && !isWs(d[i])) ++i;
    const std::string_view attr = d.substr(a, i - a);
    if (i < d.size() && d[i] == '=') {
      ++i;
      const char q = i < d.size() ? d[i] : 0;
      if (q == '"' || q == '\'') {
        const size_t end = d.find(q, i + 1);
        if (end == std::string_view::npos) break;
        t.attributes.emplace_back(attr, d.substr(i + 1, end - i - 1));
        i = end + 1;
      }
    } else if (attr.empty() && i < d.size() && d[i] != '>') {
      ++i;
    }
  }
  t.next = i < d.size() ? i + 1 : d.size();
  return t;
}

// The text of an element up to its closing tag, CDATA sections taken as they
// are and entities decoded; `pos` moves past it. "" when the data ends first.
std::string elementText(std::string_view d, size_t& pos) {
  std::string raw;
  while (pos < d.size()) {
    const size_t lt = d.find('<', pos);
    if (lt == std::string_view::npos) {  // cut off: the address may be too
      pos = d.size();
      return std::string();
    }
    raw.append(unescapeEntities(d.substr(pos, lt - pos)));
    if (d.compare(lt, 9, "<![CDATA[") == 0) {
      const size_t end = d.find("]]>", lt + 9);
      if (end == std::string_view::npos) {
        pos = d.size();
        return std::string();
      }
      raw.append(d.substr(lt + 9, end - lt - 9));
      pos = end + 3;
      continue;
    }
    pos = lt;  // the closing tag (or any other) ends the text
    break;
  }
  return std::string(trimWhitespace(raw));
}

void readText(std::string_view d, size_t maxEntries, SitemapDocument& doc) {
  doc.kind = SitemapDocument::Kind::Text;
  for (const std::string& line : split(d, "\n")) {
    const std::string_view address = trimWhitespace(line);
    if (!startsWithIgnoreCase(address, "http://") && !startsWithIgnoreCase(address, "https://"))
      continue;
    if (doc.listed++ < maxEntries) doc.entries.push_back(SitemapEntry{std::string(address), {}});
  }
}

void readXml(std::string_view d, size_t maxEntries, SitemapDocument& doc) {
  size_t pos = 0;
  bool inEntry = false;
  SitemapEntry entry;
  auto finish = [&] {
    if (inEntry && !entry.loc.empty() && doc.listed++ < maxEntries)
      doc.entries.push_back(std::move(entry));
    entry = SitemapEntry();
    inEntry = false;
  };
  while (pos < d.size()) {
    const size_t lt = d.find('<', pos);
    if (lt == std::string_view::npos) break;
    if (d.compare(lt, 4, "<!--") == 0) {
      const size_t end = d.find("-->", lt + 4);
      pos = end == std::string_view::npos ? d.size() : end + 3;
      continue;
    }
    if (d.compare(lt, 2, "<?") == 0 || d.compare(lt, 2, "<!") == 0) {
      const size_t end = d.find('>', lt);
      pos = end == std::string_view::npos ? d.size() : end + 1;
      continue;
    }
    Tag t = readTag(d, lt);
    pos = t.next;
    const std::string_view name = localName(t.name);
    if (doc.kind == SitemapDocument::Kind::Unreadable && !t.closing) {
      if (equalsIgnoreCase(name, "urlset"))
        doc.kind = SitemapDocument::Kind::UrlSet;
      else if (equalsIgnoreCase(name, "sitemapindex"))
        doc.kind = SitemapDocument::Kind::Index;
      else
        break;
      continue;
    }
    const bool entryTag =
        equalsIgnoreCase(name, doc.kind == SitemapDocument::Kind::Index ? "sitemap" : "url");
    if (entryTag) {
      finish();
      inEntry = !t.closing;
    } else if (inEntry && !t.closing && equalsIgnoreCase(name, "loc")) {
      entry.loc = elementText(d, pos);
    } else if (inEntry && !t.closing && equalsIgnoreCase(name, "link")) {
      std::string rel, lang, href;
      for (const auto& [a, v] : t.attributes) {
        if (equalsIgnoreCase(a, "rel"))
          rel = unescapeEntities(v);
        else if (equalsIgnoreCase(a, "hreflang"))
          lang = unescapeEntities(v);
        else if (equalsIgnoreCase(a, "href"))
          href = unescapeEntities(v);
      }
      if (containsIgnoreCase(rel, "alternate") && !lang.empty() && !href.empty())
        entry.alternates.emplace_back(std::string(trimWhitespace(lang)),
                                      std::string(trimWhitespace(href)));
    }
  }
  finish();
  if (doc.kind == SitemapDocument::Kind::Unreadable) doc.problem = "not a sitemap";
}

}  // namespace

SitemapDocument readSitemapDocument(std::string_view data, size_t maxEntries, uint64_t maxBytes) {
  SitemapDocument doc;
  std::string inflated;
  if (data.size() >= 2 && static_cast<unsigned char>(data[0]) == 0x1f &&
      static_cast<unsigned char>(data[1]) == 0x8b) {
    if (!gunzip(data, maxBytes + 1, inflated)) {
      doc.problem = "damaged gzip data";
      doc.bytes = data.size();
      return doc;
    }
    data = inflated;
  }
  doc.bytes = data.size();
  const std::string_view start = trimWhitespace(data.substr(0, 512));
  if (!start.empty() && start[0] == '<')
    readXml(data, maxEntries, doc);
  else
    readText(data, maxEntries, doc);
  return doc;
}

}  // namespace zel::audit
