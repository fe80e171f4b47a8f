#include "cli/chart/varga_options.h"

#include <charconv>

#include "cli/chart/quoted_input.h"

namespace tarvel::cli {
namespace {

std::string VargaHelp() {
  std::string help = "Divisional chart (varga) to show by its number of parts:";
  for (const VargaRule& rule : kVargaRules) {
    help.append(rule.factor == 1 ? " " : ", ")
        .append(std::to_string(rule.factor))
        .append(" ")
        .append(rule.name);
  }
  return help + " (the Rasi chart when left out)";
}

std::string Refusal(std::string_view quoted) {
  return "varga " + std::string(quoted) + " is not one of " + VargaFactorsText();
}

}  // namespace

void AddVargaOption(CLI::App& command, std::optional<std::string>& text) {
  command.add_option("--varga", text, VargaHelp())->type_name("N");
}

std::optional<std::string> ReadVarga(std::string_view text, std::optional<Varga>& varga) {
  if (auto refusal = ReadVargaFactor(text, varga)) return Refusal(QuotedForMessage(text));
  return std::nullopt;
}

std::optional<std::string> ReadVargaFactor(std::string_view digits, std::optional<Varga>& varga) {
  int factor = 0;
  const char* end = digits.data() + digits.size();
  const auto [stop, error] = std::from_chars(digits.data(), end, factor);
  if (error == std::errc() && stop == end) varga = VargaOfFactor(factor);
  if (!varga) return Refusal(digits);
  return std::nullopt;
}

}  // namespace tarvel::cli
