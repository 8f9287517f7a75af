#include "audit/css_to_xpath.h"

#include <cctype>

namespace zel::audit {

namespace {

bool isNameByte(char c) {
  const auto u = static_cast<unsigned char>(c);
  return std::isalnum(u) || c == '-' || c == '_' || u >= 0x80;
}

class CssReader {
 public:
  CssReader(std::string_view text, CssTranslation& out) : s_(text), out_(out) {}

  Status read() {
    skipSpace();
    if (atEnd()) return fail("an empty selector");
    while (true) {
      if (Status st = readSelector(); !st.ok()) return st;
      skipSpace();
      if (atEnd()) return Status::Ok();
      if (s_[i_] != ',') return notUnderstood();
      ++i_;
      out_.xpath += " | ";
      skipSpace();
    }
  }

 private:
  bool atEnd() const { return i_ >= s_.size(); }
  void skipSpace() {
    while (!atEnd() && std::isspace(static_cast<unsigned char>(s_[i_]))) ++i_;
  }
  Status fail(const std::string& what) const {
    return Status::Error("css selector \"" + std::string(s_) + "\": " + what);
  }
  Status notUnderstood() const {
    size_t end = i_ + 1;
    while (end < s_.size() && isNameByte(s_[end])) ++end;
    return fail("\"" + std::string(s_.substr(i_, end - i_)) + "\" at position " +
                std::to_string(i_ + 1) + " is not understood");
  }
  std::string name() {
    const size_t start = i_;
    while (!atEnd() && isNameByte(s_[i_])) ++i_;
    return std::string(s_.substr(start, i_ - start));
  }
  // An element's or attribute's name, which stands in the XPath as a name:
  // ASCII, starting with a letter or "_" (HTML's names all are).
  bool startsXmlName() const {
    return !atEnd() && (std::isalpha(static_cast<unsigned char>(s_[i_])) || s_[i_] == '_');
  }
  std::string xmlName() {
    const size_t start = i_;
    if (!startsXmlName()) return std::string();
    while (!atEnd() &&
           (std::isalnum(static_cast<unsigned char>(s_[i_])) || s_[i_] == '-' || s_[i_] == '_'))
      ++i_;
    return std::string(s_.substr(start, i_ - start));
  }
  static std::string lower(std::string t) {
    for (char& c : t) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return t;
  }

  // Compounds joined by combinators, up to a comma or the end.
  Status readSelector() {
    std::string axis = "//";
    bool adjacent = false;
    while (true) {
      if (Status st = readCompound(axis, adjacent); !st.ok()) return st;
      const size_t before = i_;
      skipSpace();
      if (atEnd() || s_[i_] == ',') return Status::Ok();
      if (s_.substr(i_, 2) == "::") return readAttr();
      adjacent = false;
      if (s_[i_] == '>') {
        axis = "/";
        ++i_;
      } else if (s_[i_] == '+') {
        axis = "/following-sibling::";
        adjacent = true;
        ++i_;
      } else if (s_[i_] == '~') {
        axis = "/following-sibling::";
        ++i_;
      } else if (i_ > before) {
        axis = "//";
      } else {
        return notUnderstood();
      }
      skipSpace();
      if (atEnd()) return fail("a combinator with nothing after it");
    }
  }

  Status readAttr() {
    i_ += 2;
    if (s_.substr(i_, 5) != "attr(") return notUnderstood();
    i_ += 5;
    skipSpace();
    const std::string attr = xmlName();
    skipSpace();
    if (attr.empty() || atEnd() || s_[i_] != ')') return fail("::attr needs an attribute name");
    ++i_;
    skipSpace();
    if (!atEnd()) return fail("::attr(" + attr + ") must end the selector");
    out_.attribute = lower(attr);
    return Status::Ok();
  }

  Status readCompound(const std::string& axis, bool adjacent) {
    std::string type = "*";
    bool any = false;
    if (!atEnd() && s_[i_] == '*') {
      ++i_;
      any = true;
    } else if (startsXmlName()) {
      type = lower(xmlName());
      any = true;
    }
    std::string predicates;
    while (!atEnd()) {
      const char c = s_[i_];
      if (c == '#' || c == '.') {
        ++i_;
        const std::string n = name();
        if (n.empty()) return fail(std::string("\"") + c + "\" needs a name after it");
        predicates += c == '#' ? "[@id=" + xpathLiteral(n) + "]" : wordIn("@class", n);
      } else if (c == '[') {
        if (Status st = readAttribute(predicates); !st.ok()) return st;
      } else if (c == ':' && s_.substr(i_, 2) != "::") {
        if (Status st = readPseudo(predicates); !st.ok()) return st;
      } else {
        break;
      }
      any = true;
    }
    if (!any) return atEnd() ? fail("a combinator with nothing after it") : notUnderstood();
    if (adjacent)
      out_.xpath += axis + "*[1]" + (type == "*" ? "" : "[self::" + type + "]") + predicates;
    else
      out_.xpath += axis + type + predicates;
    return Status::Ok();
  }

  static std::string wordIn(const std::string& attr, const std::string& word) {
    return "[contains(concat(' ',normalize-space(" + attr + "),' '),' " + word + " ')]";
  }

  Status readAttribute(std::string& predicates) {
    ++i_;
    skipSpace();
    const std::string attr = lower(xmlName());
    if (attr.empty()) return fail("an attribute test needs a name");
    skipSpace();
    if (atEnd()) return fail("an attribute test is not closed");
    if (s_[i_] == ']') {
      ++i_;
      predicates += "[@" + attr + "]";
      return Status::Ok();
    }
    std::string op;
    if (!atEnd() && s_[i_] == '=') {
      op = "=";
    } else if (i_ + 1 < s_.size() && s_[i_ + 1] == '=' &&
               std::string_view("~^$*").find(s_[i_]) != std::string_view::npos) {
      op = std::string(1, s_[i_]) + "=";
    } else {
      return notUnderstood();
    }
    i_ += op.size();
    skipSpace();
    std::string value;
    if (!atEnd() && (s_[i_] == '"' || s_[i_] == '\'')) {
      const char quote = s_[i_++];
      const size_t end = s_.find(quote, i_);
      if (end == std::string_view::npos) return fail("an attribute value is not closed");
      value = std::string(s_.substr(i_, end - i_));
      i_ = end + 1;
    } else {
      value = name();
      if (value.empty()) return fail("an attribute test needs a value");
    }
    skipSpace();
    if (atEnd() || s_[i_] != ']') return fail("an attribute test is not closed");
    ++i_;
    const std::string a = "@" + attr, v = xpathLiteral(value);
    if (op == "=")
      predicates += "[" + a + "=" + v + "]";
    else if (op == "~=")
      predicates += value.find(' ') == std::string::npos ? wordIn(a, value) : "[false()]";
    else if (op == "^=")
      predicates += "[starts-with(" + a + "," + v + ")]";
    else if (op == "$=")
      predicates +=
          "[substring(" + a + ",string-length(" + a + ")-string-length(" + v + ")+1)=" + v + "]";
    else
      predicates += "[contains(" + a + "," + v + ")]";
    return Status::Ok();
  }

  Status readPseudo(std::string& predicates) {
    ++i_;
    const std::string p = lower(name());
    if (p == "first-child") {
      predicates += "[not(preceding-sibling::*)]";
      return Status::Ok();
    }
    if (p == "nth-child" && !atEnd() && s_[i_] == '(') {
      const size_t close = s_.find(')', i_);
      if (close == std::string_view::npos) return fail(":nth-child( is not closed");
      std::string_view n = s_.substr(i_ + 1, close - i_ - 1);
      while (!n.empty() && n.front() == ' ') n.remove_prefix(1);
      while (!n.empty() && n.back() == ' ') n.remove_suffix(1);
      bool digits = !n.empty() && n.size() < 9;
      for (char c : n) digits = digits && std::isdigit(static_cast<unsigned char>(c));
      if (!digits || std::stoi(std::string(n)) == 0)
        return fail(":nth-child takes a whole number from 1, not \"" + std::string(n) + "\"");
      i_ = close + 1;
      predicates +=
          "[count(preceding-sibling::*)=" + std::to_string(std::stoi(std::string(n)) - 1) + "]";
      return Status::Ok();
    }
    return fail("\":" + p + "\" is not understood (only :first-child and :nth-child(n) are)");
  }

  std::string_view s_;
  CssTranslation& out_;
  size_t i_ = 0;
};

}  // namespace

std::string xpathLiteral(std::string_view text) {
  if (text.find('\'') == std::string_view::npos) return "'" + std::string(text) + "'";
  if (text.find('"') == std::string_view::npos) return "\"" + std::string(text) + "\"";
  std::string out = "concat(";
  size_t start = 0;
  while (start <= text.size()) {
    const size_t q = text.find('\'', start);
    const std::string_view part =
        text.substr(start, q == std::string_view::npos ? text.npos : q - start);
    if (!part.empty()) out += "'" + std::string(part) + "',";
    if (q == std::string_view::npos) break;
    out += "\"'\",";
    start = q + 1;
  }
  out.back() = ')';
  return out;
}

Status cssToXpath(std::string_view selector, CssTranslation& out) {
  out = CssTranslation();
  return CssReader(selector, out).read();
}

}  // namespace zel::audit
