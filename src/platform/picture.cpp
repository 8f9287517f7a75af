#include "platform/picture.h"

#include <cairo.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>
#include <optional>

#include "platform/shared_library.h"

namespace zel {

namespace {

#define ZEL_CAIRO_FUNCTIONS(X) \
  X(cairo_surface_destroy) X(cairo_image_surface_create_from_png_stream) \
  X(cairo_surface_status) X(cairo_image_surface_get_width) X(cairo_image_surface_get_height) \
  X(cairo_image_surface_create) X(cairo_create) X(cairo_scale) X(cairo_set_source_surface) \
  X(cairo_pattern_set_filter) X(cairo_get_source) X(cairo_set_operator) X(cairo_paint) \
  X(cairo_destroy) X(cairo_surface_flush) X(cairo_image_surface_get_data) \
  X(cairo_image_surface_get_stride) X(cairo_surface_mark_dirty) \
  X(cairo_surface_write_to_png_stream)

// With no library no picture is made.
ZEL_LIBRARY_FUNCTIONS(CairoApi, ZEL_CAIRO_FUNCTIONS, ZEL_CAIRO_SONAME)

struct SurfaceDeleter {
  void operator()(cairo_surface_t* s) const { CairoApi::get()->cairo_surface_destroy(s); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

struct Reader {
  const std::string& bytes;
  size_t at = 0;
};

cairo_status_t readChunk(void* closure, unsigned char* data, unsigned int length) {
  auto* r = static_cast<Reader*>(closure);
  if (r->bytes.size() - r->at < length) return CAIRO_STATUS_READ_ERROR;
  std::memcpy(data, r->bytes.data() + r->at, length);
  r->at += length;
  return CAIRO_STATUS_SUCCESS;
}

cairo_status_t writeChunk(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

void putLE16(std::string& out, uint16_t v) {
  out += static_cast<char>(v & 0xff);
  out += static_cast<char>(v >> 8);
}
void putLE32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xff);
}

}  // namespace

std::optional<Picture> scaledPicture(const std::string& png, int width, int height) {
  const CairoApi* cairoApi = CairoApi::get();
  if (width <= 0 || height <= 0 || !cairoApi) return std::nullopt;
  const CairoApi& api = *cairoApi;
  Reader reader{png};
  Surface source(api.cairo_image_surface_create_from_png_stream(readChunk, &reader));
  if (api.cairo_surface_status(source.get()) != CAIRO_STATUS_SUCCESS) return std::nullopt;
  const int sw = api.cairo_image_surface_get_width(source.get());
  const int sh = api.cairo_image_surface_get_height(source.get());
  if (sw <= 0 || sh <= 0) return std::nullopt;
  Surface target(api.cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
  cairo_t* cr = api.cairo_create(target.get());
  api.cairo_scale(cr, static_cast<double>(width) / sw, static_cast<double>(height) / sh);
  api.cairo_set_source_surface(cr, source.get(), 0, 0);
  api.cairo_pattern_set_filter(api.cairo_get_source(cr), CAIRO_FILTER_GOOD);
  api.cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  api.cairo_paint(cr);
  api.cairo_destroy(cr);
  api.cairo_surface_flush(target.get());

  Picture p;
  p.width = width;
  p.height = height;
  p.pixels.resize(static_cast<size_t>(width) * height);
  const unsigned char* data = api.cairo_image_surface_get_data(target.get());
  const int stride = api.cairo_image_surface_get_stride(target.get());
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < width; ++x) {
      // Cairo keeps colour premultiplied by alpha; pictures on disk do not.
      const uint32_t v = row[x];
      const uint32_t a = v >> 24;
      uint32_t r = (v >> 16) & 0xff, g = (v >> 8) & 0xff, b = v & 0xff;
      if (a != 0 && a != 255) {
        r = std::min<uint32_t>(255, r * 255 / a);
        g = std::min<uint32_t>(255, g * 255 / a);
        b = std::min<uint32_t>(255, b * 255 / a);
      }
      p.pixels[static_cast<size_t>(y) * width + x] = (a << 24) | (r << 16) | (g << 8) | b;
    }
  }
  return p;
}

std::string encodePng(const Picture& picture) {
  const CairoApi* cairoApi = CairoApi::get();
  if (picture.width <= 0 || picture.height <= 0 || !cairoApi) return "";
  const CairoApi& api = *cairoApi;
  Surface s(api.cairo_image_surface_create(CAIRO_FORMAT_ARGB32, picture.width, picture.height));
  api.cairo_surface_flush(s.get());
  unsigned char* data = api.cairo_image_surface_get_data(s.get());
  const int stride = api.cairo_image_surface_get_stride(s.get());
  for (int y = 0; y < picture.height; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < picture.width; ++x) {
      const uint32_t v = picture.pixels[static_cast<size_t>(y) * picture.width + x];
      const uint32_t a = v >> 24;
      const uint32_t r = ((v >> 16) & 0xff) * a / 255, g = ((v >> 8) & 0xff) * a / 255,
                     b = (v & 0xff) * a / 255;
      row[x] = (a << 24) | (r << 16) | (g << 8) | b;
    }
  }
  api.cairo_surface_mark_dirty(s.get());
  std::string out;
  if (api.cairo_surface_write_to_png_stream(s.get(), writeChunk, &out) != CAIRO_STATUS_SUCCESS)
    return "";
  return out;
}

std::string encodeTiff(const Picture& picture) {
  const uint32_t w = static_cast<uint32_t>(picture.width), h = static_cast<uint32_t>(picture.height);
  if (w == 0 || h == 0) return "";
  const uint32_t imageBytes = w * h * 4;
  // Header, then the pixels, then the bits-per-sample values, then the directory.
  std::string out = "II";
  putLE16(out, 42);
  const uint32_t pixelsAt = 8, bitsAt = pixelsAt + imageBytes, dirAt = bitsAt + 8;
  putLE32(out, dirAt);
  for (uint32_t v : picture.pixels) {
    out += static_cast<char>((v >> 16) & 0xff);
    out += static_cast<char>((v >> 8) & 0xff);
    out += static_cast<char>(v & 0xff);
    out += static_cast<char>(v >> 24);
  }
  for (int i = 0; i < 4; ++i) putLE16(out, 8);
  struct Entry {
    uint16_t tag, type;
    uint32_t count, value;
  };
  const Entry entries[] = {
      {256, 4, 1, w},         // width
      {257, 4, 1, h},         // height
      {258, 3, 4, bitsAt},    // bits per sample
      {259, 3, 1, 1},         // no compression
      {262, 3, 1, 2},         // RGB
      {273, 4, 1, pixelsAt},  // strip offset
      {277, 3, 1, 4},         // samples per pixel
      {278, 4, 1, h},         // rows per strip
      {279, 4, 1, imageBytes},
      {284, 3, 1, 1},         // chunky
      {338, 3, 1, 2},         // the fourth sample is unassociated alpha
  };
  putLE16(out, static_cast<uint16_t>(std::size(entries)));
  for (const Entry& e : entries) {
    putLE16(out, e.tag);
    putLE16(out, e.type);
    putLE32(out, e.count);
    if (e.type == 3 && e.count == 1) {
      putLE16(out, static_cast<uint16_t>(e.value));
      putLE16(out, 0);
    } else {
      putLE32(out, e.value);
    }
  }
  putLE32(out, 0);
  return out;
}

std::string encodePictureForFile(const Picture& picture, const std::string& path) {
  std::string lower = path;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  const auto endsWith = [&](std::string_view s) {
    return lower.size() >= s.size() && lower.compare(lower.size() - s.size(), s.size(), s) == 0;
  };
  return endsWith(".tif") || endsWith(".tiff") ? encodeTiff(picture) : encodePng(picture);
}

}  // namespace zel
