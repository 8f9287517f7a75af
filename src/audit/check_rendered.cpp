// What the browser found on rendered pages: the accessibility rules they break,
// their lab page-speed figures, and what their scripts change.
#include <algorithm>
#include <array>
#include <optional>

#include "audit/audit_run.h"
#include "audit/record_facts.h"
#include "audit/rendered_checks.h"
#include "platform/text_format.h"

namespace zel::audit {

namespace {

using Findings = std::vector<std::pair<Issue, std::string>>;

// The rules of the vendored axe, each with its own issue type, sorted by id.
struct RuleType {
  std::string_view rule;
  Issue issue;
};
constexpr RuleType kRuleTypes[] = {
#define ZEL_ACCESSIBILITY_RULE(name, rule, ...) {rule, Issue::Accessibility##name},
#include "audit/accessibility_rules.inc"
#undef ZEL_ACCESSIBILITY_RULE
};

constexpr bool sortedById() {
  for (size_t i = 1; i < std::size(kRuleTypes); ++i)
    if (!(kRuleTypes[i - 1].rule < kRuleTypes[i].rule)) return false;
  return true;
}
static_assert(sortedById(), "the rules' table is sorted by id, once each");

std::optional<Issue> ruleType(std::string_view rule) {
  const auto* it = std::lower_bound(std::begin(kRuleTypes), std::end(kRuleTypes), rule,
                                    [](const RuleType& t, std::string_view r) { return t.rule < r; });
  if (it == std::end(kRuleTypes) || it->rule != rule) return std::nullopt;
  return it->issue;
}

// A known rule is its own finding, whatever impact it reports this time (its type's
// priority stays the table's); the others are grouped by the impact they report.
void accessibilityFindings(Findings& out, const std::vector<AccessibilityViolation>& violations) {
  for (const AccessibilityViolation& v : violations)
    if (const std::optional<Issue> issue = ruleType(v.rule))
      out.emplace_back(*issue, strf("%u element%s", v.elements, v.elements == 1 ? "" : "s") +
                                   (v.firstSelector.empty() ? "" : ", first " + v.firstSelector));
  static constexpr std::array<std::pair<std::string_view, Issue>, 4> kByImpact = {{
      {"critical", Issue::AccessibilityCritical},
      {"serious", Issue::AccessibilitySerious},
      {"moderate", Issue::AccessibilityModerate},
      {"minor", Issue::AccessibilityMinor},
  }};
  for (const auto& [impact, issue] : kByImpact) {
    FewOf rules;
    for (const AccessibilityViolation& v : violations)
      if (v.impact == impact && !ruleType(v.rule))
        rules.note(strf("%s (%u)", v.rule.c_str(), v.elements));
    if (rules.total) out.emplace_back(issue, rules.text());
  }
}

// Search engines' thresholds: over the first needs improvement, over the second is poor.
void pageSpeedFindings(Findings& out, const PageSpeedFigures& f) {
  const auto grade = [&](double value, double needs, double poor, Issue needsIssue, Issue poorIssue,
                         const std::string& detail) {
    if (value > poor)
      out.emplace_back(poorIssue, detail);
    else if (value > needs)
      out.emplace_back(needsIssue, detail);
  };
  const char* lab = f.throttled ? "lab, throttled" : "lab";
  grade(f.lcp, 2500, 4000, Issue::PageSpeedLcpNeedsImprovement, Issue::PageSpeedLcpPoor,
        strf("largest contentful paint %.2f s (%s)", f.lcp / 1000, lab));
  grade(f.cls, 0.1, 0.25, Issue::PageSpeedClsNeedsImprovement, Issue::PageSpeedClsPoor,
        strf("cumulative layout shift %.3f (%s)", f.cls, lab));
  grade(f.tbt, 200, 600, Issue::PageSpeedTbtNeedsImprovement, Issue::PageSpeedTbtPoor,
        strf("total blocking time %.0f ms (%s)", f.tbt, lab));
}

bool saysNoindex(const std::optional<std::string>& robots) {
  if (!robots) return false;
  for (std::string word : split(asciiLower(*robots), ",")) {
    word = std::string(trimWhitespace(word));
    if (word == "noindex" || word == "none") return true;
  }
  return false;
}

void scriptChangeFindings(Findings& out, const ScriptChangeFacts& s) {
  if (s.consoleErrors > 0)
    out.emplace_back(Issue::RenderingScriptErrors,
            strf("%u error%s", s.consoleErrors, s.consoleErrors == 1 ? "" : "s") +
                (s.errors.empty() ? std::string() : ": " + s.errors.front()));
  if (!s.servedKnown) return;
  using Field = std::optional<std::string> PageHeadFacts::*;
  static constexpr std::array<std::pair<const char*, Field>, 5> kFields = {{
      {"title", &PageHeadFacts::title},
      {"meta description", &PageHeadFacts::description},
      {"canonical", &PageHeadFacts::canonical},
      {"meta robots", &PageHeadFacts::robots},
      {"h1", &PageHeadFacts::h1},
  }};
  FewOf added, changed;
  for (const auto& [name, field] : kFields) {
    const std::optional<std::string>&served = s.served.*field, &rendered = s.rendered.*field;
    if (!served && rendered)
      added.note(name);
    else if (served && !rendered)
      changed.note(std::string(name) + " removed");
    else if (served && *served != *rendered)
      changed.note(std::string(name));
  }
  if (added.total) out.emplace_back(Issue::RenderingOnlyInRendered, added.text());
  if (changed.total) out.emplace_back(Issue::RenderingChangedByScripts, changed.text());
  if (saysNoindex(s.served.robots) && !saysNoindex(s.rendered.robots))
    out.emplace_back(Issue::RenderingNoindexOnlyServed, "served: " + *s.served.robots);
  if (s.linksOnlyRendered > 0)
    out.emplace_back(Issue::RenderingLinksOnlyRendered,
            strf("%u link%s only after rendering (%u served, %u rendered)", s.linksOnlyRendered,
                 s.linksOnlyRendered == 1 ? "" : "s", s.served.links, s.rendered.links));
}

}  // namespace

std::vector<std::pair<Issue, std::string>> renderedFindings(const RenderedFacts& facts) {
  Findings out;
  if (facts.accessibility) accessibilityFindings(out, *facts.accessibility);
  if (facts.pageSpeed) pageSpeedFindings(out, *facts.pageSpeed);
  if (facts.scripts) scriptChangeFindings(out, *facts.scripts);
  return out;
}

void checkRenderedPages(AuditRun& run) {
  for (const ZelUrl* page : run.pages)
    if (const RenderedFacts* facts = run.in.renderedOf(page))
      for (auto& [issue, detail] : renderedFindings(*facts)) run.add(issue, page, std::move(detail));
}

}  // namespace zel::audit
