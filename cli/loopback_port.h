#pragma once
// The servers of the program (a served folder, the window) listen on
// 127.0.0.1 with SO_REUSEADDR alone: the library's default SO_REUSEPORT would
// let another program of the same user bind the same port beside ours and
// take part of its connections, instead of being told the port is taken.
#include <httplib.h>

namespace zel::cli {

inline void listenExclusively(httplib::Server& server) {
  server.set_socket_options([](socket_t sock) {
    int yes = 1;
    setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  });
}

}  // namespace zel::cli
