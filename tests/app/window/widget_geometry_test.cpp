#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

#include "app/window/form_mapping.h"
#include "tests/app/example_birth.h"
#include "window_fixture.h"

namespace tarvel::testing {
namespace {

// The application's font for one test, and the one before it afterwards.
class AppFont {
 public:
  explicit AppFont(double pointSize) : before_(QApplication::font()) {
    QFont font = before_;
    font.setPointSizeF(pointSize);
    QApplication::setFont(font);
  }
  ~AppFont() { QApplication::setFont(before_); }

 private:
  QFont before_;
};

std::string NameOf(const QWidget* widget) {
  return (widget->objectName().isEmpty() ? QString(widget->metaObject()->className())
                                         : widget->objectName())
      .toStdString();
}

// A label's text in its own font fits its rectangle, on one line or wrapped.
void ExpectLabelsFit(const QWidget& view) {
  for (const QLabel* label : view.findChildren<QLabel*>()) {
    if (!label->isVisible() || label->text().isEmpty()) continue;
    const QRect room = label->contentsRect();
    if (label->wordWrap()) {
      EXPECT_LE(label->heightForWidth(label->width()), label->height()) << NameOf(label);
    } else {
      const QFontMetrics metrics(label->font());
      EXPECT_LE(metrics.horizontalAdvance(label->text()), room.width()) << NameOf(label);
      EXPECT_LE(metrics.height(), room.height()) << NameOf(label);
    }
  }
}

// No two controls side by side in one container overlap.
void ExpectNoControlsOverlap(const QWidget& view) {
  QList<QWidget*> controls;
  for (QWidget* widget : view.findChildren<QWidget*>()) {
    const bool control = qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget) ||
                         qobject_cast<QComboBox*>(widget) || qobject_cast<QLineEdit*>(widget) ||
                         qobject_cast<QTextEdit*>(widget);
    if (control && widget->isVisible() && !qobject_cast<QLineEdit*>(widget->parent())) {
      controls << widget;
    }
  }
  for (qsizetype i = 0; i < controls.size(); ++i) {
    for (qsizetype j = i + 1; j < controls.size(); ++j) {
      const QRect a(controls[i]->mapTo(&view, QPoint()), controls[i]->size());
      const QRect b(controls[j]->mapTo(&view, QPoint()), controls[j]->size());
      EXPECT_FALSE(a.intersects(b)) << NameOf(controls[i]) << " and " << NameOf(controls[j]);
    }
  }
}

// With a 12-point font, both views at the window's first size: nothing cut, nothing on top
// of anything else.
TEST(WidgetGeometryTest, TwelvePointTextFitsAndNoControlsOverlap) {
  const AppFont twelvePoints(12);
  RecordingSink sink;
  const modHelp help{[](std::string_view) { return true; }, [](std::string_view) {}};
  frmMain window(sink, help);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QTest::qWait(20);
  ExpectLabelsFit(*window.Input().Frame1);
  ExpectNoControlsOverlap(*window.Input().Frame1);
  WriteForm(AshaForm(), window.Input());
  window.Input().cmdCalculate->click();
  QTest::qWait(20);
  ASSERT_EQ(window.FrontView(), window.Result().Frame2);
  ExpectLabelsFit(*window.Result().Frame2);
  ExpectNoControlsOverlap(*window.Result().Frame2);
}

}  // namespace
}  // namespace tarvel::testing
