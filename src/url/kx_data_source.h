#pragma once
// An ordered, lockable collection of rows with ids, a sorted-and-filtered view
// for the host's tables, and a retain list that keeps removed rows alive.
// T derives from ZelDataObject. Items are not owned.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text_format.h"

namespace zel {

template <class T>
class kxDataSource {
 public:
  static constexpr size_t kNotFound = static_cast<size_t>(-1);

  kxDataSource() = default;
  kxDataSource(const kxDataSource&) = delete;
  kxDataSource& operator=(const kxDataSource&) = delete;

  void add(T* item) {
    {
      std::lock_guard<std::mutex> lock(collectionLock_);
      collection_.push_back(item);
    }
    if (sorted_) sorted_->push_back(item);
  }
  void setCollection(std::vector<T*> items) { collection_ = std::move(items); }
  void clear() {
    highestId_ = 0;
    collection_.clear();
    retainArray_.clear();
  }
  // Kept for the host's table code; they do nothing.
  void deleteKey(std::string_view) {}
  void remove(T*) {}
  // Hooks for the host's table views: the engine never sets a table view, every
  // row's label colour is fully transparent (0) and no row expands.
  void* getTableView() const { return tableView_; }
  uint32_t tableViewLabelColorForRow(int64_t) const { return 0; }
  bool outlineViewIsItemExpandable(const T*) const { return false; }

  void deleteItem(T* item) {
    collection_.erase(std::remove(collection_.begin(), collection_.end(), item), collection_.end());
  }
  size_t getCount() const { return collection_.size(); }
  T* getFirstItem() const { return collection_.empty() ? nullptr : collection_.front(); }
  T* getnthItem(int64_t n) const {
    if (n < 0 || static_cast<uint64_t>(n) >= collection_.size()) return nullptr;
    return collection_[static_cast<size_t>(n)];
  }
  T* getNextItem(const T* item) const {
    auto it = std::find(collection_.begin(), collection_.end(), item);
    if (it == collection_.end() || ++it == collection_.end()) return nullptr;
    return *it;
  }
  T* getItemById(int64_t id) const {
    for (T* item : collection_)
      if (item->getID() == id) return item;
    return nullptr;
  }

  const std::vector<T*>& getSortedAndFilteredArray() {
    if (!sorted_) {
      sorted_.emplace();
      for (T* item : collection_)
        if (item->getVisible()) sorted_->push_back(item);
    }
    return *sorted_;
  }
  void invalidateSortedAndFilteredArray() { sorted_.reset(); }
  size_t getNumberVisible() { return getSortedAndFilteredArray().size(); }
  T* getnthVisibleItem(int64_t n) {
    const auto& v = getSortedAndFilteredArray();
    if (n < 0 || static_cast<uint64_t>(n) >= v.size()) return nullptr;
    return v[static_cast<size_t>(n)];
  }
  size_t indexOfItem(const T* item) const {
    if (!sorted_) return kNotFound;
    auto it = std::find(sorted_->begin(), sorted_->end(), item);
    return it == sorted_->end() ? kNotFound : static_cast<size_t>(it - sorted_->begin());
  }
  void swop(T* a, T* b) {
    auto ia = std::find(collection_.begin(), collection_.end(), a);
    auto ib = std::find(collection_.begin(), collection_.end(), b);
    if (ia == collection_.end() || ib == collection_.end()) return;
    std::iter_swap(ia, ib);
  }

  // Options 0 compares the field texts without case, 1 compares their numbers;
  // other options do nothing. A view that does not exist yet is made from the
  // whole collection first (no visibility filter).
  void sortByColumn(std::string_view key, bool ascending, int32_t options) {
    if (!sorted_) sorted_.emplace(collection_);
    if (options == 0) {
      std::vector<std::pair<std::string, T*>> keyed;
      keyed.reserve(sorted_->size());
      for (T* item : *sorted_)
        keyed.emplace_back(asciiLower(item->getFieldByName(key).value_or("")), item);
      std::stable_sort(keyed.begin(), keyed.end(), [ascending](const auto& x, const auto& y) {
        return ascending ? x.first < y.first : y.first < x.first;
      });
      for (size_t i = 0; i < keyed.size(); ++i) (*sorted_)[i] = keyed[i].second;
    } else if (options == 1) {
      std::vector<std::pair<float, T*>> keyed;
      keyed.reserve(sorted_->size());
      for (T* item : *sorted_) keyed.emplace_back(item->getFieldAsNumberByName(key), item);
      std::stable_sort(keyed.begin(), keyed.end(), [ascending](const auto& x, const auto& y) {
        return ascending ? x.first < y.first : y.first < x.first;
      });
      for (size_t i = 0; i < keyed.size(); ++i) (*sorted_)[i] = keyed[i].second;
    }
  }
  // Sorts the view with the host's own ordering (the key is not used).
  void sortByColumn(std::string_view, const std::function<bool(const T*, const T*)>& less) {
    auto& v = const_cast<std::vector<T*>&>(getSortedAndFilteredArray());
    std::stable_sort(v.begin(), v.end(), less);
  }

  const std::vector<T*>& collection() const { return collection_; }
  std::mutex& collectionLock() { return collectionLock_; }
  std::vector<T*>& retainArray() { return retainArray_; }
  int32_t highestId() const { return highestId_; }

 protected:
  std::vector<T*> collection_;
  std::optional<std::vector<T*>> sorted_;
  std::vector<T*> retainArray_;
  int32_t highestId_ = 0;
  void* tableView_ = nullptr;
  std::mutex collectionLock_;
};

}  // namespace zel
