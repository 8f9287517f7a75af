#include "parser/meta_refresh.h"

#include <algorithm>

#include "platform/log.h"
#include "platform/text_codec.h"
#include "platform/text_format.h"

namespace zel {
namespace {

constexpr size_t npos = std::string_view::npos;

size_t findFirst(std::string_view data, std::initializer_list<std::string_view> forms) {
  for (std::string_view f : forms) {
    size_t at = data.find(f);
    if (at != npos) return at;
  }
  return npos;
}

void logAt(Log* log, int level, std::string_view line) {
  if (log) log->write(level, line);
}

}  // namespace

bool metaRefreshURLat(uint64_t position, std::string_view data) {
  size_t open = data.find("<!--");
  while (open != npos && open < position) {
    size_t close = data.find("-->", open);
    if (close == npos) return false;
    if (close > position) return true;
    open = data.find("<!--", close);
  }
  return false;
}

namespace {

// The first occurrence of the first form that occurs at all, given that only a
// position before `limit` can matter: nullopt when that first occurrence lies at or
// after `limit` (or nothing occurs). Only the window before `limit` is searched
// unless a later form is found there, in which case the earlier forms must be
// shown absent from the whole page.
std::optional<size_t> firstFormBefore(std::string_view data,
                                      std::initializer_list<std::string_view> forms,
                                      size_t limit) {
  const size_t windowEnd = std::min(data.size(), limit);
  size_t index = 0;
  for (std::string_view f : forms) {
    size_t at = data.substr(0, std::min(data.size(), windowEnd + f.size() - 1)).find(f);
    if (at != npos && at < limit) {
      // Earlier forms must not occur at all (they would have been chosen).
      size_t i = 0;
      for (std::string_view earlier : forms) {
        if (i++ == index) break;
        if (data.find(earlier, windowEnd) != npos) return std::nullopt;
      }
      return at;
    }
    ++index;
  }
  return std::nullopt;
}

}  // namespace

bool pageIsMetaRefresh(std::string_view data, Log* log) {
  if (data.size() < 50) return false;
  // http-equiv and refresh only count before the first "body", so the searches
  // stop there; most pages have neither and are rejected after reading their head.
  size_t body = findFirst(data, {"body", "BODY"});
  size_t limit = body == npos ? data.size() : body;
  if (findFirst(data, {"meta", "META"}) == npos) return false;
  std::optional<size_t> equiv = firstFormBefore(data, {"http-equiv", "HTTP-EQUIV"}, limit);
  if (!equiv) return false;
  std::optional<size_t> refresh =
      firstFormBefore(data, {"refresh", "REFRESH", "Refresh"}, limit);
  if (!refresh || *equiv > *refresh) return false;
  if (data.substr(*equiv, *refresh - *equiv).find('>') != npos) return false;
  if (metaRefreshURLat(*refresh, data)) {
    logAt(log, 1, "But it's within comments, so returning NO");
    return false;
  }
  if (!pullOutMetaRefreshUrl(data, log)) {
    logAt(log, 2, "meta refresh found but has no url. So returning NO");
    return false;
  }
  return true;
}

std::optional<std::string> pullOutMetaRefreshUrl(std::string_view text, Log* log) {
  if (!TextCodec::isValidUtf8(text)) return std::nullopt;
  size_t refresh = findIgnoreCase(text, "refresh");
  if (refresh == npos) {
    logAt(log, 1, "unable to find refresh");
    return std::nullopt;
  }
  size_t content = findIgnoreCase(text, "content", refresh + 7);
  if (content == npos) {
    logAt(log, 1, "unable to find content");
    return std::nullopt;
  }
  size_t from = content + 7;
  char separator = '"';
  size_t open = text.find('"', from);
  if (open == npos) {
    separator = '\'';
    open = text.find('\'', from);
  }
  if (open == npos) {
    logAt(log, 1, "unable to find separator");
    return std::nullopt;
  }
  size_t close = text.find(separator, open + 1);
  std::string_view value =
      text.substr(open + 1, close == npos ? npos : close - open - 1);
  size_t eq = value.find('=');
  if (eq == npos) {
    logAt(log, 1, "unable to find = ");
    return std::nullopt;
  }
  return std::string(trimChars(value.substr(eq + 1), "'"));
}

}  // namespace zel
