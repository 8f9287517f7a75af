// XML sitemaps and plain lists of URLs. Neither is scanned at construction: each
// getNextHref reads forward from where the previous one stopped.
#include <cstring>

#include "parser/entities.h"
#include "parser/text_encoding.h"
#include "parser/zel_parser.h"
#include "platform/log.h"
#include "platform/text_format.h"

namespace zel {

namespace {

constexpr size_t kTagCap = 998;
constexpr size_t kLocCap = 1498;
constexpr size_t kTokenCap = 998;

}  // namespace

bool ZelParser::readByte() {
  if (counter_ >= page_.size()) return false;
  previousaBuffer_ = aBuffer_;
  aBuffer_ = static_cast<unsigned char>(page_[counter_++]);
  return true;
}

bool ZelParser::moveIntoNextTag() {
  while (readByte()) {
    if (aBuffer_ != '<') continue;
    if (!readByte()) return false;
    if (aBuffer_ != '!') {
      lastTagPassed_ = counter_;
      return true;
    }
    if (!readByte()) return false;
    if (aBuffer_ != '-') continue;  // a doctype or CDATA: just search on
    // A comment: skip to a run of dashes directly followed by '>'.
    isScriptOrComment_ = true;
    bool dash = false;
    while (readByte()) {
      if (aBuffer_ == '>' && dash) break;
      dash = aBuffer_ == '-';
    }
    isScriptOrComment_ = false;
  }
  return false;
}

std::optional<ZelXmlTag> ZelParser::getTag(bool alreadyInsideTag) {
  if (!alreadyInsideTag && !moveIntoNextTag()) return std::nullopt;
  std::string buf;
  bool closing = false;
  while (true) {
    const unsigned char c = aBuffer_;
    if (c == '>') break;
    if (c == '/') closing = true;
    if (!(c == '/' && buf.empty())) buf += static_cast<char>(c);
    if (buf.size() >= kTagCap) break;
    if (!readByte()) return std::nullopt;
  }
  if (!buf.empty() && buf.back() == '/') buf.pop_back();

  std::optional<std::string> text;
  if (useEncoding_ != encoding::kNone) text = TextCodec::decode(buf, useEncoding_);
  if (!text) {
    text = TextCodec::decode(buf, encoding::kUTF8);
    if (text) {
      if (log_ && log_->enabled(1))
        log_->write(1, strf("getTag tried to convert tag using encoding %i but failed, utf gives ",
                            static_cast<int>(useEncoding_)) +
                           *text);
    } else {
      logLine(1, "page is " + metatitle_);
      text = TextCodec::decode(buf, encoding::kASCII);
      if (text && log_ && log_->enabled(1))
        log_->write(1, "page: " + metatitle_ +
                           strf(" getTag tried to convert tag using encoding %i but failed, utf8 "
                                "also failed, ascii gives ",
                                static_cast<int>(useEncoding_)) +
                           *text);
    }
  }
  // A tag no encoding decodes is dropped (it names nothing) and the read goes on.
  if (!text) text = std::string();
  ZelXmlTag tag;
  tag.setData(std::move(*text));
  tag.setClosing(closing);
  return tag;
}

std::optional<std::string> ZelParser::getLoc() {
  std::string buf;
  bool cdata = false;
  while (true) {
    if (!readByte()) return std::nullopt;
    if (aBuffer_ == '<') {
      // A loc whose text is a CDATA section: take the section's text literally.
      std::string_view rest = page_.substr(counter_ - 1);
      if (!cdata && trimWhitespace(buf).empty() && startsWith(rest, "<![CDATA[")) {
        size_t end = rest.find("]]>", 9);
        if (end != std::string_view::npos) {
          buf.assign(rest.substr(9, std::min(end - 9, kLocCap)));
          counter_ += end + 2;
          cdata = true;
          continue;
        }
      }
      --counter_;  // the next read sees this '<' again
      break;
    }
    if (buf.size() < kLocCap) buf += static_cast<char>(aBuffer_);
  }
  if (buf.empty()) return std::string();
  size_t zero = buf.find('\0');
  if (zero != std::string::npos) buf.resize(zero);
  std::optional<std::string> text;
  if (useEncoding_ != encoding::kNone) text = TextCodec::decode(buf, useEncoding_);
  if (!text) {
    for (TextEncoding e : {encoding::kUTF8, encoding::kISOLatin1, encoding::kUTF16,
                           encoding::kASCII}) {
      if ((text = TextCodec::decode(buf, e))) break;
    }
  }
  if (!text) return std::string();
  if (*text == " " || *text == "\r" || *text == "\n" || *text == "\t") return std::string();
  std::string out(trimUnicodeWhitespace(*text));
  return cdata ? out : unescapeEntities(out);
}

std::optional<std::string> ZelParser::getNextXml() {
  while (std::optional<ZelXmlTag> tag = getTag(false)) {
    if (tag->isClosing() || !equalsIgnoreCase(tag->getData(), "loc")) {
      tag->curlUpAndDie();
      continue;
    }
    std::optional<std::string> text = getLoc();
    if (!text) return std::nullopt;
    std::string url;
    url.reserve(text->size());
    for (char c : *text)
      if (c != '\r' && c != '\n') url += c;
    getTag(false);  // the closing loc tag
    return url;
  }
  return std::nullopt;
}

bool ZelParser::tokenStartsLine() const {
  size_t i = counter_ - 1;  // the byte in aBuffer_
  while (i > 0 && (page_[i - 1] == ' ' || page_[i - 1] == '\t')) --i;
  return i == 0 || page_[i - 1] == '\n' || page_[i - 1] == '\r';
}

std::optional<std::string> ZelParser::getNextHttp() {
  if (!readByte()) return std::nullopt;
  const unsigned char separator = fileType_ == kFileTypeCommaList ? ',' : 0;
  // Bytes from 0x80 up belong to tokens, so that UTF-8 addresses stay whole.
  auto isBreak = [separator](unsigned char c) { return c <= ' ' || (separator && c == separator); };
  while (true) {
    while (isBreak(aBuffer_))
      if (!readByte()) return std::nullopt;
    // Unlike a sitemap's text, a list people write by hand has notes in it: a
    // line whose first non-blank character is '#' is a comment, not addresses.
    if (aBuffer_ != '#' || !tokenStartsLine()) break;
    while (aBuffer_ != '\n' && aBuffer_ != '\r')
      if (!readByte()) return std::nullopt;
  }
  std::string token;
  while (true) {
    if (token.size() < kTokenCap) token += static_cast<char>(aBuffer_);
    if (!readByte() || isBreak(aBuffer_)) break;
  }
  trimThisCharacter('\'', token);
  trimThisCharacter('"', token);
  std::string url = unescapeEntities(decodeWithFallback(token, encoding::kUTF8, nullptr));
  if (url.find(' ') != std::string::npos) url = replaceAll(url, " ", "%20");
  return url;
}

}  // namespace zel
