#pragma once

#include <array>
#include <string>
#include <string_view>

#include "argala/argala.h"

namespace tarvel {

/// A house as the lists show it: "1" to "12", or nothing when it is unknown.
std::string_view HouseText(std::optional<int> house);

/// The pieces an entry's text is made of, in order: the caster, "/", the rest of the label
/// up to " on ", the recipient and " (House n)". Each is a view of a constant, so an entry can
/// be written anywhere without a string of its own.
using EntryPieces = std::array<std::string_view, 5>;
EntryPieces PiecesOfEntry(const ArgalaEntry& entry);

/// Where the reading's line for an entry starts among its pieces: after the caster and "/".
inline constexpr std::size_t kEntryLineFirstPiece = 2;

/// Appends an entry's label, from "/" to " on ", e.g. "/Primary Argala (Paap Argala) on " or
/// "/Virodhargala (Malefic) on ".
void AppendEntryLabel(std::string& text, const ArgalaEntry& entry);

/// Appends an entry as the lists show it: caster, label, recipient and " (House n)", e.g.
/// "Moon/Primary Argala (Shubha Argala) on Sun (House 5)".
void AppendEntryText(std::string& text, const ArgalaEntry& entry);

/// An entry as the lists show it.
std::string EntryText(const ArgalaEntry& entry);

}  // namespace tarvel
