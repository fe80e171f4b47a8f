#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

#include "app/window/form_mapping.h"
#include "tests/form/example_birth.h"
#include "window_fixture.h"

namespace tarvel::testing {
namespace {

std::string NameOf(const QWidget* widget) {
  return widget->objectName().isEmpty() ? widget->metaObject()->className()
                                        : widget->objectName().toStdString();
}

// Every label's text fits its rectangle, on one line or wrapped, and no two controls overlap.
void ExpectNothingCutOrOverlapping(const QWidget& view) {
  QList<QWidget*> controls;
  for (QWidget* widget : view.findChildren<QWidget*>()) {
    if (!widget->isVisible() || qobject_cast<QLineEdit*>(widget->parent())) continue;
    if (const auto* label = qobject_cast<QLabel*>(widget)) {
      const QFontMetrics metrics(label->font());
      // A buddy's access key is underlined, not written: "&Chart:" shows "Chart:".
      QString shown = label->text();
      if (label->buddy() != nullptr) shown.replace("&&", "\x01").remove('&').replace('\x01', '&');
      const int needs = label->wordWrap() ? label->heightForWidth(label->width())
                                          : metrics.horizontalAdvance(shown);
      EXPECT_LE(needs, label->wordWrap() ? label->height() : label->contentsRect().width())
          << NameOf(label) << " '" << label->text().toStdString() << "'";
    }
    if (qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget) ||
        qobject_cast<QComboBox*>(widget) || qobject_cast<QLineEdit*>(widget) ||
        qobject_cast<QTextEdit*>(widget)) {
      controls << widget;
    }
  }
  for (qsizetype i = 0; i < controls.size(); ++i) {
    const QRect a(controls[i]->mapTo(&view, QPoint()), controls[i]->size());
    for (qsizetype j = i + 1; j < controls.size(); ++j) {
      const QRect b(controls[j]->mapTo(&view, QPoint()), controls[j]->size());
      EXPECT_FALSE(a.intersects(b)) << NameOf(controls[i]) << " and " << NameOf(controls[j]);
    }
  }
}

// With a 12-point font, both views at the window's first size.
TEST(WidgetGeometryTest, TwelvePointTextFitsAndNoControlsOverlap) {
  const QFont before = QApplication::font();
  QFont twelvePoints = before;
  twelvePoints.setPointSize(12);
  QApplication::setFont(twelvePoints);
  RecordingSink sink;
  const modHelp help{[](std::string_view) { return true; }, [](std::string_view) {}};
  frmMain window(sink, help);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  ExpectNothingCutOrOverlapping(*window.Input().Frame1);
  WriteForm(AshaForm(), window.Input());
  window.Input().cmdCalculate->click();
  QTest::qWait(20);
  ExpectNothingCutOrOverlapping(*window.Result().Frame2);
  QApplication::setFont(before);
}

}  // namespace
}  // namespace tarvel::testing
