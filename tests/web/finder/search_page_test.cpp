#include "web/finder/search_page.h"

#include <string>

#include <gtest/gtest.h>

#include "web/finder/js_literal.h"
#include "web/links.h"

namespace tarvel {
namespace {

struct QueryCase {
  FinderQuery query;
  const char* expected;
};

class SearchQueryTest : public ::testing::TestWithParam<QueryCase> {};

TEST_P(SearchQueryTest, JoinsThePlaceAfterTheFixedWords) {
  EXPECT_EQ(SearchQuery(GetParam().query), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Places, SearchQueryTest,
    ::testing::Values(QueryCase{{true, "Pune", "Maharashtra", "India"},
                                "Latitude Longitude Pune Maharashtra India"},
                      QueryCase{{false, "Pune", "Maharashtra", "India"}, "Latitude Longitude "},
                      QueryCase{{false, "", "", ""}, "Latitude Longitude "},
                      // The texts go in as typed: no trimming, no collapsing of spaces.
                      QueryCase{{true, " ", "New York", "USA "},
                                "Latitude Longitude   New York USA "},
                      QueryCase{{true, "", "", ""}, "Latitude Longitude   "}));

class SearchPageTest : public ::testing::Test {
 protected:
  const std::string html = SearchPageHtml(
      {"http://127.0.0.1:8080/find", "http://127.0.0.1:8080/", "http://127.0.0.1:8080/l.png"});
};

TEST_F(SearchPageTest, OpensWithHtmlAndBody) {
  EXPECT_EQ(html.rfind("<HTML><BODY>", 0), 0u);
}

TEST_F(SearchPageTest, FormGetsTheEndpointForTheWholeWindow) {
  EXPECT_NE(html.find("<center>"), std::string::npos);
  EXPECT_NE(html.find("<form method=\"get\" action=\"http://127.0.0.1:8080/find\" "
                      "target=\"_top\">"),
            std::string::npos);
}

TEST_F(SearchPageTest, OneWhiteRowWithTheLinkedLogo) {
  EXPECT_NE(html.find("<table bgcolor=\"#ffffff\"><tr><td"), std::string::npos);
  EXPECT_EQ(html.find("<tr>", html.find("<tr>") + 1), std::string::npos);
  EXPECT_NE(
      html.find("<a href=\"http://127.0.0.1:8080/\"><img src=\"http://127.0.0.1:8080/l.png\""),
      std::string::npos);
}

TEST_F(SearchPageTest, HoldsEveryInputInOrder) {
  const char* inputs[] = {
      "<input type=\"text\" name=\"q\" size=\"31\" maxlength=\"255\" value=\"\">",
      "<input type=\"submit\" name=\"sa\" value=\"Search\">",
      "<input type=\"hidden\" name=\"client\" value=\"",
      "<input type=\"hidden\" name=\"forid\" value=\"1\">",
      "<input type=\"hidden\" name=\"ie\" value=\"ISO-8859-1\">",
      "<input type=\"hidden\" name=\"oe\" value=\"ISO-8859-1\">",
      "<input type=\"hidden\" name=\"cof\" value=\"",
      "<input type=\"hidden\" name=\"hl\" value=\"en\">",
  };
  std::size_t from = 0;
  for (const char* input : inputs) {
    const std::size_t at = html.find(input, from);
    ASSERT_NE(at, std::string::npos) << input;
    from = at + 1;
  }
}

TEST(DefaultSearchServiceTest, ComesFromTheLinks) {
  const SearchService service = DefaultSearchService();
  EXPECT_EQ(service.endpoint, links::kSearchService);
  EXPECT_EQ(service.homePage, links::kSearchServiceHome);
  EXPECT_EQ(service.logo, links::kSearchServiceLogo);
}

struct LiteralCase {
  const char* text;
  const char* literal;
};

class JsStringLiteralTest : public ::testing::TestWithParam<LiteralCase> {};

TEST_P(JsStringLiteralTest, Escapes) {
  EXPECT_EQ(JsStringLiteral(GetParam().text), GetParam().literal);
}

INSTANTIATE_TEST_SUITE_P(Texts, JsStringLiteralTest,
                         ::testing::Values(LiteralCase{"", "\"\""},
                                           LiteralCase{"Latitude Longitude ",
                                                       "\"Latitude Longitude \""},
                                           LiteralCase{"say \"hi\"", "\"say \\\"hi\\\"\""},
                                           LiteralCase{"a\\b", "\"a\\\\b\""},
                                           LiteralCase{"<a href='x'>", "\"<a href='x'>\""},
                                           LiteralCase{"1\n2\r3\t4", "\"1\\n2\\r3\\t4\""},
                                           LiteralCase{"\x01\x1f", "\"\\u0001\\u001f\""},
                                           LiteralCase{"S\xC3\xA3o Paulo", "\"S\xC3\xA3o Paulo\""},
                                           LiteralCase{"a\xE2\x80\xA8"
                                                       "b\xE2\x80\xA9",
                                                       "\"a\\u2028b\\u2029\""}));

}  // namespace
}  // namespace tarvel
