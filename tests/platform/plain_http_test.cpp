// The plain http reader: framings, codings, what it declines (silently, for the
// general path) and how it fails; each answer is fed whole and byte by byte.
#include "platform/plain_http.h"

#include <brotli/encode.h>
#include <gtest/gtest.h>

#include "support/test_server.h"

namespace zel::curlsupport {
namespace {

using State = PlainHttpReader::State;

std::string brotli(std::string_view data) {
  size_t size = BrotliEncoderMaxCompressedSize(data.size());
  std::string out(size, '\0');
  BrotliEncoderCompress(BROTLI_DEFAULT_QUALITY, BROTLI_DEFAULT_WINDOW, BROTLI_MODE_GENERIC, data.size(),
                        reinterpret_cast<const uint8_t*>(data.data()), &size,
                        reinterpret_cast<uint8_t*>(out.data()));
  out.resize(size);
  return out;
}

struct Sink : PlainHttpSink {
  std::vector<std::string> head;
  std::string taken;
  size_t stopAfter = std::string::npos;
  void headLine(std::string_view line) override { head.emplace_back(line); }
  bool body(std::string_view bytes) override {
    taken.append(bytes);
    return taken.size() < stopAfter;
  }
};

struct Outcome {
  State state;
  std::string body;
  size_t headLines;
  CURLcode code;
  bool leavesOpen;
};

Outcome read(const std::string& response, bool head, bool byteByByte, size_t stopAfter) {
  PlainHttpReader reader(head, /*declineSetCookie=*/true);
  Sink sink;
  sink.stopAfter = stopAfter;
  State s = State::Reading;
  if (byteByByte) {
    for (size_t i = 0; i < response.size(); ++i) s = reader.feed(response.substr(i, 1), sink);
  } else {
    s = reader.feed(response, sink);
  }
  if (s == State::Reading) s = reader.finish(sink);
  return {s, sink.taken, sink.head.size(), reader.failureCode(), reader.leavesConnectionOpen()};
}

TEST(PlainHttpReader, FramingsCodingsDeclinesAndFailures) {
  const std::string page = "<p>" + std::string(40000, 'x') + "</p>";
  using test::TestServer;
  const std::string gz = TestServer::gzip(page), zlib = TestServer::deflated(page, 15),
                    raw = TestServer::deflated(page, -15);
  auto withLength = [](const std::string& head, const std::string& body) {
    return "HTTP/1.1 200 OK\r\n" + head + "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
  };
  auto chunked = [](const std::string& head, const std::string& body) {
    std::string out = "HTTP/1.1 200 OK\r\n" + head + "Transfer-Encoding: chunked\r\n\r\n";
    for (size_t at = 0; at < body.size(); at += 7000) {
      const std::string piece = body.substr(at, 7000);
      char size[32];
      std::snprintf(size, sizeof size, "%zx;ext=1\r\n", piece.size());
      out += size + piece + "\r\n";
    }
    return out + "0\r\nTrailer: x\r\n\r\n";
  };
  const struct Case {
    const char* name;
    std::string response;
    State state;
    std::string body;
    bool head = false;
    CURLcode code = CURLE_OK;
    size_t stopAfter = std::string::npos;
    bool leavesOpen = false;  // the next request may go on the same connection
  } kCases[] = {
      // `body`: what a complete read delivers; a stopped or broken one delivers a
      // part of it.
      {"length", withLength("", "hello"), State::Done, "hello", false, CURLE_OK, std::string::npos,
       true},
      {"length and more", withLength("", "hello") + "extra", State::Done, "hello"},
      {"asks to close", withLength("Connection: keep-alive, Close\r\n", "hi"), State::Done, "hi"},
      {"until close", "HTTP/1.0 200 OK\r\nX: y\r\n\r\nhello", State::Done, "hello"},
      {"http/1.0 length", "HTTP/1.0 200 OK\r\nContent-Length: 2\r\n\r\nhi", State::Done, "hi"},
      {"chunked", chunked("", page), State::Done, page, false, CURLE_OK, std::string::npos, true},
      {"head request", "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\n", State::Done, "", true,
       CURLE_OK, std::string::npos, true},
      {"head request and a body", withLength("", "hello"), State::Done, "", true},
      {"no content", "HTTP/1.1 204 No Content\r\n\r\nstray", State::Done, ""},
      {"not modified", "HTTP/1.1 304\r\nContent-Length: 9\r\n\r\n", State::Done, "", false,
       CURLE_OK, std::string::npos, true},
      {"gzip", withLength("Content-Encoding: gzip\r\n", gz), State::Done, page, false, CURLE_OK,
       std::string::npos, true},
      {"gzip chunked", chunked("Content-Encoding: x-gzip\r\n", gz), State::Done, page, false,
       CURLE_OK, std::string::npos, true},
      {"zlib deflate", withLength("Content-Encoding: deflate\r\n", zlib), State::Done, page, false,
       CURLE_OK, std::string::npos, true},
      {"raw deflate", withLength("Content-Encoding: deflate\r\n", raw), State::Done, page, false,
       CURLE_OK, std::string::npos, true},
      {"brotli", withLength("Content-Encoding: br\r\n", brotli(page)), State::Done, page, false,
       CURLE_OK, std::string::npos, true},
      {"stopped by the sink", withLength("", page), State::Stopped, page, false, CURLE_OK, 100},
      // Declined before anything is reported.
      {"interim head", "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\n\r\n", State::Declined, ""},
      {"other version", "HTTP/2 200\r\n\r\n", State::Declined, ""},
      {"bare line feeds", "HTTP/1.1 200 OK\nContent-Length: 2\n\nhi", State::Declined, ""},
      {"folded line", "HTTP/1.1 200 OK\r\nX: a\r\n b\r\n\r\n", State::Declined, ""},
      {"other transfer coding", "HTTP/1.1 200 OK\r\nTransfer-Encoding: gzip, chunked\r\n\r\n",
       State::Declined, ""},
      {"length and chunks", chunked("Content-Length: 3\r\n", "abc"), State::Declined, ""},
      {"two lengths", "HTTP/1.1 200 OK\r\nContent-Length: 3\r\nContent-Length: 4\r\n\r\nabcd",
       State::Declined, ""},
      {"unknown coding", withLength("Content-Encoding: zstd\r\n", "abc"), State::Declined, ""},
      {"sets a cookie", withLength("Set-Cookie: a=b\r\n", "abc"), State::Declined, ""},
      {"control byte", withLength(std::string("X: a\0b\r\n", 8), "abc"), State::Declined, ""},
      {"endless head", "HTTP/1.1 200 OK\r\n" + std::string(PlainHttpReader::kMaxHeadBytes, 'a'),
       State::Declined, ""},
      {"no head at all", "<html>hello</html>", State::Declined, ""},
      // Broken after the head.
      {"short body", withLength("", "hello").substr(0, 40), State::Failed, "hello", false,
       CURLE_PARTIAL_FILE},
      {"bad chunk size", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n",
       State::Failed, "", false, CURLE_RECV_ERROR},
      {"chunks cut off", chunked("", page).substr(0, 9000), State::Failed, page, false,
       CURLE_PARTIAL_FILE},
      {"not gzip", withLength("Content-Encoding: gzip\r\n", "plain text, not gzip"), State::Failed,
       "", false, CURLE_BAD_CONTENT_ENCODING},
      {"gzip cut off", "HTTP/1.1 200 OK\r\nContent-Encoding: gzip\r\n\r\n" + gz.substr(0, 60),
       State::Failed, page, false, CURLE_BAD_CONTENT_ENCODING},
  };
  for (const Case& c : kCases) {
    for (bool byteByByte : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (byteByByte ? ", byte by byte" : ", whole"));
      const Outcome o = read(c.response, c.head, byteByByte, c.stopAfter);
      EXPECT_EQ(o.state, c.state);
      EXPECT_EQ(o.code, c.code);
      EXPECT_EQ(o.leavesOpen, c.leavesOpen);
      if (c.state == State::Declined) {
        EXPECT_EQ(o.headLines, 0u) << "a declined answer reports nothing";
      } else {
        EXPECT_GE(o.headLines, 2u);
      }
      if (c.state == State::Done || c.state == State::Declined) {
        EXPECT_TRUE(o.body == c.body) << o.body.size() << " bytes";
      } else {
        EXPECT_TRUE(o.body.size() <= c.body.size() && c.body.compare(0, o.body.size(), o.body) == 0)
            << o.body.size() << " bytes";
      }
    }
  }
}

TEST(PlainHttpRequest, OnlyPlainGetsAndHeadsAndTheHeadTheyCarry) {
  auto request = [](std::string url, std::string method = "GET") {
    UrlRequest r;
    r.url = std::move(url);
    r.method = std::move(method);
    return r;
  };
  UrlRequest post = request("http://127.0.0.1/form", "POST");
  UrlRequest withBody = request("http://127.0.0.1/x");
  withBody.body = "a=b";
  for (const UrlRequest& r : {request("https://127.0.0.1/"), request("ftp://127.0.0.1/"), post, withBody,
                              request("http://user:pw@127.0.0.1/"), request("http://user@127.0.0.1/"),
                              request("http://127.0.0.1/a/../b"), request("http://127.0.0.1/a/.")}) {
    SCOPED_TRACE(r.url + " " + r.method);
    EXPECT_FALSE(plainHttpAddress(r));
  }

  UrlRequest r = request("http://EXAMPLE.org:8080/a/b.html?q=1#top", "HEAD");
  r.setHeader("Accept-Encoding", "gzip");
  r.setHeader("X-Injected", "a\r\nEvil: 1");
  r.setHeader("Expect", "");
  r.setHeader("Empty", "");
  const auto a = plainHttpAddress(r);
  ASSERT_TRUE(a);
  EXPECT_EQ(a->host, "example.org");
  EXPECT_EQ(a->port, 8080);
  EXPECT_EQ(a->target, "/a/b.html?q=1");
  EXPECT_EQ(plainHttpRequestHead(r, a->target, "example.org:8080"),
            "HEAD /a/b.html?q=1 HTTP/1.1\r\nHost: example.org:8080\r\nAccept: */*\r\n"
            "Accept-Encoding: gzip\r\nEmpty:\r\n\r\n");

  // A name goes plain only with an address curl found for it; a literal always does.
  auto none = [](const std::string&) -> const sockaddr_storage* { return nullptr; };
  EXPECT_FALSE(plainHttpTarget(r, none));
  EXPECT_TRUE(plainHttpTarget(request("http://[::1]:81/"), none));
  const auto t = plainHttpTarget(request("http://127.0.0.1/"), none);
  ASSERT_TRUE(t);
  EXPECT_EQ(t->hostKey, "127.0.0.1:80");
  EXPECT_NE(t->request.find("\r\nHost: 127.0.0.1\r\n"), std::string::npos);
}

}  // namespace
}  // namespace zel::curlsupport
