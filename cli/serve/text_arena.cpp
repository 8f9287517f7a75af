#include "serve/text_arena.h"

#include <cstring>

namespace zel::cli::serve {

TextArena::Ref TextArena::add(std::string_view text) {
  if (text.empty()) return Ref{};
  if (text.size() > kMaxText) {
    size_t cut = kMaxText;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    text = text.substr(0, cut);
  }
  if (used_ + text.size() > kBlock) {
    blocks_.push_back(std::make_unique<char[]>(kBlock));
    used_ = 0;
  }
  Ref r;
  r.block = static_cast<uint32_t>(blocks_.size() - 1);
  r.offset = static_cast<uint32_t>(used_);
  r.length = static_cast<uint32_t>(text.size());
  std::memcpy(blocks_.back().get() + used_, text.data(), text.size());
  used_ += text.size();
  return r;
}

}  // namespace zel::cli::serve
