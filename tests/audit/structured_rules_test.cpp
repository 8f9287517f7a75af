// Structured-data items against the schema.org vocabulary and the rich-result
// rules: rows of an item built in code and the problems it must give.
#include <gtest/gtest.h>

#include <algorithm>

#include "audit/rich_results.h"
#include "audit/schema_vocabulary.h"
#include "audit/structured_data.h"

namespace zel::audit {
namespace {

// Builds items: It("Product", "name=Kettle; sku=1").i("offers", It("Offer", "price=9")).
struct It {
  StructuredItem item;
  explicit It(std::string type, std::string_view texts = {}) {
    item.types = {std::move(type)};
    for (size_t end = 0; !texts.empty(); texts.remove_prefix(std::min(end + 2, texts.size()))) {
      end = std::min(texts.find("; "), texts.size());
      auto pair = texts.substr(0, end), eq = pair.substr(0, pair.find('='));
      item.properties.push_back(
          {std::string(eq), {{}, std::string(pair.substr(eq.size() + 1)), nullptr}});
    }
  }
  It&& i(std::string name, It&& child) && {
    StructuredValue v{StructuredValue::Kind::Item, {}, std::make_unique<StructuredItem>()};
    *v.item = std::move(child.item);
    item.properties.push_back({std::move(name), std::move(v)});
    return std::move(*this);
  }
};

// "E text" for an error, "W text" for a warning, sorted; warnings only if asked.
std::vector<std::string> problems(const StructuredItem& item, bool warnings) {
  std::vector<StructuredProblem> out;
  validateStructuredItem(item, out);
  std::vector<std::string> lines;
  for (const auto& p : out)
    if (p.error || warnings) lines.push_back((p.error ? "E " : "W ") + p.text);
  std::sort(lines.begin(), lines.end());
  return lines;
}

TEST(StructuredRules, ItemsGiveTheirProblems) {
  const char* kProduct = "name=Kettle; image=/k.jpg; description=d; brand=B";
  const struct {
    It item;
    bool warnings;
    std::vector<std::string> expected;
  } kRows[] = {
      {It("Prodcut", "prise=3"), true, {"E Thing: unknown type \"Prodcut\""}},
      {It("Offer", "price=9.50; priceCurrency=EUR; availability=InStock; prise=3"),
       true,
       {"E Offer: property \"prise\" is not one of the type's"}},
      {It("http://xmlns.com/foaf/0.1/Person", "nick=a"), true, {}},
      // Inherited, other vocabularies' and JSON-LD keywords, text standing for an
      // item, subtypes in a range, values of the right kinds.
      {It("Book",
          "name=B; @id=#b; http://purl.org/dc/terms/x=y; author=Ann; numberOfPages=320; "
          "abridged=https://schema.org/False; datePublished=2024-05-17T10:00:00+02:00; "
          "bookFormat=http://schema.org/EBook")
           .i("publisher", It("Person"))
           .i("workExample", It("NewsArticle")),
       false,
       {}},
      {It("Book", "numberOfPages=many; abridged=yes; datePublished=last year; bookFormat=Floppy")
           .i("url", It("Person"))
           .i("author", It("Place")),
       false,
       {"E Book.abridged: expects Boolean, got \"yes\"",
        "E Book.author: expects Organization or Person, got Place",
        "E Book.bookFormat: expects BookFormatType, got \"Floppy\"",
        "E Book.datePublished: expects Date or DateTime, got \"last year\"",
        "E Book.numberOfPages: expects Integer, got \"many\"",
        "E Book.url: expects URL, got Person"}},
      // A Role holds its parent's property; an action's "-input" names one of its own.
      {It("Book").i("author", It("Role", "roleName=editor").i("author", It("Person"))), false, {}},
      {It("WebSite").i("potentialAction",
                       It("SearchAction", "target=/s?q={q}; query-input=required name=q")),
       false,
       {}},
      {It("Product", "image=/k.jpg; description=d; brand=B"),
       true,
       {"E Product: missing required property \"name\"",
        "E Product: missing required property \"offers\" or \"review\" or \"aggregateRating\""}},
      {It("Product", kProduct)
           .i("offers", It("Offer", "price=cheap"))
           .i("offers", It("Offer", "price=4; availability=Sold")),
       true,
       {"E Offer.availability: expects ItemAvailability, got \"Sold\"",
        "E Offer.price: expects Number, got \"cheap\"",
        "W Offer: missing recommended property \"availability\"",
        "W Offer: missing recommended property \"priceCurrency\""}},
      {It("Product", kProduct)
           .i("aggregateRating", It("AggregateRating", "ratingValue=4"))
           .i("review", It("Review").i("reviewRating", It("Rating"))),
       true,
       {"E AggregateRating: missing required property \"ratingCount\" or \"reviewCount\"",
        "E Rating: missing required property \"ratingValue\"",
        "E Review: missing required property \"author\"",
        "W Review: missing recommended property \"datePublished\""}},
      {It("NewsArticle", "headline=H; image=/i.jpg; datePublished=2024-01-02"),
       true,
       {"W NewsArticle: missing recommended property \"author\"",
        "W NewsArticle: missing recommended property \"dateModified\""}},
      {It("BreadcrumbList")
           .i("itemListElement", It("ListItem", "position=1; name=Home; item=/"))
           .i("itemListElement", It("ListItem", "position=2; name=Tea")),
       true,
       {}},
      {It("BreadcrumbList").i("itemListElement", It("ListItem", "position=first")),
       true,
       {"E ListItem.position: expects Number, got \"first\"",
        "E ListItem: missing required property \"name\" or \"item\""}},
      {It("Event", "name=Gig").i("location", It("Place", "name=Hall")),
       false,
       {"E Event: missing required property \"startDate\"",
        "E Place: missing required property \"address\""}},
      {It("FAQPage")
           .i("mainEntity", It("Question", "name=Why?").i("acceptedAnswer", It("Answer")))
           .i("mainEntity", It("Question", "name=How?")),
       true,
       {"E Answer: missing required property \"text\"",
        "E Question: missing required property \"acceptedAnswer\""}},
      {It("JobPosting", "title=Cook"),
       false,
       {"E JobPosting: missing required property \"datePosted\"",
        "E JobPosting: missing required property \"description\"",
        "E JobPosting: missing required property \"hiringOrganization\"",
        "E JobPosting: missing required property \"jobLocation\" or \"jobLocationType\""}},
      // A LocalBusiness's rule replaces Organization's (no "logo").
      {It("Restaurant", "name=R; image=/r.jpg; telephone=1; url=/; openingHours=Mo-Fr 09:00-17:00"),
       true,
       {"E Restaurant: missing required property \"address\"",
        "W Restaurant: missing recommended property \"geo\"",
        "W Restaurant: missing recommended property \"priceRange\""}},
      {It("Organization", "name=O; url=/"),
       true,
       {"W Organization: missing recommended property \"logo\""}},
      {It("Recipe", "name=Soup"), false, {"E Recipe: missing required property \"image\""}},
      {It("VideoObject", "name=V; thumbnailUrl=/t; uploadDate=2024-01-01; embedUrl=/e"),
       true,
       {"W VideoObject: missing recommended property \"description\"",
        "W VideoObject: missing recommended property \"duration\""}},
  };
  for (const auto& row : kRows)
    EXPECT_EQ(problems(row.item.item, row.warnings), row.expected) << "row " << &row - kRows;
}

TEST(StructuredRules, NestingDeeperThanBoundIsNotWalked) {
  for (auto [depth, reported] : {std::pair{32, true}, {33, false}}) {
    It chain("Nobody");
    for (int d = 0; d < depth; ++d) chain = std::move(It("Person").i("knows", std::move(chain)));
    EXPECT_EQ(problems(chain.item, true).size(), reported ? 1u : 0u) << depth;
  }
}

TEST(StructuredRules, RuleTableNamesTheVocabulary) {
  for (const auto& rule : richResultRules()) {
    ASSERT_GE(schemaType(rule.type), 0) << rule.type;
    if (!rule.parent.empty()) {
      EXPECT_GE(schemaType(rule.parent), 0) << rule.parent;
    }
    for (auto list : {rule.required, rule.recommended, rule.numeric})
      for (auto group : splitRuleList(list))
        for (auto name : splitRuleList(group, '|'))
          EXPECT_TRUE(schemaTypeHasProperty(rule.type, name)) << rule.type << "." << name;
  }
}

}  // namespace
}  // namespace zel::audit
