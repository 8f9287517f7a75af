// The scan's observer: what a page-facts or validation collector is told, and when.
#include <gtest/gtest.h>

#include "parser_test_util.h"

namespace zel::testing {
namespace {

using Strings = std::vector<std::string>;

class Recorder : public ScanCollector {
 public:
  Strings log;
  std::string seenText;

  void tagOpened(ZelParser&, const TagEvent& t) override {
    log.push_back(std::string(t.headPass ? "H" : "B") + (t.closing ? "</" : "<") +
                  std::string(t.name));
  }
  void attribute(ZelParser&, const TagEvent&, std::string_view name, bool, std::string_view value,
                 char quote, ValueEnd end, size_t, bool linkValue) override {
    if (!linkValue) return;
    log.push_back("link " + std::string(name) + "=" + std::string(value) + (quote ? "" : " unquoted") +
                  (end == ValueEnd::Gt ? " cut" : ""));
  }
  void text(ZelParser&, std::string_view run, size_t, bool headPass) override {
    if (!headPass) seenText += run;
  }
  void commentOpened(ZelParser& p, size_t offset, bool within, bool) override {
    log.push_back(std::string(within ? "comment in comment" : "comment") + " line " +
                  std::to_string(p.lineNumberAt(offset)));
  }
  void scanEvent(ZelParser& p, ScanEvent e, const ScanEventInfo& info) override {
    switch (e) {
      case ScanEvent::NestedLink:
        log.push_back("nested, open entry line " + std::to_string(info.entryLine));
        break;
      case ScanEvent::ExtraClosingA:
        log.push_back("extra </a> at byte " + std::to_string(info.offset));
        break;
      case ScanEvent::BlockInInline:
        log.push_back(std::string("block ") + std::string(info.name) +
                      (info.anchorOpen ? " in link" : ""));
        break;
      case ScanEvent::ImageEnded: {
        const LinkEntry& e = p.currentEntry();
        log.push_back("image end, alt " + e.altText.value_or("(none)"));
        break;
      }
      default:
        log.push_back("other event");
    }
  }
  void headPassEnded(ZelParser&, size_t, bool bodySeen) override {
    log.push_back(bodySeen ? "head ended at body" : "head ended without body");
  }
  void scanEnded(ZelParser&, bool inScript, bool inComment) override {
    log.push_back(std::string("end") + (inScript ? " in script" : "") +
                  (inComment ? " in comment" : ""));
  }
};

TEST(Collector, SeesTheStructureOfOneScan) {
  auto d = settings({"checkImages"});
  Recorder r;
  const std::string html =
      "<html><head><title>T</title></head>\n"
      "<body><p>Hi <a href=/x?a=b>one<a href=\"/y>two</a></a></a>\n"
      "<!-- c <!-- d --><img src=i.png alt=\"A\"><a href=\"/z\"><iframe src=\"/f\"></iframe>";
  auto p = parse(html, *d, false, &r);
  ASSERT_TRUE(p);
  Strings expected = {
      "H<html", "H<head", "H<title", "H</title", "H</head", "H<body", "head ended at body",
      "B<p", "B<a", "link href=/x?a=b unquoted cut", "B<a", "nested, open entry line 2",
      "link href=/y cut", "B</a", "B</a", "B</a",
      "extra </a> at byte " + std::to_string(html.find("</a>\n") + 3), "comment line 3",
      "comment in comment line 3", "B<img", "link src=i.png unquoted", "image end, alt A", "B<a",
      "link href=/z", "B<iframe", "block iframe in link", "link src=/f", "B</iframe", "end"};
  EXPECT_EQ(r.log, expected);
  EXPECT_EQ(r.seenText, "Hi onetwo\n");
}

TEST(Collector, UnclosedScriptOrCommentAndNoBodyTag) {
  auto d = settings();
  const std::pair<const char*, Strings> cases[] = {
      {"<body><script>var x = '<a href=/no>';",
       {"H<body", "head ended at body", "B<script", "end in script"}},
      {"<body><!-- <a href=/no>",
       {"H<body", "head ended at body", "comment line 1", "end in comment"}},
      // Without a body tag the body pass starts again from the top.
      {"<head></head><a href=/a>a</a>",
       {"H<head", "H</head", "H<a", "H</a", "head ended without body", "B<a",
        "link href=/a unquoted cut", "B</a", "end"}},
  };
  for (const auto& [html, expected] : cases) {
    Recorder r;
    parse(html, *d, false, &r);
    EXPECT_EQ(r.log, expected) << html;
  }
}

}  // namespace
}  // namespace zel::testing
