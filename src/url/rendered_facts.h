#pragma once
// What the browser found on a rendered page besides its HTML, when asked: the
// accessibility rules it breaks, its lab page-speed figures, and what its
// scripts changed (the page as served against the page as rendered, its
// script errors and failed requests).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zel {

struct RenderAudits {
  bool accessibility = false;
  bool pageSpeed = false;  // this page (a sample may leave it out)
  bool scriptChanges = false;
  bool any() const { return accessibility || pageSpeed || scriptChanges; }
};

// Throttling of a rendered page's network and processor; 0 leaves each alone.
struct RenderThrottling {
  double latencyMs = 0, downloadKbps = 0, uploadKbps = 0;
  double cpuSlowdown = 0;  // 4: four times slower
  bool any() const { return latencyMs > 0 || downloadKbps > 0 || uploadKbps > 0 || cpuSlowdown > 1; }
};

// One accessibility rule a page breaks.
struct AccessibilityViolation {
  std::string rule;    // "image-alt"
  std::string impact;  // "critical", "serious", "moderate" or "minor"
  std::vector<std::string> tags;  // "wcag2a", "wcag111", ...
  uint32_t elements = 0;
  std::string firstSelector;
};

struct RequestsOfType {
  std::string type;  // "document", "script", "stylesheet", "image", "font", "fetch", "media", "other"
  uint32_t count = 0;
  uint64_t bytes = 0;  // as transferred
};

// Lab figures, in milliseconds; a negative time was not measured (no paint).
struct PageSpeedFigures {
  double ttfb = -1, fcp = -1, lcp = -1, tbt = 0;
  double cls = 0;
  uint32_t domElements = 0;
  std::vector<RequestsOfType> requests;
  bool throttled = false;
  uint32_t requestCount() const;
  uint64_t requestBytes() const;
};

// The parts of a page that search engines read first, as found in one copy of it.
struct PageHeadFacts {
  std::optional<std::string> title, description, canonical, robots, h1;
  uint32_t links = 0;
};

struct ScriptChangeFacts {
  PageHeadFacts served, rendered;
  bool servedKnown = false;  // the browser still had the served page's body
  uint32_t linksOnlyRendered = 0;  // link targets the served page does not have
  uint32_t consoleErrors = 0, failedRequests = 0;
  std::vector<std::string> errors, failed;  // the first few messages and addresses
};

struct RenderedFacts {
  // The render timed out: nothing was measured.
  bool timedOut = false;
  std::optional<std::vector<AccessibilityViolation>> accessibility;
  std::optional<PageSpeedFigures> pageSpeed;
  std::optional<ScriptChangeFacts> scripts;
};

inline uint32_t PageSpeedFigures::requestCount() const {
  uint32_t n = 0;
  for (const RequestsOfType& r : requests) n += r.count;
  return n;
}
inline uint64_t PageSpeedFigures::requestBytes() const {
  uint64_t n = 0;
  for (const RequestsOfType& r : requests) n += r.bytes;
  return n;
}

}  // namespace zel
