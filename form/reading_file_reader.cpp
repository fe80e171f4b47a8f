#include "form/reading_file_reader.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>
#include <utility>
#include <vector>

#include "base/text.h"
#include "form/reading_file.h"
#include "form/reading_file_extension.h"
#include "form/scramble.h"
#include "form/windows_1252.h"

namespace tarvel {
namespace {

using ReadingTexts = std::array<std::string, kReadingLineCount>;

// Carriage returns need no handling: like every byte below 85 they drop out when unscrambled.
std::string NextLine(std::string_view& bytes) {
  const auto end = std::min(bytes.find('\n'), bytes.size());
  std::string text = UnscrambleText(bytes.substr(0, end));
  bytes.remove_prefix(std::min(end + 1, bytes.size()));
  return text;
}

// The first 17 lines, taken off the front of `bytes`.
std::optional<ReadingTexts> DecodedLines(std::string_view& bytes) {
  ReadingTexts texts;
  for (std::string& text : texts) {
    if (bytes.empty()) return std::nullopt;
    text = NextLine(bytes);
  }
  return texts;
}

std::vector<std::string> RemainingLines(std::string_view bytes) {
  std::vector<std::string> texts;
  while (!bytes.empty()) texts.push_back(NextLine(bytes));
  return texts;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// A decimal number with an optional sign and fraction is true when it is not zero.
std::optional<bool> NumberTruth(std::string_view text) {
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  std::string digits(text);
  if (const auto point = digits.find('.'); point != std::string::npos) digits.erase(point, 1);
  if (digits.empty() || !std::ranges::all_of(digits, IsDigit)) return std::nullopt;
  return digits.find_first_not_of('0') != std::string::npos;
}

std::optional<bool> TruthValue(std::string_view text) {
  if (EqualsIgnoringCase(text, "True")) return true;
  if (EqualsIgnoringCase(text, "False")) return false;
  return NumberTruth(text);
}

// A name or place comes back as it stands, spaces around it too: a save trims them, but a
// line with them is not damaged. Only a byte no save writes makes it so (see windows_1252.h).
bool RestoreText(std::string_view text, std::string& box) {
  auto decoded = DecodeReadingText(text);
  if (!decoded) return false;
  box = std::move(*decoded);
  return true;
}

bool RestoreDigits(std::string_view text, DigitText& box) {
  const auto digits = DigitText::Parse(text);
  if (!digits || digits->Empty()) return false;
  box = *digits;
  return true;
}

bool RestoreByText(std::string_view text, FormList list, BirthForm& form) {
  const auto index = FindListEntry(list, text);
  if (index) SelectIndex(form, list, *index);
  return index.has_value();
}

// The line holds the number of the entry whose index is number - firstNumber.
bool RestoreByNumber(std::string_view text, FormList list, int firstNumber, BirthForm& form) {
  int number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc{} || end != text.data() + text.size()) return false;
  if (number < firstNumber || number - firstNumber >= ListSize(list)) return false;
  SelectIndex(form, list, number - firstNumber);
  return true;
}

bool RestoreBirthTime(const ReadingTexts& texts, BirthForm& form) {
  return RestoreByNumber(texts[kLineMonth], FormList::cboMonth, 1, form) &&
         RestoreByText(texts[kLineDay], FormList::cboDate, form) &&
         RestoreByText(texts[kLineYear], FormList::cboYear, form) &&
         RestoreByText(texts[kLineHour], FormList::cboHour, form) &&
         RestoreByText(texts[kLineMinute], FormList::cboMinute, form) &&
         RestoreByNumber(texts[kLineZoneRow], FormList::cboTimeZone, 0, form);
}

bool RestoreCoordinates(const ReadingTexts& texts, BirthForm& form) {
  const auto east = TruthValue(texts[kLineIsEast]);
  const auto south = TruthValue(texts[kLineIsSouth]);
  const auto dst = TruthValue(texts[kLineIsDST]);
  if (!east || !south || !dst) return false;
  form.optLong = *east ? LongitudeChoice::East : LongitudeChoice::West;
  form.optLat = *south ? LatitudeChoice::South : LatitudeChoice::North;
  form.chkDST = *dst;
  return RestoreDigits(texts[kLineLonDeg], form.txtLonDeg) &&
         RestoreDigits(texts[kLineLonMin], form.txtLonMin) &&
         RestoreDigits(texts[kLineLatDeg], form.txtLatDeg) &&
         RestoreDigits(texts[kLineLatMin], form.txtLatMin);
}

bool RestoreTexts(const ReadingTexts& texts, BirthForm& form) {
  return RestoreText(texts[kLineName], form.txtName) &&
         RestoreText(texts[kLineCity], form.txtCity) &&
         RestoreText(texts[kLineState], form.txtState) &&
         RestoreText(texts[kLineCountry], form.txtCountry);
}

}  // namespace

std::optional<BirthForm> ParseReadingFile(std::string_view bytes, std::optional<SkySettings>* sky) {
  const auto texts = DecodedLines(bytes);
  BirthForm form;
  std::optional<SkySettings> savedSky;
  if (!texts || !RestoreTexts(*texts, form) || !RestoreBirthTime(*texts, form) ||
      !RestoreCoordinates(*texts, form) ||
      !RestoreExtension(RemainingLines(bytes), form, savedSky)) {
    return std::nullopt;
  }
  if (sky != nullptr) *sky = savedSky;
  return form;
}

}  // namespace tarvel
