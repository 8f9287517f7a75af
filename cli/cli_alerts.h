#pragma once
// Alerts for a command-line host: each alert is printed on stderr; when stdin
// and stderr are terminals the user picks a button, otherwise the default
// (first) button is taken.
#include <vector>

#include "platform/alerts.h"

namespace zel::cli {

class CliAlerts : public Alerts {
 public:
  explicit CliAlerts(bool interactive) : interactive_(interactive) {}
  int runModal(const Alert& alert) override;
  std::optional<std::string> chooseFolder(const std::string& prompt) override;
  const std::vector<Alert>& shown() const { return shown_; }

 private:
  bool interactive_;
  std::vector<Alert> shown_;
};

}  // namespace zel::cli
