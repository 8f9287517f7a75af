#include "report/output_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace zel::cli {

namespace {

Status cannotWrite(const std::string& path, int err) {
  return Status::Error("cannot write " + path + ": " + std::strerror(err));
}

}  // namespace

OutputFile::OutputFile(std::string path, const SecretMask& secrets)
    : path_(std::move(path)), secrets_(secrets) {}

OutputFile::~OutputFile() {
  if (file_ && !isStdout()) std::fclose(file_);
  if (!committed_ && !temporary_.empty()) std::remove(temporary_.c_str());
}

std::string OutputFile::temporaryPathFor(const std::string& path) {
  return path + ".part" + std::to_string(::getpid());
}

Status OutputFile::open() {
  if (isStdout()) {
    file_ = stdout;
    return Status::Ok();
  }
  std::error_code ec;
  if (std::filesystem::is_directory(path_, ec))
    return Status::Error("cannot write " + path_ + ": it is a folder");
  temporary_ = temporaryPathFor(path_);
  file_ = std::fopen(temporary_.c_str(), "wb");
  if (!file_) {
    const int err = errno;
    temporary_.clear();
    return cannotWrite(path_, err);
  }
  static constexpr size_t kBuffer = 1 << 20;
  std::setvbuf(file_, nullptr, _IOFBF, kBuffer);
  return Status::Ok();
}

Status OutputFile::commit() { return commitAs(path_); }

Status OutputFile::commitAs(const std::string& finalPath) {
  if (!file_) return Status::Error("cannot write " + path_);
  if (isStdout()) {
    committed_ = true;
    return std::fflush(stdout) == 0 ? Status::Ok() : cannotWrite("standard output", errno);
  }
  const bool failed = std::ferror(file_) != 0;
  int err = failed ? EIO : 0;
  if (std::fclose(file_) != 0 && !failed) err = errno ? errno : EIO;
  file_ = nullptr;
  if (failed || err) return cannotWrite(finalPath, err ? err : EIO);
  Status moved = moveIntoPlace(temporary_, finalPath);
  if (moved.ok()) committed_ = true;
  return moved;
}

Status OutputFile::moveIntoPlace(const std::string& temporary, const std::string& path) {
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    const int err = errno;
    std::remove(temporary.c_str());
    return cannotWrite(path, err);
  }
  return Status::Ok();
}

Status OutputFile::checkWritable(const std::string& path) {
  if (path == "-") return Status::Ok();
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec))
    return Status::Error("cannot write " + path + ": it is a folder");
  const std::string probe = temporaryPathFor(path);
  FILE* f = std::fopen(probe.c_str(), "wb");
  if (!f) return cannotWrite(path, errno);
  std::fclose(f);
  std::remove(probe.c_str());
  return Status::Ok();
}

}  // namespace zel::cli
