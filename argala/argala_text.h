#pragma once

#include <array>
#include <string>
#include <string_view>

#include "argala/argala.h"

namespace tarvel {

/// A house as the lists show it: "1" to "12", or nothing when it is unknown.
std::string_view HouseText(std::optional<int> house);

/// An entry's text in two views of constants, so that it can be written anywhere without a
/// string of its own: the caster's name, and the rest from "/" on, e.g. "/Primary Argala (Paap
/// Argala) on Sun (House 5)". The reading's line for the entry is the rest without its "/".
struct EntryTexts {
  std::string_view caster;
  std::string_view rest;
  std::string_view Line() const { return rest.substr(1); }
};
EntryTexts TextsOfEntry(const ArgalaEntry& entry);

/// Appends an entry's label, from "/" to " on ", e.g. "/Primary Argala (Paap Argala) on " or
/// "/Virodhargala (Malefic) on ".
void AppendEntryLabel(std::string& text, const ArgalaEntry& entry);

/// Appends an entry as the lists show it: caster, label, recipient and " (House n)", e.g.
/// "Moon/Primary Argala (Shubha Argala) on Sun (House 5)".
void AppendEntryText(std::string& text, const ArgalaEntry& entry);

/// An entry as the lists show it.
std::string EntryText(const ArgalaEntry& entry);

}  // namespace tarvel
