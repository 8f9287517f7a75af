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

}  // namespace zel
