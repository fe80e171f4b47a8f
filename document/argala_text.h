#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "argala/argala.h"

namespace tarvel {

/// A house as the lists show it: "1" to "12", or nothing when it is unknown.
std::string_view HouseText(std::optional<int> house);

/// Appends an entry's label, from "/" to " on ", e.g. "/Primary Argala (Paap Argala) on " or
/// "/Virodhargala (Malefic) on ".
void AppendEntryLabel(std::string& text, const ArgalaEntry& entry);

/// Appends an entry as the lists show it: caster, label, recipient and " (House n)", e.g.
/// "Moon/Primary Argala (Shubha Argala) on Sun (House 5)".
void AppendEntryText(std::string& text, const ArgalaEntry& entry);

/// An entry as the lists show it.
std::string EntryText(const ArgalaEntry& entry);

/// Appends an entry as the reading shows it: the list's text from its label on, without the
/// caster and the "/", e.g. "Primary Argala (Shubha Argala) on Sun (House 5)".
void AppendEntryLine(std::string& text, const ArgalaEntry& entry);

}  // namespace tarvel
