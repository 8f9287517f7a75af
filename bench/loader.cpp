// Loader throughput: small GETs from a local test server through CurlUrlLoader
// on a PollRunLoop, a fixed number in flight, as the crawl scheduler drives it.
//
//   bench_loader [requests=1000] [inFlight=8] [rounds=3]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/curl_url_loader.h"
#include "platform/run_loop.h"
#include "support/test_server.h"

namespace {

struct Counter : zel::UrlConnectionDelegate {
  std::function<void(bool ok)> onEnd;
  size_t bytes = 0;
  int status = 0;
  std::optional<zel::UrlRequest> willSendRequest(zel::UrlConnection&, const zel::UrlRequest& r,
                                                 const zel::UrlResponse*) override {
    return r;
  }
  bool canAuthenticateAgainst(zel::UrlConnection&, zel::AuthMethod) override { return false; }
  zel::ChallengeAnswer didReceiveChallenge(zel::UrlConnection&, const zel::AuthChallenge&) override {
    return {};
  }
  void didReceiveResponse(zel::UrlConnection&, const zel::UrlResponse& r) override { status = r.statusCode; }
  void didReceiveData(zel::UrlConnection&, std::string_view b) override { bytes += b.size(); }
  void didFinishLoading(zel::UrlConnection&) override { onEnd(status == 200); }
  void didFailWithError(zel::UrlConnection&, const zel::UrlError&) override { onEnd(false); }
};

}  // namespace

int main(int argc, char** argv) {
  const int total = argc > 1 ? std::atoi(argv[1]) : 1000;
  const int inFlight = argc > 2 ? std::atoi(argv[2]) : 8;
  const int rounds = argc > 3 ? std::atoi(argv[3]) : 3;
  if (total <= 0 || inFlight <= 0 || rounds <= 0) {
    std::fprintf(stderr, "usage: bench_loader [requests] [inFlight] [rounds]\n");
    return 2;
  }

  zel::test::TestServer server;
  if (!server.ok()) {
    std::fprintf(stderr, "bench_loader: the local test server did not start\n");
    return 1;
  }
  std::string page = "<html><head><title>t</title></head><body>";
  while (page.size() < 1000) page += "<p><a href=\"/next\">a link</a></p>";
  page += "</body></html>";
  server.rawPage("/page", page, "text/html");  // served as is: measures the loader, not compression

  zel::PollRunLoop loop;
  zel::CurlUrlLoader loader(loop);
  double best = 0;
  for (int round = 1; round <= rounds; ++round) {
    std::vector<std::unique_ptr<Counter>> delegates;
    std::vector<std::unique_ptr<zel::UrlConnection>> connections;
    delegates.reserve(total);
    connections.reserve(total);
    int started = 0, ended = 0, failed = 0;
    std::function<void()> startOne = [&] {
      auto d = std::make_unique<Counter>();
      d->onEnd = [&](bool ok) {
        ++ended;
        if (!ok) ++failed;
        if (started < total) startOne();
      };
      zel::UrlRequest r;
      r.url = server.url("/page?n=" + std::to_string(started++));
      r.timeoutSeconds = 30;
      connections.push_back(loader.start(r, d.get()));
      delegates.push_back(std::move(d));
    };
    auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < inFlight && started < total; ++i) startOne();
    bool done = loop.runUntil([&] { return ended == total; }, 300);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    double rate = ended / seconds;
    if (rate > best) best = rate;
    std::printf("round %d: %d requests, %d in flight, %d failed, %.3f s, %.0f requests/s%s\n", round,
                ended, inFlight, failed, seconds, rate, done ? "" : " (stopped at the time limit)");
    if (!done || failed) return 1;
  }
  std::printf("best: %.0f requests/s\n", best);
  return 0;
}
