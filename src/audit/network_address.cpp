#include "audit/network_address.h"

#include <arpa/inet.h>

#include <cstring>
#include <string>

#include "platform/text_format.h"

namespace zel::audit {

namespace {

bool privateV4(const unsigned char a[4]) {
  return a[0] == 127 || a[0] == 10 || a[0] == 0 || (a[0] == 172 && (a[1] & 0xf0) == 16) ||
         (a[0] == 192 && a[1] == 168) || (a[0] == 169 && a[1] == 254) ||
         (a[0] == 100 && (a[1] & 0xc0) == 64);
}

}  // namespace

bool isPrivateOrLoopbackHost(std::string_view host) {
  if (!host.empty() && host.front() == '[' && host.back() == ']')
    host = host.substr(1, host.size() - 2);
  if (!host.empty() && host.back() == '.') host.remove_suffix(1);  // "localhost."
  if (equalsIgnoreCase(host, "localhost") || endsWithIgnoreCase(host, ".localhost")) return true;
  const std::string text(host);
  unsigned char v4[4], v6[16];
  if (inet_pton(AF_INET, text.c_str(), v4) == 1) return privateV4(v4);
  if (inet_pton(AF_INET6, text.c_str(), v6) != 1) return false;
  static const unsigned char kLoopback[16] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
  static const unsigned char kMapped[12] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xff, 0xff};
  if (std::memcmp(v6, kLoopback, 16) == 0) return true;
  if (std::memcmp(v6, kMapped, 12) == 0) return privateV4(v6 + 12);
  return (v6[0] & 0xfe) == 0xfc || (v6[0] == 0xfe && (v6[1] & 0xc0) == 0x80);
}

}  // namespace zel::audit
