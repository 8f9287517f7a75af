// An XML sitemap of the site's pages: the SEO collection's records that
// belong in a sitemap. Past 50,000 addresses or 50 MB a file, the pages go to
// numbered files and the named file becomes their sitemap index.
#include <cmath>
#include <memory>

#include "audit/site_audit.h"
#include "engine/zel_hub.h"
#include "platform/text_format.h"
#include "platform/url.h"
#include "report/output_file.h"
#include "report/text_escape.h"
#include "report/writers.h"

namespace zel::cli {

namespace {

constexpr size_t kMaxBytesPerFile = 50u * 1024 * 1024;
constexpr std::string_view kUrlsetHead =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n";
constexpr std::string_view kUrlsetTail = "</urlset>\n";

std::string priorityText(double p) {
  const double tenths = p * 10;
  return strf(std::fabs(tenths - std::round(tenths)) < 1e-9 ? "%.1f" : "%.2f", p);
}

void appendEntry(std::string& out, const ZelUrl& r) {
  out += "  <url>\n    <loc>";
  appendXmlEscaped(out, r.getActualLinkUrl());
  out += "</loc>\n";
  if (const std::string modified = r.getLastModified(); !modified.empty()) {
    out += "    <lastmod>";
    appendXmlEscaped(out, modified);
    out += "</lastmod>\n";
  }
  if (const std::string frequency = r.getChangeFrequency(); !frequency.empty()) {
    out += "    <changefreq>";
    appendXmlEscaped(out, frequency);
    out += "</changefreq>\n";
  }
  out += "    <priority>" + priorityText(r.getPriority()) + "</priority>\n  </url>\n";
}

// "site.xml" -> "site-3.xml".
std::string numberedPath(const std::string& path, size_t n) {
  const size_t slash = path.rfind('/');
  const size_t dot = path.rfind('.');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  const std::string stem = hasExtension ? path.substr(0, dot) : path;
  return stem + "-" + std::to_string(n) + (hasExtension ? path.substr(dot) : ".xml");
}

// Where a numbered file will be found once it is uploaded beside the site's
// root (or, for a local site, beside its starting page).
std::string publishedAddress(const std::string& startingUrl, const std::string& file) {
  const size_t slash = file.rfind('/');
  const std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
  const auto start = Url::parse(startingUrl);
  const bool web = start && (start->scheme() == "http" || start->scheme() == "https");
  if (auto u = Url::resolve(web ? "/" + name : name, startingUrl)) return u->absoluteString();
  return name;
}

}  // namespace

Status writeSitemap(const ReportContext& report, const std::string& path,
                    std::vector<std::string>* written, size_t maxUrlsPerFile) {
  ZelHub& hub = report.hub();
  std::vector<std::unique_ptr<OutputFile>> files;
  std::string out, entry;
  size_t inFile = 0, bytesInFile = 0;
  auto finishFile = [&] {
    out += kUrlsetTail;
    files.back()->write(out);
    out.clear();
  };
  auto startFile = [&]() -> Status {
    files.push_back(
        std::make_unique<OutputFile>(numberedPath(path, files.size() + 1), report.secrets()));
    if (Status s = files.back()->open(); !s.ok()) return s;
    out = kUrlsetHead;
    inFile = 0;
    bytesInFile = kUrlsetHead.size() + kUrlsetTail.size();
    return Status::Ok();
  };
  if (Status s = startFile(); !s.ok()) return s;
  for (ZelUrl* r : hub.getInternalPagesCollection()) {
    if (!report.inSitemap(r)) continue;
    // Deliberately stricter than the collection: a sitemap of redirects or noindex is a finding.
    if (const audit::SiteAudit* a = report.audit(); a && !a->belongsInSitemap(r)) continue;
    entry.clear();
    appendEntry(entry, *r);
    if (inFile == maxUrlsPerFile || bytesInFile + entry.size() > kMaxBytesPerFile) {
      finishFile();
      if (Status s = startFile(); !s.ok()) return s;
    }
    out += entry;
    ++inFile;
    bytesInFile += entry.size();
    files.back()->writeWhenLarge(out);
  }
  finishFile();

  if (files.size() == 1) {
    if (written) written->push_back(path);
    return files[0]->commitAs(path);
  }
  OutputFile index(path, report.secrets());
  if (Status s = index.open(); !s.ok()) return s;
  std::string text =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<sitemapindex xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n";
  for (const auto& f : files) {
    text += "  <sitemap><loc>";
    appendXmlEscaped(text, publishedAddress(withoutPasswords(hub.getStartingUrl()), f->path()));
    text += "</loc></sitemap>\n";
  }
  text += "</sitemapindex>\n";
  index.write(text);
  for (const auto& f : files) {
    if (Status s = f->commit(); !s.ok()) return s;
    if (written) written->push_back(f->path());
  }
  if (written) written->push_back(path);
  return index.commit();
}

}  // namespace zel::cli
