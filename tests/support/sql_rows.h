#pragma once
// The rows an SQL query gives on a database file, as texts ("NULL" for null);
// a row "<why>" when the file cannot be opened or the query fails.
#include <string>
#include <vector>

namespace zel::test {

using Rows = std::vector<std::vector<std::string>>;

Rows query(const std::string& dbPath, const std::string& sql);

}  // namespace zel::test
