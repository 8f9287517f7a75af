#include "support/recording_delegate.h"

namespace zel::test {
namespace {

std::string authMethodName(AuthMethod method) {
  switch (method) {
    case AuthMethod::ServerTrust: return "trust";
    case AuthMethod::HttpBasic: return "basic";
    case AuthMethod::HttpDigest: return "digest";
    case AuthMethod::Negotiate: return "negotiate";
    case AuthMethod::Other: return "other";
  }
  return "?";
}

}  // namespace

void RecordingDelegate::note(std::string entry) {
  if (done()) ++callbacksAfterEnd;
  log.push_back(std::move(entry));
}

std::vector<std::string> RecordingDelegate::events() const {
  std::vector<std::string> out;
  for (const auto& e : log)
    if (!(e == "data" && !out.empty() && out.back() == "data")) out.push_back(e);
  return out;
}

bool RecordingDelegate::waitUntilDone(RunLoop& loop, double seconds) {
  return loop.runUntil([this] { return done(); }, seconds);
}

std::optional<UrlRequest> RecordingDelegate::willSendRequest(UrlConnection& connection,
                                                             const UrlRequest& proposed,
                                                             const UrlResponse* redirectResponse) {
  if (redirectResponse) {
    note("redirect " + std::to_string(redirectResponse->statusCode) + " " + proposed.url);
    proposals.push_back(proposed);
    redirectResponses.push_back(*redirectResponse);
  } else {
    note("willSend");
  }
  std::optional<UrlRequest> answer = proposed;
  if (onWillSend) answer = onWillSend(connection, proposed, redirectResponse);
  if (!answer && redirectResponse) stoppedByRedirect = true;
  return answer;
}

bool RecordingDelegate::canAuthenticateAgainst(UrlConnection&, AuthMethod method) {
  note("canAuth " + authMethodName(method));
  return canAuthenticate ? canAuthenticate(method) : false;
}

ChallengeAnswer RecordingDelegate::didReceiveChallenge(UrlConnection&, const AuthChallenge& challenge) {
  note("challenge " + authMethodName(challenge.method) + " " +
       std::to_string(challenge.previousFailureCount));
  challenges.push_back(challenge);
  if (onChallenge) return onChallenge(challenge);
  return ChallengeAnswer{ChallengeDisposition::Cancel, {}, {}};
}

void RecordingDelegate::didReceiveResponse(UrlConnection& connection, const UrlResponse& r) {
  note("response " + std::to_string(r.statusCode));
  response = r;
  if (onResponse) onResponse(connection, r);
}

void RecordingDelegate::didReceiveData(UrlConnection& connection, std::string_view bytes) {
  note("data");
  body.append(bytes);
  if (onData) onData(connection, bytes);
}

void RecordingDelegate::didFinishLoading(UrlConnection& connection) {
  note("finish");
  ++finishes;
  if (onEnd) onEnd(connection);
}

void RecordingDelegate::didFailWithError(UrlConnection& connection, const UrlError& e) {
  note("fail " + std::to_string(e.code));
  ++failures;
  error = e;
  if (onEnd) onEnd(connection);
}

}  // namespace zel::test
