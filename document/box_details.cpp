#include "document/box_details.h"

#include "base/position_text.h"

namespace tarvel {

BoxItem DetailedItem(BoxItem item, const SkyPositions& positions, BoxDetails details) {
  const double longitudeDeg =
      item.planet ? positions.grahaDeg[*item.planet] : positions.ascendantDeg;
  if (details.degrees) item.degrees = DegreesInSign(longitudeDeg);
  item.retrograde = details.retrogradeMark && item.planet && positions.retrograde[*item.planet];
  return item;
}

ChartCaptions DetailedCaptions(const ChartSigns& signs, const SkyPositions& positions,
                               BoxDetails details) {
  ChartCaptions captions = BuildChartCaptions(signs, positions.grahaDeg);
  if (details == BoxDetails{}) return captions;
  for (int sign = 0; sign < kSignCount; ++sign) {
    for (BoxItem& item : captions.signItems[sign]) item = DetailedItem(item, positions, details);
    captions.lblSign[sign] = BoxText(captions.signItems[sign]);
  }
  if (details.degrees) {
    captions.ascendantName = kAscendantName;
    captions.ascendantPosition = ShortPosition(positions.ascendantDeg);
    captions.ascendantRow.position = captions.ascendantPosition;
  }
  return captions;
}

}  // namespace tarvel
