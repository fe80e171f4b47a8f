#include "export/chart_pages.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "export/caption_fit.h"
#include "export/chart_painter.h"
#include "export/header_layout.h"
#include "export/reading_pages.h"

namespace tarvel {
namespace {

constexpr int kGapTwips = 240;
constexpr int kEntryIndentTwips = 240;
constexpr int kEntryTwips = 200;  // 10 points
constexpr int kHeadingTwips = 230;
constexpr int kFooterSlotTwips = 360;
constexpr int kFooterTwips = 160;
constexpr double kMaxCardZoom = 1.5;
// The chart takes at most this share of the first page's height.
constexpr double kMaxCardShare = 0.55;
constexpr double kLineSlotFactor = 1.2;

// The fonts and line heights of the reading on one page width.
struct ReadingStyle {
  QFont heading;
  QFont entry;
  double headingSlot = 0;
  double entrySlot = 0;
  double indent = 0;
};

QFont WidthFitted(QFont font, int textTwips, double pxPerTwip, double width,
                  const std::vector<QString>& texts, const QPaintDevice* device) {
  const int preferredPx = std::max(1, static_cast<int>(std::floor(textTwips * pxPerTwip)));
  return FittedFont(std::move(font), preferredPx, device, [&](const QFontMetricsF& metrics) {
    double widest = 0;
    for (const QString& text : texts) widest = std::max(widest, metrics.horizontalAdvance(text));
    return widest / width;
  });
}

ReadingStyle FitReading(const std::vector<DocumentLine>& lines, double width, double pxPerTwip,
                        const QPaintDevice* device, const QFont& base) {
  std::vector<QString> headings;
  std::vector<QString> entries;
  for (const DocumentLine& line : lines) {
    if (line.kind == DocumentLineKind::Heading) headings.push_back(FromUtf8(line.text));
    if (line.kind == DocumentLineKind::Entry) entries.push_back(FromUtf8(line.text));
  }
  ReadingStyle style;
  style.indent = kEntryIndentTwips * pxPerTwip;
  QFont heading = base;
  heading.setBold(true);
  QFont entry = base;
  entry.setUnderline(true);
  style.heading = WidthFitted(heading, kHeadingTwips, pxPerTwip, width, headings, device);
  style.entry = WidthFitted(entry, kEntryTwips, pxPerTwip, width - style.indent, entries, device);
  style.headingSlot = QFontMetricsF(style.heading, device).lineSpacing() * kLineSlotFactor;
  style.entrySlot = QFontMetricsF(style.entry, device).lineSpacing() * kLineSlotFactor;
  return style;
}

// A line of the reading or of the synthesis with the style of its part.
struct StyledLine {
  const DocumentLine* line;
  const ReadingStyle* style;
};

// A part of the flow and the style fitted to it.
struct FlowPart {
  const std::vector<DocumentLine>* lines;
  ReadingStyle style;
};

// The reading, the Argala synthesis, then the periods where asked: one flow of lines over the
// pages. Each part is fitted to the width on its own, so the synthesis's longer lines leave
// the reading's size be.
std::vector<StyledLine> FlowingLines(const std::vector<FlowPart>& parts) {
  std::vector<StyledLine> lines;
  for (const FlowPart& part : parts) {
    for (const DocumentLine& line : *part.lines) lines.push_back({&line, &part.style});
  }
  return lines;
}

double SlotOf(const StyledLine& styled) {
  const bool heading = styled.line->kind == DocumentLineKind::Heading;
  return heading ? styled.style->headingSlot : styled.style->entrySlot;
}

std::vector<FlowLine> FlowOf(const std::vector<StyledLine>& lines) {
  std::vector<FlowLine> flow;
  for (const StyledLine& styled : lines) flow.push_back({styled.line->kind, SlotOf(styled)});
  return flow;
}

void PlaceReading(const std::vector<StyledLine>& lines, PageSpan span, double top, double width,
                  std::vector<PlacedText>& texts) {
  for (std::size_t index = span.first; index < span.end; ++index) {
    const DocumentLine& line = *lines[index].line;
    const ReadingStyle& style = *lines[index].style;
    const bool heading = line.kind == DocumentLineKind::Heading;
    const double slot = SlotOf(lines[index]);
    if (line.kind != DocumentLineKind::Blank) {
      const double indent = heading ? 0 : style.indent;
      texts.push_back({heading ? TextRole::ReadingHeading : TextRole::ReadingEntry,
                       {FromUtf8(line.text)},
                       QRectF(indent, top, width - indent, slot),
                       heading ? style.heading : style.entry,
                       Qt::AlignLeft | Qt::AlignVCenter});
    }
    top += slot;
  }
}

PlacedText Footer(const ChartDocument& document, std::size_t page, std::size_t pageCount,
                  QSizeF pageSize, double pxPerTwip, const QPaintDevice* device,
                  const QFont& base) {
  const QString text =
      PageTitle(document.header) + QString(" · page %1 of %2").arg(page + 1).arg(pageCount);
  const QRectF box(0, pageSize.height() - kFooterSlotTwips * pxPerTwip, pageSize.width(),
                   kFooterSlotTwips * pxPerTwip);
  QFont font = WidthFitted(base, kFooterTwips, pxPerTwip, box.width(), {text}, device);
  return {TextRole::Footer, {text}, box, font, Qt::AlignHCenter | Qt::AlignBottom};
}

ChartCardLayout PlaceCard(const ChartDocument& document, QSizeF pageSize, double top,
                          double pxPerTwip, const QPaintDevice* device, const QFont& base) {
  const double naturalWidth = ChartCardWidthTwips(document.face.style) * pxPerTwip;
  const double naturalHeight = kChartCardHeightTwips * pxPerTwip;
  const double zoom = std::min({kMaxCardZoom, pageSize.width() / naturalWidth,
                                pageSize.height() * kMaxCardShare / naturalHeight});
  const QPointF origin((pageSize.width() - naturalWidth * zoom) / 2, top);
  return LayOutChartCard(document.captions, origin, pxPerTwip * zoom, device, base, document.face);
}

}  // namespace

std::vector<ChartPage> LayOutChartPages(const ChartDocument& document, QSizeF pageSize,
                                        const QPaintDevice* device, const QFont& base) {
  const double pxPerTwip = device->logicalDpiY() / 1440.0;
  const double width = pageSize.width();
  ChartPage first;
  first.texts = LayOutHeader(document.header, {0, 0}, width, pxPerTwip, device, base);
  first.card = PlaceCard(document, pageSize, (kHeaderHeightTwips + kGapTwips) * pxPerTwip,
                         pxPerTwip, device, base);
  const double readingTop = first.card->area.bottom() + kGapTwips * pxPerTwip;
  const double readingBottom = pageSize.height() - kFooterSlotTwips * pxPerTwip;
  std::vector<FlowPart> parts;
  for (const auto* part : {&document.reading, &document.summary, &document.periods}) {
    parts.push_back({part, FitReading(*part, width, pxPerTwip, device, base)});
  }
  const std::vector<StyledLine> lines = FlowingLines(parts);
  const std::vector<FlowLine> flow = FlowOf(lines);
  const std::vector<PageSpan> spans = BreakPages(flow, readingBottom - readingTop, readingBottom);
  std::vector<ChartPage> pages(spans.size());
  pages[0] = std::move(first);
  for (std::size_t page = 0; page < spans.size(); ++page) {
    PlaceReading(lines, spans[page], page == 0 ? readingTop : 0, width, pages[page].texts);
    pages[page].texts.push_back(
        Footer(document, page, spans.size(), pageSize, pxPerTwip, device, base));
  }
  return pages;
}

void PaintChartPage(QPainter& painter, const ChartPage& page, const ChartPalette& palette) {
  if (page.card) PaintChartCard(painter, *page.card, palette);
  painter.setRenderHint(QPainter::TextAntialiasing);
  for (const PlacedText& text : page.texts) PaintText(painter, text, palette);
}

std::optional<std::string> PrintChartDocument(QPagedPaintDevice& device,
                                              const ChartDocument& document, const QFont& base) {
  QPainter painter;
  if (!painter.begin(&device)) return "the page could not be started";
  const QSizeF pageSize(device.width(), device.height());
  // On paper glyphs are fine enough that hinting them to a pixel grid gains nothing, and
  // running the fonts' hinting programs at each size tried costs most of a PDF's time.
  QFont unhinted = base;
  unhinted.setHintingPreference(QFont::PreferNoHinting);
  const std::vector<ChartPage> pages = LayOutChartPages(document, pageSize, &device, unhinted);
  for (std::size_t page = 0; page < pages.size(); ++page) {
    if (page > 0 && !device.newPage()) return "a new page could not be started";
    PaintChartPage(painter, pages[page], kPrintPalette);
  }
  if (!painter.end()) return "the pages could not be finished";
  return std::nullopt;
}

}  // namespace tarvel
