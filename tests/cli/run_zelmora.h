#pragma once
// Runs the zelmora command in this process, as if from a shell.
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

}  // namespace zel::cli
