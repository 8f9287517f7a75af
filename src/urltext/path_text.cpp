#include "urltext/path_text.h"

namespace zel {

std::string_view lastComponentOf(std::string_view path) {
  while (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
  if (path == "/") return path;
  const size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view withoutLastComponent(std::string_view path) {
  while (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
  const size_t slash = path.rfind('/');
  if (slash == std::string_view::npos) return {};
  if (slash == 0) return path.substr(0, 1);
  return path.substr(0, slash);
}

std::string_view textPathExtension(std::string_view text) {
  const std::string_view last = lastComponentOf(text);
  const size_t dot = last.rfind('.');
  if (dot == std::string_view::npos || dot == 0 || dot + 1 == last.size()) return {};
  return last.substr(dot + 1);
}

}  // namespace zel
