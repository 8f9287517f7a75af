// Link extraction cost against page size: pages of 1,000 to 20,000 links are
// extracted on a fresh hub; the time per link should stay flat (linear time).
#include <chrono>
#include <cstdio>
#include <string>

#include "engine/zel_hub.h"
#include "platform/platform.h"

int main() {
  std::printf("%8s %10s %12s\n", "links", "ms", "us/link");
  for (int n : {1000, 2000, 5000, 10000, 20000}) {
    zel::RealPlatform real;
    real.platform().log->setStream(nullptr);
    zel::Defaults& d = *real.platform().defaults;
    d.setInteger("levelsLimit", 10);
    d.setInteger("linksLimit", 10000000);
    d.setBool("checkImages", true);
    zel::ZelHub hub("http://bench.test/", real.platform());
    std::string html = "<html><head><title>Links</title></head><body><ul>\n";
    for (int i = 0; i < n; ++i) {
      html += "<li><a href=\"/section" + std::to_string(i % 37) + "/page-" + std::to_string(i) +
              ".html\">Page " + std::to_string(i) + "</a>";
      if (i % 10 == 0) html += " <img src=\"/img/p" + std::to_string(i) + ".png\" alt=\"p\">";
      if (i % 7 == 0) html += " <a href=\"/section1/page-1.html\">again</a>";
      html += "</li>\n";
    }
    html += "</ul></body></html>";
    zel::ZelUrl* page = hub.createRecord();
    page->setLinkUrl("http://bench.test/", false);
    page->setIsStartingPoint(true);
    page->setStatus(std::string("200 no error"));
    hub.add(page);
    page->ensureData() = html;
    const auto t0 = std::chrono::steady_clock::now();
    hub.extractLinks(page);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    const size_t links = page->getOutboundInstances().size();
    std::printf("%8zu %10.2f %12.3f\n", links, ms, 1000.0 * ms / static_cast<double>(links));
  }
  return 0;
}
