#pragma once
// What the window's table knows of one URL, as a row source hands it over: the
// texts it shows and searches and the facts its filters and columns read. The
// lower pane asks the source for everything else.
#include <bitset>
#include <cstdint>
#include <string>

#include "audit/issue_type.h"
#include "platform/defaults.h"

namespace zel::cli::serve {

enum RowFlag : uint32_t {
  kRowBad = 1u << 0,
  kRowInternal = 1u << 1,
  kRowHtml = 1u << 2,
  kRowImage = 1u << 3,
  kRowCss = 1u << 4,
  kRowJs = 1u << 5,
  kRowPdf = 1u << 6,
  kRowPage = 1u << 7,  // one of the site's pages (the SEO collection)
  kRowInSitemap = 1u << 8,
  kRowNoindex = 1u << 9,
  kRowNofollow = 1u << 10,
  kRowDisallowed = 1u << 11,  // blocked by robots.txt
  kRowNotChecked = 1u << 12,  // the crawl's rules leave it unchecked
  kRowMetaRefresh = 1u << 13,
  kRowKeywordStuffed = 1u << 14,
  kRowCanonicalElsewhere = 1u << 15,  // a canonical naming another address
  // Worked out by the table from the texts and the crawl's thresholds.
  kRowTitleLong = 1u << 20,
  kRowDescriptionLong = 1u << 21,
  kRowDescriptionShort = 1u << 22,
  kRowThin = 1u << 23,
};

// The site audit's issue types of a row, by catalogue order.
using RowIssues = std::bitset<static_cast<size_t>(audit::Issue::kCount)>;

struct RowFacts {
  int64_t id = 0;  // the source's id of the URL
  std::string url, status, mime, title, description, h1, canonical, redirect, robots;
  int32_t depth = 0, inlinks = 0, outlinks = 0, h1Count = 0, hops = 0;
  int32_t withoutAlt = 0;  // an image: the places that show it without alt text
  int64_t sizeBytes = 0, words = 0;
  double responseSeconds = 0;
  int32_t validatorErrors = 0, validatorWarnings = 0, spelling = 0, grammar = 0;
  uint32_t flags = 0;
  RowIssues issues;
  // 0: no verdict (not a page of the site, or no audit); else the audit's
  // Indexability plus one.
  uint8_t indexability = 0;
};

// The settings the table's SEO filters read (the SEO summary's thresholds).
struct SeoThresholds {
  int64_t titleMax = 60, descriptionMin = 70, descriptionMax = 155, thinWords = 250;

  // As the SEO summary reads them (thin content is 250 words when unset).
  static SeoThresholds of(const Defaults& d) {
    SeoThresholds t;
    t.titleMax = d.integerForKey("metaTitleMax");
    t.descriptionMin = d.integerForKey("metaDescriptionMin");
    t.descriptionMax = d.integerForKey("metaDescriptionMax");
    if (d.objectForKey("maxThinContent")) t.thinWords = d.integerForKey("maxThinContent");
    return t;
  }
};

}  // namespace zel::cli::serve
