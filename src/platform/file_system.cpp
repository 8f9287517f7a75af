#include "platform/file_system.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace zel {

namespace fs = std::filesystem;

bool RealFileSystem::exists(const std::string& path) const {
  std::error_code ec;
  return fs::exists(path, ec);
}

bool RealFileSystem::isDirectory(const std::string& path) const {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

std::optional<std::string> RealFileSystem::readFile(const std::string& path) const {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream buf;
  buf << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return std::move(buf).str();
}

Status RealFileSystem::writeFileAtomically(const std::string& path, const std::string& contents) {
  std::string tmp = path + ".tmp-" + std::to_string(::getpid());
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) return Status::Error("cannot write " + tmp);
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    out.flush();
    if (!out) {
      std::remove(tmp.c_str());
      return Status::Error("cannot write " + tmp);
    }
  }
  std::error_code ec;
  fs::rename(tmp, path, ec);
  if (ec) {
    std::remove(tmp.c_str());
    return Status::Error("cannot replace " + path + ": " + ec.message());
  }
  return Status::Ok();
}

Status RealFileSystem::createDirectories(const std::string& path) {
  std::error_code ec;
  fs::create_directories(path, ec);
  if (ec) return Status::Error("cannot create folder " + path + ": " + ec.message());
  return Status::Ok();
}

std::optional<uint64_t> RealFileSystem::freeSpace(const std::string& path) const {
  std::error_code ec;
  auto info = fs::space(path, ec);
  if (ec) return std::nullopt;
  return info.available;
}

std::vector<std::string> RealFileSystem::listDirectory(const std::string& path) const {
  std::vector<std::string> out;
  std::error_code ec;
  for (fs::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec))
    out.push_back(it->path().filename().string());
  std::sort(out.begin(), out.end());
  return out;
}

Status RealFileSystem::removeAll(const std::string& path) {
  std::error_code ec;
  fs::remove_all(path, ec);
  if (ec) return Status::Error("cannot remove " + path + ": " + ec.message());
  return Status::Ok();
}

Status RealFileSystem::copyDirectory(const std::string& from, const std::string& to) {
  std::error_code ec;
  if (!fs::is_directory(from, ec)) return Status::Error("not a folder: " + from);
  if (fs::exists(to, ec)) return Status::Error("already exists: " + to);
  fs::copy(from, to, fs::copy_options::recursive, ec);
  if (ec) return Status::Error("cannot copy " + from + " to " + to + ": " + ec.message());
  return Status::Ok();
}

}  // namespace zel
