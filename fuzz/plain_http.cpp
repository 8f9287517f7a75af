// An http answer from a hostile server, read by the loader's plain reader in
// pieces whose sizes the input picks: it must never crash, report a head it
// then declines, or deliver more than a stopping sink asked for.
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  using State = zel::curlsupport::PlainHttpReader::State;
  const size_t piece = 1 + data[0] % 64;
  const bool head = data[1] & 1;
  const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
  zel::curlsupport::PlainHttpReader reader(head, data[1] & 2);
  Sink sink;
  sink.limit = (data[1] & 4) ? 100 : SIZE_MAX;
  State s = State::Reading;
  for (size_t at = 0; at < text.size() && s == State::Reading; at += piece)
    s = reader.feed(text.substr(at, piece), sink);
  if (s == State::Reading) s = reader.finish(sink);
  if (s == State::Declined && sink.lines != 0) std::abort();
  if (s != State::Declined && sink.lines == 0) std::abort();
  return 0;
}
