// Scanner throughput: MB/s of HTML turned into link entries and read back through
// the iteration protocol, as link extraction does, with SEO facts off and on.
//
// Pages: the parser fixtures plus generated pages of 10 KB to 300 KB shaped like
// real sites (navigation lists, articles with inline links, images with srcset and
// alt text, inline styles, inline and external scripts, comments, forms).
//
//   bench_scanner [--seconds S] [--dump DIR]
//     --seconds  measuring time per row, in CPU seconds of this thread (default 0.5)
//     --dump     also write the generated pages to DIR (to compare other parsers)
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "parser/zel_parser.h"
#include "platform/defaults.h"

namespace {

using zel::ZelParser;

struct Page {
  std::string name;
  std::string html;
};

// Builds a page of about `target` bytes. Deterministic for a given seed.
std::string generatePage(size_t target, unsigned seed) {
  std::mt19937 rng(seed);
  auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  static const char* const kWords[] = {
      "crawl",  "link",    "status", "report", "page",    "site",     "search", "index",
      "robots", "sitemap", "anchor", "image",  "title",   "heading",  "market", "garden",
      "coffee", "travel",  "museum", "river",  "morning", "festival", "recipe", "library"};
  auto word = [&] { return kWords[pick(24)]; };
  auto words = [&](int n) {
    std::string s;
    for (int i = 0; i < n; ++i) {
      if (i) s += ' ';
      s += word();
    }
    return s;
  };
  auto path = [&] {
    std::string p = "/";
    int depth = 1 + pick(3);
    for (int i = 0; i < depth; ++i) p += std::string(word()) + (i + 1 < depth ? "/" : "");
    if (pick(3) == 0) p += "?id=" + std::to_string(pick(100000)) + "&amp;ref=" + word();
    return p;
  };

  std::string h;
  h.reserve(target + 4096);
  h += "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n";
  h += "<title>" + words(6) + "</title>\n";
  h += "<meta name=\"description\" content=\"" + words(20) + "\">\n";
  h += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
  h += "<meta property=\"og:image\" content=\"https://www.example.com/img/og-" + std::string(word()) +
       ".jpg\">\n";
  h += "<link rel=\"canonical\" href=\"https://www.example.com" + path() + "\">\n";
  for (int i = 0; i < 4; ++i)
    h += "<link rel=\"stylesheet\" href=\"/assets/css/" + std::string(word()) + ".css?v=" +
         std::to_string(pick(999)) + "\">\n";
  h += "<link rel=\"alternate\" hreflang=\"fr\" href=\"https://www.example.com/fr/\">\n";
  h += "<script src=\"/assets/js/vendor.js\" defer></script>\n";
  h += "<script>\n  window.dataLayer = window.dataLayer || [];\n"
       "  function gtag(){dataLayer.push(arguments);}\n"
       "  var tpl = '<a href=\"/not-a-link\">' + name + '</a>';\n"
       "  if (a < b && c > d) { gtag('js', new Date()); }\n</script>\n";
  h += "<style>\n  body { font-family: sans-serif; margin: 0 }\n"
       "  .hero { background: url(/img/hero.jpg) center / cover }\n"
       "  nav a:hover > span { color: #c00 }\n</style>\n</head>\n";
  h += "<body class=\"home page-template\">\n";
  h += "<header class=\"site-header\"><nav aria-label=\"Main\"><ul class=\"menu\">\n";
  for (int i = 0; i < 12; ++i)
    h += "<li class=\"menu-item menu-item-" + std::to_string(i) + "\"><a href=\"" + path() +
         "\" title=\"" + words(2) + "\">" + words(1 + pick(2)) + "</a></li>\n";
  h += "</ul></nav></header>\n<main id=\"content\">\n";

  int block = 0;
  while (h.size() < target) {
    switch (pick(8)) {
      case 0:
      case 1:
      case 2: {  // paragraph with inline links
        h += "<p class=\"text\">" + words(12 + pick(20));
        int links = 1 + pick(3);
        for (int i = 0; i < links; ++i)
          h += " <a href=\"" + path() + "\">" + words(2 + pick(3)) + "</a> " + words(5 + pick(10));
        h += ".</p>\n";
        break;
      }
      case 3: {  // figure with responsive image inside a link
        std::string img = "/img/" + std::string(word()) + "-" + std::to_string(block);
        h += "<figure class=\"card\"><a href=\"" + path() + "\"><img src=\"" + img +
             "-640.jpg\" srcset=\"" + img + "-320.jpg 320w, " + img + "-640.jpg 640w, " + img +
             "-1280.jpg 1280w\" sizes=\"(max-width: 600px) 100vw, 50vw\" alt=\"" + words(4) +
             "\" loading=\"lazy\" width=\"640\" height=\"360\"></a><figcaption>" + words(8) +
             "</figcaption></figure>\n";
        break;
      }
      case 4: {  // styled block
        h += "<div class=\"banner\" style=\"background-image:url('/img/banner-" +
             std::to_string(block) + ".png'); padding: 12px 16px; color:#333\" data-track=\"" +
             std::string(word()) + "\"><h2>" + words(4) + "</h2><span style=\"font-weight:bold\">" +
             words(6) + "</span></div>\n";
        break;
      }
      case 5: {  // inline script and a comment
        h += "<!-- block " + std::to_string(block) + ": " + words(6) + " -->\n";
        h += "<script>\n  (function(){ var el = document.getElementById('w" +
             std::to_string(block) + "'); if (el && el.children.length > 2) { el.innerHTML = '<img src=\"/x.png\">'; } })();\n</script>\n";
        break;
      }
      case 6: {  // list of related links
        h += "<section class=\"related\"><h3>" + words(3) + "</h3><ul>\n";
        for (int i = 0; i < 6; ++i)
          h += "  <li><a href=\"" + path() + "\" rel=\"" + (pick(4) == 0 ? "nofollow" : "bookmark") +
               "\">" + words(3) + "</a></li>\n";
        h += "</ul></section>\n";
        break;
      }
      case 7: {  // table row or form
        if (pick(2)) {
          h += "<table class=\"data\"><tr><th>" + words(1) + "</th><th>" + words(1) + "</th></tr>";
          for (int i = 0; i < 4; ++i)
            h += "<tr><td>" + words(2) + "</td><td><a href=\"" + path() + "\">" + words(1) +
                 "</a></td></tr>";
          h += "</table>\n";
        } else {
          h += "<form action=\"/search\" method=\"get\" class=\"search\"><label for=\"q\">" +
               words(1) + "</label><input type=\"text\" name=\"q\" id=\"q\" placeholder=\"" +
               words(2) + "\"><button type=\"submit\">Go</button></form>\n";
        }
        break;
      }
    }
    ++block;
  }
  h += "</main>\n<footer><p>&copy; 2024 " + words(2) + " &middot; <a href=\"/privacy\">Privacy</a>"
       " &middot; <a href=\"/terms\">Terms</a></p>\n";
  h += "<script src=\"/assets/js/app.js\"></script>\n</footer>\n</body>\n</html>\n";
  return h;
}

std::vector<Page> loadFixtures() {
  std::vector<Page> pages;
  std::string dir = std::string(ZEL_FIXTURES_DIR) + "/parser";
  if (!std::filesystem::is_directory(dir)) return pages;
  for (const auto& e : std::filesystem::directory_iterator(dir)) {
    if (e.path().extension() != ".html") continue;
    std::ifstream in(e.path(), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    pages.push_back({e.path().filename().string(), s.str()});
  }
  return pages;
}

struct Result {
  double mbPerSec = 0;
  double pagesPerSec = 0;
  size_t links = 0;  // per pass over the set
};

// CPU time of this thread: the machine is shared, and wall time would count the
// time other processes hold the core.
double cpuSeconds() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

Result measure(const std::vector<Page>& pages, bool seo, const zel::Defaults& d, double seconds) {
  size_t bytesPerPass = 0;
  for (const auto& p : pages) bytesPerPass += p.html.size();
  Result r;
  size_t passes = 0, links = 0, textBytes = 0;
  const double start = cpuSeconds();
  double elapsed = 0;
  while (elapsed < seconds || passes == 0) {
    for (const auto& p : pages) {
      auto parser = ZelParser::initWithData(p.html, seo, false, zel::encoding::kUTF8,
                                            zel::kFileTypeHTML, true, d, nullptr);
      if (!parser) continue;
      while (auto url = parser->getNextHref()) {
        ++links;
        textBytes += url->size() + parser->getLinkText().size() + parser->getRel().size();
      }
    }
    ++passes;
    elapsed = cpuSeconds() - start;
  }
  if (textBytes == 0) std::fprintf(stderr, "(no links)\n");
  r.mbPerSec = static_cast<double>(bytesPerPass) * passes / elapsed / 1e6;
  r.pagesPerSec = static_cast<double>(pages.size()) * passes / elapsed;
  r.links = links / passes;
  return r;
}

}  // namespace

int main(int argc, char** argv) {
  double seconds = 0.5;
  std::string dump;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--seconds") && i + 1 < argc)
      seconds = std::atof(argv[++i]);
    else if (!std::strcmp(argv[i], "--dump") && i + 1 < argc)
      dump = argv[++i];
  }

  // Every kind of link switched on, as a thorough crawl would run.
  zel::MemoryDefaults d;
  for (const char* key : {"checkImages", "linkedFiles", "formActions", "lookForLazyLoadImageURLs",
                          "searchMetaDataForURLs"})
    d.setBool(key, true);

  std::vector<std::pair<std::string, std::vector<Page>>> sets;
  sets.push_back({"fixtures", loadFixtures()});
  std::vector<Page> all;
  for (size_t kb : {10, 30, 100, 300}) {
    std::vector<Page> set;
    for (unsigned seed = 1; seed <= 4; ++seed)
      set.push_back({std::to_string(kb) + "k-" + std::to_string(seed),
                     generatePage(kb * 1024, seed * 7919 + static_cast<unsigned>(kb))});
    all.insert(all.end(), set.begin(), set.end());
    sets.push_back({std::to_string(kb) + " KB pages", std::move(set)});
  }
  sets.push_back({"all generated", all});

  if (!dump.empty()) {
    std::filesystem::create_directories(dump);
    for (const auto& p : all) std::ofstream(dump + "/" + p.name + ".html", std::ios::binary) << p.html;
  }

  std::printf("%-16s %6s %9s %12s %12s %12s %12s\n", "pages", "count", "links", "SEO off MB/s",
              "pages/s", "SEO on MB/s", "pages/s");
  for (const auto& [name, pages] : sets) {
    if (pages.empty()) continue;
    Result off = measure(pages, false, d, seconds);
    Result on = measure(pages, true, d, seconds);
    std::printf("%-16s %6zu %9zu %12.1f %12.0f %12.1f %12.0f\n", name.c_str(), pages.size(),
                off.links, off.mbPerSec, off.pagesPerSec, on.mbPerSec, on.pagesPerSec);
  }
  return 0;
}
