#include "atlas/former_names.h"

#include "base/text.h"

namespace tarvel {

std::vector<FormerName> ReadFormerNames(std::string_view table) {
  std::vector<FormerName> names;
  while (!table.empty()) {
    const std::size_t end = table.find('\n');
    std::string_view line = table.substr(0, end);
    table = end == std::string_view::npos ? std::string_view() : table.substr(end + 1);
    line = line.substr(0, line.find('#'));
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string_view name = TrimSpaces(line.substr(0, equals), " \t\r");
    const std::string_view city = TrimSpaces(line.substr(equals + 1), " \t\r");
    if (!name.empty() && !city.empty()) names.push_back({std::string(name), std::string(city)});
  }
  return names;
}

}  // namespace tarvel
