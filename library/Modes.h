// The switches both programs share: how trumps are chosen, whether notrump may be played, and
// the language the windows and lists speak.
// Their numbers are the ones the programs have always used; where one is written or read, it is
// converted explicitly (static_cast), never implied.
#pragma once

namespace lott {

enum class TrumpBy { Length = 0, Score = 1 };
enum class NoNT { Allowed = 0, Forbidden = 1 };
enum class Language { English = 0, Japanese = 1 };

}  // namespace lott
