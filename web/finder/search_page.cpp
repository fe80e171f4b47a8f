#include "web/finder/search_page.h"

#include "web/links.h"

namespace tarvel {

namespace {

constexpr std::string_view kQueryPrefix = "Latitude Longitude ";

// The account and results-page layout fields stay with the form so the service sees the
// same request shape whatever it does with them.
constexpr std::string_view kClient = "tarvel";
constexpr std::string_view kLayout = "FORID:1;AH:center;BGC:FFFFFF;T:000000;LC:0000FF;VLC:663399";

}  // namespace

SearchService DefaultSearchService() {
  return {std::string(links::kSearchService), std::string(links::kSearchServiceHome),
          std::string(links::kSearchServiceLogo)};
}

std::string SearchQuery(const FinderQuery& query) {
  std::string text(kQueryPrefix);
  if (query.bMaleSearch) text += query.city + " " + query.state + " " + query.country;
  return text;
}

std::string SearchPageHtml(const SearchService& service) {
  std::string html = "<HTML><BODY>\n<center>\n";
  html += "<form method=\"get\" action=\"" + service.endpoint + "\" target=\"_top\">\n";
  html += "<table bgcolor=\"#ffffff\"><tr><td nowrap=\"nowrap\" valign=\"top\" align=\"left\">\n";
  html += "<a href=\"" + service.homePage + "\"><img src=\"" + service.logo +
          "\" border=\"0\" alt=\"Web search\" align=\"middle\"></a>\n";
  html += "<input type=\"text\" name=\"q\" size=\"31\" maxlength=\"255\" value=\"\">\n";
  html += "<input type=\"submit\" name=\"sa\" value=\"Search\">\n";
  html += "<input type=\"hidden\" name=\"client\" value=\"" + std::string(kClient) + "\">\n";
  html += "<input type=\"hidden\" name=\"forid\" value=\"1\">\n";
  html += "<input type=\"hidden\" name=\"ie\" value=\"ISO-8859-1\">\n";
  html += "<input type=\"hidden\" name=\"oe\" value=\"ISO-8859-1\">\n";
  html += "<input type=\"hidden\" name=\"cof\" value=\"" + std::string(kLayout) + "\">\n";
  html += "<input type=\"hidden\" name=\"hl\" value=\"en\">\n";
  html += "</td></tr></table>\n</form>\n</center>\n";
  return html;
}

}  // namespace tarvel
