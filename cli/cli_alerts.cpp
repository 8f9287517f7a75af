#include "cli_alerts.h"

#include <cstdio>
#include <iostream>
#include <string>

namespace zel::cli {

int CliAlerts::runModal(const Alert& alert) {
  shown_.push_back(alert);
  std::fprintf(stderr, "\nzelmora: %s\n%s\n", alert.title.c_str(), alert.message.c_str());
  // Not asked: the message says why; the default answer is the host's business.
  if (!interactive_ || alert.buttons.size() < 2) return 0;
  for (size_t i = 0; i < alert.buttons.size(); ++i)
    std::fprintf(stderr, "  %zu) %s\n", i + 1, alert.buttons[i].c_str());
  for (int attempts = 0; attempts < 5; ++attempts) {
    std::fprintf(stderr, "choose 1-%zu [1]: ", alert.buttons.size());
    std::string line;
    if (!std::getline(std::cin, line)) return 0;
    if (line.empty()) return 0;
    try {
      size_t n = std::stoul(line);
      if (n >= 1 && n <= alert.buttons.size()) return static_cast<int>(n - 1);
    } catch (...) {
    }
  }
  return 0;
}

std::optional<std::string> CliAlerts::chooseFolder(const std::string& prompt) {
  std::fprintf(stderr, "zelmora: %s (no folder chosen)\n", prompt.c_str());
  return std::nullopt;
}

}  // namespace zel::cli
