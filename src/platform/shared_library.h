#pragma once
// A shared library opened at run time, on first use, and kept for the life of
// the process. Big libraries that most runs never call (PDF reading, picture
// scaling, spelling) are opened this way: linking them would load them, and the
// dozens of libraries they depend on, at every start of the program.
#include <initializer_list>

namespace zel {

class SharedLibrary {
 public:
  // Opens the first of `names` that loads; loaded() is false when none does.
  explicit SharedLibrary(std::initializer_list<const char*> names);
  bool loaded() const { return handle_ != nullptr; }
  const char* name() const { return name_; }
  // Points `fn` at the library's function `symbol`; false when it has none.
  template <class F>
  bool bind(F*& fn, const char* symbol) const {
    fn = reinterpret_cast<F*>(address(symbol));
    return fn != nullptr;
  }

 private:
  void* address(const char* symbol) const;
  void* handle_ = nullptr;
  const char* name_ = "";
};

}  // namespace zel

// For a table of a library's functions, listed as X(name) X(name) ...: a member
// pointer typed by the function's declaration in the library's header, and the
// binding of it (`lib` and `api` name the library and the table).
#define ZEL_FUNCTION_POINTER(f) decltype(&::f) f = nullptr;
#define ZEL_BIND_FUNCTION(f) &&lib.bind(api.f, #f)
