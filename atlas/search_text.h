#pragma once

#include <string>
#include <string_view>

namespace tarvel {

/// A name as the atlas compares it, so that case and accents do not matter: letters are
/// written in ASCII where GLib knows how ("Zürich" gives "zurich", "Łódź" gives "lodz"),
/// in lower case; apostrophes and full stops are dropped ("St. John's" gives "st johns");
/// any other run of punctuation or spaces becomes one space, with none at either end.
/// A letter with no ASCII form stays itself, in lower case ("Зуунмод" stays Cyrillic).
/// Input is UTF-8, composed or not; an invalid byte separates words.
std::string FoldForSearch(std::string_view utf8);

/// A name as the birth form's letters boxes hold it: ASCII letters and single spaces, case
/// kept. Letters are written in ASCII where GLib knows how ("São Paulo" gives "Sao Paulo"),
/// apostrophes and full stops are dropped ("St. John's" gives "St Johns"), anything else
/// (hyphens, digits, letters with no ASCII form) separates words.
std::string FormLetters(std::string_view utf8);

/// Number of letters and digits in a folded text (spaces not counted; a letter kept outside
/// ASCII counts once).
int FoldedLetterCount(std::string_view folded);

}  // namespace tarvel
