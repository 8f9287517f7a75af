#pragma once
// The window's own table of a crawl's URLs: rows come from a row source (all
// at once from a saved crawl, the changed ones four times a second from a live
// one), and the table keeps each tab's filter counts up to date as they come,
// so nothing is counted again per request. Pages of rows are cut from a
// filtered, sorted order of row numbers, kept for the last views asked for.
// Safe to use from any thread.
#include <array>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <optional>
#include <shared_mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/defaults.h"  // Json
#include "platform/status.h"
#include "serve/row_facts.h"
#include "serve/table_row.h"
#include "serve/text_arena.h"
#include "serve/text_groups.h"

namespace zel::cli::serve {

class RowTable {
 public:
  // What a row source fills, under the table's lock: each row is added, or
  // replaces the row of the same id.
  class Batch {
   public:
    void put(const RowFacts& facts) { table_.put(facts); }
    size_t size() const { return table_.count_; }
    void reserve(size_t rows) { table_.rows_.reserve(rows); }

   private:
    friend class RowTable;
    explicit Batch(RowTable& table) : table_(table) {}
    RowTable& table_;
  };

  struct Query {
    std::string tab = "internal", filter, search, sort;  // filter "" is the whole tab
    bool descending = false;
    int64_t offset = 0, limit = 100;
  };

  RowTable();

  // Empties the table for a new source, whose SEO thresholds the filters use.
  void reset(const SeoThresholds& thresholds);
  void update(const std::function<void(Batch&)>& fill);

  // The rows [offset, offset + limit) of a tab's filtered, sorted rows:
  // {"total", "offset", "rows": [{"id", "bad", "cells": [...]}]}, the cells in
  // the tab's column order. An unknown tab, filter or column is an error.
  Status page(const Query& query, Json& out) const;
  // Where a row stands in that order (for keeping a selection in view); nullopt when it is not in
  // it.
  std::optional<int64_t> positionOf(const Query& query, int64_t id) const;
  // {"tab": {"filter": count}}, the rows by depth and the number of rows.
  Json counts() const;
  std::optional<std::string> urlOf(int64_t id) const;
  int64_t size() const;
  // Changes with every update: a page asked for again after it moved is cut anew.
  uint64_t version() const;

  // For the filters, under the lock they are called with.
  std::string_view text(TextArena::Ref r) const { return arena_.view(r); }
  const std::string& pooled(uint32_t id) const { return pool_[id]; }
  bool titleShared(const TableRow& row) const;
  bool descriptionShared(const TableRow& row) const;
  const SeoThresholds& thresholds() const { return thresholds_; }

 private:
  using Order = std::shared_ptr<const std::vector<uint32_t>>;
  void put(const RowFacts& facts);
  void count(const TableRow& row, int delta);
  uint32_t intern(const std::string& text);
  Status orderFor(const Query& query, Order& out) const;
  Json cellsOf(const TableRow& row, const std::vector<const char*>& columns) const;

  mutable std::shared_mutex mutex_;
  SeoThresholds thresholds_;
  TextArena arena_;
  std::vector<TableRow> rows_;      // by slot
  std::vector<uint32_t> slotOfId_;  // ids are dense in both sources
  size_t count_ = 0;
  std::vector<std::string> pool_;
  std::unordered_map<std::string, uint32_t> poolIndex_;
  std::vector<std::vector<int64_t>> counts_;  // by tab, filter
  TextGroups titles_, descriptions_;
  std::array<int64_t, 12> depths_{};  // 11: deeper
  uint64_t version_ = 0;

  // The orders of the last views asked for, most recent first.
  struct CachedOrder {
    std::string key;
    Order order;
  };
  mutable std::mutex cacheMutex_;
  mutable std::list<CachedOrder> cache_;
};

}  // namespace zel::cli::serve
