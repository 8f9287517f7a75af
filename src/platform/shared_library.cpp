#include "platform/shared_library.h"

#include <dlfcn.h>

namespace zel {

SharedLibrary::SharedLibrary(std::initializer_list<const char*> names) {
  for (const char* name : names) {
    // Never closed: the functions bound from it are kept for the life of the process.
    handle_ = dlopen(name, RTLD_NOW | RTLD_LOCAL);
    if (handle_) {
      name_ = name;
      return;
    }
  }
}

void* SharedLibrary::address(const char* symbol) const {
  return handle_ ? dlsym(handle_, symbol) : nullptr;
}

}  // namespace zel
