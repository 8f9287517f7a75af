// Memory per record and per link instance: builds 200,000 records and
// 1,000,000 link instances the way a crawl does (normalised address, look-up
// entry, collection, instances between pages) and reports bytes from peak RSS.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "engine/zel_hub.h"
#include "platform/curl_url_loader.h"
#include "platform/platform.h"

namespace {

long peakRssKb() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
  const size_t records = argc > 1 ? std::stoul(argv[1]) : 200000;
  const size_t instances = argc > 2 ? std::stoul(argv[2]) : 1000000;
  zel::RealPlatform real;
  real.platform().log->setStream(nullptr);
  zel::ZelHub hub("https://www.example-shop.test/", real.platform());

  // Real-shaped addresses: a few sections, slugs and the odd query.
  const char* sections[] = {"blog", "products", "category/shoes", "help/articles", "en/news"};
  std::mt19937 rng(7);
  std::vector<std::string> urls;
  urls.reserve(records);
  for (size_t i = 0; i < records; ++i) {
    std::string u = "https://www.example-shop.test/";
    u += sections[rng() % 5];
    u += "/item-" + std::to_string(i) + "-lorem-ipsum";
    if (i % 7 == 0) u += "?page=" + std::to_string(i % 13);
    urls.push_back(std::move(u));
  }
  const long before = peakRssKb();
  auto t0 = std::chrono::steady_clock::now();
  std::vector<zel::ZelUrl*> made;
  made.reserve(records);
  for (size_t i = 0; i < records; ++i) {
    zel::ZelUrl* r = hub.createRecord();
    r->setLinkUrl(urls[i], false);
    r->setDistanceFromHome(1 + static_cast<int>(i % 5));
    r->setStatus("200 no error");
    r->setMimeType("text/html");
    hub.add(r);
    made.push_back(r);
  }
  const long afterRecords = peakRssKb();
  for (size_t i = 0; i < instances; ++i) {
    zel::ZelUrl* parent = made[(i / 20) % records];
    zel::ZelUrl* target = made[rng() % records];
    hub.addInstanceWithParent(parent, target, std::string("Read more about item"), "", "", "",
                              static_cast<int32_t>(10 + i % 400));
  }
  const long afterInstances = peakRssKb();
  double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  std::printf("records: %zu, instances: %zu, %.2f s\n", records, instances, secs);
  std::printf("bytes per record:   %.0f (address text included)\n",
              (afterRecords - before) * 1024.0 / records);
  std::printf("bytes per instance: %.0f\n", (afterInstances - afterRecords) * 1024.0 / instances);
  std::printf("peak RSS: %.1f MB\n", afterInstances / 1024.0);
  return 0;
}
