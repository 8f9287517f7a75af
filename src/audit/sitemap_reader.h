#pragma once
// Reads one sitemap file as the site serves it: a sitemaps.org urlset (with its
// xhtml:link alternates), a sitemap index, or a plain text list of addresses;
// gzip-compressed or not. It is the audit's own reader: it keeps what the
// audit needs (alternates, sizes), and a hostile file costs at most the limits.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "audit/audit_input.h"

namespace zel::audit {

struct SitemapDocument {
  enum class Kind { UrlSet, Index, Text, Unreadable };
  Kind kind = Kind::Unreadable;
  // Pages (urlset, text) or sitemaps (index), in document order.
  std::vector<SitemapEntry> entries;
  size_t listed = 0;    // every address the file lists, kept or not
  uint64_t bytes = 0;   // size after decompression (up to the cap)
  std::string problem;  // why it is unreadable
};

// Keeps at most `maxEntries` entries (the rest are only counted); a compressed
// file is inflated up to `maxBytes`.
SitemapDocument readSitemapDocument(std::string_view data, size_t maxEntries, uint64_t maxBytes);

}  // namespace zel::audit
