#pragma once
// A loader double that hands every request to a real loader, except those for
// hosts it is told cannot be resolved: they fail as a failed name look-up
// would, on a later turn of the run loop, without any DNS query. It keeps every
// request it was given, so a test can see what the crawl sent and with which
// time-out.
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/run_loop.h"
#include "platform/url_loader.h"

namespace zel::test {

class FaultyLoader : public UrlLoader {
 public:
  FaultyLoader(UrlLoader& real, RunLoop& loop) : real_(real), loop_(loop) {}

  // "*" makes every host unresolvable.
  void unresolvable(std::string host) { unresolvable_.insert(std::move(host)); }

  std::unique_ptr<UrlConnection> start(UrlRequest request,
                                       UrlConnectionDelegate* delegate) override;
  SyncResult sendSynchronous(const UrlRequest& request, int maxRedirects) override;
  void clearCookies() override { real_.clearCookies(); }
  std::vector<HttpCookie> storedCookies() const override { return real_.storedCookies(); }
  void addCookies(const std::vector<HttpCookie>& cookies) override { real_.addCookies(cookies); }

  std::vector<UrlRequest> started, synchronous;

 private:
  bool failsToResolve(const std::string& url) const;
  UrlLoader& real_;
  RunLoop& loop_;
  std::set<std::string> unresolvable_;
};

}  // namespace zel::test
