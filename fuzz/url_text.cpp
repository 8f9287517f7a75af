// Address encoding and decoding on arbitrary bytes: the parts, the IDNA host
// conversion, percent escapes and the parse of the encoded form never crash or
// hang, percent encoding always decodes back, and a reference resolves as the
// general resolution does.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/url.h"
#include "urltext/code_points.h"
#include "urltext/idna.h"
#include "urltext/percent_encoding.h"
#include "urltext/url_parts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const bool compatibility = data[0] & 1;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  const std::string encoded = zel::encodedURLString(text, compatibility);
  const std::string decoded = zel::decodedURLString(text, compatibility);
  (void)zel::decodedURLString(encoded, compatibility);
  (void)zel::encodedURLString(decoded, compatibility);
  (void)zel::URLWithUnicodeString(text, compatibility);
  if (auto url = zel::Url::parse(encoded)) (void)zel::decodedURLString(*url);

  const zel::UrlParts parts = zel::URLParts(text, compatibility);
  (void)zel::IDNADecodedString(zel::IDNAEncodedString(parts.host, compatibility));

  const std::string path = zel::encodedPath(text);
  if (zel::encodedPath(path) != path) std::abort();  // a second pass changes nothing
  const std::string escaped =
      zel::kxStringByAddingPercentEncodingWithAllowedCharacters(text, zel::kxURLPathAllowedCharacterSet());
  auto back = zel::kxStringByRemovingPercentEncoding(escaped);
  if (zel::isValidUtf8(text) ? (!back || *back != text) : back.has_value()) std::abort();
  (void)zel::stringByAddingLegacyPercentEscapes(text);

  // Wherever the plain joins (paths, dot segments, fragments) apply, they must write
  // what the general resolution through the URI parser writes.
  static const zel::Url bases[] = {*zel::Url::parse("http://127.0.0.1:8080/d/e/f.html?q#r"),
                                   *zel::Url::parse("https://h"),
                                   *zel::Url::parse("http://u@h/a/./b/../c/?")};
  const zel::Url& base = bases[(data[0] >> 1) % 3];
  zel::Url plain, general;
  const bool plainOk = zel::Url::resolveInto(text, base, plain);
  const bool generalOk = zel::Url::resolveThroughParser(text, base, general);
  if (plainOk != generalOk) std::abort();
  if (plainOk && (plain.absoluteString() != general.absoluteString() ||
                  plain.path() != general.path() || plain.query() != general.query() ||
                  plain.fragment() != general.fragment() || plain.host() != general.host() ||
                  plain.port() != general.port() || plain.user() != general.user()))
    std::abort();
  return 0;
}
