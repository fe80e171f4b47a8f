#include "app/window/arrow_key.h"

#include "app/window/rasi_chart_view.h"
#include "web/about/named.h"

namespace tarvel {
namespace {

// Box-drawing strokes stand for the lines: a heavy line and a heavy double dash.
constexpr const char* kSolidStroke = "━━";
constexpr const char* kDashedStroke = "╍╍";

QString Stroke(const char* stroke, Rgb colour) {
  return QString("<span style=\"color:%1\">%2</span>").arg(ToQColor(colour).name(), stroke);
}

QString KeyText() {
  // Two short lines, so that the key widens the chart's column no more than its selector does.
  return QString("%1 casts &nbsp; %2 obstructs<br>%3 benefic &nbsp; %4 malefic")
      .arg(QString::fromUtf8(kSolidStroke), QString::fromUtf8(kDashedStroke),
           Stroke(kSolidStroke, kShubhaArrowColour), Stroke(kSolidStroke, kPaapArrowColour));
}

}  // namespace

QLabel* CreateArrowKey(RasiChartView* chart, QWidget* parent) {
  auto* key = Named(new QLabel(KeyText(), parent), "lblArrowKey");
  key->setTextFormat(Qt::RichText);
  key->setAccessibleName("Arrows");
  key->hide();
  QObject::connect(chart, &RasiChartView::explanationChanged, key,
                   [key](const QString& caption) { key->setVisible(!caption.isEmpty()); });
  return key;
}

}  // namespace tarvel
