// An http answer from a hostile server, read by the loader's plain reader in
// pieces whose sizes the input picks: it must never crash, report a head it
// then declines, or deliver more than a stopping sink asked for; and it may
// leave the connection open for the next request only when the answer ended
// exactly where the bytes did (one more byte must make it close).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/plain_http.h"

namespace {

struct Sink : zel::curlsupport::PlainHttpSink {
  size_t lines = 0, bytes = 0, limit = 0;
  void headLine(std::string_view) override { ++lines; }
  bool body(std::string_view b) override {
    if (bytes >= limit) std::abort();  // nothing after a stop
    bytes += b.size();
    return bytes < limit;
  }
};

using State = zel::curlsupport::PlainHttpReader::State;

// Reads `text` in pieces; true when the connection is left open.
bool read(std::string_view text, size_t piece, uint8_t flags) {
  zel::curlsupport::PlainHttpReader reader(flags & 1, flags & 2);
  Sink sink;
  sink.limit = (flags & 4) ? 100 : SIZE_MAX;
  State s = State::Reading;
  for (size_t at = 0; at < text.size(); at += piece) s = reader.feed(text.substr(at, piece), sink);
  if (s == State::Reading) s = reader.finish(sink);
  if (s == State::Declined && sink.lines != 0) std::abort();
  if (s != State::Declined && sink.lines == 0) std::abort();
  const bool open = reader.leavesConnectionOpen();
  if (open && s != State::Done) std::abort();
  return open;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const size_t piece = 1 + data[0] % 64;
  const std::string text(reinterpret_cast<const char*>(data + 2), size - 2);
  if (read(text, piece, data[1]) && read(text + "X", piece, data[1])) std::abort();
  return 0;
}
