#pragma once

#include <optional>
#include <string_view>

#include "argala/argala.h"
#include "argala/argala_text.h"
#include "base/text_table.h"

namespace tarvel::cli {

// Texts of a chart's JSON made once, on first use, and copied whole: a batch writes each of
// them thousands of times, where putting one together from its pieces would cost more than the
// copy. None needs escaping. Each is looked up where it is written, so that a line pays one check
// that it was made.

/// A list's entry in two texts: the caster's name after the entry's opening quote, and the rest
/// before its closing one.
class QuotedEntryTexts {
 public:
  static const QuotedEntryTexts& Get() {
    static const QuotedEntryTexts texts;
    return texts;
  }
  std::string_view Caster(const ArgalaEntry& entry) const { return casters_[entry.caster]; }
  std::string_view Rest(const ArgalaEntry& entry) const {
    return rests_[EntryTextBook::RestIndex(entry)];
  }

 private:
  QuotedEntryTexts();
  TextTable casters_;
  TextTable rests_;
};

/// Every sign box's text, quoted, by whether the ascendant is in the sign and the planets that
/// stand in it.
class QuotedSignBoxes {
 public:
  static const QuotedSignBoxes& Get() {
    static const QuotedSignBoxes texts;
    return texts;
  }
  std::string_view Of(bool ascendant, PlanetSet planets) const {
    return texts_[(ascendant ? kAscendantBit : 0) | planets];
  }

 private:
  QuotedSignBoxes();
  static constexpr unsigned kAscendantBit = 1u << kPlanetCount;
  TextTable texts_;
};

/// The houses as the lists show them, quoted: "5", or "" for an unknown house.
class QuotedHouses {
 public:
  static const QuotedHouses& Get() {
    static const QuotedHouses texts;
    return texts;
  }
  std::string_view Of(std::optional<int> house) const {
    return texts_[EntryTextBook::HouseIndex(house)];
  }

 private:
  QuotedHouses();
  TextTable texts_;
};

/// The keys of the longitudes' object with their quotes and colons: the ascendant's after the
/// object's opening brace, each planet's after a comma.
class LongitudeKeys {
 public:
  static const LongitudeKeys& Get() {
    static const LongitudeKeys keys;
    return keys;
  }
  std::string_view Ascendant() const { return keys_[0]; }
  std::string_view Planet(int planet) const { return keys_[static_cast<std::size_t>(planet) + 1]; }

 private:
  LongitudeKeys();
  TextTable keys_;
};

}  // namespace tarvel::cli
