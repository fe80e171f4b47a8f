#include "export/header_layout.h"

#include <array>
#include <cmath>

#include "export/caption_fit.h"

namespace tarvel {
namespace {

// One header line: its role, the height of its place and its preferred text size, in twips.
struct HeaderSlot {
  TextRole role;
  int heightTwips;
  int textTwips;  ///< 320 twips are 16 points
};

constexpr std::array<HeaderSlot, 4> kSlots{{
    {TextRole::Title, 420, 320},
    {TextRole::HeaderLine, 260, 200},
    {TextRole::HeaderLine, 260, 200},
    {TextRole::SkyLine, 260, 180},
}};

QFont SlotFont(const QFont& base, TextRole role) {
  QFont font = base;
  font.setBold(role == TextRole::Title);
  font.setItalic(role == TextRole::SkyLine);
  font.setUnderline(false);
  return font;
}

}  // namespace

QString PageTitle(const ChartHeader& header) {
  if (header.varga.empty() || header.title == header.varga) return FromUtf8(header.title);
  return FromUtf8(header.title + " · " + header.varga);
}

std::vector<PlacedText> LayOutHeader(const ChartHeader& header, QPointF origin, double width,
                                     double pxPerTwip, const QPaintDevice* device,
                                     const QFont& base) {
  const std::array<const std::string*, 4> texts{&header.title, &header.birth, &header.place,
                                                &header.sky};
  std::vector<PlacedText> placed;
  double top = origin.y();
  for (std::size_t index = 0; index < kSlots.size(); ++index) {
    const HeaderSlot& slot = kSlots[index];
    const QRectF box(origin.x(), top, width, slot.heightTwips * pxPerTwip);
    top = box.bottom();
    if (texts[index]->empty()) continue;
    const QString text = index == 0 ? PageTitle(header) : FromUtf8(*texts[index]);
    const int preferredPx = std::max(1, static_cast<int>(std::floor(slot.textTwips * pxPerTwip)));
    // A long line breaks between words rather than shrinking to fit on one line.
    const auto wrapped = [&](const QFontMetricsF& m) { return WrapWords(text, m, box.width()); };
    const QFont font =
        FittedFont(SlotFont(base, slot.role), preferredPx, device,
                   [&](const QFontMetricsF& m) { return LinesNeed(m, wrapped(m), box.size()); });
    placed.push_back({slot.role, wrapped(QFontMetricsF(font, device)), box, font,
                      Qt::AlignLeft | Qt::AlignVCenter});
  }
  return placed;
}

}  // namespace tarvel
