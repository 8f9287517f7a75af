// The exports' escaping on arbitrary bytes (page texts are hostile): a JSON
// string parses back to the text with its invalid UTF-8 repaired, a CSV cell
// reads back as that one text (an apostrophe before a formula), and XML text
// holds no markup character, no control character and no invalid UTF-8.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "report/text_escape.h"

namespace {

// Reads one RFC 4180 cell that makes up the whole text; nullopt-like "\x01" on a
// malformed one.
std::string readCell(std::string_view cell) {
  if (cell.empty() || cell[0] != '"') {
    if (cell.find_first_of(",\"\r\n") != std::string_view::npos) return "\x01";
    return std::string(cell);
  }
  std::string out;
  size_t i = 1;
  for (; i < cell.size(); ++i) {
    if (cell[i] != '"') {
      out += cell[i];
    } else if (i + 1 < cell.size() && cell[i + 1] == '"') {
      out += '"';
      ++i;
    } else {
      break;
    }
  }
  return i + 1 == cell.size() ? out : "\x01";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string repaired;
  zel::cli::appendValidUtf8(repaired, text);
  std::string scratch;
  if (zel::cli::validUtf8(text, scratch) != repaired) abort();

  std::string json;
  zel::cli::appendJsonString(json, text);
  if (nlohmann::json::parse(json).get<std::string>() != repaired) abort();

  std::string cell;
  zel::cli::appendCsvCell(cell, text);
  const std::string back = readCell(cell);
  if (back != repaired && back != "'" + repaired) abort();

  const std::string xml = zel::cli::xmlEscaped(text);
  if (zel::cli::validUtf8(xml, scratch) != xml) abort();
  for (unsigned char c : xml)
    if (c == '<' || c == '>' || c == '"' || (c < 0x20 && c != '\t' && c != '\n' && c != '\r'))
      abort();
  return 0;
}
