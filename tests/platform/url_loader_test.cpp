// The curl-based URL loader against real local servers: callback order,
// redirects, challenges, TLS trust, decoding, time-outs, cancellation, cookies,
// files, hostile servers, many requests at once and the blocking helper.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <set>
#include <thread>

#include "platform/curl_transfer_setup.h"
#include "platform/curl_url_loader.h"
#include "platform/run_loop.h"
#include "support/raw_server.h"
#include "support/recording_delegate.h"
#include "support/temp_dir.h"
#include "support/test_server.h"

namespace zel {
namespace {

using test::RawServer;
using test::RecordingDelegate;
using test::TestServer;
using Events = std::vector<std::string>;

UrlRequest makeRequest(const std::string& url, std::string method = "GET", double timeout = 15) {
  UrlRequest r;
  r.url = url;
  r.method = std::move(method);
  r.timeoutSeconds = timeout;
  return r;
}

class UrlLoaderTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(server.ok()); }

  // Starts a fetch and turns the loop until it is over.
  std::unique_ptr<UrlConnection> fetch(RecordingDelegate& d, const UrlRequest& r, double seconds = 20) {
    auto c = loader->start(r, &d);
    EXPECT_TRUE(d.waitUntilDone(loop, seconds)) << r.url;
    return c;
  }
  // Fetches a second URL to completion, so that anything still due for an earlier
  // (stopped) fetch would have arrived by then.
  void settle() {
    RecordingDelegate sentinel;
    auto c = fetch(sentinel, makeRequest(server.url("/sentinel")));
    loop.runUntil([] { return false; }, 0.05);
  }

  TestServer server;  // declared first: outlives the loader and its connections
  PollRunLoop loop;
  std::unique_ptr<CurlUrlLoader> loader = std::make_unique<CurlUrlLoader>(loop);
};

// The request carries its own fields (a later one replaces an earlier of the same
// name) and what the first willSend returns, nothing more.
TEST_F(UrlLoaderTest, PlainGetDeliversCallbacksInOrderOnLaterTurnsAndSendsTheRequestsHeaders) {
  server.page("/page", "<p>hello</p>", "Text/HTML; Charset=ISO-8859-1",
              {{"X-Dup", "one"}, {"X-Dup", "two"}});
  RecordingDelegate d;
  UrlRequest r = makeRequest(server.url("/page"));
  r.setHeader("Accept", "text/html");
  r.setHeader("X-First", "1");
  r.setHeader("accept", "application/xml");
  d.onWillSend = [](UrlConnection&, const UrlRequest& proposed, const UrlResponse*) {
    UrlRequest changed = proposed;
    changed.setHeader("X-Added", "by delegate");
    return std::optional<UrlRequest>(changed);
  };
  auto c = loader->start(r, &d);
  EXPECT_TRUE(d.log.empty()) << "no callback may run inside start()";
  ASSERT_TRUE(d.waitUntilDone(loop));
  EXPECT_EQ(d.events(), (Events{"willSend", "response 200", "data", "finish"}));
  EXPECT_EQ(d.body, "<p>hello</p>");
  ASSERT_TRUE(d.response);
  EXPECT_TRUE(d.response->isHttp);
  EXPECT_EQ(d.response->mimeType, "text/html");
  EXPECT_EQ(d.response->textEncodingName, "ISO-8859-1");
  EXPECT_EQ(d.response->url, server.url("/page"));
  EXPECT_EQ(d.response->header("x-dup"), "two");  // a repeated field keeps its last value
  auto seen = server.requestsTo("/page");
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].header("Accept"), "application/xml");
  EXPECT_EQ(seen[0].header("X-First"), "1");
  EXPECT_EQ(seen[0].header("X-Added"), "by delegate");
  EXPECT_FALSE(seen[0].header("User-Agent")) << "only the request's own fields are sent";
  EXPECT_FALSE(seen[0].header("Expect"));
}

TEST_F(UrlLoaderTest, RedirectsAreProposedHopByHopRewriteTheMethodAndARefusalEndsThem) {
  server.redirect("/a/r1", 301, "r2");  // relative to /a/
  server.redirect("/a/r2", 302, "/r3");
  server.redirect("/r3", 307, server.url("/final"));
  server.page("/final", "arrived");
  RecordingDelegate d;
  fetch(d, makeRequest(server.url("/a/r1")));
  EXPECT_EQ(d.events(), (Events{"willSend", "redirect 301 " + server.url("/a/r2"),
                                "redirect 302 " + server.url("/r3"),
                                "redirect 307 " + server.url("/final"), "response 200", "data",
                                "finish"}));
  ASSERT_EQ(d.redirectResponses.size(), 3u);
  EXPECT_EQ(d.redirectResponses[0].url, server.url("/a/r1"));
  EXPECT_EQ(d.redirectResponses[1].header("Location"), "/r3");
  EXPECT_EQ(d.body, "arrived");
  EXPECT_EQ(d.response->url, server.url("/final"));
  for (const char* path : {"/a/r1", "/a/r2", "/r3", "/final"})
    EXPECT_EQ(server.requestsTo(path).size(), 1u) << path;

  // A refused redirect ends the fetch silently.
  RecordingDelegate refused;
  refused.onWillSend = [](UrlConnection&, const UrlRequest& p, const UrlResponse* redirect) {
    return redirect ? std::nullopt : std::optional<UrlRequest>(p);
  };
  server.clearLog();
  fetch(refused, makeRequest(server.url("/a/r1")));
  settle();
  EXPECT_EQ(refused.events(), (Events{"willSend", "redirect 301 " + server.url("/a/r2")}));
  EXPECT_TRUE(server.requestsTo("/a/r2").empty());

  // Each hop rewrites the method as browsers do.
  struct Case {
    const char* method;
    int status;
    const char* expectMethod;
    bool keepsBody;
  };
  const Case cases[] = {
      {"POST", 301, "GET", false}, {"POST", 302, "GET", false}, {"POST", 303, "GET", false},
      {"PUT", 303, "GET", false},  {"POST", 307, "POST", true}, {"POST", 308, "POST", true},
      {"GET", 302, "GET", false},
  };
  int i = 0;
  for (const Case& c : cases) {
    std::string from = "/m" + std::to_string(i), to = "/t" + std::to_string(i++);
    server.redirect(from, c.status, to);
    server.page(to, "done");
    RecordingDelegate d;
    UrlRequest r = makeRequest(server.url(from), c.method);
    if (std::string(c.method) != "GET") {
      r.body = "a=1&b=2";
      r.setHeader("Content-Type", "application/x-www-form-urlencoded");
    }
    fetch(d, r);
    auto seen = server.requestsTo(to);
    ASSERT_EQ(seen.size(), 1u) << c.method << " " << c.status;
    EXPECT_EQ(seen[0].method, c.expectMethod) << c.method << " " << c.status;
    EXPECT_EQ(seen[0].body, c.keepsBody ? "a=1&b=2" : "") << c.method << " " << c.status;
    ASSERT_EQ(d.proposals.size(), 1u);
    EXPECT_EQ(d.proposals[0].method, c.expectMethod);
  }
}

TEST_F(UrlLoaderTest, BasicChallenges) {
  server.basicAuth("/secret", "ann", "s3cret", "inside");
  const ChallengeAnswer good{ChallengeDisposition::UseCredential, "ann", "s3cret"},
      wrong{ChallengeDisposition::UseCredential, "ann", "wrong"},
      cancel{ChallengeDisposition::Cancel, {}, {}},
      without{ChallengeDisposition::ContinueWithoutCredential, {}, {}};
  struct Case {
    const char* name;
    bool canAuthenticate;
    std::vector<ChallengeAnswer> answers;  // by previous failure count
    Events expected;
    std::string body;
    size_t requests;
  };
  const Case cases[] = {
      {"answered", true, {good},
       {"willSend", "canAuth basic", "challenge basic 0", "response 200", "data", "finish"},
       "inside", 2},
      {"rejected, then cancelled", true, {wrong, cancel},
       {"willSend", "canAuth basic", "challenge basic 0", "canAuth basic", "challenge basic 1",
        "fail -999"},
       "", 2},
      {"not handled", false, {good},
       {"willSend", "canAuth basic", "response 401", "data", "finish"}, "authorization required",
       1},
      {"continued without", true, {without},
       {"willSend", "canAuth basic", "challenge basic 0", "response 401", "data", "finish"},
       "authorization required", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    server.clearLog();
    RecordingDelegate d;
    d.canAuthenticate = [&c](AuthMethod) { return c.canAuthenticate; };
    d.onChallenge = [&](const AuthChallenge& ch) {
      return ch.previousFailureCount < static_cast<int>(c.answers.size())
                 ? c.answers[ch.previousFailureCount]
                 : cancel;
    };
    fetch(d, makeRequest(server.url("/secret")));
    EXPECT_EQ(d.events(), c.expected);
    EXPECT_EQ(d.body, c.body);
    for (const AuthChallenge& ch : d.challenges) {
      EXPECT_EQ(ch.realm, "Test Realm");
      EXPECT_EQ(ch.host, "127.0.0.1");
      EXPECT_EQ(ch.port, server.port());
      ASSERT_TRUE(ch.failureResponse);
      EXPECT_EQ(ch.failureResponse->statusCode, 401);
    }
    if (d.response && d.response->statusCode == 401) {
      EXPECT_EQ(d.response->header("WWW-Authenticate"), "Basic realm=\"Test Realm\"");
    }
    if (d.error) {
      EXPECT_EQ(d.error->description, "cancelled");
    }
    auto seen = server.requestsTo("/secret");
    ASSERT_EQ(seen.size(), c.requests);
    EXPECT_FALSE(seen[0].header("Authorization"));
    EXPECT_EQ(seen.back().header("Authorization").has_value(), c.requests > 1);
  }
}

TEST_F(UrlLoaderTest, SelfSignedCertificateRaisesAServerTrustChallenge) {
  TestServer secure(TestServer::kHttps);
  secure.page("/", "secure page");
  struct Case {
    bool canAuthenticate;
    ChallengeDisposition answer;
  };
  for (Case c : {Case{true, ChallengeDisposition::UseCredential},
                 Case{true, ChallengeDisposition::ContinueWithoutCredential},
                 Case{true, ChallengeDisposition::Cancel},
                 Case{false, ChallengeDisposition::UseCredential}}) {
    RecordingDelegate d;
    d.canAuthenticate = [c](AuthMethod m) { return m == AuthMethod::ServerTrust && c.canAuthenticate; };
    d.onChallenge = [c](const AuthChallenge&) { return ChallengeAnswer{c.answer, {}, {}}; };
    UrlRequest request = makeRequest(secure.url("/"));
    request.setHeader("Connection", "close");
    auto conn = fetch(d, request);
    const bool accepted = c.canAuthenticate && c.answer != ChallengeDisposition::Cancel;
    if (accepted) {
      EXPECT_EQ(d.events(), (Events{"willSend", "canAuth trust", "challenge trust 0", "response 200",
                                    "data", "finish"}));
      EXPECT_EQ(d.body, "secure page");
    } else {
      EXPECT_EQ(d.finishes, 0);
      ASSERT_EQ(d.failures, 1);
      EXPECT_EQ(d.error->code, UrlError::kSecureConnectionFailed);
      EXPECT_FALSE(d.error->description.empty());
    }
    if (c.canAuthenticate) {
      ASSERT_EQ(d.challenges.size(), 1u);
      EXPECT_EQ(d.challenges[0].method, AuthMethod::ServerTrust);
      EXPECT_FALSE(d.challenges[0].errorDescription.empty());
    }
  }
  // The first fetch's checked handshake failed; the later ones whose delegate
  // accepts were asked first and cost one handshake each, the one that cancels
  // none; a delegate that does not answer trust still had the checked one.
  EXPECT_EQ(secure.connectionsAccepted(), 4u);
  // A synchronous request takes the certificate only when it says so.
  UrlRequest sync = makeRequest(secure.url("/"));
  EXPECT_FALSE(loader->sendSynchronous(sync).response);
  sync.acceptAnyCertificate = true;
  SyncResult taken = loader->sendSynchronous(sync);
  ASSERT_TRUE(taken.response);
  EXPECT_EQ(taken.body, "secure page");
}

TEST_F(UrlLoaderTest, GzipBodyIsDecodedWhileContentLengthShowsTheCompressedSizeAndHeadHasNone) {
  std::string text;
  for (int i = 0; i < 500; ++i) text += "<p>line " + std::to_string(i) + "</p>\n";
  server.gzipPage("/gz", text);
  const size_t compressed = TestServer::gzip(text).size();
  ASSERT_LT(compressed, text.size());
  RecordingDelegate d;
  fetch(d, makeRequest(server.url("/gz")));
  EXPECT_EQ(d.body, text);
  EXPECT_EQ(d.response->header("Content-Length"), std::to_string(compressed));
  EXPECT_EQ(d.response->expectedContentLength, static_cast<int64_t>(compressed));
  EXPECT_EQ(d.response->header("Content-Encoding"), "gzip");

  // A HEAD has the length the server gives and no body.
  server.rawPage("/doc", std::string(5000, 'x'), "text/plain");
  RecordingDelegate head;
  fetch(head, makeRequest(server.url("/doc"), "HEAD"));
  EXPECT_EQ(head.events(), (Events{"willSend", "response 200", "finish"}));
  EXPECT_EQ(head.response->expectedContentLength, 5000);
  auto seen = server.requestsTo("/doc");
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].method, "HEAD");
}

// A cancel in data also drops what the network thread handed over before it:
// the sleep lets that thread read on and queue more data (and likely the end).
TEST_F(UrlLoaderTest, CancelInsideACallbackStopsAllLaterOnes) {
  server.page("/p", "body");
  server.rawPage("/fast", std::string(4 << 20, 'f'), "application/octet-stream");
  enum Where { kWillSend, kResponse, kDestroyInResponse, kData };
  const Events expected[] = {{"willSend"},
                             {"willSend", "response 200"},
                             {"willSend", "response 200"},
                             {"willSend", "response 200", "data"}};
  for (Where where : {kWillSend, kResponse, kDestroyInResponse, kData}) {
    SCOPED_TRACE(where);
    server.clearLog();
    RecordingDelegate d;
    std::unique_ptr<UrlConnection> c;
    if (where == kWillSend)
      d.onWillSend = [](UrlConnection& conn, const UrlRequest& p, const UrlResponse*) {
        conn.cancel();
        return std::optional<UrlRequest>(p);
      };
    if (where == kResponse) d.onResponse = [](UrlConnection& conn, const UrlResponse&) { conn.cancel(); };
    if (where == kDestroyInResponse) d.onResponse = [&c](UrlConnection&, const UrlResponse&) { c.reset(); };
    if (where == kData)
      d.onData = [](UrlConnection& conn, std::string_view) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        conn.cancel();
      };
    const std::string path = where == kData ? "/fast" : "/p";
    c = loader->start(makeRequest(server.url(path)), &d);
    loop.runUntil([&] { return d.log.size() >= expected[where].size(); }, 20);
    settle();
    EXPECT_EQ(d.log, expected[where]);
    EXPECT_EQ(server.requestsTo(path).size(), where == kWillSend ? 0u : 1u)
        << "a request cancelled before sending is not sent";
    if (c) {
      EXPECT_TRUE(c->isCancelled());
      c->cancel();  // again: harmless
    }
  }
}

TEST_F(UrlLoaderTest, DestroyingTheLoaderSilencesLiveConnections) {
  server.slow("/slow", 5, "late");  // cut short when the server stops
  // 100 blocks of 64 KiB sent 20 ms apart: still coming when the loader goes.
  RawServer::Script script{RawServer::readRequest(),
                           RawServer::send("HTTP/1.1 200 OK\r\nContent-Length: 6553600\r\n\r\n")};
  for (int i = 0; i < 100; ++i)
    script.insert(script.end(),
                  {RawServer::send(std::string(64 * 1024, 'z')), RawServer::sleep(0.02)});
  RawServer bigServer(script);
  RecordingDelegate slow, big, notStarted;
  auto c1 = loader->start(makeRequest(server.url("/slow")), &slow);
  auto c2 = loader->start(makeRequest(bigServer.url("/big")), &big);
  ASSERT_TRUE(loop.runUntil([&] { return !big.body.empty(); }, 20));
  auto c3 = loader->start(makeRequest(server.url("/slow")), &notStarted);
  loader.reset();
  loop.runUntil([] { return false; }, 0.3);
  EXPECT_EQ(slow.log, (Events{"willSend"}));
  EXPECT_EQ(big.events(), (Events{"willSend", "response 200", "data"}));
  EXPECT_TRUE(notStarted.log.empty());
  EXPECT_TRUE(c1->isCancelled());
  c1->cancel();
  c2.reset();
  c3.reset();
}

TEST_F(UrlLoaderTest, ThousandRequestsSixteenInFlightEachCompleteOnce) {
  server.page("/n", "tiny page");
  constexpr int kTotal = 1000, kInFlight = 16;
  std::vector<std::unique_ptr<RecordingDelegate>> delegates;
  std::vector<std::unique_ptr<UrlConnection>> connections;
  int started = 0, ended = 0, running = 0, maxRunning = 0;
  std::function<void()> startOne = [&] {
    auto d = std::make_unique<RecordingDelegate>();
    d->onEnd = [&](UrlConnection&) {
      ++ended;
      --running;
      if (started < kTotal) startOne();  // from inside the callback
    };
    ++running;
    maxRunning = std::max(maxRunning, running);
    connections.push_back(
        loader->start(makeRequest(server.url("/n?i=" + std::to_string(started++))), d.get()));
    delegates.push_back(std::move(d));
  };
  for (int i = 0; i < kInFlight; ++i) startOne();
  ASSERT_TRUE(loop.runUntil([&] { return ended == kTotal; }, 120)) << ended << " ended";
  settle();
  EXPECT_EQ(started, kTotal);
  EXPECT_EQ(maxRunning, kInFlight);
  int ok = 0;
  for (const auto& d : delegates) {
    EXPECT_EQ(d->finishes + d->failures, 1);
    EXPECT_EQ(d->callbacksAfterEnd, 0);
    if (d->finishes == 1 && d->body == "tiny page" && d->response && d->response->statusCode == 200) ++ok;
  }
  EXPECT_EQ(ok, kTotal);
  EXPECT_EQ(server.requestsTo("/n").size(), static_cast<size_t>(kTotal));
}

class FileUrlTest : public UrlLoaderTest {
 protected:
  void SetUp() override { std::filesystem::create_directories(dir / "folder"); }
  std::string fileUrl(const std::string& name) { return "file://" + dir / name; }
  test::TempDir dir;
};

// A file is a non-http response; any body past the limit is cut and still finishes.
TEST_F(FileUrlTest, FilesAreNonHttpResponsesAndBodiesPastTheLimitAreCut) {
  std::string content(300 * 1024, 'q');  // more than one read chunk
  content.replace(0, 6, "<html>");
  test::writeWhole(dir / "page.HTML", content);
  RecordingDelegate file;
  auto c = loader->start(makeRequest(fileUrl("page.HTML")), &file);
  EXPECT_TRUE(file.log.empty());
  ASSERT_TRUE(file.waitUntilDone(loop));
  EXPECT_EQ(file.events(), (Events{"willSend", "response 0", "data", "finish"}));
  EXPECT_FALSE(file.response->isHttp);
  EXPECT_EQ(file.response->mimeType, "text/html");
  EXPECT_EQ(file.response->expectedContentLength, static_cast<int64_t>(content.size()));
  EXPECT_EQ(file.body, content);

  constexpr int64_t kLimit = 100000;
  const std::string big(300 * 1024, 'b'), exact(kLimit, 'e');
  server.rawPage("/big", big, "text/plain");
  server.rawPage("/exact", exact, "text/plain");
  server.gzipPage("/bomb", std::string(2 << 20, ' '));  // small on the wire, large decoded
  test::writeWhole(dir / "big.txt", big);
  test::writeWhole(dir / "exact.txt", exact);
  struct Case {
    std::string url;
    size_t bodySize;
    bool cut;
  };
  for (const Case& c : {Case{server.url("/big"), size_t(kLimit), true},
                        Case{server.url("/exact"), size_t(kLimit), false},
                        Case{server.url("/bomb"), size_t(kLimit), true},
                        Case{fileUrl("big.txt"), size_t(kLimit), true},
                        Case{fileUrl("exact.txt"), size_t(kLimit), false}}) {
    SCOPED_TRACE(c.url);
    RecordingDelegate d;
    UrlRequest r = makeRequest(c.url);
    r.maxBodyBytes = kLimit;
    auto conn = fetch(d, r);
    EXPECT_EQ(d.events().back(), "finish");
    EXPECT_EQ(d.body.size(), c.bodySize);
    EXPECT_EQ(conn->bodyWasCut(), c.cut);
  }
}

// Every failure, broken answers included, arrives on a later turn, once, with
// its code and a description, and nothing follows it.
TEST_F(FileUrlTest, FailuresArriveOnceOnALaterTurnWithTheirCode) {
  server.neverAnswer("/hang");
  RawServer silent(RawServer::neverAnswer()), reset(RawServer::resetMidBody()),
      garbage(RawServer::garbageStatusLine()), chunked(RawServer::truncatedChunked()),
      closer(RawServer::closeImmediately()),
      badCode({RawServer::readRequest(), RawServer::send("HTTP/1.1 2x0 Hm\r\n\r\n")});
  for (const RawServer* raw : {&silent, &reset, &garbage, &chunked, &closer, &badCode})
    ASSERT_TRUE(raw->ok());
  auto fail = [](int code) { return "fail " + std::to_string(code); };
  const Events timedOut{"willSend", fail(UrlError::kTimedOut)},
      lostMidBody{"willSend", "response 200", "data", fail(UrlError::kConnectionLost)},
      badResponse{"willSend", fail(UrlError::kBadServerResponse)};
  struct Case {
    std::string url;
    Events expected;
    const char* mention = "";  // in the description
    double timeout = 10;
  };
  const Case cases[] = {
      {server.url("/hang"), timedOut, "", 0.5},
      {silent.url("/"), timedOut, "", 0.5},
      {"http://127.0.0.1:" + std::to_string(test::closedPort()) + "/",
       {"willSend", fail(UrlError::kCannotConnect)}, "connect"},
      {"ftp://127.0.0.1/file", {"willSend", fail(UrlError::kUnsupportedURL)}},
      {"not a url at all", {"willSend", fail(UrlError::kBadURL)}},
      {"http://[::1/broken", {"willSend", fail(UrlError::kBadURL)}},
      {fileUrl("missing.html"), {"willSend", fail(UrlError::kFileDoesNotExist)}, "missing.html"},
      {fileUrl("folder"), {"willSend", fail(UrlError::kFileIsDirectory)}, "folder"},
      {reset.url("/"), lostMidBody},
      {chunked.url("/"), lostMidBody},
      {garbage.url("/"), badResponse},
      {badCode.url("/"), badResponse},
      {closer.url("/"), {"willSend", fail(UrlError::kConnectionLost)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.url);
    RecordingDelegate d;
    auto conn = loader->start(makeRequest(c.url, "GET", c.timeout), &d);
    EXPECT_TRUE(d.log.empty());
    ASSERT_TRUE(d.waitUntilDone(loop));
    loop.runUntil([] { return false; }, 0.05);
    EXPECT_EQ(d.events(), c.expected);
    EXPECT_EQ(d.failures, 1);
    EXPECT_EQ(d.callbacksAfterEnd, 0);
    ASSERT_TRUE(d.error);
    EXPECT_FALSE(d.error->description.empty());
    EXPECT_NE(d.error->description.find(c.mention), std::string::npos) << d.error->description;
  }
}

// An answer the loader's own client does not take (here: bare line feeds) is
// fetched again by the general path, unseen by the delegate; after that the
// server is left to the general path and asked once per request.
TEST_F(UrlLoaderTest, DeclinedAnswersAreFetchedAgainOnceAndTheServerRemembered) {
  RawServer lf({RawServer::readRequest(),
                RawServer::send("HTTP/1.1 200 OK\nContent-Type: text/html\nContent-Length: 5\n\nhello")});
  ASSERT_TRUE(lf.ok());
  for (int i = 0; i < 3; ++i) {
    RecordingDelegate d;
    auto conn = fetch(d, makeRequest(lf.url("/")));
    EXPECT_EQ(d.events(), (Events{"willSend", "response 200", "data", "finish"}));
    EXPECT_EQ(d.body, "hello");
  }
  EXPECT_EQ(lf.connections(), 4u);
}

TEST_F(UrlLoaderTest, CookiesAreSharedWhenHandledKeptOutWhenNotAndListedWithTheirHostAndPath) {
  server.page("/set", "set", "text/plain", {{"Set-Cookie", "session=abc; Path=/"}});
  server.route("/login", [](const httplib::Request&, httplib::Response& res) {
    res.status = 302;
    res.set_header("Set-Cookie", "login=yes; Path=/");
    res.set_header("Location", "/check");
  });
  server.page("/check", "check");
  auto cookiesSentToCheck = [&](bool setWith, bool checkWith) {
    server.clearLog();
    loader->clearCookies();
    RecordingDelegate a, b;
    UrlRequest set = makeRequest(server.url("/set"));
    set.handleCookies = setWith;
    fetch(a, set);
    UrlRequest check = makeRequest(server.url("/check"));
    check.handleCookies = checkWith;
    fetch(b, check);
    auto seen = server.requestsTo("/check");
    return seen.empty() ? std::map<std::string, std::string>{{"?", "?"}} : seen.back().cookies;
  };
  EXPECT_EQ(cookiesSentToCheck(true, true), (std::map<std::string, std::string>{{"session", "abc"}}));
  EXPECT_TRUE(cookiesSentToCheck(false, true).empty()) << "not stored when handling is off";
  EXPECT_TRUE(cookiesSentToCheck(true, false).empty()) << "not sent when handling is off";

  // A cookie set by a redirect is sent on the next hop; clearCookies empties the store.
  server.clearLog();
  RecordingDelegate d;
  fetch(d, makeRequest(server.url("/login")));
  auto seen = server.requestsTo("/check");
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].cookies["login"], "yes");
  // Such requests go through curl: plain http stays HTTP/1.1 and offers no upgrade.
  EXPECT_EQ(seen[0].version, "HTTP/1.1");
  EXPECT_FALSE(seen[0].header("Upgrade"));
  loader->clearCookies();
  RecordingDelegate e;
  fetch(e, makeRequest(server.url("/check")));
  EXPECT_TRUE(server.requestsTo("/check").back().cookies.empty());
  // Cookies taken in from elsewhere (a rendered page) are sent like the site's own;
  // one that would break the store's line is left out.
  HttpCookie given{"given", "1", "127.0.0.1"}, broken{"broken", "a\tb", "127.0.0.1"};
  loader->addCookies({given, broken});
  RecordingDelegate g;
  fetch(g, makeRequest(server.url("/check")));
  EXPECT_EQ(server.requestsTo("/check").back().cookies,
            (std::map<std::string, std::string>{{"given", "1"}}));
  loader->clearCookies();

  // The store lists its cookies with the host and path they belong to, as curl keeps them.
  server.page("/set2", "set", "text/plain",
              {{"Set-Cookie", "a=1"}, {"Set-Cookie", "b=2; Path=/p; HttpOnly; Max-Age=3600"}});
  RecordingDelegate f;
  fetch(f, makeRequest(server.url("/set2")));
  std::vector<HttpCookie> c = loader->storedCookies();
  std::sort(c.begin(), c.end(), [](auto& x, auto& y) { return x.name < y.name; });
  ASSERT_EQ(c.size(), 2u);
  EXPECT_EQ(c[0].value + c[0].domain + c[0].path, "1127.0.0.1/");
  EXPECT_TRUE(c[0].hostOnly);
  EXPECT_FALSE(c[0].httpOnly);
  EXPECT_EQ(c[0].expires, 0);
  EXPECT_EQ(c[1].value + c[1].domain + c[1].path, "2127.0.0.1/p");
  EXPECT_TRUE(c[1].httpOnly);
  EXPECT_GT(c[1].expires, std::chrono::duration_cast<std::chrono::seconds>(
                              std::chrono::system_clock::now().time_since_epoch())
                              .count());
  // A domain cookie as curl lists it, and lines that are not cookies.
  auto domain = curlsupport::parseCookieLine(".example.org\tTRUE\t/\tTRUE\t0\tn\tv=w");
  ASSERT_TRUE(domain);
  EXPECT_EQ(domain->domain + " " + domain->name + " " + domain->value, "example.org n v=w");
  EXPECT_FALSE(domain->hostOnly);
  EXPECT_TRUE(domain->secure);
  EXPECT_FALSE(curlsupport::parseCookieLine("example.org\tFALSE\t/"));
  EXPECT_FALSE(curlsupport::parseCookieLine("\tFALSE\t/\tFALSE\t0\tn\tv"));
  loader->clearCookies();
  EXPECT_TRUE(loader->storedCookies().empty());

  // A site setting cookie after cookie (curl takes 50 a response): once 500 have
  // come, the store keeps the newest 180 of the domain, as a browser does.
  server.route("/flood", [](const httplib::Request& req, httplib::Response& res) {
    for (int i = 0; i < 50; ++i)
      res.headers.emplace("Set-Cookie", req.get_param_value("r") + "_" + std::to_string(i) + "=v");
    res.set_content("ok", "text/plain");
  });
  for (int round = 0; round < 10; ++round) {
    RecordingDelegate f;
    fetch(f, makeRequest(server.url("/flood?r=") + std::to_string(round)));
  }
  std::set<std::string> kept;
  for (const HttpCookie& cookie : loader->storedCookies()) kept.insert(cookie.name);
  EXPECT_GE(kept.size(), 180u);
  EXPECT_LE(kept.size(), 230u) << "trimmed in the last round, which may add 50 after";
  for (const char* name : {"9_49", "7_0"}) EXPECT_EQ(kept.count(name), 1u) << name;
  for (const char* name : {"4_49", "0_0"}) EXPECT_EQ(kept.count(name), 0u) << name;
}

// Blocking requests follow redirects up to their limit; on another thread they run
// beside fetches on the run loop, with one cookie store for both.
TEST_F(UrlLoaderTest, SendSynchronousFollowsRedirectsAndRunsBesideFetches) {
  server.redirect("/s1", 302, "/s2");
  server.redirect("/s2", 301, "/s3");
  server.page("/s3", "robots body", "text/plain");
  SyncResult all = loader->sendSynchronous(makeRequest(server.url("/s1")), 5);
  ASSERT_TRUE(all.response);
  EXPECT_FALSE(all.error);
  EXPECT_EQ(all.response->statusCode, 200);
  EXPECT_EQ(all.response->url, server.url("/s3"));
  EXPECT_EQ(all.body, "robots body");

  SyncResult one = loader->sendSynchronous(makeRequest(server.url("/s1")), 1);
  ASSERT_TRUE(one.response);
  EXPECT_EQ(one.response->statusCode, 301);
  EXPECT_EQ(one.response->url, server.url("/s2"));

  SyncResult refused = loader->sendSynchronous(
      makeRequest("http://127.0.0.1:" + std::to_string(test::closedPort()) + "/"));
  EXPECT_FALSE(refused.response);
  ASSERT_TRUE(refused.error);
  EXPECT_EQ(refused.error->code, UrlError::kCannotConnect);

  server.page("/set", "set", "text/plain", {{"Set-Cookie", "session=abc; Path=/"}});
  server.route("/more", [](const httplib::Request& req, httplib::Response& res) {
    res.set_header("Set-Cookie", "n" + req.get_param_value("i") + "=1; Path=/");
    res.set_content("more", "text/plain");
  });
  server.page("/check", "check", "text/plain");
  RecordingDelegate first;
  fetch(first, makeRequest(server.url("/set")));
  constexpr int kSync = 20, kAsync = 24;  // fewer connections than the server has threads
  int syncOk = 0;
  std::thread blocking([&] {
    for (int i = 0; i < kSync; ++i) {
      SyncResult r = loader->sendSynchronous(makeRequest(server.url("/check")));
      if (r.response && r.response->statusCode == 200 && r.body == "check") ++syncOk;
    }
  });
  std::vector<std::unique_ptr<RecordingDelegate>> delegates;
  std::vector<std::unique_ptr<UrlConnection>> connections;
  for (int i = 0; i < kAsync; ++i) {
    delegates.push_back(std::make_unique<RecordingDelegate>());
    const std::string path = i % 2 ? "/check" : "/more?i=" + std::to_string(i);
    connections.push_back(loader->start(makeRequest(server.url(path)), delegates.back().get()));
  }
  const bool allDone = loop.runUntil([&] {
    return std::all_of(delegates.begin(), delegates.end(), [](const auto& d) { return d->done(); });
  }, 60);
  blocking.join();
  EXPECT_TRUE(allDone);
  EXPECT_EQ(syncOk, kSync);
  for (const auto& d : delegates) EXPECT_EQ(d->finishes, 1);
  auto seen = server.requestsTo("/check");
  ASSERT_EQ(seen.size(), size_t(kSync + kAsync / 2));
  for (auto request : seen) EXPECT_EQ(request.cookies["session"], "abc");
}

}  // namespace
}  // namespace zel
