#include "checks_command.h"

#include <cstdio>

#include "audit/issue_catalogue.h"
#include "platform/text_format.h"

namespace zel::cli {

std::string checksMarkdown() {
  std::string out =
      "| issue | priority | kind | what it means |\n"
      "|---|---|---|---|\n";
  for (const audit::IssueType& t : audit::issueCatalogue())
    out += strf("| `%s` | %s | %s | %s |\n", std::string(t.id).c_str(),
                std::string(audit::priorityName(t.priority)).c_str(),
                std::string(audit::kindName(t.kind)).c_str(),
                // "<img>" is text here, not markup
                replaceAll(replaceAll(t.description, "|", "\\|"), "<", "&lt;").c_str());
  return out;
}

int runChecks(const Options& options) {
  if (options.markdown) {
    std::fputs(checksMarkdown().c_str(), stdout);
    return 0;
  }
  std::string_view group;
  for (const audit::IssueType& t : audit::issueCatalogue()) {
    if (t.group != group) {
      group = t.group;
      std::printf("%s%s\n", group == audit::issueCatalogue().front().group ? "" : "\n",
                  std::string(group).c_str());
    }
    std::printf("  %-32s %-6s %s\n    %s\n", std::string(t.id).c_str(),
                std::string(audit::priorityName(t.priority)).c_str(),
                std::string(t.description).c_str(), std::string(t.fix).c_str());
  }
  return 0;
}

}  // namespace zel::cli
