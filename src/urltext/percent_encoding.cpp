#include "urltext/percent_encoding.h"

#include "urltext/code_points.h"

namespace zel {

namespace {

constexpr std::string_view kAlphaNumeric =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr CharSet kPath = CharSet(
    "!$&'()*+,-./0123456789:=@ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz~");
constexpr CharSet kUser = CharSet(kAlphaNumeric).with("-._~!$&'()*+,;=");
constexpr CharSet kFragment = kUser.with(":@/?");
// What the legacy escaping writes as is: ASCII graphic characters other than
// the excluded ones; "%" and "#" are decided by position.
constexpr CharSet kLegacyKept = CharSet(kAlphaNumeric).with("!$&'()*+,-./:;=?@_~");

constexpr char kHex[] = "0123456789ABCDEF";

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void appendEscape(std::string& out, unsigned char c) {
  out.push_back('%');
  out.push_back(kHex[c >> 4]);
  out.push_back(kHex[c & 15]);
}

}  // namespace

const CharSet& kxURLPathAllowedCharacterSet() {
  static constexpr CharSet set = kPath;
  return set;
}
const CharSet& URLUserAllowedCharacterSet() {
  static constexpr CharSet set = kUser;
  return set;
}
const CharSet& URLPasswordAllowedCharacterSet() {
  static constexpr CharSet set = kUser;
  return set;
}
const CharSet& URLFragmentAllowedCharacterSet() {
  static constexpr CharSet set = kFragment;
  return set;
}

std::string kxStringByAddingPercentEncodingWithAllowedCharacters(std::string_view text,
                                                                 const CharSet& allowed) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (char c : text) {
    if (allowed.contains(c)) {
      out.push_back(c);
    } else {
      appendEscape(out, static_cast<unsigned char>(c));
    }
  }
  return out;
}

std::optional<std::string> kxStringByRemovingPercentEncoding(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out.push_back(text[i]);
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const int hi = hexValue(text[i + 1]), lo = hexValue(text[i + 2]);
    if (hi < 0 || lo < 0) return std::nullopt;
    out.push_back(static_cast<char>(hi * 16 + lo));
    i += 2;
  }
  if (!isValidUtf8(out)) return std::nullopt;
  return out;
}

std::string stringByAddingLegacyPercentEscapes(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  bool seenHash = false;
  for (size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '%') {
      const bool validEscape =
          i + 2 < bytes.size() && hexValue(bytes[i + 1]) >= 0 && hexValue(bytes[i + 2]) >= 0;
      if (validEscape) {
        out.push_back(c);
      } else {
        appendEscape(out, '%');
      }
    } else if (c == '#') {
      if (seenHash) {
        appendEscape(out, '#');
      } else {
        out.push_back(c);
        seenHash = true;
      }
    } else if (kLegacyKept.contains(c)) {
      out.push_back(c);
    } else {
      appendEscape(out, static_cast<unsigned char>(c));
    }
  }
  return out;
}

}  // namespace zel
