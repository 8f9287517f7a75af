#pragma once
// Rewrites the links of one archived page so that the saved copy can be browsed
// from disk: links into the crawled domain become relative paths that climb to
// the archive root and end in an ".html" file; images and stylesheets become
// absolute addresses of the live site; everything else is copied as it is.
//
// The page is copied byte for byte except for the values of the attributes it
// recognises: href of <a>, <base> and <link>, src and srcset of <img> and <frame>.
// Nothing inside comments, scripts or style elements is touched.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/text_codec.h"

namespace zel {

class Log;

class LinkRelativizer {
 public:
  // Bytes of one attribute value kept for rewriting; the rest are dropped.
  static constexpr size_t kMaxValueBytes = 998;

  // `initWithData:forDomain:currentDepth:`. `domain` is the crawled host as
  // written in its URLs (with ":port" when the site has one); `depth` is the
  // number of folders between the saved page and the archive root. nullptr when
  // the page has no bytes, or holds no "href"/"frameset" and is no meta-refresh
  // page (then there is nothing to rewrite and the page is kept as it is).
  static std::unique_ptr<LinkRelativizer> initWithData(std::string_view data,
                                                       std::optional<std::string> domain,
                                                       int32_t depth, Log* log = nullptr);

  // The rewritten page.
  const std::string& outputData() const { return output_; }
  TextEncoding encoding() const { return useEncoding_; }

 private:
  LinkRelativizer(std::string_view data, std::optional<std::string> domain, int32_t depth,
                  Log* log);

  enum class Handler { Link, MetaLink, Img, ImgSet, Base };

  // The single pass over the page (`bigKahunaPass`).
  void bigKahunaPass();
  // Attributes of a recognised tag, from just after its name to its '>'.
  void scanRecognisedTag(size_t& i, bool hrefElement, bool isFrame, bool isBase, bool isLink);
  // Collects one attribute value starting at data_[i] and writes its replacement
  // followed by the byte that ended it. Returns true when that byte was '>'.
  bool rewriteValue(size_t& i, Handler handler);
  // Copies a value of an attribute that is not rewritten. True when '>' ended it.
  bool copyValue(size_t& i);

  std::string processLinkUrl(std::string_view v) const;
  std::string processImgUrl(std::string_view v) const;
  std::string processMetaLinkUrl(std::string_view v) const { return processImgUrl(v); }
  std::string processImgSet(std::string_view v) const;
  std::string processBaseUrl(std::string_view v);
  std::optional<std::string> absolutizeUrl(std::string_view v) const;
  // "../" climbing `depth` folders, written as the page's own links expect:
  // ".." first, then "/.." for every further level.
  std::string depthPrefix() const;
  // Text to bytes of the page: its own encoding where possible, with the
  // characters that would end or confuse an attribute value escaped.
  std::string encodeForPage(std::string_view text) const;

  std::string_view data_;
  std::optional<std::string> domain_;
  int32_t depth_ = 0;
  Log* log_ = nullptr;
  TextEncoding useEncoding_ = encoding::kUTF8;
  std::optional<std::string> baseUrl_;
  std::string output_;
};

// Whether a value names its own scheme without "//" ("mailto:", "tel:",
// "javascript:", "data:"): such links are never paths into the archive.
bool hasOpaqueScheme(std::string_view value);

}  // namespace zel
