// The spell checker on hunspell. The library is loaded at run time: spelling is
// an optional service, and a machine without the library or a dictionary still
// crawls (it just has no spell checker).
#include <filesystem>
#include <optional>
#include <string>
#include <unordered_map>

#include "platform/shared_library.h"
#include "platform/spell_checker.h"
#include "platform/text_codec.h"

namespace zel {

namespace {

struct Hunhandle;
using CreateFn = Hunhandle* (*)(const char*, const char*);
using DestroyFn = void (*)(Hunhandle*);
using SpellFn = int (*)(Hunhandle*, const char*);
using EncodingFn = char* (*)(Hunhandle*);

struct HunspellLibrary {
  CreateFn create = nullptr;
  DestroyFn destroy = nullptr;
  SpellFn spell = nullptr;
  EncodingFn encoding = nullptr;
  const char* name = "";

  // Loaded once and kept for the life of the process.
  static const HunspellLibrary* get() {
    static const std::optional<HunspellLibrary> lib = load();
    return lib ? &*lib : nullptr;
  }

 private:
  static std::optional<HunspellLibrary> load() {
    const SharedLibrary so({"libhunspell-1.7.so.0", "libhunspell.so", "libhunspell-1.6.so.0"});
    HunspellLibrary lib;
    lib.name = so.name();
    if (so.loaded() && so.bind(lib.create, "Hunspell_create") &&
        so.bind(lib.destroy, "Hunspell_destroy") && so.bind(lib.spell, "Hunspell_spell") &&
        so.bind(lib.encoding, "Hunspell_get_dic_encoding"))
      return lib;
    return std::nullopt;
  }
};

class HunspellChecker : public SpellChecker {
 public:
  HunspellChecker(const HunspellLibrary& lib, Hunhandle* h) : lib_(lib), h_(h) {
    const char* enc = lib_.encoding(h_);
    dictEncoding_ = enc ? TextCodec::encodingForIanaName(enc) : encoding::kNone;
    if (dictEncoding_ == encoding::kUTF8) dictEncoding_ = encoding::kNone;  // no conversion
  }
  ~HunspellChecker() override { lib_.destroy(h_); }

  TextSpan checkSpelling(std::string_view text, size_t from) override {
    TextSpan found;
    forEachWord(text, from, [&](size_t at, size_t length) {
      if (isCorrect(text.substr(at, length))) return true;
      found.location = at;
      found.length = length;
      return false;
    });
    return found;
  }

 private:
  bool isCorrect(std::string_view word) {
    // Numbers and words with digits in them ("3rd", "mp3") are not checked.
    for (char c : word)
      if (c >= '0' && c <= '9') return true;
    std::string key(word);
    if (auto it = cache_.find(key); it != cache_.end()) return it->second;
    bool ok;
    if (dictEncoding_ != encoding::kNone) {
      // A word the dictionary's character set cannot hold is not in it.
      auto encoded = TextCodec::encode(key, dictEncoding_);
      ok = encoded && lib_.spell(h_, encoded->c_str()) != 0;
    } else {
      ok = lib_.spell(h_, key.c_str()) != 0;
    }
    // Pages repeat their words and sites their vocabulary; the cache stays bounded.
    if (cache_.size() >= 200000) cache_.clear();
    cache_.emplace(std::move(key), ok);
    return ok;
  }

  const HunspellLibrary& lib_;
  Hunhandle* h_;
  TextEncoding dictEncoding_ = encoding::kNone;
  std::unordered_map<std::string, bool> cache_;
};

}  // namespace

std::string hunspellLibraryName() {
  const HunspellLibrary* lib = HunspellLibrary::get();
  return lib ? lib->name : "";
}

std::unique_ptr<SpellChecker> makeHunspellChecker(std::string_view language) {
  const HunspellLibrary* lib = HunspellLibrary::get();
  if (!lib || language.empty()) return nullptr;
  const std::string name(language);
  for (const char* dir : {"/usr/share/hunspell", "/usr/share/myspell", "/usr/share/myspell/dicts",
                          "/usr/local/share/hunspell"}) {
    const std::string base = std::string(dir) + "/" + name;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(base + ".aff", ec) ||
        !std::filesystem::is_regular_file(base + ".dic", ec))
      continue;
    Hunhandle* h = lib->create((base + ".aff").c_str(), (base + ".dic").c_str());
    if (h) return std::make_unique<HunspellChecker>(*lib, h);
  }
  return nullptr;
}

}  // namespace zel
