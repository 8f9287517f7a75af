#pragma once
// One row of the window's table as the table keeps it: the texts in its arena,
// status and type interned, the numbers and flags its filters read.
#include <bitset>
#include <cstdint>

#include "serve/row_facts.h"
#include "serve/text_arena.h"

namespace zel::cli::serve {

struct TableRow {
  int64_t id = -1;  // -1: the slot is empty
  TextArena::Ref url, title, description, h1, canonical, redirect, robots;
  uint32_t status = 0, mime = 0;  // interned texts
  int32_t statusCode = 0;         // the status's number, 0 when it has none
  int32_t depth = 0, inlinks = 0, outlinks = 0, h1Count = 0, hops = 0, withoutAlt = 0;
  int32_t titleLength = 0, descriptionLength = 0;
  int32_t validatorErrors = 0, validatorWarnings = 0, spelling = 0, grammar = 0;
  int64_t sizeBytes = 0, words = 0;
  float responseMs = 0;
  uint32_t flags = 0;
  uint64_t titleHash = 0, descriptionHash = 0;  // pages only; 0 for none
  RowIssues issues;                             // the audit's issue types of the row
  uint8_t indexability = 0;                     // as in RowFacts

  bool has(uint32_t flag) const { return (flags & flag) != 0; }
  int statusClass() const { return statusCode / 100; }
};

}  // namespace zel::cli::serve
