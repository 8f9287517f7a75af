// Links of stylesheets, scripts and PDF documents.
#include <gtest/gtest.h>

#include "parser/resource_link_parser.h"

namespace zel {
namespace {

using Strings = std::vector<std::string>;

Strings allLinks(ResourceLinkParser& p) {
  Strings out;
  while (auto href = p.getNextHref()) out.push_back(*href);
  return out;
}

TEST(CssParser, UrlReferencesWithoutCommentsFragmentsOrBehaviours) {
  auto p = ZelCSSParser::initWithData(
      "a{background:url(img/a.png)} /* url(old.png) */ b{background:url( 'img/b.png' )}\n"
      "c{behavior:url(x.htc)} d{filter:url(#shadow)} @import url(\"print.css\"); @import x.css;\n"
      "/* unclosed url(never.png)",
      nullptr);
  ASSERT_TRUE(p);
  EXPECT_EQ(allLinks(*p), (Strings{"img/a.png", "img/b.png", "print.css", "never.png"}));
  EXPECT_FALSE(p->getNextHref()) << "nothing past the last link";
  EXPECT_EQ(p->getLinkText(), "[url in css]");
  EXPECT_FALSE(ZelCSSParser::initWithData("", nullptr));
  // Latin-1 stylesheets are read.
  p = ZelCSSParser::initWithData("/* caf\xe9 */ a{background:url(caf\xe9.png)}", nullptr);
  ASSERT_TRUE(p);
  EXPECT_EQ(allLinks(*p), (Strings{"caf\xc3\xa9.png"}));
}

TEST(JsParser, QuotedImageNamesOnly) {
  auto p = ZelJSParser::initWithData(
      "var a = \"/img/logo.png\"; var b = 'icons/x.SVG'; var c = 'app.js';\n"
      "/* var d = 'old.gif'; */ // var e = 'kept-in-line-comment.jpg';\n"
      "load(\"photo.webp\");",
      nullptr);
  ASSERT_TRUE(p);
  EXPECT_EQ(allLinks(*p),
            (Strings{"/img/logo.png", "icons/x.SVG", "kept-in-line-comment.jpg", "photo.webp"}));
  EXPECT_EQ(p->getLinkText(), "[url in js]");
}

// A one-page PDF with a web link over "Read more" and a link inside the document.
std::string pdfWithLinks() {
  const std::string content =
      "BT /F1 12 Tf 20 150 Td (Read more) Tj ET\nBT /F1 12 Tf 20 50 Td (Elsewhere) Tj ET\n";
  const std::vector<std::string> objects = {
      "<< /Type /Catalog /Pages 2 0 R >>",
      "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
      "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 300 200] /Contents 4 0 R "
      "/Resources << /Font << /F1 5 0 R >> >> /Annots [6 0 R 7 0 R] >>",
      "<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content + "endstream",
      "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>",
      "<< /Type /Annot /Subtype /Link /Rect [18 145 80 165] /Border [0 0 0] "
      "/A << /S /URI /URI (https://example.test/more) >> >>",
      "<< /Type /Annot /Subtype /Link /Rect [18 45 80 65] /Dest [3 0 R /Fit] >>",
  };
  std::string pdf = "%PDF-1.4\n";
  std::vector<size_t> offsets;
  for (size_t i = 0; i < objects.size(); ++i) {
    offsets.push_back(pdf.size());
    pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
  }
  const size_t xref = pdf.size();
  pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
  for (size_t off : offsets) {
    char line[32];
    std::snprintf(line, sizeof line, "%010zu 00000 n \n", off);
    pdf += line;
  }
  pdf += "trailer\n<< /Size " + std::to_string(objects.size() + 1) +
         " /Root 1 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
  return pdf;
}

TEST(PdfParser, WebLinksWithTheTextUnderThemAndNoneInUnreadableDocuments) {
  auto p = ZelPDFParser::initWithData(pdfWithLinks(), nullptr);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->getLinkText(), "") << "no link returned yet";
  EXPECT_EQ(p->getNextHref(), "https://example.test/more");
  EXPECT_EQ(p->getLinkText(), "Read more");
  EXPECT_FALSE(p->getNextHref()) << "the link inside the document is skipped";
  // An unreadable document has none.
  p = ZelPDFParser::initWithData("%PDF-1.4 this is not a document", nullptr);
  ASSERT_TRUE(p);
  EXPECT_FALSE(p->getNextHref());
  EXPECT_FALSE(ZelPDFParser::initWithData("", nullptr));
}

}  // namespace
}  // namespace zel
