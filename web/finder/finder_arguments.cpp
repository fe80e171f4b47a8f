#include "web/finder/finder_arguments.h"

#include <array>
#include <string_view>

namespace tarvel {
namespace {

constexpr std::string_view kSearchFlag = "--search";

// An option with a value sets a text of the query or, where that is null, of the service.
struct ValueOption {
  std::string_view name;  ///< with its dashes and "="
  std::string FinderQuery::*queryText;
  std::string SearchService::*serviceText;
};

std::string& Field(FinderStart& start, const ValueOption& option) {
  return option.queryText != nullptr ? start.query.*option.queryText
                                     : start.service.*option.serviceText;
}

const std::string& Field(const FinderStart& start, const ValueOption& option) {
  return option.queryText != nullptr ? start.query.*option.queryText
                                     : start.service.*option.serviceText;
}

constexpr std::array<ValueOption, 6> kValueOptions{{
    {"--city=", &FinderQuery::city, nullptr},
    {"--state=", &FinderQuery::state, nullptr},
    {"--country=", &FinderQuery::country, nullptr},
    {"--service-endpoint=", nullptr, &SearchService::endpoint},
    {"--service-home=", nullptr, &SearchService::homePage},
    {"--service-logo=", nullptr, &SearchService::logo},
}};

// The query's options come first in the table.
constexpr std::size_t kQueryOptionCount = 3;

}  // namespace

std::vector<std::string> FinderArguments(const FinderStart& start) {
  std::vector<std::string> arguments;
  if (start.query.bMaleSearch) arguments.emplace_back(kSearchFlag);
  const bool ownService = start.service != DefaultSearchService();
  for (std::size_t index = 0; index < kValueOptions.size(); ++index) {
    if (index >= kQueryOptionCount && !ownService) break;
    const ValueOption& option = kValueOptions[index];
    arguments.push_back(std::string(option.name) + Field(start, option));
  }
  return arguments;
}

std::variant<FinderStart, std::string> ParseFinderArguments(
    const std::vector<std::string>& arguments) {
  FinderStart start;
  for (const std::string& argument : arguments) {
    if (argument == kSearchFlag) {
      start.query.bMaleSearch = true;
      continue;
    }
    bool known = false;
    for (const ValueOption& option : kValueOptions) {
      if (!argument.starts_with(option.name)) continue;
      Field(start, option) = argument.substr(option.name.size());
      known = true;
    }
    if (!known) return std::string("unknown argument '").append(argument).append("'");
  }
  return start;
}

}  // namespace tarvel
