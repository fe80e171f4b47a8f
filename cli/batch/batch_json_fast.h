#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include "cli/chart/birth_options.h"

namespace tarvel::cli {

/// Reads JSON birth lines as ParseJsonBirthLine does, with the same births and the same
/// refusals, but most of them with a parser made for speed: a line it does not take as plain
/// and well formed is read again by ParseJsonBirthLine, whose refusals say what is wrong. One
/// reader per thread, reused from line to line.
class JsonBirthLineReader {
 public:
  JsonBirthLineReader();
  ~JsonBirthLineReader();
  JsonBirthLineReader(JsonBirthLineReader&&) noexcept;
  JsonBirthLineReader& operator=(JsonBirthLineReader&&) noexcept;

  std::variant<BirthOptions, std::string> Parse(std::string_view line);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace tarvel::cli
