#include "platform/log.h"

#include <chrono>
#include <ctime>

#include "platform/defaults.h"
#include "platform/text_format.h"

namespace zel {

Log::~Log() {
  if (ownsFile_ && out_) std::fclose(out_);
}

bool Log::setFile(const std::string& path) {
  FILE* f = std::fopen(path.c_str(), "a");
  if (!f) return false;
  std::lock_guard<std::mutex> lock(mutex_);
  if (ownsFile_ && out_) std::fclose(out_);
  out_ = f;
  ownsFile_ = true;
  return true;
}

void Log::setStream(FILE* stream) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (ownsFile_ && out_) std::fclose(out_);
  out_ = stream;
  ownsFile_ = false;
}

int Log::verbosity() const {
  return defaults_ ? static_cast<int>(defaults_->integerForKey("verbosity")) : 0;
}

bool Log::enabled(int level) const { return verbosity() >= level; }

void Log::write(int level, std::string_view line) {
  if (enabled(level)) always(line);
}

void Log::always(std::string_view line) {
  std::string masked;
  if (line.find('@') != std::string_view::npos) {  // few lines have one
    masked = withoutPasswords(line);
    line = masked;
  }
  std::lock_guard<std::mutex> lock(mutex_);
  ++lines_;
  last_.assign(line);
  if (capture_) capture_->emplace_back(line);
  if (!out_) return;
  if (timestamps_) {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()) % 1000;
    std::tm tm{};
    gmtime_r(&seconds, &tm);
    char stamp[40];
    const size_t n = std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%S", &tm);
    std::fprintf(out_, "%.*s.%03dZ ", static_cast<int>(n), stamp, static_cast<int>(ms.count()));
  }
  std::fwrite(line.data(), 1, line.size(), out_);
  std::fputc('\n', out_);
  std::fflush(out_);
}

}  // namespace zel
