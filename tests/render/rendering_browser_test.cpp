// Rendering and thumbnails on a real headless Chromium (skipped only where
// none is installed), against pages served on 127.0.0.1.
#include <cairo.h>
#include <gtest/gtest.h>
#include <signal.h>

#include <set>

#include "platform/chromium_web_view.h"
#include "platform/curl_url_loader.h"
#include "platform/file_system.h"
#include "platform/log.h"
#include "platform/platform.h"
#include "render/page_renderer.h"
#include "render/rendering.h"
#include "render/web_thumb_getter.h"
#include "render/web_view_recycler.h"
#include "support/temp_dir.h"
#include "support/test_server.h"

namespace zel {
namespace {

struct Owner : ZelRendererOwner, ThumbnailOwner {
  std::string data;
  int finishes = 0, clears = 0, reloads = 0;
  void connection(UrlConnection*, std::string_view bytes) override { data.append(bytes); }
  void connectionDidFinishLoading(UrlConnection*) override { ++finishes; }
  void clearWTG() override { ++clears; }
  std::vector<std::string> redirects;
  void WTGWillPerformRedirectToURL(const std::string& url) override { redirects.push_back(url); }
  void reloadData() override { ++reloads; }
};

// Pixels of a PNG file as cairo reads it; empty when it is not one.
std::vector<uint32_t> pngPixels(const std::string& path, int* width, int* height) {
  cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
  std::vector<uint32_t> out;
  if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
    *width = cairo_image_surface_get_width(s);
    *height = cairo_image_surface_get_height(s);
    const int stride = cairo_image_surface_get_stride(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    for (int y = 0; y < *height; ++y)
      for (int x = 0; x < *width; ++x)
        out.push_back(reinterpret_cast<const uint32_t*>(data + y * stride)[x]);
  }
  cairo_surface_destroy(s);
  return out;
}

class Browser : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!BrowserProcess::findExecutable())
      GTEST_SKIP() << "no headless Chromium installed (scripts/install-deps installs it)";
    log.setStream(nullptr);
    log.setCapture(&lines);
    log.setDefaults(&defaults);
    platform.defaults = &defaults;
    platform.runLoop = &loop;
    platform.log = &log;
    platform.fileSystem = &files;
    defaults.setObject("verbosity", 1);
    useChromiumForWebViews(loop, &log);
    ASSERT_TRUE(WebViewRecycler::sharedWebViewRecycler().status().ok());
  }
  void TearDown() override {
    WebViewRecycler::sharedWebViewRecycler().shutDown();
    WebViewRecycler::sharedWebViewRecycler().setProcessPoolMaker(nullptr);
  }
  UrlRequest request(const std::string& path, double timeout = 20) {
    UrlRequest r;
    r.url = server.url(path);
    r.timeoutSeconds = timeout;
    return r;
  }
  bool logged(const std::string& line) const {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }

  PollRunLoop loop;
  MemoryDefaults defaults;
  std::vector<std::string> lines;
  Log log;
  RealFileSystem files;
  Platform platform;
  test::TestServer server;
};

TEST_F(Browser, AThumbnailIsA392By256PictureOfThePage) {
  server.page("/", R"(<html><body style="margin:0;background:#fff">
      <div style="width:600px;height:400px;background:#c03"></div>
      <h1>Thumbnail</h1></body></html>)");
  test::TempDir dir;
  for (const char* name : {"thumb.png", "thumb.TIFF"}) {
    Owner owner;
    WebThumbGetter getter(platform, server.url("/"), dir / name, &owner);
    getter.getImage();
    ASSERT_TRUE(loop.runUntil([&] { return owner.reloads > 0; }, 60)) << name;
    ASSERT_TRUE(getter.status().ok()) << getter.status().message();
    getter.stopLoading();
  }
  int w = 0, h = 0;
  const std::vector<uint32_t> pixels = pngPixels(dir / "thumb.png", &w, &h);
  EXPECT_EQ(w, 392);
  EXPECT_EQ(h, 256);
  const std::set<uint32_t> colours(pixels.begin(), pixels.end());
  EXPECT_GT(colours.size(), 1u) << "a picture of one colour shows no page";
  EXPECT_TRUE(colours.count(0xffcc0033)) << "the red block of the page";
  const std::string tiff = test::readWhole(dir / "thumb.TIFF");
  EXPECT_EQ(tiff.substr(0, 4), std::string("II*\0", 4));
  EXPECT_GT(tiff.size(), 392u * 256 * 4);
}

TEST_F(Browser, ScriptWrittenLinksAreReadAfterTheSettleTime) {
  server.page("/", R"(<html><body><script>
      document.body.insertAdjacentHTML('beforeend', '<a href="/written-by-script">now</a>');
      // Put together at run time, so that the script's own text does not hold the link.
      setTimeout(() => document.body.insertAdjacentHTML('beforeend',
                                                         '<a href="/written-' + 'later">x</a>'), 1500);
      </script></body></html>)");
  for (double settle : {0.0, 4.0}) {
    defaults.setObject("jsRenderingTime", settle);
    Owner owner;
    PageRenderer r(platform, request("/"), &owner);
    ASSERT_TRUE(loop.runUntil([&] { return r.hasResponded(); }, 30)) << settle;
    EXPECT_EQ(owner.finishes, 1);
    EXPECT_NE(owner.data.find("/written-by-script"), std::string::npos) << owner.data;
    EXPECT_EQ(owner.data.find("href=\"/written-later\"") != std::string::npos, settle > 0)
        << owner.data;
    EXPECT_EQ(owner.data.rfind("<html>", 0), 0u) << owner.data;
  }
}

TEST_F(Browser, AQuickRefreshToAKeepAliveAddressIsTheOwnersRedirect) {
  server.page("/", R"(<html><head><meta http-equiv="refresh" content="0;url=/KeepAlive">)");
  server.page("/slow", R"(<html><head><meta http-equiv="refresh" content="2;url=/KeepAlive">)");
  server.page("/KeepAlive", "ok");
  // One page at a time: a browser that is busy may tell a refresh only when it
  // starts, and then its delay is measured, not declared.
  Owner quick, slow;
  {
    WebThumbGetter a(platform, request("/"), &quick);
    // A browser slow to start (a disk busy writing a fresh build) still answers within a minute.
    ASSERT_TRUE(loop.runUntil([&] { return !quick.redirects.empty(); }, 60))
        << testing::PrintToString(lines);
    a.stopLoading();
  }
  const std::string slowLine = "*** web thumb getter redirecting from " + server.url("/slow") +
                               " to " + server.url("/KeepAlive") + ", delay is ";
  double slowDelay = -1;
  WebThumbGetter b(platform, request("/slow"), &slow);
  ASSERT_TRUE(loop.runUntil(
      [&] {
        for (const std::string& l : lines)
          if (l.rfind(slowLine, 0) == 0) slowDelay = std::stod(l.substr(slowLine.size()));
        return slowDelay >= 0;
      },
      60))
      << testing::PrintToString(lines);
  b.stopLoading();
  EXPECT_GE(slowDelay, 1.5);
  EXPECT_EQ(quick.redirects, std::vector<std::string>{server.url("/KeepAlive")});
  EXPECT_TRUE(slow.redirects.empty());
}

TEST_F(Browser, AFormRequestIsSentWithItsMethodAndBodyAndItsResourcesAsUsual) {
  server.page("/form", R"(<html><body><img src="/pic.png">sent</body></html>)");
  server.page("/pic.png", "");
  defaults.setObject("jsRenderingTime", 0.0);
  UrlRequest post = request("/form");
  post.method = "POST";
  post.body = "user=ann&pass=s3cr=t";  // a length that needs base64 padding
  post.setHeader("Content-Type", "application/x-www-form-urlencoded");
  Owner owner;
  PageRenderer r(platform, post, &owner);
  ASSERT_TRUE(loop.runUntil([&] { return r.hasResponded(); }, 30));
  EXPECT_NE(owner.data.find("sent"), std::string::npos);
  const std::vector<test::LoggedRequest> form = server.requestsTo("/form");
  ASSERT_EQ(form.size(), 1u);
  EXPECT_EQ(form[0].method, "POST");
  EXPECT_EQ(form[0].body, post.body);
  const std::vector<test::LoggedRequest> pic = server.requestsTo("/pic.png");
  ASSERT_EQ(pic.size(), 1u);
  EXPECT_EQ(pic[0].method, "GET");
}

// The browser gets the crawl's cookies (a login's session, say) when the
// request handles cookies, each only for its own path.
TEST_F(Browser, TheCrawlsCookiesGoWithARenderedRequestToTheirOwnPaths) {
  server.page("/login", "in", "text/plain",
              {{"Set-Cookie", "sid=abc; HttpOnly"}, {"Set-Cookie", "area=1; Path=/private"}});
  server.page("/page", "<html><body>page</body></html>");
  CurlUrlLoader loader(loop);
  platform.loader = &loader;
  ASSERT_TRUE(loader.sendSynchronous(request("/login")).response);
  defaults.setObject("jsRenderingTime", 0.0);
  for (bool handle : {false, true}) {
    UrlRequest page = request("/page");
    page.handleCookies = handle;
    Owner owner;
    PageRenderer r(platform, page, &owner);
    ASSERT_TRUE(loop.runUntil([&] { return r.hasResponded(); }, 30)) << handle;
    const std::vector<test::LoggedRequest> seen = server.requestsTo("/page");
    ASSERT_FALSE(seen.empty());
    using Cookies = std::map<std::string, std::string>;
    const Cookies expected = handle ? Cookies{{"sid", "abc"}} : Cookies{};
    EXPECT_EQ(seen.back().cookies, expected) << handle;
  }
}

// A page that never finishes loading delivers nothing and ends; so does one
// whose browser is killed while rendering, and a renderer started after that.
TEST_F(Browser, APageThatNeverFinishesOrWhoseBrowserIsKilledDeliversNothingAndEnds) {
  server.page("/", R"(<html><body><img src="/never.png"></body></html>)");
  server.neverAnswer("/never.png");
  server.slow("/slow", 3, "<html><body>late</body></html>");
  Owner owner;
  {
    PageRenderer r(platform, request("/", 2), &owner);
    loop.runUntil([] { return false; }, 4);
    EXPECT_TRUE(logged(server.url("/") + " has timed out"));
    EXPECT_TRUE(logged("thumbgetter isloading"));
    EXPECT_EQ(owner.finishes, 0);
    r.stopLoading();
  }
  PageRenderer r(platform, request("/slow", 30), &owner);
  loop.runUntil([] { return false; }, 0.5);
  auto pool = std::dynamic_pointer_cast<ChromiumProcessPool>(
      WebViewRecycler::sharedWebViewRecycler().processPool());
  ASSERT_TRUE(pool);
  ::kill(pool->client().process().pid(), SIGKILL);
  ASSERT_TRUE(loop.runUntil([&] { return r.hasResponded(); }, 15));
  EXPECT_EQ(owner.finishes, 0);
  EXPECT_FALSE(WebViewRecycler::sharedWebViewRecycler().status().ok());
  // A new renderer in the same run finds no browser and still does not hang.
  PageRenderer late(platform, request("/slow", 1), &owner);
  EXPECT_EQ(late.webview(), nullptr);
  loop.runUntil([] { return false; }, 1.5);
  EXPECT_EQ(owner.finishes, 0);
}

}  // namespace
}  // namespace zel
