#pragma once

#include <optional>
#include <string_view>

#include "form/birth_form.h"
#include "form/message_sink.h"

namespace tarvel {

/// Why a form may not be calculated, and where the cursor goes afterwards.
/// The option pair a refusal found with neither option chosen.
enum class MissingDirection { None, Latitude, Longitude };

struct Refusal {
  std::string_view message;
  MessageIcon icon = MessageIcon::Error;
  std::optional<FormField> focus;                     ///< the box that takes the cursor, if any
  MissingDirection missing = MissingDirection::None;  ///< the pair ValidateInput then selects
  bool operator==(const Refusal&) const = default;
};

/// Which empty-box rules apply: the window requires every box; the command line lets the
/// name and the place be left out, since the calculation does not use them.
enum class RequiredBoxes { All, CoordinatesOnly };

/// The first rule the form breaks, without showing anything; nothing when it may be calculated.
/// A missing direction is reported here but selected only by ValidateInput.
std::optional<Refusal> FindRefusal(const BirthForm& form,
                                   RequiredBoxes required = RequiredBoxes::All);

/// The coordinate rules alone: a latitude beyond 90 degrees (or 90 with minutes), a longitude
/// beyond 180 (or 180 with minutes), or minutes beyond 59 lie off the globe. The degrees box
/// takes the cursor when the degrees are wrong, the minutes box when only the minutes are.
std::optional<Refusal> FindImpossibleCoordinates(const BirthForm& form);

/// The date rule alone: a day the month does not have (29 February of a common year, 31 of a
/// thirty-day month).
std::optional<Refusal> FindImpossibleDate(const BirthForm& form);

/// The same rules on numbers, for a birth that never was a form: degrees and arc-minutes of a
/// latitude or a longitude; a year, a month 1-12 and a day 1-31.
std::optional<Refusal> FindImpossibleLatitude(int degrees, int minutes);
std::optional<Refusal> FindImpossibleLongitude(int degrees, int minutes);
std::optional<Refusal> FindImpossibleDay(int year, int month, int day);

/// What the window says of a box left empty.
std::string_view EmptyBoxMessage(FormField field);

/// Checks the form before a calculation. On a refusal it shows the message through the sink,
/// selects "North" or "East" when a direction was missing, and returns the refusal so the
/// caller can put the cursor into its box. Nothing else changes.
std::optional<Refusal> ValidateInput(BirthForm& form, MessageSink& sink);

/// Gregorian leap year: divisible by 4, centuries only when divisible by 400.
bool IsLeapYear(int year);

}  // namespace tarvel
