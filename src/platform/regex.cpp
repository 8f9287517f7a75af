#define PCRE2_CODE_UNIT_WIDTH 8
#include "platform/regex.h"

#include <pcre2.h>

#include "platform/log.h"

namespace zel {

struct Regex::Code {
  pcre2_code* code = nullptr;
  ~Code() {
    if (code) pcre2_code_free(code);
  }
};

std::optional<Regex> Regex::compile(std::string_view pattern, Options options, std::string* error) {
  uint32_t flags = PCRE2_UTF | PCRE2_MATCH_INVALID_UTF | PCRE2_UCP;
  if (options.caseInsensitive) flags |= PCRE2_CASELESS;
  if (options.dotMatchesLineEnds) flags |= PCRE2_DOTALL;
  int code = 0;
  PCRE2_SIZE offset = 0;
  pcre2_code* re = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(),
                                 flags, &code, &offset, nullptr);
  if (!re) {
    if (error) {
      PCRE2_UCHAR buf[256];
      pcre2_get_error_message(code, buf, sizeof buf);
      *error = std::string(reinterpret_cast<char*>(buf)) + " at offset " + std::to_string(offset);
    }
    return std::nullopt;
  }
  pcre2_jit_compile(re, PCRE2_JIT_COMPLETE);  // best effort; the interpreter is the fallback
  auto holder = std::make_shared<Code>();
  holder->code = re;
  return Regex(std::move(holder));
}

int Regex::groupCount() const {
  uint32_t n = 0;
  pcre2_pattern_info(code_->code, PCRE2_INFO_CAPTURECOUNT, &n);
  return static_cast<int>(n);
}

std::optional<Regex::Match> Regex::search(std::string_view subject, size_t from) const {
  if (from > subject.size()) return std::nullopt;
  pcre2_match_data* md = pcre2_match_data_create_from_pattern(code_->code, nullptr);
  if (!md) return std::nullopt;
  int rc = pcre2_match(code_->code, reinterpret_cast<PCRE2_SPTR>(subject.data()), subject.size(),
                       from, 0, md, nullptr);
  if (rc < 0) {
    pcre2_match_data_free(md);
    return std::nullopt;
  }
  PCRE2_SIZE* ov = pcre2_get_ovector_pointer(md);
  Match m;
  m.start = ov[0];
  m.end = ov[1];
  if (m.end < m.start) m.end = m.start;  // \K can report end before start
  m.text.assign(subject.substr(m.start, m.end - m.start));
  int groups = groupCount();
  for (int g = 1; g <= groups; ++g) {
    if (g < rc && ov[2 * g] != PCRE2_UNSET && ov[2 * g + 1] >= ov[2 * g])
      m.groups.emplace_back(std::string(subject.substr(ov[2 * g], ov[2 * g + 1] - ov[2 * g])));
    else
      m.groups.emplace_back(std::nullopt);
  }
  pcre2_match_data_free(md);
  return m;
}

std::vector<Regex::Match> Regex::allMatches(std::string_view subject) const {
  std::vector<Match> out;
  size_t pos = 0;
  while (pos <= subject.size()) {
    auto m = search(subject, pos);
    if (!m) break;
    size_t next = m->end;
    if (m->end == m->start) {
      // Empty match: step over one whole UTF-8 character.
      next = m->end + 1;
      while (next < subject.size() && (static_cast<unsigned char>(subject[next]) & 0xC0) == 0x80)
        ++next;
    }
    if (m->start < pos) break;
    out.push_back(std::move(*m));
    pos = next;
  }
  return out;
}

std::optional<std::vector<std::string>> applyRegex(std::string_view pattern,
                                                   std::string_view subject, Log* log) {
  std::string error;
  auto re = Regex::compile(pattern, &error);
  if (!re) {
    if (log) log->always("error in regex: " + error);
    return std::nullopt;
  }
  std::vector<std::string> results;
  const bool hasGroups = re->groupCount() > 0;
  for (auto& m : re->allMatches(subject)) {
    if (!hasGroups) {
      results.push_back(std::move(m.text));
    } else {
      std::string joined;
      for (auto& g : m.groups)
        if (g) joined += *g;
      results.push_back(std::move(joined));
    }
  }
  if (results.empty()) return std::nullopt;
  return results;
}

}  // namespace zel
