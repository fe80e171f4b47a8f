#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "chart/chart_state.h"
#include "form/birth_form.h"
#include "form/scramble.h"
#include "form_test_support.h"

namespace tarvel::testing {

/// The lines of a file whose lines all end with CR LF; a missing last CR LF fails the test.
inline std::vector<std::string> SplitCrLf(std::string_view bytes) {
  std::vector<std::string> lines;
  for (auto end = bytes.find("\r\n"); end != std::string_view::npos; end = bytes.find("\r\n")) {
    lines.emplace_back(bytes.substr(0, end));
    bytes.remove_prefix(end + 2);
  }
  if (!bytes.empty()) lines.emplace_back("<unterminated>");
  return lines;
}

}  // namespace tarvel::testing
