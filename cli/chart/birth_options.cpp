#include "cli/chart/birth_options.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "base/text.h"
#include "base/time_zones.h"
#include "cli/chart/quoted_input.h"
#include "form/calculation_driver.h"
#include "form/key_classes.h"
#include "form/validation.h"

namespace tarvel::cli {
namespace {

std::string ZoneOutside(std::string_view number) {
  return "zone row " + std::string(number) + " is outside 0-70";
}

// Takes a number of `minDigits` to `maxDigits` decimal digits from the front of `rest`.
std::optional<int> TakeNumber(std::string_view& rest, std::size_t minDigits,
                              std::size_t maxDigits) {
  // Unsigned, so that no sign is taken; four digits at most, so that no overflow is possible.
  unsigned number = 0;
  const char* end = rest.data() + std::min(rest.size(), maxDigits);
  const auto [stop, error] = std::from_chars(rest.data(), end, number);
  const auto length = static_cast<std::size_t>(stop - rest.data());
  if (error != std::errc() || length < minDigits) return std::nullopt;
  rest.remove_prefix(length);
  return static_cast<int>(number);
}

// Takes one of the `accepted` characters from the front of `rest`.
std::optional<char> TakeOneOf(std::string_view& rest, std::string_view accepted) {
  if (rest.empty() || accepted.find(rest.front()) == std::string_view::npos) return std::nullopt;
  const char c = rest.front();
  rest.remove_prefix(1);
  return c;
}

// The sky's own years; the classic sky's refusal of a year the precise sky computes says so.
std::optional<OptionError> YearOutside(int year, SkyKind sky) {
  const SkyYears years = YearsOf(sky);
  if (year >= years.first && year <= years.last) return std::nullopt;
  std::string message = "year " + std::to_string(year) + " is outside " +
                        std::to_string(years.first) + "-" + std::to_string(years.last);
  if (year >= kFirstYear && year <= kLastYear) {
    message += "; the precise sky (--sky swiss) computes " + std::to_string(kFirstYear) + "-" +
               std::to_string(kLastYear);
  }
  return OptionError{std::move(message)};
}

std::optional<OptionError> ReadDate(std::string_view text, SkyKind sky, BirthData& birth) {
  std::string_view rest = text;
  const auto year = TakeNumber(rest, 4, 4);
  const auto dash1 = TakeOneOf(rest, "-");
  const auto month = TakeNumber(rest, 2, 2);
  const auto dash2 = TakeOneOf(rest, "-");
  const auto day = TakeNumber(rest, 2, 2);
  if (!year || !dash1 || !month || !dash2 || !day || !rest.empty()) {
    return OptionError{"malformed date " + QuotedForMessage(text) + ": expected YYYY-MM-DD"};
  }
  if (auto error = YearOutside(*year, sky)) return error;
  if (*month < 1 || *month > 12 || *day < 1 || *day > 31) {
    return OptionError{"malformed date " + QuotedForMessage(text) + ": no such month or day"};
  }
  birth.BirthYear = static_cast<std::int16_t>(*year);
  birth.BirthMonth = static_cast<std::int16_t>(*month);
  birth.BirthDay = static_cast<std::int16_t>(*day);
  return std::nullopt;
}

OptionError MalformedTime(std::string_view text) {
  return OptionError{"malformed time " + QuotedForMessage(text) +
                     ": expected HH:MM, 00:00 to 23:59, or HH:MM:SS"};
}

std::optional<OptionError> ReadTime(std::string_view text, BirthData& birth) {
  std::string_view rest = text;
  const auto hour = TakeNumber(rest, 1, 2);
  const auto colon = TakeOneOf(rest, ":");
  const auto minute = TakeNumber(rest, 2, 2);
  // Seconds are optional: ":SS" after the minutes.
  const bool hasSeconds = !rest.empty() && TakeOneOf(rest, ":");
  const auto second = hasSeconds ? TakeNumber(rest, 2, 2) : std::optional<int>{0};
  if (!hour || !colon || !minute || !second || !rest.empty()) return MalformedTime(text);
  if (*hour > 23 || *minute > 59 || *second > 59) return MalformedTime(text);
  birth.BirthHour = static_cast<std::int16_t>(*hour);
  birth.BirthMinute = static_cast<std::int16_t>(*minute);
  birth.BirthSecond = static_cast<std::int16_t>(*second);
  return std::nullopt;
}

// "DD:MM" and a direction letter, as many digits as a digits box holds; the window's
// coordinate rules judge the numbers once the atlas has filled what it may.
std::variant<DegreesMinutes, OptionError> ReadCoordinate(std::string_view text,
                                                         std::string_view what,
                                                         std::string_view directions) {
  std::string_view rest = text;
  const auto degrees = TakeNumber(rest, 1, DigitText::kMaxLength);
  const auto colon = TakeOneOf(rest, ":");
  const auto minutes = TakeNumber(rest, 1, DigitText::kMaxLength);
  const auto direction = TakeOneOf(rest, directions);
  if (!degrees || !colon || !minutes || !direction || !rest.empty()) {
    return OptionError{"malformed " + std::string(what) + " " + QuotedForMessage(text) +
                       ": expected degrees:minutes followed by " + directions[0] + " or " +
                       directions[1]};
  }
  return DegreesMinutes{*degrees, *minutes, *direction};
}

// A coordinate's option, where given, into the record.
std::optional<OptionError> ReadCoordinateOption(const std::optional<std::string>& given,
                                                std::string_view what, std::string_view directions,
                                                std::optional<DegreesMinutes>& coordinate) {
  if (!given) return std::nullopt;
  auto read = ReadCoordinate(*given, what, directions);
  if (auto* error = std::get_if<OptionError>(&read)) return std::move(*error);
  coordinate = std::get<DegreesMinutes>(read);
  return std::nullopt;
}

std::optional<OptionError> ReadText(const std::optional<std::string>& given, std::string& text) {
  if (!given) return std::nullopt;
  if (!AcceptsText(KeyClass::Letters, *given)) {
    return OptionError{std::string(RefusalMessage(KeyClass::Letters)) + ": " +
                       QuotedForMessage(*given)};
  }
  text = *given;
  return std::nullopt;
}

// The zone as a row, or as an exact offset or local mean time instead of one.
std::optional<OptionError> ReadZone(const BirthOptions& options, ZoneChoice& zone) {
  if (options.offset) {
    if (options.zone) return OptionError{"an offset is given instead of a zone row, not with one"};
    if (*options.offset == "lmt") {
      zone = LocalMeanTimeZone();
      return std::nullopt;
    }
    const std::optional<int> seconds = ParseSignedClock(*options.offset);
    if (!seconds) {
      return OptionError{"offset " + QuotedForMessage(*options.offset) +
                         " is not +HH:MM[:SS] or -HH:MM[:SS] within 15:00, nor lmt"};
    }
    zone = OffsetZone(*seconds);
    return std::nullopt;
  }
  if (*options.zone < 0 || *options.zone >= kTimeZoneRows) {
    return OptionError{ZoneOutside(std::to_string(*options.zone))};
  }
  zone = RowZone(*options.zone);
  return std::nullopt;
}

std::optional<OptionError> ReadRecord(const BirthOptions& options, SkyKind sky, BirthRecord& read) {
  if (auto error = ReadDate(options.date, sky, read.birth)) return error;
  if (auto error = ReadTime(options.time, read.birth)) return error;
  const bool zoneGiven = options.zone || options.offset;
  if (!options.place && (!zoneGiven || !options.latitude || !options.longitude)) {
    return OptionError{"the zone, latitude and longitude are needed, or a place to find them"};
  }
  if (zoneGiven) {
    if (auto error = ReadZone(options, read.zone)) return error;
  }
  if (auto error = ReadCoordinateOption(options.latitude, "latitude", "NS", read.latitude)) {
    return error;
  }
  if (auto error = ReadCoordinateOption(options.longitude, "longitude", "EW", read.longitude)) {
    return error;
  }
  read.dst = options.dst.value_or(false);
  BirthData& birth = read.birth;
  for (auto [given, text] :
       {std::pair{&options.name, &birth.BirthName}, std::pair{&options.city, &birth.BirthCity},
        std::pair{&options.state, &birth.BirthState},
        std::pair{&options.country, &birth.BirthCountry}}) {
    if (auto error = ReadText(*given, *text)) return error;
  }
  return std::nullopt;
}

// The window's rules, in its order: the coordinates there, on the globe, then the date.
std::optional<std::string_view> FindRecordRefusal(const BirthRecord& read) {
  if (!read.latitude) return EmptyBoxMessage(FormField::txtLatDeg);
  if (!read.longitude) return EmptyBoxMessage(FormField::txtLonDeg);
  const BirthData& birth = read.birth;
  for (const auto& refusal :
       {FindImpossibleLatitude(read.latitude->degrees, read.latitude->minutes),
        FindImpossibleLongitude(read.longitude->degrees, read.longitude->minutes),
        FindImpossibleDay(birth.BirthYear, birth.BirthMonth, birth.BirthDay)}) {
    if (refusal) return refusal->message;
  }
  return std::nullopt;
}

}  // namespace

std::variant<int, OptionError> ParseZoneRow(std::string_view text) {
  int row = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, row);
  if (text.empty() || stop != end ||
      (error != std::errc() && error != std::errc::result_out_of_range)) {
    return OptionError{"zone " + QuotedForMessage(text) + " is not a whole number"};
  }
  // Only digits, perhaps after a minus sign, are left: the number is shown as it is.
  if (error == std::errc::result_out_of_range) return OptionError{ZoneOutside(text)};
  return row;
}

std::variant<BirthRecord, OptionError> ReadBirthOptions(const BirthOptions& options, SkyKind sky) {
  BirthRecord read;
  if (auto error = ReadRecord(options, sky, read)) return *error;
  return read;
}

std::optional<OptionError> CompleteBirth(const BirthRecord& read, ChartState& state) {
  if (auto refusal = FindRecordRefusal(read)) return OptionError{std::string(*refusal)};
  BirthData& birth = state.BirthData;
  birth = read.birth;
  birth.LatDeg = static_cast<std::int16_t>(read.latitude->degrees);
  birth.LatMin = static_cast<std::int16_t>(read.latitude->minutes);
  birth.IsSouth = ToFlag16(read.latitude->direction == 'S');
  birth.LonDeg = static_cast<std::int16_t>(read.longitude->degrees);
  birth.LonMin = static_cast<std::int16_t>(read.longitude->minutes);
  birth.IsEast = ToFlag16(read.longitude->direction == 'E');
  for (std::string* name : {&birth.BirthCity, &birth.BirthState, &birth.BirthCountry}) {
    *name = TrimSpaces(*name);
  }
  SetBirthZone(read.zone, read.dst, birth);
  state.Zone = read.zone;
  return std::nullopt;
}

std::optional<OptionError> ReadBirth(const BirthOptions& options, ChartState& state, SkyKind sky) {
  auto read = ReadBirthOptions(options, sky);
  if (auto* error = std::get_if<OptionError>(&read)) return std::move(*error);
  return CompleteBirth(std::get<BirthRecord>(read), state);
}

}  // namespace tarvel::cli
