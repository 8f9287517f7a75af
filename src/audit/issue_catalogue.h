#pragma once
// The table of every issue type the site audit knows. The README's table, the
// outputs and `zelmora checks` are all made from it.
#include <optional>
#include <span>
#include <string_view>

#include "audit/issue_type.h"

namespace zel::audit {

// Every issue type, in catalogue order (grouped; the order of Issue).
std::span<const IssueType> issueCatalogue();
const IssueType& issueType(Issue issue);
// The type with this id, or nullopt.
std::optional<Issue> issueById(std::string_view id);
// Ranks types for reports: higher priority first; kinds in their order after that.
bool ranksBefore(Issue a, Issue b);

}  // namespace zel::audit
