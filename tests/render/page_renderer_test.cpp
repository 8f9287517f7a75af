// The renderer's steps and the web view pool, on scripted web views: the test
// says when a page finishes, fails or dies and what its document is.
#include "render/page_renderer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/log.h"
#include "render/web_thumb_getter.h"
#include "render/web_view_recycler.h"
#include "support/scripted_web_view.h"

namespace zel {
namespace {

using test::ScriptedProcessPool;
using test::ScriptedWebView;

struct RecordingOwner : ZelRendererOwner {
  std::vector<std::string> calls;
  std::string data;
  void connection(UrlConnection* c, std::string_view bytes) override {
    calls.push_back(c ? "data with a connection" : "data");
    data.append(bytes);
  }
  void connectionDidFinishLoading(UrlConnection* c) override {
    calls.push_back(c ? "finish with a connection" : "finish");
  }
  void clearWTG() override { calls.push_back("clearWTG"); }
  void WTGWillPerformRedirectToURL(const std::string& url) override {
    calls.push_back("redirect " + url);
  }
};

class Rendering : public ::testing::Test {
 protected:
  void SetUp() override {
    log.setCapture(&lines);
    log.setDefaults(&defaults);
    log.setStream(nullptr);
    platform.defaults = &defaults;
    platform.runLoop = &loop;
    platform.log = &log;
    pool = std::make_shared<ScriptedProcessPool>(loop);
    recycler().setProcessPoolMaker([this](Status*) { return pool; });
    recycler().setLog(&log);
    defaults.setObject("verbosity", 4);
    defaults.setObject("jsRenderingTime", 0.05);
  }
  void TearDown() override {
    recycler().shutDown();
    recycler().setProcessPoolMaker(nullptr);
    recycler().setLog(nullptr);
  }
  static WebViewRecycler& recycler() { return WebViewRecycler::sharedWebViewRecycler(); }
  UrlRequest request(double timeout = 30) {
    UrlRequest r;
    r.url = "http://127.0.0.1:9/page";
    r.timeoutSeconds = timeout;
    return r;
  }
  ScriptedWebView& view(const PageRenderer& r) { return *static_cast<ScriptedWebView*>(r.webview()); }
  bool logged(const std::string& line) const {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }
  void turn(double seconds) { loop.runUntil([] { return false; }, seconds); }

  PollRunLoop loop;
  MemoryDefaults defaults;
  std::vector<std::string> lines;
  Log log;
  Platform platform;
  std::shared_ptr<ScriptedProcessPool> pool;
  RecordingOwner owner;
};

TEST_F(Rendering, ASettledPageIsDeliveredOnceAndTheTimeOutThenOnlyAsksToClear) {
  PageRenderer r(platform, request(0.4), &owner);
  ScriptedWebView& v = view(r);
  EXPECT_EQ(v.loaded, std::vector<std::string>{"http://127.0.0.1:9/page"});
  EXPECT_EQ(v.configuration().width, 500);
  EXPECT_EQ(v.configuration().height, 350);
  v.scriptResult = "<html><body><a href=\"/from-script\">x</a></body></html>";
  v.finish();
  EXPECT_TRUE(owner.calls.empty()) << "scripts get jsRenderingTime before the read";
  ASSERT_TRUE(loop.runUntil([&] { return r.hasResponded(); }, 5));
  EXPECT_EQ(v.scripts, std::vector<std::string>{"document.documentElement.outerHTML.toString()"});
  EXPECT_EQ(owner.calls, (std::vector<std::string>{"data", "finish"}));
  EXPECT_EQ(owner.data, *v.scriptResult);
  EXPECT_EQ(defaults.integerForKey("WebKitCacheModelPreferenceKey"), 0);
  EXPECT_TRUE(defaults.peek("WebKitCacheModelPreferenceKey"));

  // A second finish path delivers nothing; the time-out asks the owner to clear, later.
  v.finish();
  turn(0.2);
  EXPECT_TRUE(logged("thumbgetter has another finish message after responding"));
  ASSERT_TRUE(loop.runUntil([&] { return owner.calls.size() > 2; }, 5));
  EXPECT_EQ(owner.calls, (std::vector<std::string>{"data", "finish", "clearWTG"}));
  EXPECT_EQ(v.scripts.size(), 1u);
}

// At the time-out a page still loading delivers nothing, while the legacy loader
// answers with whatever the page holds.
TEST_F(Rendering, APageStillLoadingAtTheTimeOutOrWithoutABrowserDeliversNothing) {
  PageRenderer r(platform, request(0.05), &owner);
  turn(0.3);
  EXPECT_TRUE(logged("http://127.0.0.1:9/page has timed out"));
  EXPECT_TRUE(logged("thumbgetter isloading"));
  EXPECT_TRUE(view(r).scripts.empty());
  EXPECT_TRUE(owner.calls.empty());
  EXPECT_FALSE(r.hasResponded());
  RecordingOwner legacyOwner;
  WebThumbGetter g(platform, request(0.1), &legacyOwner);
  static_cast<ScriptedWebView*>(pool->live.back())->scriptResult = "<html><body>half</body></html>";
  ASSERT_TRUE(loop.runUntil([&] { return legacyOwner.calls.size() >= 2; }, 5));
  EXPECT_EQ(legacyOwner.calls, (std::vector<std::string>{"data", "finish"}));
  EXPECT_TRUE(logged("** but we do have some html. Returning it"));
  EXPECT_TRUE(g.hasResponded());

  // Without a browser the renderer says so and never crashes.
  pool->broken = true;
  PageRenderer none(platform, request(0.05), &owner);
  EXPECT_EQ(none.webview(), nullptr);
  turn(0.3);
  EXPECT_TRUE(logged("**** exception during evaluateJavaScript http://127.0.0.1:9/page"));
  EXPECT_TRUE(owner.calls.empty());
  EXPECT_FALSE(recycler().status().ok());
}

// Empty, failed or missing documents deliver nothing but still respond; a failed
// provisional navigation or a crash reads what there is at once.
TEST_F(Rendering, EveryEndOfALoadRespondsOnceWithWhatTheDocumentHolds) {
  enum End { kFinish, kFailProvisional, kCrash };
  const std::vector<std::string> delivered{"data", "finish"};
  struct Case {
    End end;
    std::optional<std::string> result, error;
    const char* line;  // logged, or "" for none
    std::vector<std::string> calls;
  } cases[] = {
      {kFinish, "", std::nullopt, "returning html string, length 0", {}},
      {kFinish, std::nullopt, std::nullopt, "", {}},
      {kFinish,
       std::nullopt,
       "ReferenceError: document is not defined",
       "evaluateJavaScript error : ReferenceError: document is not defined",
       {}},
      {kFailProvisional, "<html>error page</html>", std::nullopt,
       "WKWebView did Fail Provisional Navigation for http://127.0.0.1:9/page: "
       "net::ERR_CONNECTION_REFUSED",
       delivered},
      {kCrash, "<html>error page</html>", std::nullopt, "", delivered},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(&c - cases) + " " + c.line);
    // No settle timer on the failure paths.
    defaults.setObject("jsRenderingTime", c.end == kFinish ? 0.05 : 60.0);
    RecordingOwner o;
    PageRenderer r(platform, request(), &o);
    view(r).scriptResult = c.result;
    view(r).scriptError = c.error;
    if (c.end == kFinish)
      view(r).finish();
    else if (c.end == kFailProvisional)
      view(r).failProvisional("net::ERR_CONNECTION_REFUSED");
    else
      view(r).crash();
    ASSERT_TRUE(loop.runUntil([&] { return r.hasResponded(); }, 5));
    EXPECT_EQ(o.calls, c.calls);
    if (*c.line) {
      EXPECT_TRUE(logged(c.line));
    }
  }
}

// axe is given to the view once, in the audit world of every document; a page then
// gets only the run of its rules, and the whole script only when its world had none.
TEST_F(Rendering, AnAuditedPageRunsAxeInstalledInItsWorldOrSentWholeWhenMissing) {
  const std::string found =
      R"([{"id":"image-alt","impact":"critical","tags":["wcag2a"],"elements":1,"selector":"img"}])";
  const struct {
    std::vector<std::string> answers;
    size_t scripts;
  } kCases[] = {{{found, "<html></html>"}, 2}, {{"axe is not installed", found, "<html></html>"}, 3}};
  for (const auto& c : kCases) {
    std::vector<RenderedFacts> facts;
    RenderAuditRequest audits;
    audits.audits.accessibility = true;
    audits.done = [&](RenderedFacts f) { facts.push_back(std::move(f)); };
    PageRenderer r(platform, request(5), &owner, audits);
    ScriptedWebView& v = view(r);
    ASSERT_EQ(v.newDocumentScripts.size(), 1u);
    EXPECT_EQ(v.newDocumentScripts[0].rfind("[zelmora-audits] function zelmoraInstallAxe() {", 0), 0u);
    EXPECT_GT(v.newDocumentScripts[0].size(), 100000u);
    v.scriptResults = c.answers;
    v.finish();
    ASSERT_TRUE(loop.runUntil([&] { return r.hasResponded(); }, 5));
    ASSERT_EQ(v.scripts.size(), c.scripts);
    EXPECT_EQ(v.scripts[0].rfind("[zelmora-audits] if (typeof axe === 'undefined'", 0), 0u);
    EXPECT_LT(v.scripts[0].size(), 2000u) << "axe itself is not sent";
    if (c.scripts == 3) EXPECT_GT(v.scripts[1].size(), 100000u) << "sent whole: the world had none";
    ASSERT_EQ(facts.size(), 1u);
    ASSERT_TRUE(facts[0].accessibility);
    ASSERT_EQ(facts[0].accessibility->size(), 1u);
    EXPECT_EQ(facts[0].accessibility->front().rule, "image-alt");
  }
}

TEST_F(Rendering, StoppingStopsTheViewAndClearsItsCaches) {
  PageRenderer r(platform, request(), &owner);
  view(r).delegate->webViewDidChangeEstimatedProgress(view(r), 0.5);
  r.stopLoading();
  EXPECT_EQ(view(r).stops, 1);
  EXPECT_EQ(view(r).cacheClears, 1);
  EXPECT_FALSE(view(r).isLoading());
  EXPECT_FALSE(logged("observeValueForKeyPath: estimatedProgress"));
  // A load from a bare address is normalised and watches its progress.
  std::unique_ptr<PageRenderer> bare = PageRenderer::loadURL(platform, "site.test", &owner);
  EXPECT_EQ(view(*bare).loaded, std::vector<std::string>{"http://site.test"});
  view(*bare).delegate->webViewDidChangeEstimatedProgress(view(*bare), 0.5);
  EXPECT_TRUE(logged("observeValueForKeyPath: estimatedProgress"));
}

TEST_F(Rendering, ThePoolTrimsFromTheFrontAndMakesNamedViewsInOneProcessPool) {
  std::unique_ptr<WebView> fresh = recycler().recycledObject();
  ASSERT_TRUE(fresh);
  EXPECT_EQ(fresh->configuration().applicationNameForUserAgent, "Tarvest 9");
  EXPECT_EQ(fresh->configuration().processPool, pool);
  EXPECT_EQ(recycler().processPool(), pool);

  // From 10, recycling itself drops the two oldest: the pool keeps at most 8.
  struct Case {
    int kept, dropped;
  } cases[] = {{7, 0}, {8, 2}, {10, 4}};
  for (const Case& c : cases) {
    recycler().shutDown();
    pool->closed.clear();
    std::vector<int> ids;
    for (int i = 0; i < c.kept; ++i) {
      auto v = std::make_unique<ScriptedWebView>(*pool, WebViewConfiguration{});
      ids.push_back(v->id);
      recycler().recycle(std::move(v));
    }
    ASSERT_EQ(recycler().count(), std::min<size_t>(c.kept, WebViewRecycler::kMostKept));
    auto taken = recycler().recycledObject();
    ASSERT_TRUE(taken);
    EXPECT_EQ(static_cast<ScriptedWebView*>(taken.get())->id, ids[c.dropped]) << c.kept;
    EXPECT_EQ(pool->closed, std::vector<int>(ids.begin(), ids.begin() + c.dropped)) << c.kept;
    EXPECT_EQ(recycler().count(), static_cast<size_t>(c.kept - c.dropped - 1)) << c.kept;
  }
}

TEST_F(Rendering, TheLegacyLoaderAnswersOnceWhenItsLastCommittedLoadHasSettled) {
  WebThumbGetter g(platform, request(30), &owner);
  auto& v = *static_cast<ScriptedWebView*>(pool->live.back());
  EXPECT_EQ(v.configuration().width, 1024);
  EXPECT_EQ(v.configuration().height, 700);
  v.scriptResult = "<html><body>legacy</body></html>";
  v.delegate->webViewDecidePolicyForNavigationResponse(v, request().url, true);  // committed
  v.finish();
  turn(0.5);
  EXPECT_TRUE(owner.calls.empty()) << "a legacy load settles for seconds first";
  ASSERT_TRUE(loop.runUntil([&] { return !owner.calls.empty(); }, 10));
  turn(0.1);
  EXPECT_EQ(owner.calls, (std::vector<std::string>{"data", "finish"}));
  EXPECT_EQ(owner.data, *v.scriptResult);
  // Another finish, then the time-out: no second answer, only the request to clear.
  v.finish();
  turn(0.1);
  g.haveWeTimedOut();
  turn(0.1);
  EXPECT_EQ(owner.calls, (std::vector<std::string>{"data", "finish", "clearWTG"}));
  // Only a quick client redirect to a "KeepAlive" address is the owner's.
  const struct { const char* url; double delay; bool reported; } redirects[] = {
      {"http://127.0.0.1:9/KeepAlive?a", 0.1, true},
      {"http://127.0.0.1:9/KeepAlive?b", 0.2, false},
      {"http://127.0.0.1:9/elsewhere", 0.0, false},
  };
  owner.calls.clear();
  std::vector<std::string> expected;
  for (const auto& r : redirects) {
    v.delegate->webViewWillPerformClientRedirect(v, r.url, r.delay);
    if (r.reported) expected.push_back(std::string("redirect ") + r.url);
  }
  EXPECT_EQ(owner.calls, expected);
  EXPECT_TRUE(logged("*** web thumb getter redirecting from http://127.0.0.1:9/page to "
                     "http://127.0.0.1:9/KeepAlive?b, delay is 0.20"));
  // Stopping empties the page and hands the view back to the pool.
  g.stopLoading();
  EXPECT_EQ(v.htmlLoads, std::vector<std::string>{""});
  EXPECT_EQ(recycler().count(), 1u);
}

TEST(LoadAddress, BareAddressesGetASchemeAndLocalPathsBecomeFileAddresses) {
  const std::pair<const char*, const char*> cases[] = {
      {"https://example.test/", "https://example.test/"},
      {"a://b", "http://a://b"},
      {"site.test", "http://site.test"},
      {"example.test/page", "http://example.test/page"},
      {"/Users/me/My Site/index.html", "file:///Users/me/My%20Site/index.html"},
      {"/Library/a&amp;b.html", "file:///Library/a&b.html"},
      {"/home/me/site.html", "http:///home/me/site.html"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(normalizedLoadAddress(in), out) << in;
}

}  // namespace
}  // namespace zel
