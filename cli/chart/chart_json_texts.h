#pragma once

#include <optional>
#include <string_view>

#include "argala/argala.h"
#include "base/text_table.h"
#include "document/argala_text.h"

namespace tarvel::cli {

/// Texts of a chart's JSON made once, on first use, and copied whole: a batch writes each of
/// them thousands of times, where putting one together from its pieces would cost more than the
/// copy. None needs escaping.
class ChartJsonTexts {
 public:
  static const ChartJsonTexts& Get() {
    static const ChartJsonTexts texts;
    return texts;
  }

  /// A list's entry in two texts: the caster's name after the entry's opening quote, and the
  /// rest before its closing one.
  std::string_view EntryCaster(const ArgalaEntry& entry) const { return casters_[entry.caster]; }
  std::string_view EntryRest(const ArgalaEntry& entry) const {
    return rests_[EntryTextBook::RestIndex(entry)];
  }

  /// A sign box's text, quoted, by whether the ascendant is in the sign and the planets that
  /// stand in it.
  std::string_view SignBox(bool ascendant, PlanetSet planets) const {
    return signBoxes_[(ascendant ? kAscendantBit : 0) | planets];
  }

  /// A house as the lists show it, quoted: "5", or "" for an unknown house.
  std::string_view House(std::optional<int> house) const {
    return houses_[EntryTextBook::HouseIndex(house)];
  }

  /// The keys of the longitudes' object with their quotes and colons: the ascendant's after the
  /// object's opening brace, each planet's after a comma.
  std::string_view AscendantKey() const { return longitudeKeys_[0]; }
  std::string_view PlanetKey(int planet) const {
    return longitudeKeys_[static_cast<std::size_t>(planet) + 1];
  }

 private:
  ChartJsonTexts();
  static constexpr unsigned kAscendantBit = 1u << kPlanetCount;

  TextTable casters_;        // by planet
  TextTable rests_;          // by EntryTextBook::RestIndex
  TextTable signBoxes_;      // by the ascendant's bit and the planets' bits
  TextTable houses_;         // by EntryTextBook::HouseIndex
  TextTable longitudeKeys_;  // the ascendant's, then by planet
};

}  // namespace tarvel::cli
