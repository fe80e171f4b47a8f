#include "argala/argala_text.h"

namespace tarvel {

namespace {

std::string_view StrengthWord(ArgalaStrength strength) {
  switch (strength) {
    case ArgalaStrength::Primary:
      return "Primary ";
    case ArgalaStrength::Secondary:
      return "Secondary ";
    case ArgalaStrength::Plain:
      break;
  }
  return {};
}

// An Argala's nature names the Argala again: "(Paap Argala)"; an obstruction's does not.
std::string_view NatureWords(ArgalaNature nature) {
  switch (nature) {
    case ArgalaNature::Shubha:
      return " (Shubha Argala) on ";
    case ArgalaNature::Paap:
      return " (Paap Argala) on ";
    case ArgalaNature::Benefic:
      return " (Benefic) on ";
    case ArgalaNature::Malefic:
      break;
  }
  return " (Malefic) on ";
}

// The label without its leading "/".
void AppendLabelWords(std::string& text, const ArgalaEntry& entry) {
  text.append(StrengthWord(entry.strength));
  text.append(entry.kind == ArgalaKind::Argala ? "Argala" : "Virodhargala");
  text.append(NatureWords(entry.nature));
}

void AppendAfterCaster(std::string& text, const ArgalaEntry& entry) {
  AppendLabelWords(text, entry);
  text.append(kPlanetNames[entry.recipient]).append(" (House ");
  text.append(HouseText(entry.recipientHouse)).append(")");
}

}  // namespace

std::string HouseText(std::optional<int> house) {
  return house ? std::to_string(*house) : std::string();
}

void AppendEntryLabel(std::string& text, const ArgalaEntry& entry) {
  text.append("/");
  AppendLabelWords(text, entry);
}

void AppendEntryText(std::string& text, const ArgalaEntry& entry) {
  text.append(kPlanetNames[entry.caster]).append("/");
  AppendAfterCaster(text, entry);
}

std::string EntryText(const ArgalaEntry& entry) {
  std::string text;
  AppendEntryText(text, entry);
  return text;
}

void AppendEntryLine(std::string& text, const ArgalaEntry& entry) {
  AppendAfterCaster(text, entry);
}

}  // namespace tarvel
