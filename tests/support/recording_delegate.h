#pragma once
// A UrlConnectionDelegate that writes down every callback, with hooks to answer
// redirects and challenges or to act (cancel, ...) inside a callback.
//
// events() reads like "willSend", "redirect 301 http://...", "canAuth basic",
// "challenge basic 0", "response 200", "data", "finish", "fail -1004"; consecutive
// data callbacks show as one "data".
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/run_loop.h"
#include "platform/url_loader.h"

namespace zel::test {

class RecordingDelegate : public UrlConnectionDelegate {
 public:
  // Hooks; each may be left empty. Defaults: send every proposal unchanged, answer
  // no challenge (canAuthenticate false), cancel when asked anyway.
  std::function<std::optional<UrlRequest>(UrlConnection&, const UrlRequest&, const UrlResponse*)>
      onWillSend;
  std::function<bool(AuthMethod)> canAuthenticate;
  std::function<ChallengeAnswer(const AuthChallenge&)> onChallenge;
  std::function<void(UrlConnection&, const UrlResponse&)> onResponse;
  std::function<void(UrlConnection&, std::string_view)> onData;
  std::function<void(UrlConnection&)> onEnd;  // after finish or failure

  // What happened.
  std::vector<std::string> log;  // every callback, in order
  std::vector<UrlRequest> proposals;         // redirect proposals, in order
  std::vector<UrlResponse> redirectResponses;
  std::vector<AuthChallenge> challenges;
  std::optional<UrlResponse> response;
  std::string body;
  std::optional<UrlError> error;
  int finishes = 0, failures = 0;
  int callbacksAfterEnd = 0;  // must stay 0
  bool stoppedByRedirect = false;  // a proposal was answered with nullopt

  // A fetch is over once it finished, failed or was stopped at a redirect.
  bool done() const { return finishes + failures > 0 || stoppedByRedirect; }
  // The log with runs of "data" folded into one.
  std::vector<std::string> events() const;

  // Turns `loop` until done() or `seconds` pass; returns done().
  bool waitUntilDone(RunLoop& loop, double seconds = 20);

  std::optional<UrlRequest> willSendRequest(UrlConnection& connection, const UrlRequest& proposed,
                                            const UrlResponse* redirectResponse) override;
  bool canAuthenticateAgainst(UrlConnection& connection, AuthMethod method) override;
  ChallengeAnswer didReceiveChallenge(UrlConnection& connection,
                                      const AuthChallenge& challenge) override;
  void didReceiveResponse(UrlConnection& connection, const UrlResponse& response) override;
  void didReceiveData(UrlConnection& connection, std::string_view bytes) override;
  void didFinishLoading(UrlConnection& connection) override;
  void didFailWithError(UrlConnection& connection, const UrlError& error) override;

 private:
  void note(std::string entry);
};

}  // namespace zel::test
