#pragma once
// The password of the start address, hidden in what the exports write. The
// crawl's URLs carry it on (the loader logs in with it), so every address of
// the site holds it; a report that is shared or published must not.
#include <string>
#include <string_view>
#include <vector>

namespace zel::cli {

class SecretMask {
 public:
  // Hides the passwords of these addresses.
  void addPasswordOf(std::string_view url);
  bool empty() const { return forms_.empty(); }
  // Replaces ":password@" by ":***@" in `text`, in its raw, JSON- and
  // XML-escaped forms.
  void apply(std::string& text) const;

 private:
  std::vector<std::string> forms_;
};

}  // namespace zel::cli
