#include "serve/window_api.h"

#include <httplib.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "crawl_command.h"
#include "platform/text_format.h"
#include "saved_commands.h"
#include "serve/embedded_assets.h"
#include "serve/live_state.h"
#include "serve/table_layout.h"
#include "serve/window_server.h"
#include "settings_command.h"

namespace zel::cli::serve {

namespace {

namespace fs = std::filesystem;
using httplib::Request;
using httplib::Response;

constexpr size_t kMostListed = 2000;
constexpr size_t kMostThumbnails = 16;
constexpr double kLeastSecondsBetweenSnapshots = 0.25;

void sendJson(Response& res, const Json& body, int status = 200) {
  res.status = status;
  res.set_header("Cache-Control", "no-store");
  res.set_content(body.dump(-1, ' ', false, Json::error_handler_t::replace), "application/json");
}

void sendError(Response& res, int status, const std::string& message) {
  sendJson(res, {{"error", message}}, status);
}

// Answers with the status of an action: {"ok": true} or 409 and why not.
void sendOutcome(Response& res, const Status& s) {
  if (s.ok())
    sendJson(res, {{"ok", true}});
  else
    sendError(res, 409, s.message());
}

bool parseBody(const Request& req, Response& res, Json& out) {
  out = Json::parse(req.body, nullptr, false);
  if (out.is_object()) return true;
  sendError(res, 400, "the request needs a JSON object");
  return false;
}

std::optional<int64_t> integerParam(const Request& req, const char* name) {
  if (!req.has_param(name)) return std::nullopt;
  const std::string text = req.get_param_value(name);
  char* end = nullptr;
  const long long n = std::strtoll(text.c_str(), &end, 10);
  if (text.empty() || *end) return std::nullopt;
  return n;
}

RowTable::Query queryOf(const Request& req) {
  RowTable::Query q;
  if (req.has_param("tab")) q.tab = req.get_param_value("tab");
  q.filter = req.get_param_value("filter");
  q.search = std::string(trimWhitespace(req.get_param_value("q")));
  q.sort = req.get_param_value("sort");
  q.descending = req.get_param_value("desc") == "1";
  q.offset = integerParam(req, "offset").value_or(0);
  q.limit = integerParam(req, "limit").value_or(100);
  return q;
}

const char* contentTypeOf(std::string_view name) {
  static const std::pair<const char*, const char*> kTypes[] = {
      {".html", "text/html; charset=utf-8"},
      {".css", "text/css; charset=utf-8"},
      {".js", "text/javascript; charset=utf-8"},
      {".svg", "image/svg+xml"},
      {".png", "image/png"},
      {".json", "application/json"},
      {".csv", "text/csv; charset=utf-8"},
      {".txt", "text/plain; charset=utf-8"},
      {".xml", "application/xml"},
      {".db", "application/vnd.sqlite3"}};
  for (const auto& [suffix, type] : kTypes)
    if (endsWith(name, suffix)) return type;
  return "application/octet-stream";
}

void sendAsset(const Request& req, Response& res, std::string_view name) {
  const EmbeddedAsset* asset = findEmbeddedAsset(name);
  if (!asset) {
    sendError(res, 404, "not found");
    return;
  }
  const std::string etag = "\"" + std::string(asset->sha256.substr(0, 32)) + "\"";
  res.set_header("ETag", etag);
  res.set_header("Cache-Control", "no-cache");
  if (req.get_header_value("If-None-Match") == etag) {
    res.status = 304;
    return;
  }
  res.set_content(std::string(asset->bytes), contentTypeOf(name));
}

// The folders a listing may show: home, where zelmora was started, and where
// the window keeps its crawls.
std::vector<fs::path> listingRoots() {
  std::vector<fs::path> roots;
  std::error_code ec;
  if (const char* home = std::getenv("HOME"); home && *home)
    roots.push_back(fs::weakly_canonical(home, ec));
  roots.push_back(fs::current_path(ec));
  roots.push_back(fs::weakly_canonical(windowCrawlsFolder(), ec));
  return roots;
}

bool isUnder(const fs::path& path, const fs::path& root) {
  auto r = root.begin(), p = path.begin();
  for (; r != root.end(); ++r, ++p)
    if (p == path.end() || *p != *r) return false;
  return true;
}

Json listFolder(const std::string& asked) {
  const auto roots = listingRoots();
  Json rootList = Json::array();
  for (const fs::path& r : roots) rootList.push_back(r.string());
  std::error_code ec;
  const fs::path dir = fs::weakly_canonical(asked.empty() ? roots.front() : fs::path(asked), ec);
  bool allowed = false;
  for (const fs::path& r : roots) allowed = allowed || (!ec && isUnder(dir, r));
  if (!allowed)
    return {{"error", "only folders under your home folder or where zelmora runs are listed"},
            {"roots", rootList}};
  Json entries = Json::array();
  for (auto it = fs::directory_iterator(dir, fs::directory_options::skip_permission_denied, ec);
       !ec && it != fs::directory_iterator() && entries.size() < kMostListed; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.empty() || name[0] == '.') continue;
    std::error_code e2;
    const bool folder = it->is_directory(e2);
    if (!folder && !endsWith(name, ".db")) continue;
    Json entry = {{"name", name}, {"path", it->path().string()}, {"folder", folder}};
    if (!folder) entry["size"] = static_cast<int64_t>(it->file_size(e2));
    entries.push_back(std::move(entry));
  }
  std::sort(entries.begin(), entries.end(), [](const Json& a, const Json& b) {
    if (a["folder"] != b["folder"]) return a["folder"].get<bool>();
    return a["name"].get<std::string>() < b["name"].get<std::string>();
  });
  Json out = {{"dir", dir.string()}, {"entries", entries}, {"roots", rootList}};
  for (const fs::path& r : roots)
    if (dir != r && isUnder(dir.parent_path(), r)) out["parent"] = dir.parent_path().string();
  return out;
}

Json formJson() {
  Json topics = Json::array();
  for (const FormOption& o : crawlFormOptions()) {
    if (topics.empty() || topics.back()["heading"] != o.topic)
      topics.push_back({{"heading", o.topic}, {"options", Json::array()}});
    topics.back()["options"].push_back({{"name", o.name},
                                        {"args", o.args},
                                        {"help", o.help},
                                        {"settings", o.settings},
                                        {"values", o.values},
                                        {"repeatable", o.repeatable}});
  }
  return {{"topics", topics}};
}

// A fresh folder for one download, removed once it has been sent.
std::optional<std::string> temporaryFolder() {
  std::string path = (fs::temp_directory_path() / "zelmora-window-XXXXXX").string();
  if (!::mkdtemp(path.data())) return std::nullopt;
  return path;
}

// Streams `file` as a download and removes `folder` afterwards.
void sendFile(Response& res, const std::string& file, const std::string& folder) {
  std::error_code ec;
  const auto size = fs::file_size(file, ec);
  auto in = std::make_shared<std::ifstream>(file, std::ios::binary);
  if (ec || !*in) {
    fs::remove_all(folder, ec);
    sendError(res, 500, "the export could not be read back");
    return;
  }
  const std::string name = fs::path(file).filename().string();
  res.set_header("Content-Disposition", "attachment; filename=\"" + name + "\"");
  res.set_header("Cache-Control", "no-store");
  res.set_content_provider(
      static_cast<size_t>(size), contentTypeOf(name),
      [in](size_t offset, size_t length, httplib::DataSink& sink) {
        char buf[1 << 16];
        in->seekg(static_cast<std::streamoff>(offset));
        in->read(buf, static_cast<std::streamsize>(std::min(length, sizeof buf)));
        const auto got = in->gcount();
        return got > 0 && sink.write(buf, static_cast<size_t>(got));
      },
      [folder](bool) {
        std::error_code e;
        fs::remove_all(folder, e);
      });
}

}  // namespace

Status WindowApi::crawlOptionsFrom(const Json& form, Options& out) {
  const Json target = form.value("target", Json());
  if (!target.is_string() || trimWhitespace(target.get<std::string>()).empty())
    return Status::Error("type the address, folder, sitemap or list to crawl");
  std::vector<std::string> args = {"crawl", std::string(trimWhitespace(target.get<std::string>()))};
  const Json options = form.value("options", Json::array());
  if (!options.is_array()) return Status::Error("the options must be a list");
  for (const Json& o : options) {
    const std::string name = o.is_object() ? o.value("name", "") : "";
    const auto& form = crawlFormOptions();
    auto known =
        std::find_if(form.begin(), form.end(), [&](const FormOption& f) { return f.name == name; });
    if (known == form.end()) return Status::Error("the form has no option \"" + name + "\"");
    const Json values = o.value("values", Json::array());
    if (!values.is_array() || values.size() != known->values)
      return Status::Error(name + " takes " + std::to_string(known->values) + " value(s)");
    args.push_back(name);
    for (const Json& v : values) {
      if (!v.is_string()) return Status::Error(name + " takes text values");
      args.push_back(v.get<std::string>());
    }
  }
  // Kept in memory only: a login's password never goes to a file.
  if (form.contains("password") && form["password"].is_string() &&
      !form["password"].get<std::string>().empty())
    out.password = form["password"].get<std::string>();
  if (Status s = parseOptions(args, out); !s.ok()) return s;
  out.noSettingsFile = true;
  const Json settings = form.value("settings", Json::object());
  if (!settings.is_object()) return Status::Error("a settings file holds a JSON object");
  std::vector<std::pair<std::string, Json>> fromFile;
  for (const auto& [key, value] : settings.items()) {
    if (Status s = checkSettingName(key); !s.ok())
      return Status::Error("settings file: " + s.message());
    if (Status s = checkSettingValue(key, value); !s.ok())
      return Status::Error("settings file: " + key + ": " + s.message());
    fromFile.emplace_back(key, value);
  }
  // The form's own options win over the file's, as the command line does.
  out.settings.insert(out.settings.begin(), fromFile.begin(), fromFile.end());
  MemoryDefaults resolved;
  if (Status s = resolveSettings(out, resolved, nullptr); !s.ok()) return s;
  std::string error;
  if (!startingAddressFor(out.target, &error)) return Status::Error(error);
  return Status::Ok();
}

WindowApi::WindowApi(LiveState& live, httplib::Server& server) : live_(live) {
  server.Get("/", [](const Request& req, Response& res) { sendAsset(req, res, "index.html"); });
  server.Get(R"(/assets/([A-Za-z0-9_.-]+))",
             [](const Request& req, Response& res) { sendAsset(req, res, req.matches[1].str()); });
  server.Get("/api/layout", [](const Request&, Response& res) { sendJson(res, layoutJson()); });
  server.Get("/api/form", [](const Request&, Response& res) { sendJson(res, formJson()); });
  server.Get("/api/state", [this](const Request&, Response& res) {
    res.set_header("Cache-Control", "no-store");
    res.set_content(live_.snapshot(UINT64_MAX, 0).second, "application/json");
  });

  // One snapshot at a time, the latest: a slow or hidden tab misses those it
  // had no time for, and nothing queues up behind it.
  server.Get("/api/events", [this](const Request&, Response& res) {
    res.set_header("Cache-Control", "no-store");
    auto sent = std::make_shared<uint64_t>(0);
    auto lastSentAt = std::make_shared<std::chrono::steady_clock::time_point>();
    res.set_chunked_content_provider("text/event-stream", [this, sent, lastSentAt](
                                                              size_t, httplib::DataSink& sink) {
      const auto wait = std::chrono::duration<double>(kLeastSecondsBetweenSnapshots) -
                        (std::chrono::steady_clock::now() - *lastSentAt);
      if (wait.count() > 0) std::this_thread::sleep_for(wait);
      auto [version, text] = live_.snapshot(*sent, 15);
      if (live_.snapshotsClosed()) return false;
      const std::string message = version == *sent ? ": still here\n\n" : "data: " + text + "\n\n";
      *sent = version;
      *lastSentAt = std::chrono::steady_clock::now();
      return sink.is_writable() && sink.write(message.data(), message.size());
    });
  });

  server.Get("/api/rows", [this](const Request& req, Response& res) {
    Json page;
    if (Status s = live_.table().page(queryOf(req), page); !s.ok())
      return sendError(res, 400, s.message());
    sendJson(res, page);
  });
  server.Get("/api/position", [this](const Request& req, Response& res) {
    const auto id = integerParam(req, "id");
    if (!id) return sendError(res, 400, "which row? (id)");
    const auto at = live_.table().positionOf(queryOf(req), *id);
    sendJson(res, {{"position", at ? Json(*at) : Json()}});
  });
  server.Get("/api/row", [this](const Request& req, Response& res) {
    const auto id = integerParam(req, "id");
    if (!id) return sendError(res, 400, "which row? (id)");
    auto details = live_.details(*id);
    if (!details) return sendError(res, 404, "no such row");
    sendJson(res, *details);
  });
  server.Get("/api/issue", [this](const Request& req, Response& res) {
    auto addresses = live_.addressesWithoutRow(req.get_param_value("id"));
    if (!addresses) return sendError(res, 404, "no such issue type in the crawl shown");
    sendJson(res, *addresses);
  });
  server.Get("/api/files", [](const Request& req, Response& res) {
    Json listing = listFolder(req.get_param_value("dir"));
    sendJson(res, listing, listing.contains("error") ? 403 : 200);
  });
  server.Get(R"(/api/export/([a-z-]+))", [this](const Request& req, Response& res) {
    const auto folder = temporaryFolder();
    if (!folder) return sendError(res, 500, "no temporary folder for the export");
    std::string file;
    if (Status s = live_.exportFile(req.matches[1].str(), *folder, file); !s.ok()) {
      std::error_code ec;
      fs::remove_all(*folder, ec);
      return sendError(res, 409, s.message());
    }
    sendFile(res, file, *folder);
  });
  server.Get(R"(/api/thumbnail/([0-9a-f]+)\.png)", [this](const Request& req, Response& res) {
    std::lock_guard lock(thumbnailsMutex_);
    auto it = thumbnails_.find(req.matches[1].str());
    if (it == thumbnails_.end()) return sendError(res, 404, "no such thumbnail");
    res.set_header("Cache-Control", "no-store");
    res.set_content(it->second, "image/png");
  });

  server.Post("/api/crawl", [this](const Request& req, Response& res) {
    Json body;
    if (!parseBody(req, res, body)) return;
    Options options;
    if (Status s = crawlOptionsFrom(body, options); !s.ok())
      return sendError(res, 400, s.message());
    sendOutcome(res, live_.startCrawl(std::move(options)));
  });
  server.Post("/api/stop",
              [this](const Request&, Response& res) { sendOutcome(res, live_.stop()); });
  server.Post("/api/continue",
              [this](const Request&, Response& res) { sendOutcome(res, live_.continueCrawl()); });
  server.Post("/api/recheck", [this](const Request& req, Response& res) {
    Json body;
    if (!parseBody(req, res, body)) return;
    std::optional<int64_t> id;
    if (body.contains("id") && body["id"].is_number_integer()) id = body["id"].get<int64_t>();
    sendOutcome(res, live_.recheck(id));
  });
  server.Post("/api/open", [this](const Request& req, Response& res) {
    Json body;
    if (!parseBody(req, res, body)) return;
    const std::string path = body.value("path", "");
    if (path.empty()) return sendError(res, 400, "which crawl database? (path)");
    sendOutcome(res, live_.open(path));
  });
  server.Post("/api/compare", [](const Request& req, Response& res) {
    Json body;
    if (!parseBody(req, res, body)) return;
    Json doc;
    if (Status s = diffSavedCrawls(body.value("older", ""), body.value("newer", ""), doc); !s.ok())
      return sendError(res, 409, s.message());
    sendJson(res, doc);
  });
  server.Post("/api/thumbnail", [this](const Request& req, Response& res) {
    Json body;
    if (!parseBody(req, res, body)) return;
    if (!body.contains("id") || !body["id"].is_number_integer())
      return sendError(res, 400, "which row? (id)");
    const auto folder = temporaryFolder();
    if (!folder) return sendError(res, 500, "no temporary folder for the thumbnail");
    const std::string file = *folder + "/thumbnail.png";
    const Status s = live_.thumbnail(body["id"].get<int64_t>(), file);
    std::ifstream in(file, std::ios::binary);
    const std::string png((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::error_code ec;
    fs::remove_all(*folder, ec);
    if (!s.ok() || png.empty())
      return sendError(res, 409, s.ok() ? "no picture was made" : s.message());
    const std::string key = randomToken();
    {
      std::lock_guard lock(thumbnailsMutex_);
      if (thumbnails_.size() >= kMostThumbnails) thumbnails_.erase(thumbnails_.begin());
      thumbnails_[key] = png;
    }
    sendJson(res, {{"image", "/api/thumbnail/" + key + ".png"}});
  });
  // The settings a crawl from the form would run with, as a file to keep.
  server.Post("/api/settings-file", [](const Request& req, Response& res) {
    Json body;
    if (!parseBody(req, res, body)) return;
    Options options;
    if (Status s = crawlOptionsFrom(body, options); !s.ok())
      return sendError(res, 400, s.message());
    MemoryDefaults resolved;
    if (Status s = resolveSettings(options, resolved, nullptr); !s.ok())
      return sendError(res, 400, s.message());
    std::map<std::string, Json> sorted(resolved.all().begin(), resolved.all().end());
    sorted.erase("authenticationPassword");
    res.set_header("Content-Disposition", "attachment; filename=\"zelmora.json\"");
    sendJson(res, Json(sorted));
  });
}

}  // namespace zel::cli::serve
