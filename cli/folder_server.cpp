#include "folder_server.h"

#include <httplib.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "platform/curl_transfer_setup.h"
#include "platform/text_format.h"

namespace zel::cli {

namespace fs = std::filesystem;

namespace {

// The file a request path names inside `root`, or "" when it names none there.
std::string fileFor(const std::string& root, const std::string& requestPath,
                    const std::string& indexName, bool* isFolder) {
  *isFolder = false;
  // cpp-httplib hands the path percent-decoded; a NUL or a backslash never
  // names a file of the site.
  if (requestPath.empty() || requestPath[0] != '/' ||
      requestPath.find_first_of(std::string("\\\0", 2)) != std::string::npos)
    return "";
  std::error_code ec;
  fs::path path = fs::path(root) / fs::path(requestPath.substr(1)).lexically_normal();
  fs::path real = fs::weakly_canonical(path, ec);
  if (ec) return "";
  const std::string realText = real.string();
  if (realText != root && !startsWith(realText, root + "/")) return "";
  if (fs::is_directory(real, ec)) {
    *isFolder = true;
    real /= indexName;
    real = fs::weakly_canonical(real, ec);
    if (ec || !startsWith(real.string(), root + "/")) return "";
  }
  if (!fs::is_regular_file(real, ec)) return "";
  return real.string();
}

}  // namespace

FolderServer::FolderServer() = default;

FolderServer::~FolderServer() {
  if (server_) server_->stop();
  if (thread_.joinable()) thread_.join();
}

std::string FolderServer::rootUrl() const { return strf("http://127.0.0.1:%d/", port_); }

Status FolderServer::start(const std::string& folder, int port, const std::string& indexName) {
  std::error_code ec;
  const fs::path root = fs::canonical(folder, ec);
  if (ec || !fs::is_directory(root, ec)) return Status::Error("no such folder: " + folder);
  root_ = root.string();
  index_ = indexName.empty() ? "index.html" : indexName;
  server_ = std::make_unique<httplib::Server>();
  // Not the library's SO_REUSEPORT, which would let a second server share a
  // port in use instead of being told it is taken.
  server_->set_socket_options([](socket_t sock) {
    int yes = 1;
    setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  });
  server_->Get(".*", [this](const httplib::Request& req, httplib::Response& res) {
    bool isFolder = false;
    const std::string file = fileFor(root_, req.path, index_, &isFolder);
    if (file.empty()) {
      res.status = 404;
      res.set_content("not found\n", "text/plain");
      return;
    }
    if (isFolder && !endsWith(req.path, "/")) {  // as a web server does: the folder's own address
      res.status = 301;
      res.set_header("Location", req.path + "/");
      return;
    }
    std::error_code ec;
    auto in = std::make_shared<std::ifstream>(file, std::ios::binary);
    const auto size = fs::file_size(file, ec);
    if (!*in || ec) {
      res.status = 403;
      res.set_content("not readable\n", "text/plain");
      return;
    }
    const std::string name = fs::path(file).filename().string();
    const size_t dot = name.rfind('.');
    const std::string type =
        curlsupport::mimeTypeForExtension(dot == std::string::npos ? "" : name.substr(dot + 1));
    // Streamed: a large file is never held whole in memory.
    res.set_content_provider(static_cast<size_t>(size), type,
                             [in](size_t offset, size_t length, httplib::DataSink& sink) {
                               char buf[1 << 16];
                               in->seekg(static_cast<std::streamoff>(offset));
                               in->read(buf,
                                        static_cast<std::streamsize>(std::min(length, sizeof buf)));
                               const auto got = in->gcount();
                               if (got <= 0) return false;
                               sink.write(buf, static_cast<size_t>(got));
                               return true;
                             });
  });
  if (port == 0) {
    port_ = server_->bind_to_any_port("127.0.0.1");
    if (port_ <= 0) return Status::Error("cannot serve " + folder + ": no free port on 127.0.0.1");
  } else {
    if (!server_->bind_to_port("127.0.0.1", port))
      return Status::Error(
          strf("cannot serve %s on port %d: the port is in use (stop what uses "
               "it, or crawl the folder again)",
               folder.c_str(), port));
    port_ = port;
  }
  thread_ = std::thread([this] { server_->listen_after_bind(); });
  // Bound already, so connections wait in the backlog; this only spares the
  // first request a moment's queueing.
  for (int i = 0; i < 200 && !server_->is_running(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  return Status::Ok();
}

}  // namespace zel::cli
