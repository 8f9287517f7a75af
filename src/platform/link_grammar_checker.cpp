// Grammar on link-grammar: the text is split into sentences with ICU's sentence
// break rules, and a sentence for which link-grammar finds no complete linkage
// (every word linked, no word skipped) is a finding. Only sentences of 4 to 40
// words are checked, so headings, menu items and captions are not findings and
// no sentence takes long to parse. Page text runs a heading into the sentence
// after it ("Opening hours The shop opens at nine."), so a sentence that fails
// is tried again from each of its first few capitalised words: when such a tail
// of 4 words or more is complete, the failure was the run-in, not the sentence.
#include <link-grammar/link-includes.h>
#include <unicode/brkiter.h>
#include <unicode/utext.h>

#include <cctype>
#include <memory>
#include <string>

#include "platform/spell_checker.h"
#include "platform/text_format.h"

namespace zel {

namespace {

constexpr int kMinWords = 4;
constexpr int kMaxWords = 40;
constexpr int kMaxParseSeconds = 2;

// link-grammar reports dictionary and parse trouble through this handler; the
// checker answers for itself instead.
void quiet(lg_errinfo*, void*) {}

class LinkGrammarChecker : public SpellChecker {
 public:
  LinkGrammarChecker(Dictionary dictionary, Parse_Options options,
                     std::unique_ptr<icu::BreakIterator> sentences)
      : dictionary_(dictionary), options_(options), sentences_(std::move(sentences)) {}
  ~LinkGrammarChecker() override {
    parse_options_delete(options_);
    dictionary_delete(dictionary_);
  }

  TextSpan checkSpelling(std::string_view, size_t) override { return {}; }
  bool checksGrammar() const override { return true; }

  GrammarFinding checkGrammar(std::string_view text, size_t from) override {
    GrammarFinding finding;
    UErrorCode status = U_ZERO_ERROR;
    UText* ut = utext_openUTF8(nullptr, text.data(), static_cast<int64_t>(text.size()), &status);
    if (U_FAILURE(status)) {
      finding.failed = true;
      return finding;
    }
    // With UTF-8 text the iterator's positions are byte offsets.
    sentences_->setText(ut, status);
    // The first sentence that begins at or after `from`.
    int32_t start = from == 0 ? 0 : sentences_->following(static_cast<int32_t>(from) - 1);
    if (start == icu::BreakIterator::DONE) start = static_cast<int32_t>(text.size());
    for (int32_t end = sentences_->following(start); end != icu::BreakIterator::DONE;
         start = end, end = sentences_->next()) {
      const std::string_view raw = text.substr(start, end - start);
      const std::string_view sentence = trimWhitespace(raw);
      int words = 0;
      forEachWord(sentence, 0, [&](size_t, size_t) { return ++words <= kMaxWords; });
      if (words < kMinWords || words > kMaxWords) continue;
      if (isComplete(sentence) || hasCompleteTail(sentence)) continue;
      finding.range.location = start + static_cast<size_t>(sentence.data() - raw.data());
      finding.range.length = sentence.size();
      finding.details.push_back("no complete linkage: link-grammar cannot join every word");
      break;
    }
    utext_close(ut);
    return finding;
  }

 private:
  static constexpr int kTailsTried = 3;

  bool hasCompleteTail(std::string_view sentence) {
    int tried = 0;
    bool complete = false;
    forEachWord(sentence, 0, [&](size_t at, size_t) {
      if (at == 0 || !std::isupper(static_cast<unsigned char>(sentence[at]))) return true;
      const std::string_view tail = sentence.substr(at);
      int tailWords = 0;
      forEachWord(tail, 0, [&](size_t, size_t) { return ++tailWords < kMinWords; });
      if (tailWords < kMinWords) return false;
      complete = isComplete(tail);
      return !complete && ++tried < kTailsTried;
    });
    return complete;
  }

  bool isComplete(std::string_view sentence) {
    const std::string text(sentence);
    Sentence s = sentence_create(text.c_str(), dictionary_);
    if (!s) return true;
    const int linkages = sentence_parse(s, options_);
    const bool timedOut = parse_options_timer_expired(options_);
    sentence_delete(s);
    // A sentence that takes too long to judge is not held against the page.
    return linkages > 0 || timedOut;
  }

  Dictionary dictionary_;
  Parse_Options options_;
  std::unique_ptr<icu::BreakIterator> sentences_;
};

}  // namespace

std::unique_ptr<SpellChecker> makeLinkGrammarChecker(std::string_view language) {
  lg_error_set_handler(quiet, nullptr);
  Dictionary dictionary = dictionary_create_lang(std::string(language).c_str());
  if (!dictionary) return nullptr;
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::BreakIterator> sentences(
      icu::BreakIterator::createSentenceInstance(icu::Locale::getEnglish(), status));
  if (U_FAILURE(status) || !sentences) {
    dictionary_delete(dictionary);
    return nullptr;
  }
  Parse_Options options = parse_options_create();
  parse_options_set_verbosity(options, 0);
  parse_options_set_min_null_count(options, 0);
  parse_options_set_max_null_count(options, 0);  // only complete linkages count
  parse_options_set_linkage_limit(options, 1);
  parse_options_set_max_parse_time(options, kMaxParseSeconds);
  // No spelling guesses for unknown words: they cost far more than the parse
  // (a suggestion search per word), and spelling is a check of its own.
  parse_options_set_spell_guess(options, 0);
  return std::make_unique<LinkGrammarChecker>(dictionary, options, std::move(sentences));
}

}  // namespace zel
