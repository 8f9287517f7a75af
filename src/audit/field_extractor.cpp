#include "audit/field_extractor.h"

#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

#include "audit/css_to_xpath.h"
#include "audit/html_document.h"
#include "parser/collapsed_text.h"
#include "platform/text_format.h"

namespace zel::audit {

namespace {

std::string collapsed(const char* text) { return collapsedWhitespace(text ? text : ""); }

std::string nodeValue(xmlNodePtr node, const std::optional<std::string>& attribute) {
  xmlChar* raw = nullptr;
  if (attribute) {
    if (node->type != XML_ELEMENT_NODE) return std::string();
    raw = xmlGetProp(node, reinterpret_cast<const xmlChar*>(attribute->c_str()));
    if (!raw) return std::string();
  } else {
    raw = xmlNodeGetContent(node);
  }
  std::string out = collapsed(reinterpret_cast<const char*>(raw));
  xmlFree(raw);
  return out;
}

}  // namespace

Status FieldExtractor::make(const std::vector<std::string>& expressions,
                            std::unique_ptr<FieldExtractor>& out) {
  quietLibxmlOnThisThread();
  auto made = std::unique_ptr<FieldExtractor>(new FieldExtractor());
  for (const std::string& text : expressions) {
    Expression e;
    const auto bad = [&](const std::string& why) {
      return Status::Error("--extract \"" + text + "\": " + why);
    };
    if (startsWith(text, "xpath:")) {
      e.xpath = text.substr(6);
    } else if (startsWith(text, "css:")) {
      CssTranslation t;
      if (Status s = cssToXpath(text.substr(4), t); !s.ok()) return bad(s.message());
      e.xpath = t.xpath;
      e.attribute = t.attribute;
    } else if (startsWith(text, "regex:")) {
      std::string error;
      e.regex = Regex::compile(text.substr(6), Regex::Options{false, true}, &error);
      if (!e.regex) return bad("the regular expression does not compile: " + error);
    } else {
      return bad("an expression starts with xpath:, css: or regex:");
    }
    if (!e.regex) {
      xmlXPathCompExprPtr compiled =
          xmlXPathCompile(reinterpret_cast<const xmlChar*>(e.xpath.c_str()));
      if (!compiled) return bad("the XPath expression \"" + e.xpath + "\" does not compile");
      xmlXPathFreeCompExpr(compiled);
      made->needsDocument_ = true;
    }
    made->expressions_.push_back(std::move(e));
  }
  out = std::move(made);
  return Status::Ok();
}

FieldExtractor::~FieldExtractor() = default;

std::vector<std::vector<std::string>> FieldExtractor::extract(std::string_view page) const {
  std::vector<std::vector<std::string>> values(expressions_.size());
  htmlDocPtr doc = nullptr;
  xmlXPathContextPtr context = nullptr;
  if (needsDocument_) {
    doc = readHtmlDocument(page);
    if (doc) context = xmlXPathNewContext(doc);
  }
  for (size_t k = 0; k < expressions_.size(); ++k) {
    const Expression& e = expressions_[k];
    if (e.regex) {
      for (const Regex::Match& m : e.regex->allMatches(page)) {
        if (m.groups.empty())
          values[k].push_back(m.text);
        else if (m.groups[0])
          values[k].push_back(*m.groups[0]);
      }
      continue;
    }
    if (!context) continue;
    xmlXPathObjectPtr result =
        xmlXPathEvalExpression(reinterpret_cast<const xmlChar*>(e.xpath.c_str()), context);
    if (!result) continue;
    if (result->type == XPATH_NODESET && result->nodesetval) {
      for (int n = 0; n < result->nodesetval->nodeNr; ++n)
        values[k].push_back(nodeValue(result->nodesetval->nodeTab[n], e.attribute));
    } else if (result->type != XPATH_NODESET) {
      xmlChar* text = xmlXPathCastToString(result);
      values[k].push_back(collapsed(reinterpret_cast<const char*>(text)));
      xmlFree(text);
    }
    xmlXPathFreeObject(result);
  }
  if (context) xmlXPathFreeContext(context);
  if (doc) xmlFreeDoc(doc);
  return values;
}

}  // namespace zel::audit
