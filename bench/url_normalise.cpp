// Address normalisation rate: setLinkUrl (fragment and query trimming, trailing
// slash, wrapped search links, the lookup-table entry) on a few thousand
// generated addresses shaped like the links of real sites.
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "engine/zel_hub.h"
#include "platform/platform.h"

namespace {

std::vector<std::string> makeAddresses(size_t count) {
  std::mt19937 rng(12345);
  auto pick = [&](const std::vector<std::string>& v) -> const std::string& {
    return v[std::uniform_int_distribution<size_t>(0, v.size() - 1)(rng)];
  };
  auto chance = [&](int percent) { return std::uniform_int_distribution<int>(0, 99)(rng) < percent; };
  const std::vector<std::string> hosts = {"www.example.com", "example.com", "shop.example.com",
                                          "blog.example.org", "cdn.static-host.net",
                                          "www.bücher.de", "docs.example.io"};
  const std::vector<std::string> words = {"about", "products", "blog", "2023", "news", "contact",
                                          "category", "item", "help", "en", "de", "images",
                                          "über-uns", "very-long-article-title-with-many-words"};
  const std::vector<std::string> files = {"index.html", "page.php", "photo.jpg", "style.css",
                                          "app.js", "report.pdf", "", ""};
  const std::vector<std::string> params = {"id=42", "page=3", "utm_source=news", "sid=abc123",
                                           "q=search+terms", "lang=en", "ref=home", "sort=price"};
  const std::vector<std::string> fragments = {"top", "section-2", "!/app/route", "comments",
                                              "&#38;x"};
  std::vector<std::string> out;
  out.reserve(count);
  while (out.size() < count) {
    std::string url = chance(85) ? "https://" : "http://";
    url += pick(hosts);
    const int depth = std::uniform_int_distribution<int>(0, 5)(rng);
    for (int i = 0; i < depth; ++i) url += "/" + pick(words);
    url += "/" + pick(files);
    if (chance(30)) {
      url += "?" + pick(params);
      for (int n = std::uniform_int_distribution<int>(0, 3)(rng); n > 0; --n) url += "&" + pick(params);
    }
    if (chance(20)) url += "#" + pick(fragments);
    if (chance(3)) {
      url = "https://www.google.com/url?q=" + url + "&sa=U&ved=0ahUKEw";
      for (size_t p = url.find("://", 40); p != std::string::npos; p = url.find("://", p))
        url.replace(p, 3, "%3A%2F%2F");
    }
    out.push_back(std::move(url));
  }
  return out;
}

double run(const char* label, zel::Defaults& defaults, const std::vector<std::string>& addresses,
           bool trimQuery, int rounds) {
  zel::RealPlatform real;
  zel::Platform platform = real.platform();
  platform.defaults = &defaults;
  zel::ZelHub hub("https://www.example.com/", platform);
  std::vector<zel::ZelUrl*> records;
  records.reserve(addresses.size());
  for (size_t i = 0; i < addresses.size(); ++i) {
    zel::ZelUrl* r = hub.createRecord();
    r->setIsInternal(i % 4 != 0);
    records.push_back(r);
  }
  size_t checksum = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int round = 0; round < rounds; ++round) {
    for (size_t i = 0; i < addresses.size(); ++i) {
      records[i]->setLinkUrl(addresses[i], trimQuery);
      checksum += records[i]->getLinkUrl().size();
    }
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double total = static_cast<double>(addresses.size()) * rounds;
  std::printf("%-44s %9.0f addresses/s  (%.0f in %.3f s, %.0f ns each, checksum %zu)\n", label,
              total / seconds, total, seconds, seconds * 1e9 / total, checksum);
  return total / seconds;
}

}  // namespace

int main() {
  const std::vector<std::string> addresses = makeAddresses(5000);
  std::printf("%zu generated addresses, e.g. %s\n", addresses.size(), addresses[7].c_str());

  zel::MemoryDefaults plain;
  run("fresh hub, default settings (first pass)", plain, addresses, false, 1);
  run("default settings, 200 passes", plain, addresses, false, 200);

  zel::MemoryDefaults trimming;
  trimming.setBool("shouldIgnoreSlash", true);
  trimming.setBool("trimQuery", true);
  run("ignore slash + trim query, 200 passes", trimming, addresses, true, 200);

  zel::MemoryDefaults keepHash;
  keepHash.setBool("dontTrimHash", true);
  run("fragments kept (dontTrimHash), 200 passes", keepHash, addresses, false, 200);
  return 0;
}
