#pragma once
// Regular expressions on PCRE2 in UTF mode. Invalid UTF-8 in a subject is
// tolerated (it simply never matches a character class).
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

class Log;

class Regex {
 public:
  struct Options {
    bool caseInsensitive = true;
    bool dotMatchesLineEnds = true;
  };
  struct Match {
    size_t start = 0, end = 0;                       // whole match, byte offsets
    std::vector<std::optional<std::string>> groups;  // group 1..n; absent when unset
    std::string text;                                // whole match
  };

  // nullopt when the pattern does not compile; *error then says why.
  static std::optional<Regex> compile(std::string_view pattern, Options options,
                                      std::string* error = nullptr);
  static std::optional<Regex> compile(std::string_view pattern, std::string* error = nullptr) {
    return compile(pattern, Options{}, error);
  }

  int groupCount() const;
  std::optional<Match> search(std::string_view subject, size_t from = 0) const;
  bool matches(std::string_view subject) const { return search(subject).has_value(); }
  // Every non-overlapping match, left to right (an empty match advances one character).
  std::vector<Match> allMatches(std::string_view subject) const;

 private:
  struct Code;
  explicit Regex(std::shared_ptr<Code> code) : code_(std::move(code)) {}
  std::shared_ptr<Code> code_;
};

// The engine's shared regular-expression operation: case-insensitive, "." matching
// line ends, one result per match: the whole match when the expression has no
// groups, else the groups joined. nullopt when nothing matches. A pattern that does
// not compile logs "error in regex: <the error's description>" always and matches nothing.
std::optional<std::vector<std::string>> applyRegex(std::string_view pattern,
                                                   std::string_view subject, Log* log);

}  // namespace zel
