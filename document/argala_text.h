#pragma once

#include <array>
#include <string>
#include <string_view>

#include "argala/argala.h"
#include "base/text_table.h"

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

/// Every entry's rest, by label, recipient and house: 1,404 texts made on first use, so that
/// looking an entry up is a few instructions and writing it two copies.
class EntryTextBook {
 public:
  static const EntryTextBook& Get() {
    static const EntryTextBook book;
    return book;
  }
  EntryTexts Of(const ArgalaEntry& entry) const {
    return {kPlanetNames[entry.caster], rests_[RestIndex(entry)]};
  }
  /// The rest's number, and the rest of that number: for writers that keep their own form of
  /// every rest (quoted, say).
  static std::size_t RestIndex(const ArgalaEntry& entry) {
    return (LabelIndex(entry) * kPlanetCount + static_cast<std::size_t>(entry.recipient)) *
               kHouseEndCount +
           HouseIndex(entry.recipientHouse);
  }
  std::string_view Rest(std::size_t index) const { return rests_[index]; }

  static constexpr std::size_t kHouseEndCount = 13;  ///< an unknown house, then houses 1 to 12
  static constexpr std::size_t kStrengthCount = 3;
  static constexpr std::size_t kLabelCount = 2 * kStrengthCount * 2;  ///< kinds, strengths, natures
  static constexpr std::size_t kRestCount = kLabelCount * kPlanetCount * kHouseEndCount;
  /// The label's number: by kind, strength, then Shubha or Benefic before Paap or Malefic.
  static std::size_t LabelIndex(const ArgalaEntry& entry) {
    const auto kind = static_cast<std::size_t>(entry.kind);
    const auto harmful = static_cast<std::size_t>(entry.nature) & 1;  // Paap and Malefic are odd
    return (kind * kStrengthCount + static_cast<std::size_t>(entry.strength)) * 2 + harmful;
  }
  /// 1 to 12 for a known house, 0 for an unknown one.
  static std::size_t HouseIndex(std::optional<int> house) {
    return house && *house >= 1 && *house <= 12 ? static_cast<std::size_t>(*house) : 0;
  }

 private:
  EntryTextBook();
  TextTable rests_;
};

inline EntryTexts TextsOfEntry(const ArgalaEntry& entry) {
  return EntryTextBook::Get().Of(entry);
}

/// Appends an entry's label, from "/" to " on ", e.g. "/Primary Argala (Paap Argala) on " or
/// "/Virodhargala (Malefic) on ".
void AppendEntryLabel(std::string& text, const ArgalaEntry& entry);

/// Appends an entry as the lists show it: caster, label, recipient and " (House n)", e.g.
/// "Moon/Primary Argala (Shubha Argala) on Sun (House 5)".
void AppendEntryText(std::string& text, const ArgalaEntry& entry);

/// An entry as the lists show it.
std::string EntryText(const ArgalaEntry& entry);

}  // namespace tarvel
