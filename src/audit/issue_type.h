#pragma once
// One kind of problem the site audit finds: a stable id ("group.name"), its
// group, how much it matters, what kind of finding it is, what it means and how
// to fix it. The catalogue (issue_catalogue.h) holds every one of them.
#include <cstdint>
#include <string_view>

namespace zel::audit {

enum class Priority : uint8_t { High, Medium, Low };
// "information" marks findings that are not problems (a self-referencing
// canonical); they never make --fail-on fail.
enum class Kind : uint8_t { Issue, Warning, Opportunity, Information };

// Every issue type, in the order of the catalogue table.
enum class Issue : uint16_t {
  StatusInternal4xx,
  StatusInternal5xx,
  StatusInternalNoResponse,
  StatusExternal4xx,
  StatusExternal5xx,
  StatusExternalNoResponse,
  StatusLinksToRedirect,
  StatusRedirectChain,
  StatusRedirectLoop,
  StatusBlockedByRobots,
  StatusBlockedResource,
  AddressNonAscii,
  AddressUnderscores,
  AddressUppercase,
  AddressParameters,
  AddressTooLong,
  AddressRepeatedSlashes,
  AddressSpaces,
  AddressHttpLinkOnHttps,
  TitleMissing,
  TitleDuplicate,
  TitleTooLong,
  TitleTooShort,
  TitleMultiple,
  TitleSameAsH1,
  DescriptionMissing,
  DescriptionDuplicate,
  DescriptionTooLong,
  DescriptionTooShort,
  DescriptionMultiple,
  HeadingMissingH1,
  HeadingMultipleH1,
  HeadingDuplicateH1,
  HeadingH1TooLong,
  HeadingEmpty,
  HeadingSkippedLevel,
  ContentThin,
  ContentLoremIpsum,
  ContentDuplicate,
  ContentSoft404,
  ContentMisspellings,
  ContentGrammar,
  ContentMissingLang,
  ContentMissingViewport,
  ContentNearDuplicate,
  ContentDifficultReading,
  ContentVeryDifficultReading,
  ImageMissingAlt,
  ImageAltTooLong,
  ImageHeavy,
  ImageMissingSize,
  LinkNoInternalOutlinks,
  LinkNofollowInternal,
  LinkOnlyNofollowInlinks,
  LinkDeepPage,
  LinkEmptyText,
  LinkGenericText,
  LinkTooMany,
  LinkPrivateAddress,
  DirectiveNoindex,
  DirectiveNoindexHeader,
  DirectiveNofollow,
  DirectiveNone,
  DirectiveNoarchiveNosnippet,
  DirectiveRobotsInBody,
  DirectiveNoindexInSitemap,
  CanonicalMissing,
  CanonicalSelfReferencing,
  CanonicalCanonicalised,
  CanonicalToNon200,
  CanonicalToRedirect,
  CanonicalToNonIndexable,
  CanonicalConflicting,
  CanonicalRelative,
  CanonicalChain,
  HreflangInvalidCode,
  HreflangMissingReturn,
  HreflangMissingSelf,
  HreflangMissingXDefault,
  HreflangToNon200,
  HreflangToRedirect,
  HreflangToNoindex,
  HreflangToNonCanonical,
  HreflangLangMismatch,
  SitemapOrphan,
  SitemapNonIndexable,
  SitemapMissingPage,
  SitemapTooLarge,
  SecurityNoHsts,
  SecurityNoCsp,
  SecurityNoNosniff,
  SecurityNoFrameProtection,
  SecurityNoReferrerPolicy,
  SecurityMixedContent,
  SecurityInsecureForm,
  SecurityProtocolRelative,
  SearchFound,
  SearchMissing,
  StructuredDataParseError,
  StructuredDataInvalid,
  StructuredDataIncomplete,
  StructuredDataMissing,
  AccessibilityCritical,
  AccessibilitySerious,
  AccessibilityModerate,
  AccessibilityMinor,
// One per rule: AccessibilityImageAlt, AccessibilityButtonName, ...
#define ZEL_ACCESSIBILITY_RULE(name, ...) Accessibility##name,
#include "audit/accessibility_rules.inc"
#undef ZEL_ACCESSIBILITY_RULE
  PageSpeedLcpNeedsImprovement,
  PageSpeedLcpPoor,
  PageSpeedClsNeedsImprovement,
  PageSpeedClsPoor,
  PageSpeedTbtNeedsImprovement,
  PageSpeedTbtPoor,
  RenderingOnlyInRendered,
  RenderingChangedByScripts,
  RenderingNoindexOnlyServed,
  RenderingLinksOnlyRendered,
  RenderingScriptErrors,
  kCount
};

struct IssueType {
  Issue issue;
  std::string_view id;     // "canonical.to_non_indexable": never changes once published
  std::string_view group;  // the part of the id before the dot
  Priority priority;
  Kind kind;
  std::string_view description;  // one line: what was found
  std::string_view fix;          // one line: what to do about it
};

std::string_view priorityName(Priority p);  // "high", "medium", "low"
std::string_view kindName(Kind k);          // "issue", "warning", "opportunity", "information"
// "high" -> High ...; nullopt-like false for other words.
bool parsePriority(std::string_view word, Priority& out);

}  // namespace zel::audit
