#include "parser/meta_refresh.h"

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

bool pageIsMetaRefresh(std::string_view data, Log* log) {
  size_t meta = findFirst(data, {"meta", "META"});
  size_t equiv = findFirst(data, {"http-equiv", "HTTP-EQUIV"});
  size_t refresh = findFirst(data, {"refresh", "REFRESH", "Refresh"});
  size_t body = findFirst(data, {"body", "BODY"});
  if (meta == npos || equiv == npos || refresh == npos || equiv > refresh) return false;
  if (body != npos && (equiv > body || refresh > body)) return false;
  if (data.size() < 50) return false;
  if (data.substr(equiv, refresh - equiv).find('>') != npos) return false;
  if (metaRefreshURLat(refresh, data)) {
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
