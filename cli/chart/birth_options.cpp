#include "cli/chart/birth_options.h"

#include <charconv>
#include <string_view>

#include "base/zone_choice.h"
#include "cli/chart/quoted_input.h"
#include "form/key_classes.h"
#include "form/validation.h"

namespace tarvel::cli {
namespace {

std::string ZoneOutside(std::string_view number) {
  return "zone row " + std::string(number) + " is outside 0-70";
}

// Reads a text left to right: digit runs of bounded length and single characters.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : rest_(text) {}

  std::optional<std::string_view> Digits(std::size_t minLength, std::size_t maxLength) {
    std::size_t length = 0;
    while (length < rest_.size() && length < maxLength && IsDigit(rest_[length])) ++length;
    if (length < minLength) return std::nullopt;
    const std::string_view digits = rest_.substr(0, length);
    rest_.remove_prefix(length);
    return digits;
  }

  std::optional<char> OneOf(std::string_view accepted) {
    if (rest_.empty() || accepted.find(rest_.front()) == std::string_view::npos)
      return std::nullopt;
    const char c = rest_.front();
    rest_.remove_prefix(1);
    return c;
  }

  bool AtEnd() const { return rest_.empty(); }

 private:
  static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
  std::string_view rest_;
};

// The number of a digit run the Scanner read: four digits at most, so it cannot overflow.
int ToInt(std::string_view digits) {
  int value = 0;
  for (const char c : digits) value = value * 10 + (c - '0');
  return value;
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

std::optional<OptionError> ReadDate(std::string_view text, SkyKind sky, BirthForm& form) {
  Scanner scan(text);
  const auto year = scan.Digits(4, 4);
  const auto dash1 = scan.OneOf("-");
  const auto month = scan.Digits(2, 2);
  const auto dash2 = scan.OneOf("-");
  const auto day = scan.Digits(2, 2);
  if (!year || !dash1 || !month || !dash2 || !day || !scan.AtEnd()) {
    return OptionError{"malformed date " + QuotedForMessage(text) + ": expected YYYY-MM-DD"};
  }
  const int yearNumber = ToInt(*year);
  const int monthNumber = ToInt(*month);
  const int dayNumber = ToInt(*day);
  if (auto error = YearOutside(yearNumber, sky)) return error;
  if (monthNumber < 1 || monthNumber > 12 || dayNumber < 1 || dayNumber > 31) {
    return OptionError{"malformed date " + QuotedForMessage(text) + ": no such month or day"};
  }
  form.cboYear = yearNumber - kFirstYear;
  form.cboMonth = monthNumber - 1;
  form.cboDate = dayNumber - 1;
  return std::nullopt;
}

OptionError MalformedTime(std::string_view text) {
  return OptionError{"malformed time " + QuotedForMessage(text) +
                     ": expected HH:MM, 00:00 to 23:59, or HH:MM:SS"};
}

std::optional<OptionError> ReadTime(std::string_view text, BirthForm& form) {
  Scanner scan(text);
  const auto hour = scan.Digits(1, 2);
  const auto colon = scan.OneOf(":");
  const auto minute = scan.Digits(2, 2);
  // Seconds are optional: ":SS" after the minutes.
  const bool hasSeconds = !scan.AtEnd() && scan.OneOf(":");
  const auto second = hasSeconds ? scan.Digits(2, 2) : std::optional<std::string_view>{"0"};
  if (!hour || !colon || !minute || !second || !scan.AtEnd()) return MalformedTime(text);
  const int hourNumber = ToInt(*hour);
  const int minuteNumber = ToInt(*minute);
  const int secondNumber = ToInt(*second);
  if (hourNumber > 23 || minuteNumber > 59 || secondNumber > 59) return MalformedTime(text);
  form.cboHour = hourNumber;
  form.cboMinute = minuteNumber;
  form.cboSecond = secondNumber;
  return std::nullopt;
}

// "DD:MM" and a direction letter; the degrees and minutes go into the digits boxes as
// typed, so the window's coordinate rules judge them.
std::optional<OptionError> ReadCoordinate(std::string_view text, std::string_view what,
                                          std::string_view directions, DigitText& degrees,
                                          DigitText& minutes, bool& isSecondDirection) {
  Scanner scan(text);
  const auto deg = scan.Digits(1, DigitText::kMaxLength);
  const auto colon = scan.OneOf(":");
  const auto min = scan.Digits(1, DigitText::kMaxLength);
  const auto direction = scan.OneOf(directions);
  if (!deg || !colon || !min || !direction || !scan.AtEnd()) {
    return OptionError{"malformed " + std::string(what) + " " + QuotedForMessage(text) +
                       ": expected degrees:minutes followed by " + directions[0] + " or " +
                       directions[1]};
  }
  degrees = *DigitText::Parse(*deg);
  minutes = *DigitText::Parse(*min);
  isSecondDirection = *direction == directions[1];
  return std::nullopt;
}

std::optional<OptionError> ReadText(const std::optional<std::string>& given, std::string& box) {
  if (!given) return std::nullopt;
  if (!AcceptsText(KeyClass::Letters, *given)) {
    return OptionError{std::string(RefusalMessage(KeyClass::Letters)) + ": " +
                       QuotedForMessage(*given)};
  }
  box = *given;
  return std::nullopt;
}

// The zone as a row, or as an exact offset or local mean time instead of one.
std::optional<OptionError> ReadZone(const BirthOptions& options, BirthForm& form) {
  if (options.offset) {
    if (options.zone) return OptionError{"an offset is given instead of a zone row, not with one"};
    if (*options.offset == "lmt") {
      form.zoneKind = ZoneKind::LocalMeanTime;
      return std::nullopt;
    }
    const std::optional<int> seconds = ParseSignedClock(*options.offset);
    if (!seconds) {
      return OptionError{"offset " + QuotedForMessage(*options.offset) +
                         " is not +HH:MM[:SS] or -HH:MM[:SS] within 15:00, nor lmt"};
    }
    form.zoneKind = ZoneKind::Offset;
    form.zoneOffsetSeconds = *seconds;
    return std::nullopt;
  }
  if (*options.zone < 0 || *options.zone >= ListSize(FormList::cboTimeZone)) {
    return OptionError{ZoneOutside(std::to_string(*options.zone))};
  }
  form.cboTimeZone = *options.zone;
  return std::nullopt;
}

// A coordinate's option, where given, into its boxes and its direction.
std::optional<OptionError> ReadLatitude(const std::optional<std::string>& given, BirthForm& form) {
  if (!given) return std::nullopt;
  bool south = false;
  if (auto error =
          ReadCoordinate(*given, "latitude", "NS", form.txtLatDeg, form.txtLatMin, south)) {
    return error;
  }
  form.optLat = south ? LatitudeChoice::South : LatitudeChoice::North;
  return std::nullopt;
}

std::optional<OptionError> ReadLongitude(const std::optional<std::string>& given, BirthForm& form) {
  if (!given) return std::nullopt;
  bool west = false;
  if (auto error =
          ReadCoordinate(*given, "longitude", "EW", form.txtLonDeg, form.txtLonMin, west)) {
    return error;
  }
  form.optLong = west ? LongitudeChoice::West : LongitudeChoice::East;
  return std::nullopt;
}

std::optional<OptionError> ReadForm(const BirthOptions& options, SkyKind sky, BirthForm& form) {
  if (auto error = ReadDate(options.date, sky, form)) return error;
  if (auto error = ReadTime(options.time, form)) return error;
  const bool zoneGiven = options.zone || options.offset;
  if (!options.place && (!zoneGiven || !options.latitude || !options.longitude)) {
    return OptionError{"the zone, latitude and longitude are needed, or a place to find them"};
  }
  if (zoneGiven) {
    if (auto error = ReadZone(options, form)) return error;
  }
  if (auto error = ReadLatitude(options.latitude, form)) return error;
  if (auto error = ReadLongitude(options.longitude, form)) return error;
  form.chkDST = options.dst.value_or(false);
  for (auto [given, box] :
       {std::pair{&options.name, &form.txtName}, std::pair{&options.city, &form.txtCity},
        std::pair{&options.state, &form.txtState}, std::pair{&options.country, &form.txtCountry}}) {
    if (auto error = ReadText(*given, *box)) return error;
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

std::variant<BirthForm, OptionError> ReadBirthOptions(const BirthOptions& options, SkyKind sky) {
  BirthForm form;
  if (auto error = ReadForm(options, sky, form)) return *error;
  return form;
}

std::optional<OptionError> CheckBirthForm(const BirthForm& form) {
  if (auto refusal = FindRefusal(form, RequiredBoxes::CoordinatesOnly)) {
    return OptionError{std::string(refusal->message)};
  }
  return std::nullopt;
}

std::variant<BirthForm, OptionError> BuildBirthForm(const BirthOptions& options, SkyKind sky) {
  auto form = ReadBirthOptions(options, sky);
  if (auto* built = std::get_if<BirthForm>(&form)) {
    if (auto error = CheckBirthForm(*built)) return *error;
  }
  return form;
}

}  // namespace tarvel::cli
