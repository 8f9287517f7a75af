#include "platform/text_codec.h"

#include <unicode/ucnv.h>
#include <unicode/ucsdet.h>
#include <unicode/unorm2.h>
#include <unicode/ustring.h>

#include <array>
#include <cstring>
#include <strings.h>
#include <vector>

namespace zel {
namespace {

using namespace encoding;

struct EncodingInfo {
  TextEncoding id;
  const char* name;  // IANA name, also accepted by ICU
  bool asciiCompatible;
};

// Order matters for name look-ups: the first entry whose converter matches wins.
constexpr EncodingInfo kEncodings[] = {
    {kASCII, "US-ASCII", true},
    {kUTF8, "UTF-8", true},
    {kISOLatin1, "ISO-8859-1", true},
    {kShiftJIS, "Shift_JIS", true},
    {kISOLatin2, "ISO-8859-2", true},
    {kUTF16, "UTF-16", false},
    {kWindowsCP1252, "windows-1252", true},
    {kWindowsCP1251, "windows-1251", true},
    {kWindowsCP1253, "windows-1253", true},
    {kWindowsCP1254, "windows-1254", true},
    {kWindowsCP1250, "windows-1250", true},
    {kJapaneseEUC, "EUC-JP", true},
    {kISO2022JP, "ISO-2022-JP", false},
    {kMacOSRoman, "macintosh", true},
    {kUTF16BE, "UTF-16BE", false},
    {kUTF16LE, "UTF-16LE", false},
    {kUTF32, "UTF-32", false},
    {kUTF32BE, "UTF-32BE", false},
    {kUTF32LE, "UTF-32LE", false},
    {kISOLatin3, "ISO-8859-3", true},
    {kISOLatin4, "ISO-8859-4", true},
    {kISOLatinCyrillic, "ISO-8859-5", true},
    {kISOLatinArabic, "ISO-8859-6", true},
    {kISOLatinGreek, "ISO-8859-7", true},
    {kISOLatinHebrew, "ISO-8859-8", true},
    {kISOLatin5, "ISO-8859-9", true},
    {kISOLatin6, "ISO-8859-10", true},
    {kISOLatinThai, "TIS-620", true},
    {kISOLatin7, "ISO-8859-13", true},
    {kISOLatin8, "ISO-8859-14", true},
    {kISOLatin9, "ISO-8859-15", true},
    {kDOSThai, "windows-874", true},
    {kDOSChineseSimplified, "windows-936", true},
    {kWindowsHebrew, "windows-1255", true},
    {kWindowsArabic, "windows-1256", true},
    {kWindowsBalticRim, "windows-1257", true},
    {kWindowsVietnamese, "windows-1258", true},
    {kGB_2312_80, "GB2312", true},
    {kGBK_95, "GBK", true},
    {kGB_18030, "GB18030", true},
    {kISO2022KR, "ISO-2022-KR", false},
    {kEUC_JP, "EUC-JP", true},
    {kEUC_KR, "EUC-KR", true},
    {kKOI8_R, "KOI8-R", true},
    {kBig5, "Big5", true},
    {kHZ_GB_2312, "HZ-GB-2312", false},
    {kKOI8_U, "KOI8-U", true},
};

const EncodingInfo* infoFor(TextEncoding enc) {
  for (const auto& e : kEncodings)
    if (e.id == enc) return &e;
  return nullptr;
}

// ICU's canonical converter name for a name or alias; nullptr when ICU knows none.
const char* canonicalName(const char* name) {
  UErrorCode err = U_ZERO_ERROR;
  const char* c = ucnv_getAlias(name, 0, &err);
  return U_SUCCESS(err) ? c : nullptr;
}

// One converter per encoding per thread, reset before each use; opening a
// converter costs far more than a conversion of a short value.
class ConverterCache {
 public:
  ~ConverterCache() {
    for (auto& s : slots_)
      if (s.conv) ucnv_close(s.conv);
  }
  UConverter* get(const EncodingInfo& info) {
    for (auto& s : slots_)
      if (s.conv && s.id == info.id) {
        ucnv_reset(s.conv);
        return s.conv;
      }
    UErrorCode err = U_ZERO_ERROR;
    UConverter* conv = ucnv_open(info.name, &err);
    if (U_FAILURE(err) || !conv) return nullptr;
    ucnv_setToUCallBack(conv, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &err);
    ucnv_setFromUCallBack(conv, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &err);
    if (U_FAILURE(err)) {
      ucnv_close(conv);
      return nullptr;
    }
    Slot& s = slots_[next_];
    next_ = (next_ + 1) % slots_.size();
    if (s.conv) ucnv_close(s.conv);
    s = Slot{info.id, conv};
    return conv;
  }

 private:
  struct Slot {
    TextEncoding id = 0;
    UConverter* conv = nullptr;
  };
  std::array<Slot, 8> slots_{};
  size_t next_ = 0;
};

ConverterCache& converters() {
  thread_local ConverterCache cache;
  return cache;
}

bool isPlainAscii(std::string_view s) {
  for (unsigned char c : s)
    if (c < 0x20 ? (c != '\t' && c != '\n' && c != '\r') : c > 0x7E) return false;
  return true;
}

void appendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += char(cp);
  } else if (cp < 0x800) {
    out += char(0xC0 | (cp >> 6));
    out += char(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += char(0xE0 | (cp >> 12));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  } else {
    out += char(0xF0 | (cp >> 18));
    out += char(0x80 | ((cp >> 12) & 0x3F));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  }
}

// UTF-16 to UTF-8; nullopt on an unpaired surrogate.
std::optional<std::string> utf16ToUtf8(const UChar* u, int32_t n) {
  std::string out;
  out.reserve(static_cast<size_t>(n) * 2);
  for (int32_t i = 0; i < n; ++i) {
    uint32_t c = u[i];
    if (c >= 0xD800 && c <= 0xDBFF) {
      if (i + 1 >= n || u[i + 1] < 0xDC00 || u[i + 1] > 0xDFFF) return std::nullopt;
      c = 0x10000 + ((c - 0xD800) << 10) + (u[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xDC00 && c <= 0xDFFF) {
      return std::nullopt;
    }
    appendUtf8(out, c);
  }
  return out;
}

std::optional<std::u16string> utf8ToUtf16(std::string_view s) {
  if (!TextCodec::isValidUtf8(s)) return std::nullopt;
  std::u16string out(s.size() + 1, u'\0');
  int32_t len = 0;
  UErrorCode err = U_ZERO_ERROR;
  u_strFromUTF8(out.data(), static_cast<int32_t>(out.size()), &len, s.data(),
                static_cast<int32_t>(s.size()), &err);
  if (U_FAILURE(err)) return std::nullopt;
  out.resize(static_cast<size_t>(len));
  return out;
}

}  // namespace

bool TextCodec::isKnown(TextEncoding enc) { return infoFor(enc) != nullptr; }

std::string_view TextCodec::ianaName(TextEncoding enc) {
  const EncodingInfo* info = infoFor(enc);
  return info ? std::string_view(info->name) : std::string_view();
}

bool TextCodec::isAsciiCompatible(TextEncoding enc) {
  const EncodingInfo* info = infoFor(enc);
  return info && info->asciiCompatible;
}

TextEncoding TextCodec::encodingForIanaName(std::string_view name) {
  if (name.empty() || name.size() > 64) return kNone;
  std::string n(name);
  for (const auto& e : kEncodings)
    if (strcasecmp(e.name, n.c_str()) == 0) return e.id;
  const char* wanted = canonicalName(n.c_str());
  if (!wanted) return kNone;
  for (const auto& e : kEncodings) {
    const char* c = canonicalName(e.name);
    if (c && std::strcmp(c, wanted) == 0) return e.id;
  }
  return kNone;
}

bool TextCodec::isValidUtf8(std::string_view s) {
  const auto* p = reinterpret_cast<const unsigned char*>(s.data());
  const auto* end = p + s.size();
  while (p < end) {
    // Fast skip over ASCII, eight bytes at a time.
    while (end - p >= 8) {
      uint64_t w;
      std::memcpy(&w, p, 8);
      if (w & 0x8080808080808080ull) break;
      p += 8;
    }
    if (p >= end) break;
    unsigned char c = *p;
    if (c < 0x80) {
      ++p;
      continue;
    }
    int len;
    uint32_t cp;
    if (c >= 0xC2 && c <= 0xDF) {
      len = 2;
      cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      len = 3;
      cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      len = 4;
      cp = c & 0x07;
    } else {
      return false;
    }
    if (end - p < len) return false;
    for (int i = 1; i < len; ++i) {
      if ((p[i] & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (p[i] & 0x3F);
    }
    if ((len == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
        (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)))
      return false;
    p += len;
  }
  return true;
}

std::optional<std::string> TextCodec::decode(std::string_view bytes, TextEncoding enc) {
  const EncodingInfo* info = infoFor(enc);
  if (!info) return std::nullopt;
  if (bytes.empty()) return std::string();
  if (enc == kUTF8) {
    if (!isValidUtf8(bytes)) return std::nullopt;
    return std::string(bytes);
  }
  if (enc == kASCII) {
    for (unsigned char c : bytes)
      if (c >= 0x80) return std::nullopt;
    return std::string(bytes);
  }
  if (enc == kISOLatin1) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (unsigned char c : bytes) appendUtf8(out, c);
    return out;
  }
  if (info->asciiCompatible && isPlainAscii(bytes)) return std::string(bytes);
  if (bytes.size() > 0x3FFFFFFF) return std::nullopt;

  UConverter* conv = converters().get(*info);
  if (!conv) return std::nullopt;
  // Every source byte yields at most two UTF-16 units in the encodings we know.
  std::vector<UChar> buf(bytes.size() * 2 + 4);
  UErrorCode err = U_ZERO_ERROR;
  int32_t n = ucnv_toUChars(conv, buf.data(), static_cast<int32_t>(buf.size()), bytes.data(),
                            static_cast<int32_t>(bytes.size()), &err);
  if (U_FAILURE(err)) return std::nullopt;
  return utf16ToUtf8(buf.data(), n);
}

std::optional<std::string> TextCodec::encode(std::string_view utf8, TextEncoding enc) {
  const EncodingInfo* info = infoFor(enc);
  if (!info) return std::nullopt;
  if (!isValidUtf8(utf8)) return std::nullopt;
  if (enc == kUTF8 || utf8.empty()) return std::string(utf8);
  if (info->asciiCompatible && isPlainAscii(utf8)) return std::string(utf8);
  auto u16 = utf8ToUtf16(utf8);
  if (!u16) return std::nullopt;
  UConverter* conv = converters().get(*info);
  if (!conv) return std::nullopt;
  std::string out(u16->size() * 4 + 16, '\0');
  UErrorCode err = U_ZERO_ERROR;
  int32_t n = ucnv_fromUChars(conv, out.data(), static_cast<int32_t>(out.size()), u16->data(),
                              static_cast<int32_t>(u16->size()), &err);
  if (U_FAILURE(err)) return std::nullopt;
  out.resize(static_cast<size_t>(n));
  return out;
}

TextEncoding TextCodec::detect(std::string_view bytes) {
  if (bytes.empty()) return kNone;
  if (isValidUtf8(bytes)) {
    bool ascii = true;
    for (unsigned char c : bytes)
      if (c >= 0x80) {
        ascii = false;
        break;
      }
    // Valid UTF-8 with any non-ASCII byte is almost never another encoding.
    if (!ascii) return kUTF8;
  }
  UErrorCode err = U_ZERO_ERROR;
  UCharsetDetector* det = ucsdet_open(&err);
  if (U_FAILURE(err)) return kNone;
  size_t len = bytes.size() > (1u << 20) ? (1u << 20) : bytes.size();
  ucsdet_setText(det, bytes.data(), static_cast<int32_t>(len), &err);
  const UCharsetMatch* match = U_SUCCESS(err) ? ucsdet_detect(det, &err) : nullptr;
  TextEncoding result = kNone;
  if (match && U_SUCCESS(err)) {
    const char* name = ucsdet_getName(match, &err);
    if (U_SUCCESS(err) && name) result = encodingForIanaName(name);
  }
  ucsdet_close(det);
  return result;
}

std::string TextCodec::precomposedWithCompatibilityMapping(std::string_view utf8) {
  auto u16 = utf8ToUtf16(utf8);
  if (!u16) return std::string(utf8);
  UErrorCode err = U_ZERO_ERROR;
  const UNormalizer2* nfkc = unorm2_getNFKCInstance(&err);
  if (U_FAILURE(err)) return std::string(utf8);
  int32_t cap = static_cast<int32_t>(u16->size()) * 4 + 16;
  std::vector<UChar> out(static_cast<size_t>(cap));
  int32_t n = unorm2_normalize(nfkc, u16->data(), static_cast<int32_t>(u16->size()), out.data(),
                               cap, &err);
  if (U_FAILURE(err)) return std::string(utf8);
  auto r = utf16ToUtf8(out.data(), n);
  return r ? *r : std::string(utf8);
}

}  // namespace zel
