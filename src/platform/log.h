#pragma once
// Diagnostic log. A line with a level is written only when the integer setting
// "verbosity" reaches that level; always() lines are written whatever it is. The
// password of an address in a line is written as "***": a start address with one
// passes it on to every address of its site.
#include <cstdio>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

class Defaults;

class Log {
 public:
  // Lines go to stderr until setFile() is called.
  explicit Log(const Defaults* defaults = nullptr) : defaults_(defaults) {}
  ~Log();
  Log(const Log&) = delete;
  Log& operator=(const Log&) = delete;

  void setDefaults(const Defaults* defaults) { defaults_ = defaults; }
  // Appends to the file at path; false when it cannot be opened (stderr stays).
  bool setFile(const std::string& path);
  void setStream(FILE* stream);  // not owned
  // Puts the UTC time ("2026-12-09T10:04:05.123Z ") before each line written
  // (a log file read later); the line itself is unchanged.
  void setTimestamps(bool on) { timestamps_ = on; }
  // Also appends every written line to *lines (tests read what was logged).
  void setCapture(std::vector<std::string>* lines) { capture_ = lines; }

  // Safe from any thread (a page scan on a worker logs too); lines never interleave.
  void write(int level, std::string_view line);
  void always(std::string_view line);
  bool enabled(int level) const;
  int verbosity() const;
  // Number of lines written so far (tests use it to see that a line was logged).
  size_t linesWritten() const { return lines_; }
  const std::string& lastLine() const { return last_; }

 private:
  const Defaults* defaults_;
  std::mutex mutex_;  // guards what always() changes
  FILE* out_ = stderr;
  bool ownsFile_ = false;
  bool timestamps_ = false;
  size_t lines_ = 0;
  std::string last_;
  std::vector<std::string>* capture_ = nullptr;
};

}  // namespace zel

// Writes a line at a level, building it only when that level is logged: most
// lines are below the verbosity, and building them was a cost per link.
#define ZEL_LOG(logger, level, line)                           \
  do {                                                         \
    auto& zelLogTarget = (logger);                             \
    if (zelLogTarget.enabled(level)) zelLogTarget.always(line); \
  } while (0)
