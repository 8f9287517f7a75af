#pragma once
// The texts of the window's table, end to end in blocks of a megabyte: a
// million rows hold several million short texts, and one allocation each
// would double the table's memory. Texts are cut at 4 KB (the lower pane shows
// them whole).
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace zel::cli::serve {

class TextArena {
 public:
  struct Ref {
    uint32_t block = 0;
    uint32_t offset : 20 = 0;
    uint32_t length : 12 = 0;
  };
  static constexpr size_t kMaxText = (1u << 12) - 1;

  Ref add(std::string_view text);
  std::string_view view(Ref r) const {
    return r.length == 0 ? std::string_view()
                         : std::string_view(blocks_[r.block].get() + r.offset, r.length);
  }
  void clear() {
    blocks_.clear();
    used_ = kBlock;
  }
  size_t bytes() const { return blocks_.size() * kBlock; }

 private:
  static constexpr size_t kBlock = 1u << 20;
  std::vector<std::unique_ptr<char[]>> blocks_;
  size_t used_ = kBlock;  // in the last block
};

}  // namespace zel::cli::serve
