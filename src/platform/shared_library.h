#pragma once
// A shared library opened at run time, on first use, and kept for the life of
// the process. Big libraries that most runs never call (PDF reading, picture
// scaling, spelling) are opened this way: linking them would load them, and the
// dozens of libraries they depend on, at every start of the program.
#include <initializer_list>
#include <optional>

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

// Declares struct `Table`, a pointer to each function listed by FUNCTIONS (a
// macro taking X and giving X(name) X(name) ...), each typed by its declaration
// in the library's header; and Table::get(), which opens the library (the first
// of the names that follow) on first use and binds them all. It answers nullptr
// when the library, or one of its functions, is missing.
#define ZEL_FUNCTION_POINTER(f) decltype(&::f) f = nullptr;
#define ZEL_BIND_FUNCTION(f) &&lib.bind(api.f, #f)
#define ZEL_LIBRARY_FUNCTIONS(Table, FUNCTIONS, ...)                               \
  struct Table {                                                                 \
    FUNCTIONS(ZEL_FUNCTION_POINTER)                                              \
    static const Table* get() {                                                  \
      static const std::optional<Table> loaded = []() -> std::optional<Table> {  \
        const ::zel::SharedLibrary lib({__VA_ARGS__});                           \
        Table api;                                                               \
        if (lib.loaded() FUNCTIONS(ZEL_BIND_FUNCTION)) return api;               \
        return std::nullopt;                                                     \
      }();                                                                       \
      return loaded ? &*loaded : nullptr;                                        \
    }                                                                            \
  };
