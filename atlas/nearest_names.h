#pragma once

#include <string_view>

namespace tarvel {

/// Levenshtein distance between two folded names: the fewest single-byte insertions,
/// deletions and substitutions that turn one into the other ("pariss" to "paris" is 1).
int EditDistance(std::string_view a, std::string_view b);

/// Largest edit distance at which a name still counts as near a written one of
/// `letterCount` letters: one slip per four letters, at least 1 and at most 3.
int NearNameDistance(int letterCount);

}  // namespace tarvel
