#pragma once
// One tag read from an XML sitemap: its text between '<' and '>' (without a final
// '/') and whether it is a closing tag (a '/' occurred in it).
#include <string>
#include <string_view>

#include "platform/text_format.h"

namespace zel {

class ZelXmlTag {
 public:
  const std::string& getData() const { return data_; }
  void setData(std::string data) { data_ = std::move(data); }
  bool isClosing() const { return closing_; }
  void setClosing(bool closing) { closing_ = closing; }
  // Whether the tag text contains `text`, ignoring case.
  bool contains(std::string_view text) const { return containsIgnoreCase(data_, text); }
  // Tags own nothing else; dropping one is all it takes.
  void curlUpAndDie() {}

 private:
  std::string data_;
  bool closing_ = false;
};

}  // namespace zel
