#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "base/text.h"

namespace tarvel {

/// The names of one value of a closed choice: the command line's and the one people read.
template <typename Kind>
struct ChoiceNames {
  Kind kind;
  std::string_view command;  ///< on the command line, in batch lines and in settings
  std::string_view display;  ///< in the window and in texts
};

/// The row of `kind`; every value of a choice has one, so the search always finds it.
template <typename Kind, std::size_t N>
const ChoiceNames<Kind>& RowOf(const std::array<ChoiceNames<Kind>, N>& table, Kind kind) {
  return *std::ranges::find(table, kind, &ChoiceNames<Kind>::kind);
}

/// The value whose command name is `name`, in any letter case; empty for an unknown name.
template <typename Kind, std::size_t N>
std::optional<Kind> ParseCommandName(const std::array<ChoiceNames<Kind>, N>& table,
                                     std::string_view name) {
  const auto row = std::ranges::find_if(
      table, [name](const ChoiceNames<Kind>& r) { return EqualsIgnoringCase(r.command, name); });
  if (row == table.end()) return std::nullopt;
  return row->kind;
}

/// Every command name as a list for a message: "a, b or c".
template <typename Kind, std::size_t N>
std::string CommandNameList(const std::array<ChoiceNames<Kind>, N>& table) {
  std::string list;
  for (std::size_t i = 0; i < N; ++i) {
    if (i > 0) list += i + 1 == N ? " or " : ", ";
    list += table[i].command;
  }
  return list;
}

}  // namespace tarvel
