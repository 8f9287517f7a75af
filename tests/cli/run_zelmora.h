#pragma once
// Runs the zelmora command in this process, as if from a shell; or the built
// program itself, as a user runs it.
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "app.h"

namespace zel::cli {

inline int run(std::vector<std::string> args) {
  args.insert(args.begin(), "zelmora");
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  return runZelmora(static_cast<int>(argv.size()), argv.data());
}

struct Ran {
  int status = -1;
  std::string output;  // stdout and stderr together
};

inline Ran runProgram(const std::string& program, const std::string& args,
                      const std::string& env = "") {
  Ran ran;
  const std::string command = env + " '" + program + "' " + args + " 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return ran;
  std::array<char, 4096> buf{};
  size_t n;
  while ((n = std::fread(buf.data(), 1, buf.size(), pipe)) > 0) ran.output.append(buf.data(), n);
  const int status = ::pclose(pipe);
  ran.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return ran;
}
inline const std::string kProgram = ZEL_BINARY_DIR "/zelmora";

}  // namespace zel::cli
