#pragma once
// Small pictures: a PNG redrawn at another size, and written as PNG or TIFF.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/status.h"

namespace zel {

struct Picture {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;  // row by row, 0xAARRGGBB, not premultiplied
};

// The PNG drawn into a width x height picture (stretched to fill it), or nullopt
// when the bytes are not a PNG.
std::optional<Picture> scaledPicture(const std::string& png, int width, int height);
// The PNG bytes of a picture ("" when it cannot be encoded).
std::string encodePng(const Picture& picture);
// A baseline TIFF: uncompressed 8-bit RGBA in one strip.
std::string encodeTiff(const Picture& picture);
// PNG, or TIFF when the file name ends in .tif or .tiff (any case).
std::string encodePictureForFile(const Picture& picture, const std::string& path);

}  // namespace zel
