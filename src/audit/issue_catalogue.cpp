#include "audit/issue_catalogue.h"

#include <algorithm>

namespace zel::audit {

namespace {

using enum Issue;
constexpr Priority H = Priority::High, M = Priority::Medium, L = Priority::Low;
constexpr Kind I = Kind::Issue, W = Kind::Warning, O = Kind::Opportunity, N = Kind::Information;

// An accessibility rule's impact: critical and serious rules are issues of high
// priority, moderate ones warnings of medium, minor ones warnings of low.
struct Impact {
  Priority priority;
  Kind kind;
};
constexpr Impact kImpactCritical{H, I}, kImpactSerious{H, I}, kImpactModerate{M, W},
    kImpactMinor{L, W};

constexpr IssueType kCatalogue[] = {
    // Statuses
    {StatusInternal4xx, "status.internal_4xx", "status", H, I,
     "Internal URLs that answer with a client error (4xx).",
     "Restore the page, redirect it to its replacement, or change the links that point at it."},
    {StatusInternal5xx, "status.internal_5xx", "status", H, I,
     "Internal URLs that answer with a server error (5xx).",
     "Find in the server's logs why it fails on these addresses and fix it."},
    {StatusInternalNoResponse, "status.internal_no_response", "status", H, I,
     "Internal URLs that gave no HTTP answer (time-out, refused connection, failed TLS).",
     "Make the server answer these addresses; check time-outs, firewalls and certificates."},
    {StatusExternal4xx, "status.external_4xx", "status", M, I,
     "External URLs the site links to that answer with a client error (4xx).",
     "Update the links to the page's new address or remove them."},
    {StatusExternal5xx, "status.external_5xx", "status", M, W,
     "External URLs the site links to that answer with a server error (5xx).",
     "Check the links again later; replace them if the other site stays broken."},
    {StatusExternalNoResponse, "status.external_no_response", "status", M, W,
     "External URLs that gave no HTTP answer (unknown host, time-out, refused connection).",
     "Check whether the other site still exists; update or remove the links."},
    {StatusLinksToRedirect, "status.links_to_redirect", "status", L, W,
     "Pages with internal links to an address that redirects.",
     "Link to the final address directly, so that no visitor or crawler takes the detour."},
    {StatusRedirectChain, "status.redirect_chain", "status", M, W,
     "Redirect chains of 2 or more hops.", "Redirect the first address straight to the final one."},
    {StatusRedirectLoop, "status.redirect_loop", "status", H, I,
     "Addresses whose redirects come back to an address already in the chain, or never end.",
     "Correct the redirect rules so that every chain ends at a page that answers 200."},
    {StatusBlockedByRobots, "status.blocked_by_robots", "status", L, W,
     "Internal addresses linked from the site that robots.txt disallows.",
     "Allow them in robots.txt if search engines should read them; otherwise nothing to do."},
    {StatusBlockedResource, "status.blocked_resource", "status", H, I,
     "Stylesheets, scripts or images that pages need but robots.txt disallows.",
     "Allow these files in robots.txt, so that search engines see the page as visitors do."},
    // Addresses
    {AddressNonAscii, "address.non_ascii", "address", L, W,
     "Page addresses with characters outside ASCII.",
     "Use ASCII letters, digits and hyphens in addresses, or percent-encode them consistently."},
    {AddressUnderscores, "address.underscores", "address", L, O, "Page addresses with underscores.",
     "Separate words in addresses with hyphens; search engines read an underscore as a joiner."},
    {AddressUppercase, "address.uppercase", "address", L, W,
     "Page addresses with upper-case letters in the path.",
     "Use lower-case addresses; most servers treat case as significant, so two cases are two "
     "pages."},
    {AddressParameters, "address.parameters", "address", L, O,
     "Page addresses with query parameters.",
     "Prefer plain paths for pages meant to be found; give parameter variants a canonical."},
    {AddressTooLong, "address.too_long", "address", L, O,
     "Page addresses longer than auditUrlMaxLength characters.",
     "Shorten the address: fewer folders, fewer words."},
    {AddressRepeatedSlashes, "address.repeated_slashes", "address", L, W,
     "Page addresses with repeated slashes in the path.",
     "Fix the links that make them; redirect the repeated-slash form to the single-slash one."},
    {AddressSpaces, "address.spaces", "address", L, W, "Page addresses with spaces.",
     "Use hyphens instead of spaces in file and folder names."},
    {AddressHttpLinkOnHttps, "address.http_link_on_https", "address", M, I,
     "Pages of an https site with internal links to http addresses.", "Change the links to https."},
    // Titles
    {TitleMissing, "title.missing", "title", H, I, "Pages without a title.",
     "Give every page a unique, descriptive title."},
    {TitleDuplicate, "title.duplicate", "title", M, I, "Pages whose title another page has too.",
     "Give each page its own title, or make one of them canonical."},
    {TitleTooLong, "title.too_long", "title", M, O, "Titles longer than metaTitleMax characters.",
     "Shorten the title; search results cut long ones."},
    {TitleTooShort, "title.too_short", "title", L, O,
     "Titles shorter than auditTitleMin characters.",
     "Say more in the title: what the page offers and whose it is."},
    {TitleMultiple, "title.multiple", "title", M, I, "Pages with more than one title tag.",
     "Keep one title element in the head."},
    {TitleSameAsH1, "title.same_as_h1", "title", L, O, "Pages whose title is their h1.",
     "Use the title and the h1 to say two things: the title for results, the h1 for readers."},
    // Descriptions
    {DescriptionMissing, "description.missing", "description", M, I,
     "Pages without a meta description.",
     "Write a description that makes someone who reads the search results want the page."},
    {DescriptionDuplicate, "description.duplicate", "description", M, I,
     "Pages whose meta description another page has too.", "Write a description for each page."},
    {DescriptionTooLong, "description.too_long", "description", L, O,
     "Meta descriptions longer than metaDescriptionMax characters.",
     "Shorten the description; search results cut long ones."},
    {DescriptionTooShort, "description.too_short", "description", L, O,
     "Meta descriptions shorter than metaDescriptionMin characters.",
     "Say more in the description."},
    {DescriptionMultiple, "description.multiple", "description", M, I,
     "Pages with more than one meta description.", "Keep one description tag in the head."},
    // Headings
    {HeadingMissingH1, "heading.missing_h1", "heading", M, I, "Pages without an h1.",
     "Give the page one h1 that says what it is about."},
    {HeadingMultipleH1, "heading.multiple_h1", "heading", L, W, "Pages with more than one h1.",
     "Keep one h1 and make the others h2."},
    {HeadingDuplicateH1, "heading.duplicate_h1", "heading", L, O,
     "Pages whose h1 another page has too.", "Give each page its own h1."},
    {HeadingH1TooLong, "heading.h1_too_long", "heading", L, O,
     "h1 headings longer than auditH1Max characters.", "Shorten the h1."},
    {HeadingEmpty, "heading.empty", "heading", L, W, "Pages with a heading that holds no text.",
     "Remove the empty heading, or put its text in."},
    {HeadingSkippedLevel, "heading.skipped_level", "heading", L, W,
     "Pages whose headings skip a level (an h3 after an h1).",
     "Use heading levels in order; style them with CSS instead."},
    // Content
    {ContentThin, "content.thin", "content", M, O, "Pages with fewer words than maxThinContent.",
     "Add content that answers the visitor's question, or merge the page into another."},
    {ContentLoremIpsum, "content.lorem_ipsum", "content", H, I,
     "Pages with placeholder text (lorem ipsum).", "Replace the placeholder with real text."},
    {ContentDuplicate, "content.duplicate", "content", H, I,
     "Pages whose visible text is exactly that of another page.",
     "Remove or merge the copies, or point them at one page with a canonical."},
    {ContentSoft404, "content.soft_404", "content", H, I,
     "Pages that answer 200 but read as an error page (soft 404).",
     "Answer 404 or 410 for pages that do not exist."},
    {ContentMisspellings, "content.misspellings", "content", L, W,
     "Pages with misspelled words (with --spelling).", "Correct the spelling."},
    {ContentGrammar, "content.grammar", "content", L, W,
     "Pages with sentences the grammar check cannot parse (with --grammar).",
     "Read the sentences again and correct them."},
    {ContentMissingLang, "content.missing_lang", "content", M, W,
     "Pages whose html element has no lang attribute.",
     "Add lang to the html element (lang=\"en\"), for screen readers and search engines."},
    {ContentMissingViewport, "content.missing_viewport", "content", M, I,
     "Pages without a viewport meta tag.",
     "Add <meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">."},
    {ContentNearDuplicate, "content.near_duplicate", "content", M, W,
     "Indexable pages whose main text is nearly the same as another page's "
     "(nearDuplicateThreshold).",
     "Merge the pages, make each one's text its own, or name the main one as their canonical."},
    {ContentDifficultReading, "content.difficult_reading", "content", L, O,
     "English pages whose main text is difficult to read (Flesch reading ease below 50).",
     "Use shorter sentences and shorter words, where the readers are not specialists."},
    {ContentVeryDifficultReading, "content.very_difficult_reading", "content", L, O,
     "English pages whose main text is very difficult to read (Flesch reading ease below 30).",
     "Split long sentences and prefer plain words; a page for everyone reads above 60."},
    // Images
    {ImageMissingAlt, "image.missing_alt", "image", M, I,
     "Pages with images that have no alt attribute.",
     "Describe each image in its alt attribute (alt=\"\" for decoration)."},
    {ImageAltTooLong, "image.alt_too_long", "image", L, O,
     "Pages with alt texts longer than auditAltMax characters.",
     "Keep alt text short; put long descriptions in the page."},
    {ImageHeavy, "image.heavy", "image", M, O, "Images larger than auditImageMaxKB kilobytes.",
     "Compress or resize the image, or serve a modern format."},
    {ImageMissingSize, "image.missing_size", "image", L, O,
     "Pages with images that lack width or height attributes.",
     "Give each image width and height, so the page does not shift while it loads."},
    // Links
    {LinkNoInternalOutlinks, "link.no_internal_outlinks", "link", M, I,
     "Pages with no links to other pages of the site.",
     "Link the page to related pages; a dead end stops visitors and crawlers."},
    {LinkNofollowInternal, "link.nofollow_internal", "link", L, W,
     "Pages with nofollow links to pages of the same site.",
     "Remove rel=nofollow from internal links; keep pages out of search with noindex instead."},
    {LinkOnlyNofollowInlinks, "link.only_nofollow_inlinks", "link", H, I,
     "Pages that only nofollow links reach.",
     "Link to the page without nofollow from at least one page."},
    {LinkDeepPage, "link.deep_page", "link", L, O,
     "Pages more than auditMaxDepth clicks from the start.",
     "Link to deep pages from pages nearer the start (menus, hubs, related links)."},
    {LinkEmptyText, "link.empty_text", "link", M, I,
     "Pages with links that have no text (and no image with alt text).",
     "Give every link a text that says where it goes."},
    {LinkGenericText, "link.generic_text", "link", L, O,
     "Pages with link texts that say nothing of their target (auditGenericLinkTexts).",
     "Use link texts that name the target (\"opening hours\", not \"click here\")."},
    {LinkTooMany, "link.too_many", "link", L, W, "Pages with more links than tooManyLinks.",
     "Trim the links to those that help the visitor."},
    {LinkPrivateAddress, "link.private_address", "link", H, I,
     "Links from a public site to a loopback or private network address.",
     "Replace the links with public addresses; visitors cannot reach these."},
    // Directives
    {DirectiveNoindex, "directive.noindex", "directive", H, W,
     "Pages with a robots meta tag that says noindex.",
     "Check that the page should stay out of search results; otherwise remove noindex."},
    {DirectiveNoindexHeader, "directive.noindex_header", "directive", H, W,
     "Pages whose X-Robots-Tag response header says noindex.",
     "Check that the page should stay out of search results; otherwise change the header."},
    {DirectiveNofollow, "directive.nofollow", "directive", M, W,
     "Pages with a robots meta tag that says nofollow.",
     "Remove nofollow unless search engines must not follow any link of the page."},
    {DirectiveNone, "directive.none", "directive", H, W,
     "Pages whose robots directives say none (noindex and nofollow).",
     "Check that the page should be neither indexed nor followed."},
    {DirectiveNoarchiveNosnippet, "directive.noarchive_nosnippet", "directive", L, W,
     "Pages whose robots directives say noarchive or nosnippet.",
     "Check that search results should show no copy or snippet of the page."},
    {DirectiveRobotsInBody, "directive.robots_in_body", "directive", M, I,
     "Pages with a robots meta tag outside the head.",
     "Move the robots meta tag into the head, where it counts."},
    {DirectiveNoindexInSitemap, "directive.noindex_in_sitemap", "directive", H, I,
     "Noindex pages that a sitemap lists.",
     "Take noindex pages out of the sitemap, or remove their noindex."},
    // Canonicals
    {CanonicalMissing, "canonical.missing", "canonical", L, W, "Pages without a canonical link.",
     "Add <link rel=\"canonical\"> with the page's preferred address."},
    {CanonicalSelfReferencing, "canonical.self_referencing", "canonical", L, N,
     "Pages whose canonical is their own address (good practice).", "Nothing to do."},
    {CanonicalCanonicalised, "canonical.canonicalised", "canonical", M, W,
     "Pages whose canonical names another address.",
     "Check that the other address is the one search engines should show."},
    {CanonicalToNon200, "canonical.to_non_200", "canonical", H, I,
     "Canonicals to an address that does not answer 200.",
     "Point the canonical at a page that answers 200."},
    {CanonicalToRedirect, "canonical.to_redirect", "canonical", H, I,
     "Canonicals to an address that redirects.", "Point the canonical at the final address."},
    {CanonicalToNonIndexable, "canonical.to_non_indexable", "canonical", H, I,
     "Canonicals to a page that is noindex or blocked by robots.txt.",
     "Point the canonical at an indexable page."},
    {CanonicalConflicting, "canonical.conflicting", "canonical", H, I,
     "Pages with several canonicals that disagree (in the HTML or the Link header).",
     "Keep one canonical, in one place."},
    {CanonicalRelative, "canonical.relative", "canonical", L, W,
     "Pages whose canonical is a relative address.", "Write the canonical as an absolute address."},
    {CanonicalChain, "canonical.chain", "canonical", M, I,
     "Canonicals to a page whose own canonical names a third address.",
     "Point every canonical of the chain at its last address."},
    // Hreflang
    {HreflangInvalidCode, "hreflang.invalid_code", "hreflang", H, I,
     "Hreflang values that are not a valid language (and region) code.",
     "Use an ISO 639-1 language code, optionally with an ISO 3166-1 region (en-GB), or x-default."},
    {HreflangMissingReturn, "hreflang.missing_return", "hreflang", H, I,
     "Hreflang alternates that do not link back.",
     "Give every alternate an hreflang link back to this page."},
    {HreflangMissingSelf, "hreflang.missing_self", "hreflang", M, I,
     "Pages with hreflang alternates but none for themselves.",
     "Add an hreflang link to the page itself."},
    {HreflangMissingXDefault, "hreflang.missing_x_default", "hreflang", L, W,
     "Pages with hreflang alternates but no x-default.",
     "Add hreflang=\"x-default\" for visitors whose language is not listed."},
    {HreflangToNon200, "hreflang.to_non_200", "hreflang", H, I,
     "Hreflang alternates that do not answer 200.",
     "Point the alternate at a page that answers 200."},
    {HreflangToRedirect, "hreflang.to_redirect", "hreflang", M, I,
     "Hreflang alternates that redirect.", "Point the alternate at the final address."},
    {HreflangToNoindex, "hreflang.to_noindex", "hreflang", H, I,
     "Hreflang alternates that are noindex.", "List only indexable pages as alternates."},
    {HreflangToNonCanonical, "hreflang.to_non_canonical", "hreflang", H, I,
     "Hreflang alternates whose canonical names another address.",
     "List the canonical address of each alternate."},
    {HreflangLangMismatch, "hreflang.lang_mismatch", "hreflang", L, W,
     "Pages whose own hreflang names another language than their lang attribute.",
     "Make the html lang attribute and the page's own hreflang agree."},
    // Sitemaps (with --audit-sitemaps)
    {SitemapOrphan, "sitemap.orphan", "sitemap", M, I,
     "Addresses in a sitemap that no link of the site reaches (orphans).",
     "Link to the page from the site, or take it out of the sitemap."},
    {SitemapNonIndexable, "sitemap.non_indexable", "sitemap", H, I,
     "Addresses in a sitemap that are not indexable.",
     "List only indexable pages that answer 200 in sitemaps."},
    {SitemapMissingPage, "sitemap.missing_page", "sitemap", M, O,
     "Indexable pages that no sitemap lists.", "Add the page to the sitemap."},
    {SitemapTooLarge, "sitemap.too_large", "sitemap", H, I,
     "Sitemaps with more than 50,000 addresses or larger than 50 MB.",
     "Split the sitemap into files of at most 50,000 addresses and 50 MB, listed by an index."},
    // Security (https sites)
    {SecurityNoHsts, "security.no_hsts", "security", M, W,
     "Pages served without a Strict-Transport-Security header.",
     "Send Strict-Transport-Security, so browsers never ask over http."},
    {SecurityNoCsp, "security.no_csp", "security", L, W,
     "Pages served without a Content-Security-Policy header.",
     "Send a Content-Security-Policy that lists where scripts and styles may come from."},
    {SecurityNoNosniff, "security.no_nosniff", "security", L, W,
     "Pages served without X-Content-Type-Options: nosniff.",
     "Send X-Content-Type-Options: nosniff."},
    {SecurityNoFrameProtection, "security.no_frame_protection", "security", L, W,
     "Pages without X-Frame-Options or a CSP frame-ancestors rule.",
     "Send X-Frame-Options: SAMEORIGIN or a frame-ancestors rule."},
    {SecurityNoReferrerPolicy, "security.no_referrer_policy", "security", L, W,
     "Pages served without a Referrer-Policy header.",
     "Send Referrer-Policy (strict-origin-when-cross-origin, say)."},
    {SecurityMixedContent, "security.mixed_content", "security", H, I,
     "https pages that load images, scripts, styles, frames or media over http.",
     "Load every resource over https."},
    {SecurityInsecureForm, "security.insecure_form", "security", H, I,
     "Forms that send their data to an http address.", "Send forms to https addresses."},
    {SecurityProtocolRelative, "security.protocol_relative", "security", L, W,
     "Links and resources with protocol-relative addresses (//host/path).",
     "Write the addresses with https:// in front."},
    // Searches (--search, --search-regex)
    {SearchFound, "search.found", "search", M, W,
     "Pages where a search found its text; the detail names the searches and their matches.",
     "Remove or replace the text where it should not be (old tracking code, \"out of stock\")."},
    {SearchMissing, "search.missing", "search", M, W,
     "Pages without a match for a search marked --search-missing.",
     "Add what every page should carry (a tracking code, a notice) where it is missing."},
    // Structured data (JSON-LD, microdata, RDFa Lite)
    {StructuredDataParseError, "structured_data.parse_error", "structured_data", H, I,
     "Pages with a JSON-LD script that cannot be read as JSON.",
     "Fix the script's JSON (a missing comma or brace, a stray quote); search engines skip it "
     "whole."},
    {StructuredDataInvalid, "structured_data.invalid", "structured_data", M, I,
     "Pages whose structured data breaks the schema.org vocabulary or lacks a property a rich "
     "result requires.",
     "Use the types and properties schema.org defines, with values of their kind, and give "
     "every required property."},
    {StructuredDataIncomplete, "structured_data.incomplete", "structured_data", L, W,
     "Pages whose rich-result structured data lacks a recommended property.",
     "Add the recommended properties, so that search engines can show a richer result."},
    {StructuredDataMissing, "structured_data.missing", "structured_data", L, O,
     "Indexable pages without structured data.",
     "Describe what the page is about (an Article, a Product, an Organization) in JSON-LD."},
    // Accessibility of the rendered page (--accessibility): by impact, for a rule the table
    // below does not know (a newer axe); the detail names the rules
    {AccessibilityCritical, "accessibility.critical", "accessibility", H, I,
     "Pages that break a WCAG A or AA rule of no type of its own, with critical impact (some "
     "people cannot use the page at all).",
     "Fix the elements the rules name: give images alt text, controls names, forms labels."},
    {AccessibilitySerious, "accessibility.serious", "accessibility", H, I,
     "Pages that break a WCAG A or AA rule of no type of its own, with serious impact.",
     "Fix the elements the rules name (contrast, names of links and frames, the page's lang)."},
    {AccessibilityModerate, "accessibility.moderate", "accessibility", M, W,
     "Pages that break a WCAG A or AA rule of no type of its own, with moderate impact.",
     "Fix the elements the rules name; the rule's id says what it checks."},
    {AccessibilityMinor, "accessibility.minor", "accessibility", L, W,
     "Pages that break a WCAG A or AA rule of no type of its own, with minor impact.",
     "Fix the elements the rules name when the page is next changed."},
    // One type per rule, its priority from the impact axe declares for it; the detail
    // counts the elements and names the first
#define ZEL_ACCESSIBILITY_RULE(name, rule, impact, description, help, levels, tags) \
  {Accessibility##name, "accessibility." rule, "accessibility", kImpact##impact.priority,  \
   kImpact##impact.kind, help " (" levels ").", description "."},
#include "audit/accessibility_rules.inc"
#undef ZEL_ACCESSIBILITY_RULE
    // Page speed of the rendered page (--page-speed): lab figures, measured on this machine
    {PageSpeedLcpNeedsImprovement, "page_speed.lcp_needs_improvement", "page_speed", M, W,
     "Pages whose largest contentful paint came after 2.5 s (lab figure, measured on this "
     "machine).",
     "Send the main image or text sooner: a faster server, fewer render-blocking resources, "
     "smaller images."},
    {PageSpeedLcpPoor, "page_speed.lcp_poor", "page_speed", H, I,
     "Pages whose largest contentful paint came after 4 s (lab figure, measured on this "
     "machine).",
     "Send the main image or text sooner: a faster server, fewer render-blocking resources, "
     "smaller images."},
    {PageSpeedClsNeedsImprovement, "page_speed.cls_needs_improvement", "page_speed", M, W,
     "Pages whose layout shifted by more than 0.1 (lab figure, measured on this machine).",
     "Give images and embeds their size, and keep room for what is added late."},
    {PageSpeedClsPoor, "page_speed.cls_poor", "page_speed", H, I,
     "Pages whose layout shifted by more than 0.25 (lab figure, measured on this machine).",
     "Give images and embeds their size, and keep room for what is added late."},
    {PageSpeedTbtNeedsImprovement, "page_speed.tbt_needs_improvement", "page_speed", M, W,
     "Pages whose scripts blocked the main thread for more than 200 ms in all (lab figure, "
     "measured on this machine).",
     "Split long scripts, load what is not needed at once later, run less script."},
    {PageSpeedTbtPoor, "page_speed.tbt_poor", "page_speed", H, I,
     "Pages whose scripts blocked the main thread for more than 600 ms in all (lab figure, "
     "measured on this machine).",
     "Split long scripts, load what is not needed at once later, run less script."},
    // What scripts change (--script-changes): the page as served against the page as rendered
    {RenderingOnlyInRendered, "rendering.only_in_rendered", "rendering", M, W,
     "Pages whose title, meta description, canonical, meta robots or h1 exists only after "
     "their scripts have run.",
     "Put them in the HTML the server sends: search engines may not run the scripts."},
    {RenderingChangedByScripts, "rendering.changed_by_scripts", "rendering", M, W,
     "Pages whose scripts change the title, meta description, canonical, meta robots or h1 "
     "the server sent.",
     "Send the final values in the HTML; search engines may read either one."},
    {RenderingNoindexOnlyServed, "rendering.noindex_only_in_served", "rendering", H, I,
     "Pages whose served HTML says noindex while the rendered page does not.",
     "Remove noindex from the served HTML: a search engine that reads it may never render "
     "the page."},
    {RenderingLinksOnlyRendered, "rendering.links_only_rendered", "rendering", L, W,
     "Pages with links that exist only after their scripts have run.",
     "Write important links into the served HTML, so that crawlers find them without "
     "running scripts."},
    {RenderingScriptErrors, "rendering.script_errors", "rendering", M, I,
     "Pages whose scripts logged errors or threw while rendering.",
     "Fix the errors the detail names; a failing script may leave the page incomplete."},
};

constexpr bool catalogueInOrder() {
  for (size_t i = 0; i < std::size(kCatalogue); ++i) {
    if (static_cast<size_t>(kCatalogue[i].issue) != i) return false;
    const std::string_view id = kCatalogue[i].id;
    if (id.substr(0, id.find('.')) != kCatalogue[i].group) return false;
  }
  return std::size(kCatalogue) == static_cast<size_t>(Issue::kCount);
}
static_assert(catalogueInOrder(), "one row per Issue, in its order, each id under its group");

}  // namespace

std::span<const IssueType> issueCatalogue() { return kCatalogue; }

const IssueType& issueType(Issue issue) { return kCatalogue[static_cast<size_t>(issue)]; }

std::optional<Issue> issueById(std::string_view id) {
  for (const IssueType& t : kCatalogue)
    if (t.id == id) return t.issue;
  return std::nullopt;
}

bool ranksBefore(Issue a, Issue b) {
  const IssueType &x = issueType(a), &y = issueType(b);
  if (x.priority != y.priority) return x.priority < y.priority;
  return x.kind < y.kind;
}

std::string_view priorityName(Priority p) {
  switch (p) {
    case Priority::High:
      return "high";
    case Priority::Medium:
      return "medium";
    case Priority::Low:
      return "low";
  }
  return "";
}

std::string_view kindName(Kind k) {
  switch (k) {
    case Kind::Issue:
      return "issue";
    case Kind::Warning:
      return "warning";
    case Kind::Opportunity:
      return "opportunity";
    case Kind::Information:
      return "information";
  }
  return "";
}

bool parsePriority(std::string_view word, Priority& out) {
  for (Priority p : {Priority::High, Priority::Medium, Priority::Low})
    if (priorityName(p) == word) {
      out = p;
      return true;
    }
  return false;
}

}  // namespace zel::audit
