#include "support/scripted_alerts.h"

namespace zel::test {

int ScriptedAlerts::runModal(const Alert& alert) {
  shown.push_back(alert);
  if (answers.empty()) return 0;
  int a = answers.front();
  answers.pop_front();
  return a;
}

std::optional<std::string> ScriptedAlerts::chooseFolder(const std::string& prompt) {
  folderPrompts.push_back(prompt);
  if (folders.empty()) return std::nullopt;
  auto f = folders.front();
  folders.pop_front();
  return f;
}

}  // namespace zel::test
