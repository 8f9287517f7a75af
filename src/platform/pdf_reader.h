#pragma once
// What the engine needs of a PDF document: its pages, the web links of each
// page with their bounds, and the text inside a rectangle of a page.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

struct PdfRect {
  double x = 0, y = 0, width = 0, height = 0;  // page units, origin at the top left
};

struct PdfLink {
  std::string url;
  PdfRect bounds;
};

class PdfDocument {
 public:
  virtual ~PdfDocument() = default;
  virtual int pageCount() const = 0;
  // The link annotations of a page that go to a URL, in page order.
  virtual std::vector<PdfLink> linksOnPage(int page) const = 0;
  // The text of a page inside the rectangle; "" when there is none.
  virtual std::string textInRect(int page, const PdfRect& rect) const = 0;
};

// Opens a document from its bytes (poppler); nullptr when it is not a readable PDF.
std::unique_ptr<PdfDocument> openPdfDocument(std::string_view bytes);
// The PDF library's version, "" when it cannot be opened.
std::string pdfLibraryVersion();

}  // namespace zel
