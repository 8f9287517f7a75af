#include "audit/rich_results.h"

#include <algorithm>

#include "audit/schema_vocabulary.h"

namespace zel::audit {
namespace {

using Scope = RichResultRule::Scope;

// From the structured-data guides search engines publish for each result
// type; where they differ or leave it open, the stricter common reading.
constexpr RichResultRule kRules[] = {
    // Articles: nothing is required any more, the rest is recommended.
    {.type = "Article", .recommended = "headline image author datePublished dateModified"},
    {.type = "BreadcrumbList", .required = "itemListElement"},
    {.type = "ListItem",
     .scope = Scope::Within,
     .parent = "BreadcrumbList",
     .required = "position name|item",
     .numeric = "position"},
    {.type = "Event",
     .required = "name startDate location",
     .recommended = "description endDate eventAttendanceMode eventStatus image offers organizer "
                    "performer"},
    {.type = "Place", .scope = Scope::Within, .parent = "Event", .required = "address"},
    {.type = "VirtualLocation", .scope = Scope::Within, .parent = "Event", .required = "url"},
    {.type = "FAQPage", .required = "mainEntity"},
    {.type = "Question",
     .scope = Scope::Within,
     .parent = "FAQPage",
     .required = "name acceptedAnswer"},
    {.type = "Answer", .required = "text"},
    // A remote job gives jobLocationType (TELECOMMUTE) instead of jobLocation.
    {.type = "JobPosting",
     .required = "title description datePosted hiringOrganization jobLocation|jobLocationType",
     .recommended = "baseSalary employmentType validThrough identifier directApply"},
    {.type = "Place", .scope = Scope::Within, .parent = "JobPosting", .required = "address"},
    {.type = "MonetaryAmount",
     .scope = Scope::Within,
     .parent = "JobPosting",
     .required = "currency value"},
    // The business or organisation a site is about, not every one it names.
    {.type = "LocalBusiness",
     .scope = Scope::TopLevel,
     .required = "name address",
     .recommended = "image telephone url geo openingHoursSpecification|openingHours priceRange"},
    {.type = "Organization", .scope = Scope::TopLevel, .recommended = "name url logo"},
    {.type = "Product",
     .required = "name offers|review|aggregateRating",
     .recommended = "image description brand"},
    {.type = "Offer",
     .required = "price|priceSpecification",
     .recommended = "priceCurrency availability",
     .numeric = "price"},
    {.type = "AggregateOffer",
     .required = "lowPrice priceCurrency",
     .recommended = "highPrice offerCount",
     .numeric = "lowPrice highPrice"},
    {.type = "AggregateRating", .required = "ratingValue ratingCount|reviewCount"},
    // Standing alone, a rating or review must say what it is about.
    {.type = "AggregateRating", .scope = Scope::TopLevel, .required = "itemReviewed"},
    {.type = "Review", .required = "author reviewRating", .recommended = "datePublished"},
    {.type = "Review", .scope = Scope::TopLevel, .required = "itemReviewed"},
    {.type = "Rating", .scope = Scope::Within, .parent = "Review", .required = "ratingValue"},
    {.type = "Person", .scope = Scope::Within, .parent = "Review", .required = "name"},
    {.type = "Organization", .scope = Scope::Within, .parent = "Review", .required = "name"},
    {.type = "Recipe",
     .required = "name image",
     .recommended = "author datePublished description keywords recipeCategory recipeCuisine "
                    "recipeIngredient recipeInstructions recipeYield totalTime|cookTime"},
    {.type = "VideoObject",
     .required = "name thumbnailUrl uploadDate",
     .recommended = "description duration contentUrl|embedUrl"},
};

bool isAny(std::span<const int> types, std::string_view base) {
  int b = schemaType(base);
  return std::any_of(types.begin(), types.end(), [&](int t) { return isSchemaSubtype(t, b); });
}

}  // namespace

std::span<const RichResultRule> richResultRules() { return kRules; }

std::vector<const RichResultRule*> richResultRulesFor(std::span<const int> types,
                                                      std::span<const int> parentTypes,
                                                      bool topLevel) {
  std::vector<const RichResultRule*> rules;
  for (const auto& rule : kRules) {
    if (rule.scope == Scope::TopLevel && !topLevel) continue;
    if (rule.scope == Scope::Within && !isAny(parentTypes, rule.parent)) continue;
    if (isAny(types, rule.type)) rules.push_back(&rule);
  }
  // A rule for a subtype replaces one for its supertype (LocalBusiness and
  // Organization, AggregateOffer and Offer).
  std::vector<const RichResultRule*> kept;
  for (const auto* general : rules) {
    bool replaced = std::any_of(rules.begin(), rules.end(), [&](const RichResultRule* specific) {
      return specific->type != general->type && isSchemaSubtype(specific->type, general->type);
    });
    if (!replaced) kept.push_back(general);
  }
  return kept;
}

std::vector<std::string_view> splitRuleList(std::string_view list, char separator) {
  std::vector<std::string_view> words;
  while (!list.empty()) {
    auto end = list.find(separator);
    if (end != 0) words.push_back(list.substr(0, end));
    if (end == std::string_view::npos) break;
    list.remove_prefix(end + 1);
  }
  return words;
}

}  // namespace zel::audit
