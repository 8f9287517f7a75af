#pragma once
// An export file written whole or not at all: the text goes to a temporary
// file beside the target, which replaces the target only when every byte was
// written. "-" writes to standard output instead.
#include <cstdio>
#include <string>
#include <string_view>

#include "platform/status.h"
#include "report/secret_mask.h"

namespace zel::cli {

class OutputFile {
 public:
  // Every byte written passes through `secrets` first.
  OutputFile(std::string path, const SecretMask& secrets);
  ~OutputFile();  // a file never committed is removed
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  Status open();
  void write(std::string_view text) {
    if (!file_) return;
    if (secrets_.empty()) {
      std::fwrite(text.data(), 1, text.size(), file_);
      return;
    }
    std::string masked(text);
    secrets_.apply(masked);
    std::fwrite(masked.data(), 1, masked.size(), file_);
  }
  // Writers gather rows in `pending`; once it is large it is written and emptied.
  void writeWhenLarge(std::string& pending) {
    if (pending.size() < kLarge) return;
    write(pending);
    pending.clear();
  }
  // Flushes, closes and moves the file into place; a failed write anywhere
  // before fails here, naming the file.
  Status commit();
  // The same, moving the file to `finalPath` instead of the path it was opened for.
  Status commitAs(const std::string& finalPath);
  const std::string& path() const { return path_; }
  const SecretMask& secrets() const { return secrets_; }
  bool isStdout() const { return path_ == "-"; }

  // The temporary name used for `path` (for writers that fill a file themselves).
  static std::string temporaryPathFor(const std::string& path);
  // Moves a finished temporary file over `path`.
  static Status moveIntoPlace(const std::string& temporary, const std::string& path);
  // Checks, before a crawl, that `path` can be written: its folder exists and
  // takes a new file, and it is not itself a folder.
  static Status checkWritable(const std::string& path);

 private:
  static constexpr size_t kLarge = 1 << 16;
  std::string path_, temporary_;
  const SecretMask& secrets_;
  FILE* file_ = nullptr;
  bool committed_ = false;
};

}  // namespace zel::cli
