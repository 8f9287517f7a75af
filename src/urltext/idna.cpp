#include "urltext/idna.h"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include "platform/defaults.h"
#include "platform/text_format.h"
#include "urltext/code_points.h"
#include "urltext/punycode.h"

namespace zel {

namespace {

bool isSeparator(char c) { return c == '.' || c == '@'; }

bool isPlainAscii(std::string_view label) {
  for (char c : label) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u == 0 || u >= 0x80) return false;
  }
  return true;
}

// Splits a host text into labels and separator runs the way a text scanner
// does: white space before each item is skipped, a label runs up to the next
// separator (trailing white space included), a separator run is kept whole.
template <typename LabelFn, typename SepFn>
void scanLabels(std::string_view text, LabelFn onLabel, SepFn onSeparators) {
  size_t pos = 0;
  while (true) {
    pos = skipWhitespaceAndNewlines(text, pos);
    if (pos >= text.size()) return;
    size_t end = pos;
    while (end < text.size() && !isSeparator(text[end])) ++end;
    if (end > pos) onLabel(text.substr(pos, end - pos));
    pos = end;
    pos = skipWhitespaceAndNewlines(text, pos);
    end = pos;
    while (end < text.size() && isSeparator(text[end])) ++end;
    if (end > pos) onSeparators(text.substr(pos, end - pos));
    pos = end;
  }
}

}  // namespace

std::string precomposedStringWithCompatibilityMapping(std::string_view text) {
  bool ascii = true;
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) {
      ascii = false;
      break;
    }
  if (ascii) return std::string(text);  // ASCII is already NFKC
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* nfkc = icu::Normalizer2::getNFKCInstance(status);
  if (U_FAILURE(status) || !nfkc) return std::string(text);
  // fromUTF8 reads ill-formed bytes as U+FFFD.
  icu::UnicodeString source = icu::UnicodeString::fromUTF8(
      icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
  icu::UnicodeString composed = nfkc->normalize(source, status);
  if (U_FAILURE(status)) return std::string(text);
  std::string out;
  composed.toUTF8String(out);
  return out;
}

std::string IDNAEncodedString(std::string_view host, bool compatibilityMapping) {
  std::string composed;
  if (compatibilityMapping) {
    composed = precomposedStringWithCompatibilityMapping(host);
    host = composed;
  }
  std::string out;
  out.reserve(host.size() + 8);
  scanLabels(
      host,
      [&](std::string_view label) {
        if (isPlainAscii(label)) {
          out.append(label);
          return;
        }
        out.append("xn--");
        if (auto encoded = punycodeEncodedString(label)) out.append(*encoded);
      },
      [&](std::string_view seps) { out.append(seps); });
  return out;
}

std::string IDNAEncodedString(std::string_view host, const Defaults& defaults) {
  return IDNAEncodedString(host, defaults.boolForKey("precomposedStringWithCompatibilityMapping"));
}

std::string IDNADecodedString(std::string_view host) {
  std::string out;
  out.reserve(host.size());
  scanLabels(
      host,
      [&](std::string_view label) {
        if (!startsWithIgnoreCase(label, "xn--")) {
          out.append(label);
          return;
        }
        if (auto decoded = punycodeDecodedString(label.substr(4))) out.append(*decoded);
      },
      [&](std::string_view seps) { out.append(seps); });
  return out;
}

}  // namespace zel
