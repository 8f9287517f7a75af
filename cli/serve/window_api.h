#pragma once
// The window's JSON API and its page: the routes a request reaches once the
// server's security rules have admitted it. Reads of crawl state go through
// the live state (to the engine's thread); pages of rows come from the
// server's own table. Every change is a POST.
//
//   GET  /  /assets/NAME                the page, its style and scripts (ETag: SHA-256)
//   GET  /api/layout  /api/form         tabs, filters, columns; the crawl form's options
//   GET  /api/state   /api/events       the latest snapshot; a stream of them (SSE)
//   GET  /api/rows?tab&filter&q&sort&desc&offset&limit    a page of the table
//   GET  /api/position?tab&...&id       where a row stands in that order
//   GET  /api/row?id                    the lower pane of one row
//   GET  /api/files?dir                 folders and crawl databases under home or here
//   GET  /api/export/KIND               a download: what `zelmora export` writes
//   GET  /api/thumbnail/KEY.png         a thumbnail taken by POST
//   POST /api/crawl /api/stop /api/continue /api/recheck /api/open
//   POST /api/compare /api/thumbnail /api/settings-file
#include <map>
#include <mutex>
#include <string>

#include "options.h"
#include "platform/status.h"

namespace httplib {
class Server;
}

namespace zel::cli::serve {

class LiveState;

class WindowApi {
 public:
  // Adds the routes to `server`.
  WindowApi(LiveState& live, httplib::Server& server);

  // The crawl form's request as the options a command line would give:
  // {"target", "options": [{"name", "values"}], "password", "settings"}. Only
  // the form's options are taken; a settings file comes as an object.
  static Status crawlOptionsFrom(const Json& form, Options& out);

 private:
  LiveState& live_;
  std::mutex thumbnailsMutex_;
  std::map<std::string, std::string> thumbnails_;  // key -> PNG
};

}  // namespace zel::cli::serve
