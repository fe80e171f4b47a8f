#pragma once

#include <QLabel>

namespace tarvel {

class RasiChartView;

/// The key to the explaining chart's arrows, shown beside the chart only while `chart` draws
/// arrows: a solid line casts, a dashed one obstructs, and the colours of an arrow from a
/// benefic and from a malefic.
QLabel* CreateArrowKey(RasiChartView* chart, QWidget* parent);

}  // namespace tarvel
