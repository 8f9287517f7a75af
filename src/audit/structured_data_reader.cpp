// Reads a page's structured data into one tree shape: JSON-LD scripts, then
// microdata and RDFa Lite from one walk of libxml2's HTML tree.
#include <string.h>

#include <algorithm>
#include <map>
#include <nlohmann/json.hpp>
#include <set>

#include "audit/html_document.h"
#include "audit/structured_data.h"
#include "parser/collapsed_text.h"
#include "platform/text_format.h"

namespace zel::audit {

namespace {

// Bounds against hostile pages.
constexpr size_t kMostItems = 2000;
constexpr size_t kMostProperties = 20000;
constexpr size_t kMostValueBytes = 2000;
constexpr int kDeepestItem = 32;
constexpr int kDeepestElement = 512;
constexpr int kDeepestJson = 256;
constexpr size_t kMostErrors = 20;

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

// "https://schema.org/Product" and "http://schema.org/Product" are "Product";
// any other vocabulary keeps its address.
std::string shortName(std::string_view name, std::string_view vocabulary = {}) {
  name = trimWhitespace(name);
  for (std::string_view prefix : {"https://schema.org/", "http://schema.org/",
                                  "https://www.schema.org/", "http://www.schema.org/", "schema:"})
    if (startsWith(name, prefix)) return std::string(name.substr(prefix.size()));
  if (!vocabulary.empty() && name.find(':') == std::string_view::npos &&
      !containsIgnoreCase(vocabulary, "schema.org"))
    return std::string(vocabulary) + std::string(name);
  return std::string(name);
}

std::vector<std::string> words(std::string_view text) {
  std::vector<std::string> out;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && isSpace(text[i])) ++i;
    size_t j = i;
    while (j < text.size() && !isSpace(text[j])) ++j;
    if (j > i) out.emplace_back(text.substr(i, j - i));
    i = j;
  }
  return out;
}

// A JSON-LD value and an array of them read alike.
template <typename F>
void eachValue(const nlohmann::json& j, F f) {
  if (j.is_array())
    for (const auto& e : j) f(e);
  else
    f(j);
}

std::string bounded(std::string text) {
  if (text.size() > kMostValueBytes) text.resize(kMostValueBytes);
  return text;
}

class Reader {
 public:
  explicit Reader(StructuredData& out) : out_(out) {}

  void readDocument(htmlDocPtr doc) {
    walk(xmlDocGetRootElement(doc), nullptr, nullptr, std::string(), 0);
    followItemRefs();
    for (auto& item : top_) out_.items.push_back(std::move(*item));
  }

 private:
  StructuredData& out_;
  std::vector<std::unique_ptr<StructuredItem>> top_;
  std::map<std::string, xmlNodePtr> ids_;
  std::vector<std::pair<StructuredItem*, std::vector<std::string>>> itemRefs_;
  size_t items_ = 0, properties_ = 0;

  static std::string attribute(xmlNodePtr node, const char* name) {
    xmlChar* raw = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name));
    if (!raw) return std::string();
    std::string out(reinterpret_cast<const char*>(raw));
    xmlFree(raw);
    return out;
  }
  static bool has(xmlNodePtr node, const char* name) {
    return xmlHasProp(node, reinterpret_cast<const xmlChar*>(name)) != nullptr;
  }
  static std::string text(xmlNodePtr node) {
    xmlChar* raw = xmlNodeGetContent(node);
    std::string out = collapsedWhitespace(raw ? reinterpret_cast<const char*>(raw) : "");
    xmlFree(raw);
    return bounded(std::move(out));
  }
  static bool named(xmlNodePtr node, std::initializer_list<const char*> names) {
    for (const char* n : names)
      if (equalsIgnoreCase(reinterpret_cast<const char*>(node->name), n)) return true;
    return false;
  }

  StructuredItem* newItem(std::unique_ptr<StructuredItem>* slot) {
    if (items_ >= kMostItems) return nullptr;
    ++items_;
    if (slot) {
      *slot = std::make_unique<StructuredItem>();
      return slot->get();
    }
    top_.push_back(std::make_unique<StructuredItem>());
    return top_.back().get();
  }
  StructuredItem::Property* newProperty(StructuredItem* owner, std::string name) {
    if (properties_ >= kMostProperties) return nullptr;
    ++properties_;
    owner->properties.push_back({std::move(name), StructuredValue()});
    return &owner->properties.back();
  }

  // A microdata property's value by the element that carries it.
  static std::string microdataValue(xmlNodePtr e) {
    if (named(e, {"meta"})) return bounded(attribute(e, "content"));
    if (named(e, {"audio", "embed", "iframe", "img", "source", "track", "video"}))
      return bounded(attribute(e, "src"));
    if (named(e, {"a", "area", "link"})) return bounded(attribute(e, "href"));
    if (named(e, {"object"})) return bounded(attribute(e, "data"));
    if (named(e, {"data", "meter"})) return bounded(attribute(e, "value"));
    if (named(e, {"time"}) && has(e, "datetime")) return bounded(attribute(e, "datetime"));
    return text(e);
  }
  static std::string rdfaValue(xmlNodePtr e) {
    for (const char* a : {"content", "href", "src", "resource"})
      if (has(e, a)) return bounded(attribute(e, a));
    return text(e);
  }

  void setTypes(StructuredItem* item, const std::string& list, const std::string& vocabulary) {
    for (const std::string& t : words(list)) item->types.push_back(shortName(t, vocabulary));
  }

  // `md` is the microdata item, `rd` the RDFa item, that properties here join.
  void walk(xmlNodePtr node, StructuredItem* md, StructuredItem* rd, std::string vocab, int depth) {
    for (; node; node = node->next) {
      if (node->type != XML_ELEMENT_NODE) continue;
      if (named(node, {"script"})) {
        readScript(node);
        continue;
      }
      if (depth >= kDeepestElement) continue;
      if (has(node, "id")) ids_.emplace(attribute(node, "id"), node);
      StructuredItem* childMd = md;
      StructuredItem* childRd = rd;
      std::string childVocab = has(node, "vocab") ? attribute(node, "vocab") : vocab;
      childMd = microdataAt(node, md);
      childRd = rdfaAt(node, rd, childVocab);
      walk(node->children, childMd, childRd, childVocab, depth + 1);
    }
  }

  StructuredItem* microdataAt(xmlNodePtr node, StructuredItem* md) {
    const bool scope = has(node, "itemscope");
    const std::vector<std::string> props =
        has(node, "itemprop") ? words(attribute(node, "itemprop")) : std::vector<std::string>();
    if (!props.empty() && md) {
      out_.formats |= static_cast<uint8_t>(StructuredFormat::Microdata);
      for (size_t k = 0; k < props.size(); ++k) {
        StructuredItem::Property* p = newProperty(md, shortName(props[k]));
        if (!p) return scope ? nullptr : md;
        if (scope && k == 0) {
          p->value.kind = StructuredValue::Kind::Item;
          StructuredItem* nested = newItem(&p->value.item);
          if (!nested) return nullptr;
          openItem(node, nested);
          // The other names of an itemprop with its own item keep its type only.
          for (size_t j = 1; j < props.size(); ++j)
            if (StructuredItem::Property* q = newProperty(md, shortName(props[j])))
              q->value.text = nested->types.empty() ? std::string() : nested->types[0];
          return nested;
        }
        p->value.text = microdataValue(node);
      }
      return scope ? nullptr : md;
    }
    if (scope) {
      out_.formats |= static_cast<uint8_t>(StructuredFormat::Microdata);
      StructuredItem* item = newItem(nullptr);
      if (item) openItem(node, item);
      return item;
    }
    return md;
  }

  void openItem(xmlNodePtr node, StructuredItem* item) {
    setTypes(item, attribute(node, "itemtype"), std::string());
    if (has(node, "itemref")) itemRefs_.push_back({item, words(attribute(node, "itemref"))});
  }

  StructuredItem* rdfaAt(xmlNodePtr node, StructuredItem* rd, const std::string& vocab) {
    const bool typed = has(node, "typeof");
    const std::vector<std::string> props =
        has(node, "property") ? words(attribute(node, "property")) : std::vector<std::string>();
    if (!props.empty() && rd) {
      StructuredItem::Property* p = newProperty(rd, shortName(props[0], vocab));
      if (!p) return rd;
      if (typed) {
        p->value.kind = StructuredValue::Kind::Item;
        StructuredItem* nested = newItem(&p->value.item);
        if (nested) setTypes(nested, attribute(node, "typeof"), vocab);
        return nested;
      }
      p->value.text = rdfaValue(node);
      for (size_t k = 1; k < props.size(); ++k)
        if (StructuredItem::Property* q = newProperty(rd, shortName(props[k], vocab)))
          q->value.text = rdfaValue(node);
      return rd;
    }
    if (typed) {
      out_.formats |= static_cast<uint8_t>(StructuredFormat::Rdfa);
      StructuredItem* item = newItem(nullptr);
      if (item) setTypes(item, attribute(node, "typeof"), vocab);
      return item;
    }
    return rd;
  }

  // itemref pulls elements from elsewhere in the page into an item; each
  // (item, element) pair is read once, so reference loops end.
  void followItemRefs() {
    std::set<std::pair<StructuredItem*, xmlNodePtr>> seen;
    for (size_t k = 0; k < itemRefs_.size() && k < kMostItems; ++k) {
      auto [item, refs] = itemRefs_[k];
      for (const std::string& id : refs) {
        auto found = ids_.find(id);
        if (found == ids_.end() || !seen.insert({item, found->second}).second) continue;
        xmlNodePtr node = found->second;
        // An item of its own is not a property: it was read where it stands.
        if (has(node, "itemscope") && !has(node, "itemprop")) continue;
        // The element alone, not its following siblings.
        walkMicrodataOnly(node->children, microdataAt(node, item), 0);
      }
    }
  }
  void walkMicrodataOnly(xmlNodePtr node, StructuredItem* md, int depth) {
    for (; node && depth < kDeepestElement; node = node->next)
      if (node->type == XML_ELEMENT_NODE)
        walkMicrodataOnly(node->children, microdataAt(node, md), depth + 1);
  }

  void readScript(xmlNodePtr node) {
    std::string type = attribute(node, "type");
    if (size_t semi = type.find(';'); semi != std::string::npos) type.resize(semi);
    if (!equalsIgnoreCase(trimWhitespace(type), "application/ld+json")) return;
    out_.formats |= static_cast<uint8_t>(StructuredFormat::JsonLd);
    xmlChar* raw = xmlNodeGetContent(node);
    const std::string body(raw ? reinterpret_cast<const char*>(raw) : "");
    xmlFree(raw);
    readJsonLd(body);
  }

  void parseError(std::string text) {
    if (out_.parseErrors.size() < kMostErrors) out_.parseErrors.push_back(std::move(text));
  }

  void readJsonLd(std::string_view body) {
    // nlohmann's parser nests without bound; a script nested deeper than any
    // real one is refused before it is parsed.
    int depth = 0, deepest = 0;
    bool inString = false;
    for (size_t i = 0; i < body.size(); ++i) {
      const char c = body[i];
      if (inString) {
        if (c == '\\')
          ++i;
        else if (c == '"')
          inString = false;
      } else if (c == '"') {
        inString = true;
      } else if (c == '{' || c == '[') {
        deepest = std::max(deepest, ++depth);
      } else if (c == '}' || c == ']') {
        --depth;
      }
    }
    if (deepest > kDeepestJson) {
      parseError(strf("JSON-LD: nested deeper than %d levels", kDeepestJson));
      return;
    }
    nlohmann::json json;
    try {
      json = nlohmann::json::parse(body);
    } catch (const nlohmann::json::exception& e) {
      std::string what = e.what();
      if (size_t close = what.find("] ");
          what.rfind("[json.exception", 0) == 0 && close != std::string::npos)
        what = what.substr(close + 2);
      parseError("JSON-LD: " + what);
      return;
    }
    std::string vocab;
    readJsonTop(json, vocab);
  }

  static std::string vocabularyOf(const nlohmann::json& context, const std::string& outer) {
    if (context.is_string()) return context.get<std::string>();
    if (context.is_object()) {
      auto v = context.find("@vocab");
      if (v != context.end() && v->is_string()) return v->get<std::string>();
    }
    if (context.is_array())
      for (const auto& c : context)
        if (std::string v = vocabularyOf(c, std::string()); !v.empty()) return v;
    return outer;
  }
  static std::string withSlash(std::string vocabulary) {
    if (!vocabulary.empty() && vocabulary.back() != '/' && vocabulary.back() != '#')
      vocabulary += '/';
    return vocabulary;
  }

  void readJsonTop(const nlohmann::json& json, const std::string& vocab) {
    if (json.is_array()) {
      for (const auto& j : json) readJsonTop(j, vocab);
      return;
    }
    if (!json.is_object()) {
      parseError("JSON-LD: the script holds neither an object nor an array");
      return;
    }
    const std::string inner =
        json.contains("@context") ? withSlash(vocabularyOf(json["@context"], vocab)) : vocab;
    if (auto graph = json.find("@graph"); graph != json.end()) {
      readJsonTop(*graph, inner);
      return;
    }
    if (StructuredItem* item = newItem(nullptr)) readJsonItem(json, *item, inner, 0);
  }

  void readJsonItem(const nlohmann::json& json, StructuredItem& item, const std::string& vocab,
                    int depth) {
    const std::string inner =
        json.contains("@context") ? withSlash(vocabularyOf(json["@context"], vocab)) : vocab;
    for (auto it = json.begin(); it != json.end(); ++it) {
      const std::string& key = it.key();
      if (key == "@type") {
        eachValue(*it, [&](const nlohmann::json& t) {
          if (t.is_string()) item.types.push_back(shortName(t.get<std::string>(), inner));
        });
        continue;
      }
      if (key.empty() || key[0] == '@') continue;
      const std::string name = shortName(key, inner);
      eachValue(*it, [&](const nlohmann::json& v) { readJsonValue(v, item, name, inner, depth); });
    }
  }

  void readJsonValue(const nlohmann::json& v, StructuredItem& item, const std::string& name,
                     const std::string& vocab, int depth) {
    if (v.is_null() || v.is_array()) return;
    StructuredItem::Property* p = newProperty(&item, name);
    if (!p) return;
    StructuredValue& value = p->value;
    if (v.is_string()) {
      value.text = bounded(v.get<std::string>());
    } else if (v.is_boolean()) {
      value.kind = StructuredValue::Kind::Boolean;
      value.text = v.get<bool>() ? "true" : "false";
    } else if (v.is_number()) {
      value.kind = StructuredValue::Kind::Number;
      value.text = v.dump();
    } else if (v.is_object()) {
      if (auto literal = v.find("@value"); literal != v.end()) {
        if (literal->is_string())
          value.text = bounded(literal->get<std::string>());
        else
          value.text = literal->dump();
        return;
      }
      // A bare reference stands for an item described elsewhere.
      if (v.size() == 1 && v.contains("@id")) {
        value.text = v["@id"].is_string() ? v["@id"].get<std::string>() : std::string();
        return;
      }
      if (depth + 1 >= kDeepestItem) return;
      value.kind = StructuredValue::Kind::Item;
      if (StructuredItem* nested = newItem(&value.item))
        readJsonItem(v, *nested, vocab, depth + 1);
      else
        value.kind = StructuredValue::Kind::Text;
    }
  }
};

}  // namespace

StructuredData readStructuredData(std::string_view html, std::optional<bool> marks) {
  StructuredData out;
  // Most pages carry none: those are not parsed again. The markers are looked
  // for as pages write them, in lower or upper case (memmem is several times
  // faster than a search that folds case, and this runs on every page).
  const auto has = [&](std::string_view lower, std::string_view upper) {
    return memmem(html.data(), html.size(), lower.data(), lower.size()) ||
           memmem(html.data(), html.size(), upper.data(), upper.size());
  };
  if (marks ? !*marks
            : !has("ld+json", "LD+JSON") && !has("itemscope", "ITEMSCOPE") && !has("typeof", "TYPEOF"))
    return out;
  htmlDocPtr doc = readHtmlDocument(html);
  if (!doc) return out;
  Reader(out).readDocument(doc);
  xmlFreeDoc(doc);
  return out;
}

StructuredFacts structuredFactsOf(std::string_view html, std::optional<bool> marks) {
  StructuredFacts facts;
  StructuredData data = readStructuredData(html, marks);
  facts.formats = data.formats;
  facts.parseErrors = std::move(data.parseErrors);
  std::vector<StructuredProblem> problems;
  for (const StructuredItem& item : data.items) {
    for (const std::string& t : item.types)
      if (facts.types.size() < kMostErrors &&
          std::find(facts.types.begin(), facts.types.end(), t) == facts.types.end())
        facts.types.push_back(t);
    validateStructuredItem(item, problems);
  }
  for (StructuredProblem& p : problems) {
    std::vector<std::string>& list = p.error ? facts.errors : facts.warnings;
    if (list.size() < kMostErrors && std::find(list.begin(), list.end(), p.text) == list.end())
      list.push_back(std::move(p.text));
  }
  return facts;
}

}  // namespace zel::audit
