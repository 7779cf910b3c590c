// The switches both programs share: how trumps are chosen, whether notrump may be played, and
// the language of the texts. Their numbers are the ones the programs have always used; where
// one is written or read, it is converted explicitly (static_cast), never implied.
#pragma once

namespace lott {

enum class TrumpBy { Length = 0, Score = 1 };
enum class NoNT { Allowed = 0, Forbidden = 1 };
enum class Language { English = 0, Japanese = 1 };

// The texts' tables hold English at 0 and Japanese at 1.
constexpr int LanguageIndex(Language l) {
    return l == Language::Japanese ? 1 : 0;
}
// A language number from outside (a command line, a window of the help): 1 Japanese, any
// other English.
constexpr Language LanguageOf(int number) {
    return number == 1 ? Language::Japanese : Language::English;
}

}  // namespace lott
