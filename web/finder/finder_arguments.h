#pragma once

#include <string>
#include <variant>
#include <vector>

#include "web/finder/search_page.h"

namespace tarvel {

/// What the finder program is told when the window starts it: the search to run and the
/// service to run it on.
struct FinderStart {
  FinderQuery query;
  SearchService service = DefaultSearchService();
  bool operator==(const FinderStart&) const = default;
};

/// The finder program's command-line arguments for `start`: "--search" when
/// `query.bMaleSearch` is set, "--city=TEXT", "--state=TEXT" and "--country=TEXT", then
/// "--service-endpoint=URL", "--service-home=URL" and "--service-logo=URL" when the service
/// is not the default one. Each value is glued to its option, so a value that begins with a
/// dash is never taken for an option.
std::vector<std::string> FinderArguments(const FinderStart& start);

/// Reads FinderArguments back (any order; a missing text is empty, a missing service field
/// the default's). The message for an argument it does not know otherwise.
std::variant<FinderStart, std::string> ParseFinderArguments(
    const std::vector<std::string>& arguments);

}  // namespace tarvel
