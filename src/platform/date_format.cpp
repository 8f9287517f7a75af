#include "platform/date_format.h"

#include <unicode/datefmt.h>
#include <unicode/unistr.h>

#include <memory>
#include <string>

namespace zel {
namespace {

// Building a formatter costs far more than using one; one per thread.
icu::DateFormat* mediumFormatter() {
  thread_local std::unique_ptr<icu::DateFormat> format(
      icu::DateFormat::createDateTimeInstance(icu::DateFormat::kMedium, icu::DateFormat::kMedium));
  return format.get();
}

std::optional<double> parse(icu::DateFormat& format, std::string_view text) {
  const icu::UnicodeString input =
      icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
  icu::ParsePosition pos(0);
  const UDate when = format.parse(input, pos);
  if (pos.getErrorIndex() >= 0 || pos.getIndex() != input.length()) return std::nullopt;
  return when / 1000.0;
}

}  // namespace

std::string localMediumDateTime(double epochSeconds) {
  // A crawl stamps thousands of records within one second: format each second once.
  thread_local double lastSeconds = -1;
  thread_local std::string lastText;
  if (epochSeconds == lastSeconds) return lastText;
  icu::DateFormat* format = mediumFormatter();
  if (!format) return {};
  icu::UnicodeString text;
  format->format(epochSeconds * 1000.0, text);
  std::string out;
  text.toUTF8String(out);
  lastSeconds = epochSeconds;
  lastText = out;
  return out;
}

std::optional<double> parseLocalMediumDateTime(std::string_view text) {
  // Records are read back in the order they were stamped: parse each second once.
  thread_local std::string lastText;
  thread_local std::optional<double> lastWhen;
  if (!text.empty() && text == lastText) return lastWhen;
  icu::DateFormat* format = mediumFormatter();
  if (!format || text.empty()) return std::nullopt;
  lastText = text;
  lastWhen = parse(*format, text);
  return lastWhen;
}

}  // namespace zel
