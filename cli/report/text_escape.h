#pragma once
// Text made safe for the export formats. Pages are hostile: their texts may
// hold invalid UTF-8, control characters or spreadsheet formulas, and every
// writer escapes through these helpers.
#include <string>
#include <string_view>

namespace zel::cli {

// The text with each byte that is not part of valid UTF-8 replaced by U+FFFD.
void appendValidUtf8(std::string& out, std::string_view text);
// A quoted JSON string.
void appendJsonString(std::string& out, std::string_view text);
// Text for XML content or attribute values; characters XML 1.0 cannot hold
// are dropped.
void appendXmlEscaped(std::string& out, std::string_view text);
std::string xmlEscaped(std::string_view text);
// The text itself when it is valid UTF-8, else a repaired copy in `scratch`.
std::string_view validUtf8(std::string_view text, std::string& scratch);
// One CSV cell (RFC 4180): quoted when it holds a comma, quote or line end. A
// text a spreadsheet would run as a formula gets a leading apostrophe.
void appendCsvCell(std::string& out, std::string_view text);
// The whole text is a JSON number (optional minus, digits, optional fraction
// and exponent), so it can be written as one unchanged.
bool isJsonNumber(std::string_view text);

}  // namespace zel::cli
