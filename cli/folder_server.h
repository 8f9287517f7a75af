#pragma once
// A local folder served over http on 127.0.0.1 for the length of a crawl
// (--over-http), so that links from the site's root ("/css/site.css") resolve
// as they will on the web server instead of against the disk's root.
// Read only, and only that folder: a path that leaves it (by "..", an encoded
// slash or a symbolic link) answers 404, and a folder without its index file
// answers 404 rather than a listing.
#include <memory>
#include <string>
#include <thread>

#include "platform/status.h"

namespace httplib {
class Server;
}

namespace zel::cli {

class FolderServer {
 public:
  FolderServer();
  ~FolderServer();  // stops serving
  FolderServer(const FolderServer&) = delete;
  FolderServer& operator=(const FolderServer&) = delete;

  // Serves `folder` on 127.0.0.1:`port` (0: a free port) with `indexName` as
  // a folder address's page. An error names the folder or the port.
  Status start(const std::string& folder, int port, const std::string& indexName);
  int port() const { return port_; }
  // "http://127.0.0.1:PORT/"
  std::string rootUrl() const;
  const std::string& folder() const { return root_; }

 private:
  std::unique_ptr<httplib::Server> server_;
  std::thread thread_;
  std::string root_, index_;
  int port_ = 0;
};

}  // namespace zel::cli
