// The DevTools client against a real headless Chromium (skipped only where
// none is installed), and against programs that are not browsers at all.
#include "platform/devtools_client.h"

#include <gtest/gtest.h>
#include <signal.h>

namespace zel {
namespace {

TEST(DevToolsClient, ABrowserThatCannotRunIsAClearErrorNotAHang) {
  PollRunLoop loop;
  {
    DevToolsClient client(loop);
    const Status s = client.startAndWait({"/no/such/chromium", {}}, 5);
    EXPECT_FALSE(s.ok());
    EXPECT_NE(s.message().find("/no/such/chromium"), std::string::npos) << s.message();
    EXPECT_FALSE(client.isOpen());
  }
  // A program that runs but never speaks the protocol: it ends at once here,
  // and the first command fails when its pipe closes, not at the time-out.
  DevToolsClient client(loop);
  const Status s = client.startAndWait({"/bin/true", {}}, 20);
  EXPECT_FALSE(s.ok());
  EXPECT_NE(s.message().find("did not start"), std::string::npos) << s.message();
  EXPECT_EQ(s.message().find("did not answer"), std::string::npos) << s.message();
  EXPECT_TRUE(client.process().hasExited());
}

TEST(DevToolsClient, CommandsAnswerEventsReachTheirSessionAndADyingBrowserFailsWhatWaits) {
  if (!BrowserProcess::findExecutable())
    GTEST_SKIP() << "no headless Chromium installed (scripts/install-deps installs it)";
  PollRunLoop loop;
  DevToolsClient client(loop);
  const Status started = client.startAndWait();
  ASSERT_TRUE(started.ok()) << started.message();
  std::string session;
  ASSERT_TRUE(client.openPageAndWait(&session).ok());
  ASSERT_FALSE(session.empty());

  std::vector<std::string> events;
  client.on(
      "Page.loadEventFired", [&](const Json&) { events.push_back("load"); }, session);
  client.on("Page.loadEventFired", [&](const Json&) { events.push_back("browser-level"); });
  ASSERT_TRUE(client.call("Page.enable", Json::object(), nullptr, session).ok());
  ASSERT_TRUE(client
                  .call("Page.navigate",
                        {{"url", "data:text/html,<title>t</title><p id=p>forty-two</p>"}}, nullptr,
                        session)
                  .ok());
  EXPECT_TRUE(client.runUntil([&] { return !events.empty(); }, 20));
  EXPECT_EQ(events, std::vector<std::string>{"load"});

  Json result;
  ASSERT_TRUE(client
                  .call("Runtime.evaluate",
                        {{"expression", "document.getElementById('p').textContent + (6 * 7)"},
                         {"returnByValue", true}},
                        &result, session)
                  .ok());
  EXPECT_EQ(result["result"]["value"], "forty-two42");

  const Status unknown = client.call("No.suchMethod", Json::object(), nullptr, session);
  EXPECT_FALSE(unknown.ok());
  EXPECT_NE(unknown.message().find("No.suchMethod"), std::string::npos) << unknown.message();

  // A browser that dies fails what waits and says so.
  Status closedWith;
  bool closed = false;
  client.onClosed([&](const Status& s) {
    closed = true;
    closedWith = s;
  });
  // A promise that settles in ten minutes keeps the command waiting; then the browser dies.
  bool answered = false;
  Status answer;
  client.send(
      "Runtime.evaluate",
      {{"expression", "new Promise(done => setTimeout(done, 600000))"}, {"awaitPromise", true}},
      [&](const Status& s, const Json&) {
        answered = true;
        answer = s;
      },
      session, 60);
  client.runUntil([] { return false; }, 0.5);
  ASSERT_GT(client.process().pid(), 0);
  ::kill(client.process().pid(), SIGKILL);
  EXPECT_TRUE(client.runUntil([&] { return answered && closed; }, 20))
      << "not left to the 60 s time-out";
  EXPECT_FALSE(answer.ok());
  EXPECT_NE(answer.message().find("quit"), std::string::npos) << answer.message();
  EXPECT_FALSE(closedWith.ok());
  EXPECT_FALSE(client.isOpen());

  bool late = false;
  client.send("Browser.getVersion", Json::object(), [&](const Status& s, const Json&) {
    late = true;
    EXPECT_FALSE(s.ok());
  });
  EXPECT_TRUE(client.runUntil([&] { return late; }, 5)) << "a closed client still answers";
}

}  // namespace
}  // namespace zel
