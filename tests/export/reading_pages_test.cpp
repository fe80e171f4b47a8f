#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "export/reading_pages.h"
#include "export_test_support.h"

namespace tarvel::testing {
namespace {

// Lines of height 1 from letters: H a heading, E an entry, B a blank line.
std::vector<FlowLine> Lines(std::string_view kinds) {
  std::vector<FlowLine> lines;
  for (const char kind : kinds) {
    const DocumentLineKind line = kind == 'H'   ? DocumentLineKind::Heading
                                  : kind == 'B' ? DocumentLineKind::Blank
                                                : DocumentLineKind::Entry;
    lines.push_back({line, 1});
  }
  return lines;
}

struct BreakCase {
  const char* what;
  const char* kinds;
  double firstRoom;
  double pageRoom;
  std::vector<PageSpan> pages;
};

const BreakCase kBreaks[] = {
    {"everything on the first page", "HEBHEB", 10, 10, {{0, 6}}},
    {"a break where the page is full, the blank dropped", "HEEBHEB", 3, 3, {{0, 3}, {4, 7}}},
    {"a heading that would end a page goes over with it", "HEBHEE", 4, 4, {{0, 3}, {3, 6}}},
    {"no room below the chart", "HEB", 0.5, 3, {{0, 0}, {0, 3}}},
    {"only a heading's room below the chart", "HEB", 1, 3, {{0, 0}, {0, 3}}},
    {"a heading whose line fits no page beside it stands alone",
     "HEB",
     0,
     1,
     {{0, 0}, {0, 1}, {1, 2}}},
    {"the last page ends where the reading does", "HEEB", 3, 1, {{0, 3}}},
    {"lines taller than a page take a page each", "HEB", 0, 0.5, {{0, 0}, {0, 1}, {1, 2}}},
    {"blank lines at the end make no page", "HEBB", 2, 2, {{0, 2}}},
    {"an empty reading still has its page", "", 5, 5, {{0, 0}}},
};

TEST(ReadingPagesTest, BreaksBetweenLines) {
  for (const BreakCase& test : kBreaks) {
    EXPECT_EQ(BreakPages(Lines(test.kinds), test.firstRoom, test.pageRoom), test.pages)
        << test.what;
  }
}

// What must hold of any breaking, checked on random readings and page heights.
void ExpectCleanBreaks(const std::vector<FlowLine>& lines, double firstRoom, double pageRoom) {
  const std::vector<PageSpan> pages = BreakPages(lines, firstRoom, pageRoom);
  ASSERT_FALSE(pages.empty());
  std::size_t next = 0;
  for (std::size_t page = 0; page < pages.size(); ++page) {
    const PageSpan span = pages[page];
    // Pages follow each other, skipping only blank lines.
    for (; next < span.first; ++next) EXPECT_EQ(lines[next].kind, DocumentLineKind::Blank);
    next = span.end;
    if (span.first == span.end) {
      EXPECT_EQ(page, 0u) << "only the first page may be empty";
      continue;
    }
    EXPECT_NE(lines[span.first].kind, DocumentLineKind::Blank) << "page " << page;
    double height = 0;
    for (std::size_t line = span.first; line < span.end; ++line) height += lines[line].height;
    const bool alone = span.end - span.first == 1;
    if (!alone) {
      EXPECT_LE(height, page == 0 ? firstRoom : pageRoom) << "page " << page;
    }
    const bool last = page + 1 == pages.size();
    if (!last && span.end - span.first > 1) {
      EXPECT_NE(lines[span.end - 1].kind, DocumentLineKind::Heading) << "page " << page;
    }
  }
  for (; next < lines.size(); ++next) EXPECT_EQ(lines[next].kind, DocumentLineKind::Blank);
}

TEST(ReadingPagesTest, RandomReadingsBreakCleanly) {
  Lcg random(7);
  for (int reading = 0; reading < 300; ++reading) {
    std::vector<FlowLine> lines;
    for (int block = random.Between(0, 9); block > 0; --block) {
      lines.push_back({DocumentLineKind::Heading, random.Between(10, 14) / 10.0});
      for (int entry = random.Between(1, 12); entry > 0; --entry) {
        lines.push_back({DocumentLineKind::Entry, random.Between(8, 12) / 10.0});
      }
      lines.push_back({DocumentLineKind::Blank, 1});
    }
    ExpectCleanBreaks(lines, random.Between(0, 30), random.Between(3, 40));
  }
}

}  // namespace
}  // namespace tarvel::testing
