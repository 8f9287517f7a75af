#pragma once
// Modal questions to the user. The host answers them from its options or by
// asking on a terminal; tests use a scripted double.
#include <optional>
#include <string>
#include <vector>

namespace zel {

struct Alert {
  std::string title;
  std::string message;
  std::vector<std::string> buttons;  // first is the default; empty means a single "OK"
};

class Alerts {
 public:
  virtual ~Alerts() = default;
  // Shows the alert and returns the index of the button chosen.
  virtual int runModal(const Alert& alert) = 0;
  // Asks for a folder; nullopt when the user cancels.
  virtual std::optional<std::string> chooseFolder(const std::string& prompt) = 0;
};

// Answers every alert with its default button and never chooses a folder; keeps
// what was shown so that a non-interactive host can print it.
class DefaultAnswerAlerts : public Alerts {
 public:
  int runModal(const Alert& alert) override {
    shown.push_back(alert);
    return 0;
  }
  std::optional<std::string> chooseFolder(const std::string&) override { return std::nullopt; }
  std::vector<Alert> shown;
};

}  // namespace zel
