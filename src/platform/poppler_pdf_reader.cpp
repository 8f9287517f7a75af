// PdfDocument on poppler-glib.
#include <poppler.h>

#include "platform/pdf_reader.h"

namespace zel {

namespace {

class PopplerPdfDocument : public PdfDocument {
 public:
  PopplerPdfDocument(GBytes* bytes, PopplerDocument* doc) : bytes_(bytes), doc_(doc) {}
  ~PopplerPdfDocument() override {
    g_object_unref(doc_);
    g_bytes_unref(bytes_);
  }

  int pageCount() const override { return poppler_document_get_n_pages(doc_); }

  std::vector<PdfLink> linksOnPage(int index) const override {
    std::vector<PdfLink> out;
    PopplerPage* page = poppler_document_get_page(doc_, index);
    if (!page) return out;
    double width = 0, height = 0;
    poppler_page_get_size(page, &width, &height);
    GList* mapping = poppler_page_get_link_mapping(page);
    // The list runs from the last annotation to the first.
    for (GList* l = g_list_last(mapping); l; l = l->prev) {
      auto* m = static_cast<PopplerLinkMapping*>(l->data);
      if (!m->action || m->action->type != POPPLER_ACTION_URI || !m->action->uri.uri) continue;
      // Link areas come with the origin at the bottom left; text areas use the top left.
      PdfRect r;
      r.x = m->area.x1;
      r.width = m->area.x2 - m->area.x1;
      r.height = m->area.y2 - m->area.y1;
      r.y = height - m->area.y2;
      out.push_back(PdfLink{m->action->uri.uri, r});
    }
    poppler_page_free_link_mapping(mapping);
    g_object_unref(page);
    return out;
  }

  std::string textInRect(int index, const PdfRect& rect) const override {
    PopplerPage* page = poppler_document_get_page(doc_, index);
    if (!page) return "";
    PopplerRectangle area{rect.x, rect.y, rect.x + rect.width, rect.y + rect.height};
    char* text = poppler_page_get_text_for_area(page, &area);
    std::string out = text ? text : "";
    g_free(text);
    g_object_unref(page);
    return out;
  }

 private:
  GBytes* bytes_;
  PopplerDocument* doc_;
};

}  // namespace

std::unique_ptr<PdfDocument> openPdfDocument(std::string_view data) {
  if (data.empty()) return nullptr;
  GBytes* bytes = g_bytes_new(data.data(), data.size());
  GError* error = nullptr;
  PopplerDocument* doc = poppler_document_new_from_bytes(bytes, nullptr, &error);
  if (!doc) {
    if (error) g_error_free(error);
    g_bytes_unref(bytes);
    return nullptr;
  }
  return std::make_unique<PopplerPdfDocument>(bytes, doc);
}

}  // namespace zel
