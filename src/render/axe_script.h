#pragma once
// The accessibility rules' engine (axe-core, vendored under third_party/axe-core),
// compiled into the program: it is injected into rendered pages, never fetched.
#include <string_view>

namespace zel {

std::string_view axeScript();

}  // namespace zel
