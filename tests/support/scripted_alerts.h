#pragma once
// An Alerts double: answers from a script of button indices and keeps every
// alert shown, so a test can check the texts a user would have seen.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/alerts.h"

namespace zel::test {

class ScriptedAlerts : public Alerts {
 public:
  // Answers given in order; when the script runs out the default button (0) is chosen.
  std::deque<int> answers;
  std::deque<std::optional<std::string>> folders;
  std::vector<Alert> shown;
  std::vector<std::string> folderPrompts;

  int runModal(const Alert& alert) override;
  std::optional<std::string> chooseFolder(const std::string& prompt) override;
};

}  // namespace zel::test
