#include "render/page_auditor.h"

#include <algorithm>
#include <cmath>

#include "platform/defaults.h"  // Json
#include "render/axe_script.h"

namespace zel {

namespace {

// Texts kept from a page are cut at this length.
constexpr size_t kMostText = 300;

// Records the page's largest contentful paint, its layout shifts (as session
// windows: a gap of 1 s, or 5 s in all, starts a new one; the layout shift is
// the largest window) and its long tasks, from the document's start on.
constexpr const char* kLabObserver = R"JS((() => {
  const lab = {lcp: -1, cls: 0, win: 0, winStart: -1, last: -1, longTasks: []};
  try { Object.defineProperty(window, '__zelmoraLab', {value: lab}); } catch (e) { return; }
  const watch = (type, each) => {
    try {
      new PerformanceObserver(list => list.getEntries().forEach(each))
          .observe({type: type, buffered: true});
    } catch (e) {}
  };
  watch('largest-contentful-paint', e => { lab.lcp = e.startTime; });
  watch('layout-shift', e => {
    if (e.hadRecentInput) return;
    if (lab.winStart < 0 || e.startTime - lab.last > 1000 || e.startTime - lab.winStart > 5000) {
      lab.winStart = e.startTime;
      lab.win = 0;
    }
    lab.win += e.value;
    lab.last = e.startTime;
    lab.cls = Math.max(lab.cls, lab.win);
  });
  watch('longtask', e => { if (lab.longTasks.length < 10000) lab.longTasks.push([e.startTime, e.duration]); });
})();)JS";

// Total blocking time: the part of each long task past 50 ms, counted from the
// first contentful paint on (all of them when there was none).
constexpr const char* kLabFigures = R"JS((() => {
  const lab = window.__zelmoraLab || {lcp: -1, cls: 0, longTasks: []};
  const nav = performance.getEntriesByType('navigation')[0];
  const paint = performance.getEntriesByName('first-contentful-paint')[0];
  const fcp = paint ? paint.startTime : -1;
  let tbt = 0;
  for (const [start, duration] of lab.longTasks) {
    const clipped = start + duration - Math.max(start, fcp);
    if (clipped > 50) tbt += clipped - 50;
  }
  return JSON.stringify({ttfb: nav ? nav.responseStart : -1, fcp: fcp, lcp: lab.lcp,
                         cls: lab.cls, tbt: tbt, dom: document.getElementsByTagName('*').length});
})())JS";

// The title, description, canonical, robots, first h1 and link targets of the
// rendered document and of the served one (parsed without running its scripts).
constexpr const char* kHeadFacts = R"JS(((served) => {
  const text = e => e ? e.textContent.replace(/\s+/g, ' ').trim() : null;
  const resolve = (href, doc) => { try { return new URL(href, doc.baseURI).href; } catch (e) { return href; } };
  const read = doc => {
    const meta = name => {
      for (const m of doc.querySelectorAll('meta[name]'))
        if (m.getAttribute('name').trim().toLowerCase() === name) return m.getAttribute('content') || '';
      return null;
    };
    let canonical = null;
    for (const l of doc.querySelectorAll('link[rel][href]'))
      if (canonical === null && l.getAttribute('rel').toLowerCase().split(/\s+/).includes('canonical'))
        canonical = resolve(l.getAttribute('href'), doc);
    const links = new Set();
    for (const a of doc.querySelectorAll('a[href], area[href]'))
      links.add(resolve(a.getAttribute('href'), doc).split('#')[0]);
    return {title: text(doc.querySelector('title')), description: meta('description'),
            canonical: canonical, robots: meta('robots'), h1: text(doc.querySelector('h1')),
            links: links};
  };
  const rendered = read(document);
  const raw = served === null ? null : read(new DOMParser().parseFromString(served, 'text/html'));
  let only = 0;
  if (raw) for (const l of rendered.links) if (!raw.links.has(l)) ++only;
  const out = f => f && Object.assign({}, f, {links: f.links.size});
  return JSON.stringify({served: out(raw), rendered: out(rendered), linksOnlyRendered: only});
}))JS";

// WCAG 2.0 and 2.1, levels A and AA; frames are not entered (each would need the
// script too, and axe would wait for them), and axe fetches no stylesheet itself.
constexpr const char* kAxeRun = R"JS(axe.run(document, {
    runOnly: {type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa']},
    resultTypes: ['violations'], iframes: false, preload: false})
  .then(r => JSON.stringify(r.violations.map(v => ({
    id: v.id, impact: v.impact, tags: v.tags, elements: v.nodes.length,
    selector: v.nodes.length ? [].concat(v.nodes[0].target).flat(Infinity).join(' >>> ') : ''}))))
)JS";

// axe's script, held in a function that every document's audit world declares: the
// script is sent to the view once, and its top level runs only in the pages audited.
constexpr const char* kAxeInstaller = "zelmoraInstallAxe";

// What the audit world answers when its document has no installer (it was made
// before the view had the script): then the whole script is sent.
constexpr const char* kAxeMissing = "axe is not installed";

std::string cut(std::string s) {
  if (s.size() > kMostText) s.resize(kMostText);
  return s;
}

std::optional<std::string> textOrNull(const Json& j, const char* key) {
  if (!j.contains(key) || !j[key].is_string()) return std::nullopt;
  return cut(j[key].get<std::string>());
}

double number(const Json& j, const char* key, double fallback) {
  if (!j.contains(key) || !j[key].is_number()) return fallback;
  const double v = j[key].get<double>();
  return std::isfinite(v) ? v : fallback;
}

bool readHead(const Json& j, PageHeadFacts& out) {
  if (!j.is_object()) return false;
  out.title = textOrNull(j, "title");
  out.description = textOrNull(j, "description");
  out.canonical = textOrNull(j, "canonical");
  out.robots = textOrNull(j, "robots");
  out.h1 = textOrNull(j, "h1");
  out.links = static_cast<uint32_t>(std::clamp(number(j, "links", 0), 0.0, 1e9));
  return true;
}

}  // namespace

struct PageAuditor::State {
  Done done;
  RenderedFacts facts;
  std::optional<std::string> served;
  bool axeMissing = false;
  int stage = 0;
};

const std::string& PageAuditor::labObserverScript() {
  static const std::string s = kLabObserver;
  return s;
}

const std::string& PageAuditor::labFiguresScript() {
  static const std::string s = kLabFigures;
  return s;
}

std::string PageAuditor::headFactsScript(const std::optional<std::string>& served) {
  const std::string arg =
      served ? Json(*served).dump(-1, ' ', false, Json::error_handler_t::replace) : "null";
  return std::string(kHeadFacts) + "(" + arg + ")";
}

std::string PageAuditor::accessibilityScript() {
  return std::string(axeScript()) + "\n;" + kAxeRun;
}

const std::string& PageAuditor::axeInstallScript() {
  static const std::string s =
      std::string("function ") + kAxeInstaller + "() {\n" + std::string(axeScript()) + "\n}";
  return s;
}

const std::string& PageAuditor::accessibilityRunScript() {
  static const std::string s = std::string("if (typeof axe === 'undefined' && typeof ") +
                               kAxeInstaller + " === 'function') " + kAxeInstaller +
                               "();\ntypeof axe === 'undefined' ? '" + kAxeMissing + "' : " + kAxeRun;
  return s;
}

void PageAuditor::prepare(WebView& view, const RenderAudits& audits,
                          const RenderThrottling& throttling) {
  if (audits.pageSpeed) view.addScriptOnNewDocument(labObserverScript());
  if (audits.accessibility) view.addScriptInWorldOnNewDocument(kAuditWorld, axeInstallScript());
  if (audits.pageSpeed || audits.scriptChanges) view.watchActivity(true);
  if (throttling.any())
    view.setThrottling(throttling.latencyMs, throttling.downloadKbps, throttling.uploadKbps,
                       throttling.cpuSlowdown);
}

bool PageAuditor::readLabFigures(const std::string& json, PageSpeedFigures& out) {
  const Json j = Json::parse(json, nullptr, false);
  if (!j.is_object()) return false;
  out.ttfb = number(j, "ttfb", -1);
  out.fcp = number(j, "fcp", -1);
  out.lcp = number(j, "lcp", -1);
  out.cls = std::max(0.0, number(j, "cls", 0));
  out.tbt = std::max(0.0, number(j, "tbt", 0));
  out.domElements = static_cast<uint32_t>(std::clamp(number(j, "dom", 0), 0.0, 1e9));
  return true;
}

bool PageAuditor::readHeadFacts(const std::string& json, ScriptChangeFacts& out) {
  const Json j = Json::parse(json, nullptr, false);
  if (!j.is_object() || !j.contains("rendered") || !readHead(j["rendered"], out.rendered))
    return false;
  out.servedKnown = j.contains("served") && readHead(j["served"], out.served);
  out.linksOnlyRendered =
      out.servedKnown ? static_cast<uint32_t>(std::clamp(number(j, "linksOnlyRendered", 0), 0.0, 1e9))
                      : 0;
  return true;
}

bool PageAuditor::readViolations(const std::string& json, std::vector<AccessibilityViolation>& out) {
  const Json j = Json::parse(json, nullptr, false);
  if (!j.is_array()) return false;
  out.clear();
  for (const Json& v : j) {
    if (!v.is_object() || !v.contains("id") || !v["id"].is_string()) continue;
    AccessibilityViolation a;
    a.rule = cut(v["id"].get<std::string>());
    a.impact = textOrNull(v, "impact").value_or("");
    if (v.contains("tags") && v["tags"].is_array())
      for (const Json& t : v["tags"])
        if (t.is_string() && a.tags.size() < 20) a.tags.push_back(cut(t.get<std::string>()));
    a.elements = static_cast<uint32_t>(std::clamp(number(v, "elements", 0), 0.0, 1e9));
    a.firstSelector = textOrNull(v, "selector").value_or("");
    out.push_back(std::move(a));
    if (out.size() >= 200) break;
  }
  return true;
}

std::vector<RequestsOfType> PageAuditor::requestsByType(const WebViewActivity& activity) {
  static const std::pair<const char*, const char*> kGroups[] = {
      {"document", "document"}, {"script", "script"}, {"stylesheet", "stylesheet"},
      {"image", "image"},       {"font", "font"},     {"media", "media"},
      {"xhr", "fetch"},         {"fetch", "fetch"},   {"eventsource", "fetch"},
      {"websocket", "fetch"}};
  std::vector<RequestsOfType> out;
  const auto add = [&](const std::string& group, const WebViewActivity::Requests& n) {
    auto it = std::find_if(out.begin(), out.end(), [&](const auto& r) { return r.type == group; });
    if (it == out.end()) it = out.insert(out.end(), RequestsOfType{group, 0, 0});
    it->count += n.count;
    it->bytes += n.bytes;
  };
  for (const auto& [type, n] : activity.byType) {
    std::string group = "other";
    for (const auto& [name, g] : kGroups)
      if (type == name) group = g;
    add(group, n);
  }
  std::sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return a.type < b.type; });
  return out;
}

void PageAuditor::run(Done done) {
  auto state = std::make_shared<State>();
  state->done = std::move(done);
  step(state);
}

void PageAuditor::step(std::shared_ptr<State> state) {
  std::weak_ptr<bool> alive = alive_;
  const auto next = [this, alive, state] {
    if (!alive.lock()) return;
    ++state->stage;
    step(state);
  };
  switch (state->stage) {
    case 0:  // lab figures first: the other audits' own work would count as the page's
      if (!audits_.pageSpeed) return next();
      return view_.evaluateJavaScript(
          labFiguresScript(), [this, alive, state, next](const Status& s, std::optional<std::string> r) {
            if (!alive.lock()) return;
            PageSpeedFigures f;
            if (s.ok() && r && readLabFigures(*r, f)) {
              f.requests = requestsByType(view_.activity());
              f.throttled = throttled_;
              state->facts.pageSpeed = std::move(f);
            }
            next();
          });
    case 1:
      if (!audits_.scriptChanges) return next();
      return view_.getMainResponseBody(
          [alive, state, next](const Status& s, std::optional<std::string> body) {
            if (!alive.lock()) return;
            if (s.ok() && body && body->size() <= kMostServedBytes) state->served = std::move(body);
            next();
          });
    case 2:
      if (!audits_.scriptChanges) return next();
      return view_.evaluateJavaScript(
          headFactsScript(state->served),
          [this, alive, state, next](const Status& s, std::optional<std::string> r) {
            if (!alive.lock()) return;
            state->served.reset();
            ScriptChangeFacts f;
            if (s.ok() && r && readHeadFacts(*r, f)) {
              const WebViewActivity a = view_.activity();
              f.consoleErrors = a.consoleErrors;
              f.failedRequests = a.failedRequests;
              f.errors = a.errors;
              f.failed = a.failed;
              state->facts.scripts = std::move(f);
            }
            next();
          });
    case 3:  // axe, installed in the audit world, runs its rules
    case 4:  // the whole script, only when the world had no axe to run
      if (!audits_.accessibility || (state->stage == 4 && !state->axeMissing)) return next();
      return view_.evaluateAsyncJavaScriptInWorld(
          kAuditWorld, state->stage == 3 ? accessibilityRunScript() : accessibilityScript(),
          [alive, state, next](const Status& s, std::optional<std::string> r) {
            if (!alive.lock()) return;
            std::vector<AccessibilityViolation> v;
            if (s.ok() && r && readViolations(*r, v))
              state->facts.accessibility = std::move(v);
            else
              state->axeMissing = s.ok() && r == kAxeMissing;
            next();
          });
    default: {
      Done done = std::move(state->done);
      if (done) done(std::move(state->facts));
    }
  }
}

}  // namespace zel
