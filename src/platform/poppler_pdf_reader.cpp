// PdfDocument on poppler-glib, opened on the first PDF.
#include <poppler.h>

#include "platform/pdf_reader.h"
#include "platform/shared_library.h"

namespace zel {

namespace {

#define ZEL_POPPLER_FUNCTIONS(X)                                                                 \
  X(g_bytes_new) X(g_bytes_unref) X(g_error_free) X(g_free) X(g_list_last) X(g_object_unref)     \
  X(poppler_document_new_from_bytes) X(poppler_document_get_n_pages) X(poppler_document_get_page) \
  X(poppler_page_get_size) X(poppler_page_get_link_mapping) X(poppler_page_free_link_mapping)    \
  X(poppler_page_get_text_for_area) X(poppler_get_version)

// With no library no PDF is readable.
ZEL_LIBRARY_FUNCTIONS(PopplerApi, ZEL_POPPLER_FUNCTIONS, ZEL_POPPLER_SONAME)

class PopplerPdfDocument : public PdfDocument {
 public:
  PopplerPdfDocument(const PopplerApi& api, GBytes* bytes, PopplerDocument* doc)
      : api_(api), bytes_(bytes), doc_(doc) {}
  ~PopplerPdfDocument() override {
    api_.g_object_unref(doc_);
    api_.g_bytes_unref(bytes_);
  }

  int pageCount() const override { return api_.poppler_document_get_n_pages(doc_); }

  std::vector<PdfLink> linksOnPage(int index) const override {
    std::vector<PdfLink> out;
    PopplerPage* page = api_.poppler_document_get_page(doc_, index);
    if (!page) return out;
    double width = 0, height = 0;
    api_.poppler_page_get_size(page, &width, &height);
    GList* mapping = api_.poppler_page_get_link_mapping(page);
    // The list runs from the last annotation to the first.
    for (GList* l = api_.g_list_last(mapping); l; l = l->prev) {
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
    api_.poppler_page_free_link_mapping(mapping);
    api_.g_object_unref(page);
    return out;
  }

  std::string textInRect(int index, const PdfRect& rect) const override {
    PopplerPage* page = api_.poppler_document_get_page(doc_, index);
    if (!page) return "";
    PopplerRectangle area{rect.x, rect.y, rect.x + rect.width, rect.y + rect.height};
    char* text = api_.poppler_page_get_text_for_area(page, &area);
    std::string out = text ? text : "";
    api_.g_free(text);
    api_.g_object_unref(page);
    return out;
  }

 private:
  const PopplerApi& api_;
  GBytes* bytes_;
  PopplerDocument* doc_;
};

}  // namespace

std::unique_ptr<PdfDocument> openPdfDocument(std::string_view data) {
  const PopplerApi* api = PopplerApi::get();
  if (data.empty() || !api) return nullptr;
  GBytes* bytes = api->g_bytes_new(data.data(), data.size());
  GError* error = nullptr;
  PopplerDocument* doc = api->poppler_document_new_from_bytes(bytes, nullptr, &error);
  if (!doc) {
    if (error) api->g_error_free(error);
    api->g_bytes_unref(bytes);
    return nullptr;
  }
  return std::make_unique<PopplerPdfDocument>(*api, bytes, doc);
}

std::string pdfLibraryVersion() {
  const PopplerApi* api = PopplerApi::get();
  return api ? api->poppler_get_version() : "";
}

}  // namespace zel
