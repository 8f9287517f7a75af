#pragma once
// In-process notifications: post(name, object) calls the observers of that name
// synchronously, in registration order.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

struct Notification {
  std::string name;
  const void* object = nullptr;  // the poster's object (the hub, a record); may be null
};

class NotificationCenter {
 public:
  using ObserverId = uint64_t;
  using Callback = std::function<void(const Notification&)>;

  // An empty name observes every notification.
  ObserverId addObserver(std::string name, Callback callback);
  void removeObserver(ObserverId id);
  void post(std::string_view name, const void* object = nullptr);

 private:
  struct Observer {
    ObserverId id;
    std::string name;
    Callback callback;
  };
  std::vector<Observer> observers_;
  ObserverId nextId_ = 1;
};

}  // namespace zel
