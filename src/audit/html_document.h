#pragma once
// libxml2's HTML parser for the analyses that read a page as a tree. libxml2
// keeps its error handlers per thread: every thread that parses is made quiet
// first, so that a page's errors never reach the terminal.
#include <libxml/HTMLparser.h>

#include <string_view>

namespace zel::audit {

// Once per thread, before any libxml2 call that may report an error.
void quietLibxmlOnThisThread();

// The page as a tree, forgiving as browsers are and never reaching the network;
// null when libxml2 cannot read it at all. The caller frees it (xmlFreeDoc).
htmlDocPtr readHtmlDocument(std::string_view page);

}  // namespace zel::audit
