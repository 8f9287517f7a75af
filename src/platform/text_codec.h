#pragma once
// Text encodings of the engine and conversion between them and UTF-8 (ICU).
//
// An encoding is an unsigned 64-bit identifier. Small numbers are the built-in
// encodings; the others are an extended-encoding code with the top bit of the
// low 32 bits set (0x80000000 | code). 0 means "no encoding". Everything that
// stores or passes an encoding (the hub's detected encoding, the parser's
// useEncoding, response handling) uses these values.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zel {

using TextEncoding = uint64_t;

namespace encoding {

constexpr TextEncoding extended(uint32_t code) { return 0x80000000u | code; }

inline constexpr TextEncoding kNone = 0;
inline constexpr TextEncoding kASCII = 1;
inline constexpr TextEncoding kJapaneseEUC = 3;
inline constexpr TextEncoding kUTF8 = 4;
inline constexpr TextEncoding kISOLatin1 = 5;
inline constexpr TextEncoding kShiftJIS = 8;
inline constexpr TextEncoding kISOLatin2 = 9;
inline constexpr TextEncoding kUTF16 = 10;  // with byte-order mark; big-endian without
inline constexpr TextEncoding kWindowsCP1251 = 11;
inline constexpr TextEncoding kWindowsCP1252 = 12;
inline constexpr TextEncoding kWindowsCP1253 = 13;
inline constexpr TextEncoding kWindowsCP1254 = 14;
inline constexpr TextEncoding kWindowsCP1250 = 15;
inline constexpr TextEncoding kISO2022JP = 21;
inline constexpr TextEncoding kMacOSRoman = 30;
inline constexpr TextEncoding kUTF16BE = 0x90000100;
inline constexpr TextEncoding kUTF16LE = 0x94000100;
inline constexpr TextEncoding kUTF32 = 0x8c000100;
inline constexpr TextEncoding kUTF32BE = 0x98000100;
inline constexpr TextEncoding kUTF32LE = 0x9c000100;

inline constexpr TextEncoding kISOLatin3 = extended(0x0203);
inline constexpr TextEncoding kISOLatin4 = extended(0x0204);
inline constexpr TextEncoding kISOLatinCyrillic = extended(0x0205);
inline constexpr TextEncoding kISOLatinArabic = extended(0x0206);
inline constexpr TextEncoding kISOLatinGreek = extended(0x0207);
inline constexpr TextEncoding kISOLatinHebrew = extended(0x0208);
inline constexpr TextEncoding kISOLatin5 = extended(0x0209);
inline constexpr TextEncoding kISOLatin6 = extended(0x020A);
inline constexpr TextEncoding kISOLatinThai = extended(0x020B);  // TIS-620
inline constexpr TextEncoding kISOLatin7 = extended(0x020D);
inline constexpr TextEncoding kISOLatin8 = extended(0x020E);
inline constexpr TextEncoding kISOLatin9 = extended(0x020F);
inline constexpr TextEncoding kDOSThai = extended(0x041D);               // code page 874
inline constexpr TextEncoding kDOSChineseSimplified = extended(0x0421);  // code page 936
inline constexpr TextEncoding kWindowsHebrew = extended(0x0505);
inline constexpr TextEncoding kWindowsArabic = extended(0x0506);
inline constexpr TextEncoding kWindowsBalticRim = extended(0x0507);
inline constexpr TextEncoding kWindowsVietnamese = extended(0x0508);
inline constexpr TextEncoding kGB_2312_80 = extended(0x0630);
inline constexpr TextEncoding kGBK_95 = extended(0x0631);
inline constexpr TextEncoding kGB_18030 = extended(0x0632);
inline constexpr TextEncoding kISO2022KR = extended(0x0840);
inline constexpr TextEncoding kEUC_JP = extended(0x0920);
inline constexpr TextEncoding kEUC_KR = extended(0x0940);
inline constexpr TextEncoding kKOI8_R = extended(0x0A02);
inline constexpr TextEncoding kBig5 = extended(0x0A03);
inline constexpr TextEncoding kHZ_GB_2312 = extended(0x0A05);
inline constexpr TextEncoding kKOI8_U = extended(0x0A08);

}  // namespace encoding

class TextCodec {
 public:
  // Whether the engine knows this encoding (has a converter for it).
  static bool isKnown(TextEncoding enc);
  // The IANA name of a known encoding ("UTF-8", "windows-1252"); "" when unknown.
  static std::string_view ianaName(TextEncoding enc);
  // The encoding of a charset name or alias ("latin1", "Shift_JIS", "utf8"), ignoring
  // case; kNone when no known encoding has that name.
  static TextEncoding encodingForIanaName(std::string_view name);
  // Whether printable ASCII, tab, CR and LF decode to themselves in this encoding.
  static bool isAsciiCompatible(TextEncoding enc);

  // Strict decoding of bytes in `enc` to UTF-8: nullopt when a byte sequence is not
  // valid in that encoding, or the encoding is unknown. Empty input gives "".
  static std::optional<std::string> decode(std::string_view bytes, TextEncoding enc);
  // Strict encoding of UTF-8 text into `enc`: nullopt when the text is not valid
  // UTF-8, a character has no mapping, or the encoding is unknown.
  static std::optional<std::string> encode(std::string_view utf8, TextEncoding enc);
  // Whether the bytes are well-formed UTF-8 (no overlongs, surrogates or values
  // above U+10FFFF).
  static bool isValidUtf8(std::string_view bytes);

  // Guesses the encoding of unlabelled text; kNone when no known encoding fits.
  static TextEncoding detect(std::string_view bytes);
  // Unicode compatibility composition (NFKC) of UTF-8 text; the input unchanged when
  // it is not valid UTF-8.
  static std::string precomposedWithCompatibilityMapping(std::string_view utf8);
};

}  // namespace zel
