#include "start_address.h"

#include <filesystem>

#include "platform/defaults.h"
#include "platform/text_format.h"
#include "platform/url.h"
#include "platform/url_loader.h"

namespace zel::cli {

namespace {

constexpr const char* kSchemes[] = {"http", "https", "file"};

bool isSchemeChar(char c, bool first) {
  return std::isalpha(static_cast<unsigned char>(c)) ||
         (!first &&
          (std::isdigit(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.'));
}

// The scheme we crawl that `word` most likely meant (one letter off), or "".
std::string nearestScheme(const std::string& word) {
  for (const char* s : kSchemes)
    if (equalsIgnoreCase(word, s)) return s;
  for (const char* s : kSchemes)
    if (editDistanceIgnoringCase(word, s) <= 1) return s;
  return "";
}

}  // namespace

std::optional<std::string> startingAddressFor(const std::string& target, std::string* error) {
  namespace fs = std::filesystem;
  if (target.find("://") != std::string::npos) return target;
  std::error_code ec;
  const bool looksLikePath = target[0] == '/' || target[0] == '.' || target[0] == '~' ||
                             target.find('/') != std::string::npos;
  if (fs::exists(target, ec)) {
    fs::path abs = fs::absolute(target, ec).lexically_normal();
    std::string path = abs.string();
    if (fs::is_directory(abs, ec) && !endsWith(path, "/")) path += "/";
    auto url = Url::fromFilePath(path);
    if (!url) {
      *error = "cannot make a file address from " + path;
      return std::nullopt;
    }
    return url->absoluteString();
  }
  if (looksLikePath && (target[0] == '/' || target[0] == '.' || target[0] == '~')) {
    *error = "no such file or folder: " + target;
    return std::nullopt;
  }
  return target;  // a host name and path; the engine puts http:// in front
}

Status checkTypedScheme(const std::string& typed) {
  const std::string text(trimWhitespace(typed));
  size_t n = 0;
  while (n < text.size() && isSchemeChar(text[n], n == 0)) ++n;
  if (n == 0 || n == text.size()) return Status::Ok();
  const std::string word = text.substr(0, n);
  const std::string rest = text.substr(n);
  if (startsWith(rest, "://")) {
    if (!nearestScheme(word).empty() && equalsIgnoreCase(nearestScheme(word), word))
      return Status::Ok();
    const std::string near = nearestScheme(word);
    if (!near.empty())
      return Status::Error("\"" + word + "\" is not a scheme zelmora crawls: did you mean " + near +
                           rest + "?");
    return Status::Error(
        "zelmora crawls http:// and https:// addresses and local folders and "
        "files, not " +
        word + "://");
  }
  // "http//host" and "https:/host": a scheme without its "://".
  std::string after;
  if (startsWith(rest, "//"))
    after = rest.substr(2);
  else if (startsWith(rest, ":/") && !startsWith(rest, "://"))
    after = rest.substr(2);
  else
    return Status::Ok();
  const std::string near = nearestScheme(word);
  if (near.empty()) return Status::Ok();
  return Status::Error("\"" + text + "\" is missing the \"://\" after " + word + ": did you mean " +
                       near + "://" + after + "?");
}

std::optional<std::string> unreachableReason(const std::string& status) {
  if (startsWith(status, "Could not connect to the server")) return "the connection was refused";
  if (startsWith(status, "A server with the specified hostname could not be found"))
    return "the host could not be found";
  if (startsWith(status, "The request timed out")) return "it timed out";
  return std::nullopt;
}

std::optional<std::string> probeUnreachable(UrlLoader& loader, const Defaults& settings,
                                            const std::string& address) {
  UrlRequest request;
  request.url = address;
  request.method = "HEAD";
  const double timeout = settings.doubleForKey("timeout");
  request.timeoutSeconds = timeout > 0 ? timeout : 60;
  request.handleCookies = false;
  if (auto agent = settings.stringForKey("userAgentString"))
    request.setHeader("User-Agent", *agent);
  for (int n = 1; n <= 3; ++n) {
    auto name = settings.stringForKey(strf("customHeaderKey%d", n));
    auto value = settings.stringForKey(strf("customHeaderValue%d", n));
    if (name && value && !name->empty() && UrlRequest::isSendable(*name, *value))
      request.setHeader(*name, *value);
  }
  const SyncResult result = loader.sendSynchronous(request, 0);
  if (result.response || !result.error) return std::nullopt;
  switch (result.error->code) {
    case UrlError::kCannotConnect:
      return "the connection was refused";
    case UrlError::kCannotFindHost:
      return "the host could not be found";
    case UrlError::kTimedOut:
      return "it timed out";
    default:
      return std::nullopt;
  }
}

}  // namespace zel::cli
