#pragma once
// Output filter rules: which pages count as information pages and are
// scraped. The rule engine arrives with the scope work.
namespace zel {

class OutputFilterManager {
 public:
  OutputFilterManager() = default;
};

}  // namespace zel
