#include "parser/page_content.h"

#include "parser/markup_facts_gatherer.h"
#include "parser/zel_parser.h"

namespace zel {

std::unique_ptr<PageContent> readPageContent(const PageContentReader& reader, std::string_view body,
                                             const ZelParser& parser,
                                             const MarkupFactsGatherer& gatherer) {
  const std::string main = reader.wantsMainText() ? gatherer.mainText() : std::string();
  const std::optional<std::string>& lang = gatherer.facts().lang;
  return reader.read(
      PageText{body, parser.getTextContent(), main, lang ? *lang : std::string_view(),
               gatherer.sawStructuredMarks()});
}

PageTextCopy copyPageText(const PageContentReader& reader, std::shared_ptr<const std::string> body,
                          const ZelParser& parser, MarkupFactsGatherer& gatherer) {
  PageTextCopy copy;
  copy.body = std::move(body);
  if (reader.wantsVisibleText()) copy.visibleText = parser.getTextContent();
  if (reader.wantsMainText()) copy.gatheredMainText = gatherer.takeGatheredMainText();
  if (const std::optional<std::string>& lang = gatherer.facts().lang) copy.lang = *lang;
  copy.structuredMarks = gatherer.sawStructuredMarks();
  return copy;
}

std::unique_ptr<PageContent> readPageContent(const PageContentReader& reader,
                                             const PageTextCopy& page) {
  const std::string main =
      reader.wantsMainText() ? MarkupFactsGatherer::mainTextOf(page.gatheredMainText) : std::string();
  return reader.read(PageText{page.body ? std::string_view(*page.body) : std::string_view(),
                              page.visibleText, main, page.lang, page.structuredMarks});
}

}  // namespace zel
