#pragma once
// A failure as a value: ok, or a message meant for the user.
#include <string>
#include <utility>

namespace zel {

class [[nodiscard]] Status {
 public:
  Status() = default;
  static Status Ok() { return Status(); }
  static Status Error(std::string message) { return Status(std::move(message), false); }

  bool ok() const { return ok_; }
  const std::string& message() const { return message_; }

 private:
  Status(std::string message, bool ok) : ok_(ok), message_(std::move(message)) {}
  bool ok_ = true;
  std::string message_;
};

}  // namespace zel
