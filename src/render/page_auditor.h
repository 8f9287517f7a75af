#pragma once
// The audits of a rendered page, run in its web view once the page has settled:
// the accessibility rules (axe-core, in an isolated world of the page's, out of its
// scripts' reach, installed once a view), the lab page-speed figures (from
// the browser's own timing and performance observers, set up before the page's
// scripts run) and the page as served against the page as rendered.
#include <functional>
#include <memory>
#include <string>

#include "platform/web_view.h"
#include "url/rendered_facts.h"

namespace zel {

// What a renderer is asked to find besides the HTML, and where it goes.
struct RenderAuditRequest {
  RenderAudits audits;
  RenderThrottling throttling;
  // Called once per page when audits were asked for: with what was found, or
  // with timedOut set when the render did not finish in time.
  std::function<void(RenderedFacts)> done;
};

class PageAuditor {
 public:
  using Done = std::function<void(RenderedFacts)>;
  // `view` must outlive the auditor.
  PageAuditor(WebView& view, RenderAudits audits, bool throttled)
      : view_(view), audits_(audits), throttled_(throttled) {}
  ~PageAuditor() { *alive_ = false; }

  // Before the load: what the audits observe from the page's start.
  static void prepare(WebView& view, const RenderAudits& audits, const RenderThrottling& throttling);
  // After the page has settled: each audit asked for, one after the other;
  // `done` is called once with what was found (an audit that failed is left out).
  void run(Done done);

  // The scripts, and the readers of their answers (false: not an answer of theirs).
  static const std::string& labObserverScript();
  static const std::string& labFiguresScript();
  static std::string headFactsScript(const std::optional<std::string>& served);
  // axe with its run, whole; the function every document's audit world gets, which
  // installs axe; and the run of its rules there, installing it first.
  static std::string accessibilityScript();
  static const std::string& axeInstallScript();
  static const std::string& accessibilityRunScript();
  static bool readLabFigures(const std::string& json, PageSpeedFigures& out);
  static bool readHeadFacts(const std::string& json, ScriptChangeFacts& out);
  static bool readViolations(const std::string& json, std::vector<AccessibilityViolation>& out);
  // The browser's resource types grouped as the figures count them.
  static std::vector<RequestsOfType> requestsByType(const WebViewActivity& activity);

  // The isolated world of the page the audits' own scripts live in.
  static constexpr const char* kAuditWorld = "zelmora-audits";
  // The served page is compared only up to this size.
  static constexpr size_t kMostServedBytes = 8 << 20;

 private:
  struct State;
  void step(std::shared_ptr<State> state);

  WebView& view_;
  RenderAudits audits_;
  bool throttled_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace zel
