#include "platform/notification_center.h"

#include <algorithm>

namespace zel {

NotificationCenter::ObserverId NotificationCenter::addObserver(std::string name, Callback cb) {
  ObserverId id = nextId_++;
  observers_.push_back(Observer{id, std::move(name), std::move(cb)});
  return id;
}

void NotificationCenter::removeObserver(ObserverId id) {
  observers_.erase(std::remove_if(observers_.begin(), observers_.end(),
                                  [id](const Observer& o) { return o.id == id; }),
                   observers_.end());
}

void NotificationCenter::post(std::string_view name, const void* object) {
  Notification n{std::string(name), object};
  // Observers may add or remove observers while being called: walk a snapshot of
  // ids and skip those removed meanwhile.
  std::vector<ObserverId> ids;
  for (const auto& o : observers_)
    if (o.name.empty() || o.name == name) ids.push_back(o.id);
  for (ObserverId id : ids) {
    auto it = std::find_if(observers_.begin(), observers_.end(),
                           [id](const Observer& o) { return o.id == id; });
    if (it == observers_.end()) continue;
    Callback cb = it->callback;
    cb(n);
  }
}

}  // namespace zel
