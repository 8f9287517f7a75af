#pragma once
// What kind of address a link text is, read from the text alone: template
// placeholders and non-web schemes that are never fetched, and addresses on the
// user's disk. Records and the hub both decide with these.
#include <string_view>

namespace zel {

// Template placeholders and non-web schemes (mailto:, tel:, javascript: ...).
bool isMailtoEtc(std::string_view text);
// An address on the user's disk ("file:" in any case, leading white space ignored).
bool isLocalFile(std::string_view address);
bool containsColon(std::string_view text);

}  // namespace zel
