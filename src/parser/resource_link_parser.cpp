#include "parser/resource_link_parser.h"

#include "urltext/path_text.h"
#include "parser/srcset.h"
#include "platform/log.h"
#include "platform/pdf_reader.h"
#include "platform/regex.h"
#include "platform/text_codec.h"
#include "platform/text_format.h"

namespace zel {

std::optional<std::string> ResourceLinkParser::getNextHref() {
  if (posInLinkArray_ >= linkCollection_.size()) return std::nullopt;
  return linkCollection_[posInLinkArray_++];
}

std::string decodeAndRemoveBlockComments(std::string_view data) {
  std::string text;
  if (auto utf8 = TextCodec::decode(data, encoding::kUTF8))
    text = std::move(*utf8);
  else if (auto latin1 = TextCodec::decode(data, encoding::kISOLatin1))
    text = std::move(*latin1);
  else
    return "";
  size_t open = text.find("/*");
  while (open != std::string::npos) {
    const size_t close = text.find("*/", open);
    if (close != std::string::npos) {
      text.erase(open, close + 2 - open);
      open = text.find("/*", open);
    } else {
      open = open + 2 < text.size() ? text.find("/*", open + 2) : std::string::npos;
    }
  }
  return text;
}

std::unique_ptr<ZelCSSParser> ZelCSSParser::initWithData(std::string_view data, Log* log) {
  if (data.empty()) {
    if (log) log->write(1, "CSS data is invalid");
    return nullptr;
  }
  auto p = std::unique_ptr<ZelCSSParser>(new ZelCSSParser());
  p->l_ = static_cast<int64_t>(data.size());
  if (auto urls = extractURLsFromInlineStyles(decodeAndRemoveBlockComments(data)))
    p->linkCollection_ = std::move(*urls);
  return p;
}

std::unique_ptr<ZelJSParser> ZelJSParser::initWithData(std::string_view data, Log* log) {
  if (data.empty()) {
    if (log) log->write(1, "JS data is invalid");
    return nullptr;
  }
  auto p = std::unique_ptr<ZelJSParser>(new ZelJSParser());
  p->l_ = static_cast<int64_t>(data.size());
  const std::string text = decodeAndRemoveBlockComments(data);
  std::string error;
  static const auto kQuoted = Regex::compile(R"(["'](.+?).(.+?)["'])", &error);
  if (!kQuoted) {
    if (log) log->always("error in regex: " + error);
    return p;
  }
  // Each match gives the text between its two quote characters.
  for (const Regex::Match& m : kQuoted->allMatches(text)) {
    const std::string q = m.text.substr(1, m.text.size() - 2);
    const std::string ext = asciiLower(textPathExtension(q));
    if (ext == "gif" || ext == "jpg" || ext == "jpeg" || ext == "png" || ext == "svg" ||
        ext == "bmp" || ext == "webp")
      p->linkCollection_.push_back(q);
  }
  return p;
}

std::unique_ptr<ZelPDFParser> ZelPDFParser::initWithData(std::string_view data, Log* log) {
  if (data.empty()) {
    if (log) log->write(1, "data is invalid");
    return nullptr;
  }
  auto p = std::unique_ptr<ZelPDFParser>(new ZelPDFParser());
  p->l_ = static_cast<int64_t>(data.size());
  auto doc = openPdfDocument(data);
  if (!doc) return p;
  for (int page = 0; page < doc->pageCount(); ++page) {
    for (const PdfLink& link : doc->linksOnPage(page)) {
      // A little wider than the annotation, so the words it covers are caught whole.
      PdfRect r = link.bounds;
      r.x -= 1;
      r.y -= 1;
      r.width += 2;
      r.height += 2;
      p->linkTextCollection_.push_back(std::string(trimWhitespace(doc->textInRect(page, r))));
      p->linkCollection_.push_back(link.url);
    }
  }
  return p;
}

std::string ZelPDFParser::getLinkText() const {
  if (posInLinkArray_ == 0 || posInLinkArray_ > linkTextCollection_.size()) return "";
  return linkTextCollection_[posInLinkArray_ - 1];
}

}  // namespace zel
