#pragma once
// The findings of one rendered page's audits, as issue and detail.
#include <string>
#include <utility>
#include <vector>

#include "audit/issue_type.h"
#include "url/rendered_facts.h"

namespace zel::audit {

std::vector<std::pair<Issue, std::string>> renderedFindings(const RenderedFacts& facts);

}  // namespace zel::audit
