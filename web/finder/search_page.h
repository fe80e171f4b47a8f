#pragma once

#include <string>

namespace tarvel {

/// What the finder searches for: the main window's flag and its three place texts, as typed.
struct FinderQuery {
  bool bMaleSearch = false;
  std::string city;
  std::string state;
  std::string country;
  bool operator==(const FinderQuery&) const = default;
};

/// The web-search service behind the finder's search form.
struct SearchService {
  std::string endpoint;  ///< form action; takes the query in the GET field `q`
  std::string homePage;  ///< the service's front page: the logo's link and the search page
  std::string logo;      ///< address of the logo image shown on the form
  bool operator==(const SearchService&) const = default;
};

/// The service the program uses, from the link constants.
SearchService DefaultSearchService();

/// The text typed into the search field: "Latitude Longitude " followed, when
/// `query.bMaleSearch` is set, by city, state and country joined by single spaces.
std::string SearchQuery(const FinderQuery& query);

/// The search page's markup: a centred GET form posting to `service.endpoint` with the text
/// field `q` and the submit button `sa`.
std::string SearchPageHtml(const SearchService& service);

}  // namespace tarvel
