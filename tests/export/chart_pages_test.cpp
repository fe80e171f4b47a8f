#include <gtest/gtest.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>

#include "export/chart_pages.h"
#include "export_test_support.h"
#include "fit_checks.h"

namespace tarvel::testing {
namespace {

// A4 at the PDF writer's 1200 dots to the inch, with 15 mm margins.
class ChartPagesTest : public ::testing::Test {
 protected:
  ChartPagesTest() {
    buffer.open(QIODevice::WriteOnly);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
  }

  std::vector<ChartPage> LayOut(const ChartDocument& document) {
    return LayOutChartPages(document, PageSize(), &writer, QGuiApplication::font());
  }
  QSizeF PageSize() const { return QSizeF(writer.width(), writer.height()); }

  QBuffer buffer;
  QPdfWriter writer{&buffer};
};

std::vector<const PlacedText*> ReadingTexts(const ChartPage& page) {
  std::vector<const PlacedText*> texts;
  for (const PlacedText& text : page.texts) {
    if (text.role == TextRole::ReadingHeading || text.role == TextRole::ReadingEntry) {
      texts.push_back(&text);
    }
  }
  return texts;
}

TEST_F(ChartPagesTest, ALongReadingFlowsOverPagesInOrderAndWhole) {
  const ChartDocument document = MakeChartDocument(LongestReadingState());
  const std::vector<ChartPage> pages = LayOut(document);
  ASSERT_GT(pages.size(), 1u);
  std::vector<std::string> shown;
  for (const ChartPage& page : pages) {
    for (const PlacedText* text : ReadingTexts(page)) {
      ASSERT_EQ(text->lines.size(), 1);
      shown.push_back(text->lines[0].toStdString());
    }
  }
  std::vector<std::string> expected;
  for (const auto* part : {&document.reading, &document.summary}) {
    for (const DocumentLine& line : *part) {
      if (line.kind != DocumentLineKind::Blank) expected.push_back(line.text);
    }
  }
  EXPECT_EQ(shown, expected);
}

TEST_F(ChartPagesTest, NoPageEndsWithAHeadingAndNoneStartsWithAGap) {
  const std::vector<ChartPage> pages = LayOut(MakeChartDocument(LongestReadingState()));
  for (std::size_t page = 0; page + 1 < pages.size(); ++page) {
    const std::vector<const PlacedText*> texts = ReadingTexts(pages[page]);
    if (texts.empty()) continue;
    EXPECT_EQ(texts.back()->role, TextRole::ReadingEntry) << "page " << page + 1;
  }
  for (std::size_t page = 1; page < pages.size(); ++page) {
    const std::vector<const PlacedText*> texts = ReadingTexts(pages[page]);
    ASSERT_FALSE(texts.empty());
    EXPECT_DOUBLE_EQ(texts.front()->box.top(), 0) << "page " << page + 1;
  }
}

TEST_F(ChartPagesTest, EveryTextFitsItsBoxAndTheBoxesStayOnThePage) {
  for (const ChartState& state : {AshaState(), LongestReadingState()}) {
    const std::vector<ChartPage> pages = LayOut(MakeChartDocument(state));
    const QRectF page(QPointF(0, 0), PageSize());
    for (const ChartPage& shown : pages) {
      for (const PlacedText& text : shown.texts) {
        ExpectFits(text, &writer);
        ExpectInside(text, page);
      }
      if (!shown.card) continue;
      EXPECT_TRUE(page.contains(shown.card->area));
      ForEachText(*shown.card, [&](const PlacedText& text) { ExpectFits(text, &writer); });
    }
  }
}

TEST_F(ChartPagesTest, TheFirstPageHasTheHeaderAndTheChartAndEveryPageAFooter) {
  const ChartDocument document = MakeChartDocument(LongestReadingState());
  const std::vector<ChartPage> pages = LayOut(document);
  ASSERT_TRUE(pages[0].card.has_value());
  EXPECT_EQ(pages[0].texts[0].role, TextRole::Title);
  EXPECT_EQ(pages[0].texts[0].lines[0].toStdString(), document.header.title);
  for (std::size_t page = 0; page < pages.size(); ++page) {
    EXPECT_EQ(page == 0, pages[page].card.has_value());
    const PlacedText& footer = pages[page].texts.back();
    EXPECT_EQ(footer.role, TextRole::Footer);
    EXPECT_EQ(footer.lines[0],
              QString("Long Reading · page %1 of %2").arg(page + 1).arg(pages.size()));
  }
}

// A narrow, short page (a small label printer, say) still shows every line whole: the
// reading's font shrinks to the width, and the reading goes on over more pages.
TEST_F(ChartPagesTest, ANarrowPageShrinksTheTextRatherThanCutIt) {
  const ChartDocument document = MakeChartDocument(LongestReadingState());
  const QSizeF narrow(PageSize().width() / 3, PageSize().height() / 3);
  const std::vector<ChartPage> pages =
      LayOutChartPages(document, narrow, &writer, QGuiApplication::font());
  EXPECT_GT(pages.size(), LayOut(document).size());
  for (const ChartPage& page : pages) {
    for (const PlacedText& text : page.texts) ExpectFits(text, &writer);
  }
}

}  // namespace
}  // namespace tarvel::testing
