#include "cli/chart/chart_text.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "cli/chart/text_canvas.h"
#include "document/nakshatra_text.h"
#include "document/rasi_chart_layout.h"

namespace tarvel {

namespace {

constexpr int kBoxWidth = 14;  // columns inside a box
constexpr int kBoxPadding = 1;
constexpr int kBoxTextWidth = kBoxWidth - 2 * kBoxPadding;
constexpr int kMinBoxHeight = 5;  // lines inside a box, its sign number's line included
constexpr int kCentreTextWidth = 2 * kBoxWidth + 1 - 2 * kBoxPadding;
constexpr int kListGap = 2;

using Lines = std::vector<std::string>;

// Where the rules run: columnX[i] is the column of the i-th vertical rule, rowY[i] the line
// of the i-th horizontal rule.
struct Grid {
  std::array<int, kChartGridSize + 1> columnX{};
  std::array<int, kChartGridSize + 1> rowY{};
};

Lines WrapCaption(std::string_view caption, int width) {
  Lines lines = WrapText(caption, width);
  if (lines.empty()) lines.emplace_back();
  return lines;
}

// Room for the widest item with the " /" that may follow it, and never less than the boxes
// have always had.
int BoxTextWidth(const ChartCaptions& captions) {
  int width = kBoxTextWidth;
  for (const BoxItems& items : captions.signItems) {
    for (const BoxItem& item : items) {
      width = std::max(width, DisplayWidth(BoxItemText(item)) + DisplayWidth(kSignLineEnd));
    }
  }
  return width;
}

// A sign box's items in lines, never breaking an item ("Me 15°33'"), so that a planet stays
// beside its degrees.
Lines WrapSignBox(const BoxItems& items, int width) {
  Lines lines;
  const auto fits = [width](std::string_view text) { return DisplayWidth(text) <= width; };
  for (const LineSpan& line : WrapBoxItems(items, fits)) {
    lines.push_back(BoxLineText(items, line));
  }
  return lines;
}

Lines LegendLines(const ChartCaptions& captions) {
  Lines legend;
  for (const std::string& caption : captions.lblPlanet) {
    for (std::string& line : WrapCaption(caption, kCentreTextWidth)) legend.push_back(line);
  }
  return legend;
}

// Each row is as high as its fullest box needs; the two middle rows also hold the legend
// with a blank line above and below it.
std::array<int, kChartGridSize> RowHeights(const std::array<Lines, kSignCount>& boxLines,
                                           int legendLineCount) {
  std::array<int, kChartGridSize> heights;
  heights.fill(kMinBoxHeight);
  for (int sign = 0; sign < kSignCount; ++sign) {
    const int needed = static_cast<int>(boxLines[sign].size()) + 1;
    int& height = heights[kSignBoxCells[sign].row];
    height = std::max(height, needed);
  }
  while (heights[1] + heights[2] + 1 < legendLineCount + 2) {
    ++heights[heights[1] <= heights[2] ? 1 : 2];
  }
  return heights;
}

Grid MakeGrid(const std::array<int, kChartGridSize>& rowHeights, int boxWidth) {
  Grid grid;
  for (int i = 1; i <= kChartGridSize; ++i) {
    grid.columnX[i] = grid.columnX[i - 1] + boxWidth + 1;
    grid.rowY[i] = grid.rowY[i - 1] + rowHeights[i - 1] + 1;
  }
  return grid;
}

void DrawSignBox(TextCanvas& canvas, const Grid& grid, int sign, const Lines& lines) {
  const GridCell cell = kSignBoxCells[sign];
  const int left = grid.columnX[cell.column];
  const int right = grid.columnX[cell.column + 1];
  const int top = grid.rowY[cell.row];
  const int bottom = grid.rowY[cell.row + 1];
  canvas.RuleHorizontal(top, left, right);
  canvas.RuleHorizontal(bottom, left, right);
  canvas.RuleVertical(left, top, bottom);
  canvas.RuleVertical(right, top, bottom);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    canvas.Put(left + 1 + kBoxPadding, top + 1 + static_cast<int>(i), lines[i]);
  }
  const std::string_view number = kSignNumberLabels[sign].caption;
  canvas.Put(right - kBoxPadding - DisplayWidth(number), bottom - 1, number);
}

void DrawLegend(TextCanvas& canvas, const Grid& grid, const Lines& legend) {
  int blockWidth = 0;
  for (const std::string& line : legend) blockWidth = std::max(blockWidth, DisplayWidth(line));
  const int centreHeight = grid.rowY[3] - grid.rowY[1] - 1;
  const int centreWidth = grid.columnX[3] - grid.columnX[1] - 1;
  const int left = grid.columnX[1] + 1 + (centreWidth - blockWidth) / 2;
  const int top = grid.rowY[1] + 1 + (centreHeight - static_cast<int>(legend.size())) / 2;
  for (std::size_t i = 0; i < legend.size(); ++i) {
    canvas.Put(left, top + static_cast<int>(i), legend[i]);
  }
}

// The widest of a column's texts, the ascendant's line included.
int ColumnWidth(const std::array<std::string, kPlanetCount>& texts, const std::string& last) {
  int width = DisplayWidth(last);
  for (const std::string& text : texts) width = std::max(width, DisplayWidth(text));
  return width;
}

int NameColumnWidth(const ChartCaptions& captions) {
  return ColumnWidth(captions.lblPlanets_Name, captions.ascendantName);
}

int PositionColumnWidth(const ChartCaptions& captions) {
  return ColumnWidth(captions.lblPlanets_Position, captions.ascendantPosition);
}

int PositionListLines(const ChartCaptions& captions) {
  return kPlanetCount + (captions.ascendantName.empty() ? 0 : 1);
}

// The nakshatras beside the positions, one line a body: "Uttara Ashadha, pada 1, lord Sun";
// titled only in a varga, whose own signs they do not follow.
struct NakshatraColumn {
  std::string title;
  std::array<std::string, kPlanetCount> grahas;
  std::string ascendant;
};

std::string NakshatraLine(const ListRow& row) {
  return row.nakshatra.empty() ? std::string() : row.nakshatra + ", " + row.padaAndLord;
}

NakshatraColumn NakshatrasOf(const ChartCaptions& captions) {
  NakshatraColumn column;
  if (captions.nakshatraHeading == kRasiNakshatraHeading) column.title = kRasiNakshatraHeading;
  for (int p = 0; p < kPlanetCount; ++p) column.grahas[p] = NakshatraLine(captions.planetRows[p]);
  column.ascendant = NakshatraLine(captions.ascendantRow);
  return column;
}

int NakshatraColumnWidth(const NakshatraColumn& nakshatras) {
  return std::max(ColumnWidth(nakshatras.grahas, nakshatras.ascendant),
                  DisplayWidth(nakshatras.title));
}

// The names, positions and nakshatras, one planet a line, from the first line inside the
// boxes, the nakshatras' title above them; the ascendant's line last, where shown.
void DrawPositionList(TextCanvas& canvas, const ChartCaptions& captions,
                      const NakshatraColumn& nakshatras, int left) {
  const int positionLeft = left + NameColumnWidth(captions) + 1;
  const int nakshatraLeft = positionLeft + PositionColumnWidth(captions) + kListGap;
  canvas.Put(nakshatraLeft, 0, nakshatras.title);
  for (int p = 0; p < kPlanetCount; ++p) {
    canvas.Put(left, 1 + p, captions.lblPlanets_Name[p]);
    canvas.Put(positionLeft, 1 + p, captions.lblPlanets_Position[p]);
    canvas.Put(nakshatraLeft, 1 + p, nakshatras.grahas[p]);
  }
  if (captions.ascendantName.empty()) return;
  canvas.Put(left, 1 + kPlanetCount, captions.ascendantName);
  canvas.Put(positionLeft, 1 + kPlanetCount, captions.ascendantPosition);
  canvas.Put(nakshatraLeft, 1 + kPlanetCount, nakshatras.ascendant);
}

}  // namespace

std::string RenderChartText(const ChartCaptions& captions) {
  const NakshatraColumn nakshatras = NakshatrasOf(captions);
  const int boxTextWidth = BoxTextWidth(captions);
  std::array<Lines, kSignCount> boxLines;
  for (int sign = 0; sign < kSignCount; ++sign) {
    boxLines[sign] = WrapSignBox(captions.signItems[sign], boxTextWidth);
  }
  const Lines legend = LegendLines(captions);
  const Grid grid = MakeGrid(RowHeights(boxLines, static_cast<int>(legend.size())),
                             boxTextWidth + 2 * kBoxPadding);

  const int chartWidth = grid.columnX.back() + 1;
  const int listLeft = chartWidth + kListGap;
  const int nakshatraWidth = NakshatraColumnWidth(nakshatras);
  const int width = listLeft + NameColumnWidth(captions) + 1 + PositionColumnWidth(captions) +
                    (nakshatraWidth == 0 ? 0 : kListGap + nakshatraWidth);
  TextCanvas canvas(width, std::max(grid.rowY.back() + 1, PositionListLines(captions) + 1));
  for (int sign = 0; sign < kSignCount; ++sign) DrawSignBox(canvas, grid, sign, boxLines[sign]);
  DrawLegend(canvas, grid, legend);
  DrawPositionList(canvas, captions, nakshatras, listLeft);
  return canvas.Render();
}

}  // namespace tarvel
