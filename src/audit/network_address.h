#pragma once
// Whether a host name or address stands for this machine or a private network,
// which visitors of a public site cannot reach.
#include <string_view>

namespace zel::audit {

// Loopback (127.0.0.0/8, ::1, "localhost" and its subdomains), private networks
// (10/8, 172.16/12, 192.168/16, 100.64/10, fc00::/7), link-local (169.254/16,
// fe80::/10) and "this network" (0.0.0.0/8), IPv4-mapped IPv6 included. Any
// other name is taken for public.
bool isPrivateOrLoopbackHost(std::string_view host);

}  // namespace zel::audit
