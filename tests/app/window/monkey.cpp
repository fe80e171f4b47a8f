#include "monkey.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <QWheelEvent>
#include <array>

namespace tarvel::testing {
namespace {

constexpr std::size_t kRecentEvents = 30;

// Keys that move, edit, confirm and cancel, beside the characters typed as text.
constexpr std::array<Qt::Key, 22> kKeys = {
    Qt::Key_Tab,      Qt::Key_Backtab,   Qt::Key_Return, Qt::Key_Enter,  Qt::Key_Escape,
    Qt::Key_Space,    Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,   Qt::Key_Right,
    Qt::Key_Up,       Qt::Key_Down,      Qt::Key_Home,   Qt::Key_End,    Qt::Key_PageUp,
    Qt::Key_PageDown, Qt::Key_F1,        Qt::Key_F4,     Qt::Key_Insert, Qt::Key_A,
    Qt::Key_V,        Qt::Key_Z};

constexpr std::array<Qt::KeyboardModifiers::enum_type, 4> kModifiers = {
    Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier};

// Texts a user might type or paste: plausible values, names beyond letters, control
// characters, long runs and scripts other than Latin.
const std::array<QString, 14> kTexts = {
    "18",     "58",           "072",  "999", "Asha Rao", "Mumbai", "O'Brien",
    "Zürich", "\u0928\u092E", "1\n2", "\t",  "\x1b[2J",  "-5",     QString(300, 'x')};

}  // namespace

int Monkey::Below(int bound) {
  return std::uniform_int_distribution<int>(0, bound - 1)(random_);
}

void Monkey::Note(std::string event) {
  recent_.push_back(std::move(event));
  if (recent_.size() > kRecentEvents) recent_.pop_front();
}

// The window's own widgets and those of whatever it shows on top (a popup, a dialog).
QWidget* Monkey::AnyVisibleWidget() {
  QWidget* top = QApplication::activePopupWidget();
  if (top == nullptr) top = QApplication::activeModalWidget();
  if (top == nullptr) top = &window_;
  QList<QWidget*> widgets = top->findChildren<QWidget*>();
  widgets.removeIf([](QWidget* widget) { return !widget->isVisible(); });
  widgets.append(top);
  return widgets[Below(static_cast<int>(widgets.size()))];
}

QWidget* Monkey::KeyTarget() {
  if (QWidget* popup = QApplication::activePopupWidget()) return popup;
  if (QWidget* focus = QApplication::focusWidget()) return focus;
  return &window_;
}

QString Monkey::AnyText() {
  if (OneIn(3)) {
    QString text;
    for (int length = Below(12); length > 0; --length) {
      text += QChar(static_cast<char16_t>(Below(OneIn(4) ? 0x3000 : 0x80)));
    }
    return text;
  }
  return kTexts[Below(static_cast<int>(kTexts.size()))];
}

void Monkey::PressKey() {
  const Qt::Key key = kKeys[Below(static_cast<int>(kKeys.size()))];
  const auto modifiers = kModifiers[Below(static_cast<int>(kModifiers.size()))];
  QWidget* target = KeyTarget();
  Note("key " + std::to_string(key) + " with " + std::to_string(modifiers) + " on " +
       target->metaObject()->className());
  QTest::keyClick(target, key, modifiers);
}

void Monkey::TypeText() {
  const QString text = AnyText();
  QWidget* target = KeyTarget();
  Note("type '" + text.left(20).toStdString() + "' on " + target->metaObject()->className());
  // Each character as the key that types it, beyond Latin-1 too.
  for (const QChar c : text) {
    const auto key = static_cast<Qt::Key>(c.isLetterOrNumber() ? c.toUpper().unicode() : 0);
    QTest::sendKeyEvent(QTest::Click, target, key, QString(c), Qt::NoModifier);
  }
}

void Monkey::Click() {
  QWidget* target = AnyVisibleWidget();
  const QPoint at(Below(std::max(1, target->width())), Below(std::max(1, target->height())));
  const Qt::MouseButton button =
      OneIn(6) ? Qt::RightButton : (OneIn(10) ? Qt::MiddleButton : Qt::LeftButton);
  Note(std::string("click ") + std::to_string(button) + " on " + target->metaObject()->className() +
       " " + target->objectName().toStdString());
  if (OneIn(5)) {
    QTest::mouseDClick(target, button, {}, at);
  } else {
    QTest::mouseClick(target, button, {}, at);
  }
}

void Monkey::TurnWheel() {
  QWidget* target = AnyVisibleWidget();
  const QPointF at(target->width() / 2.0, target->height() / 2.0);
  const QPoint delta(0, OneIn(2) ? 120 : -120);
  Note(std::string("wheel on ") + target->metaObject()->className());
  QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), delta, Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(target, &wheel);
}

void Monkey::Paste() {
  const QString text = AnyText();
  QGuiApplication::clipboard()->setText(text);
  QWidget* target = KeyTarget();
  Note("paste '" + text.left(20).toStdString() + "' into " + target->metaObject()->className());
  if (OneIn(2)) {
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
  } else {
    QTest::keyClick(target, Qt::Key_Insert, Qt::ShiftModifier);
  }
}

// A drag that enters a widget and is dropped there, with text or a file's address.
void Monkey::Drop() {
  QWidget* target = AnyVisibleWidget();
  QMimeData data;
  if (OneIn(3)) {
    data.setUrls({QUrl::fromLocalFile(OneIn(2) ? "/tmp/none.tvl" : "/etc/hostname")});
  } else {
    data.setText(AnyText());
  }
  const QPoint at(Below(std::max(1, target->width())), Below(std::max(1, target->height())));
  Note("drop '" + data.text().left(20).toStdString() + "' on " + target->metaObject()->className());
  QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
  QApplication::sendEvent(target, &enter);
  QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
  QApplication::sendEvent(target, &move);
  QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
  QApplication::sendEvent(target, &drop);
}

void Monkey::TriggerMenuItem() {
  QList<QAction*> actions = window_.findChildren<QAction*>();
  actions.removeIf(
      [](QAction* action) { return action->menu() != nullptr || action->isSeparator(); });
  if (actions.isEmpty()) return;
  QAction* action = actions[Below(static_cast<int>(actions.size()))];
  Note("menu item '" + action->text().toStdString() + "'");
  action->trigger();
}

void Monkey::FocusAnyWidget() {
  QWidget* target = AnyVisibleWidget();
  Note(std::string("focus ") + target->metaObject()->className());
  target->setFocus();
}

void Monkey::Resize() {
  const QSize size(100 + Below(1200), 80 + Below(900));
  Note("resize to " + std::to_string(size.width()) + "x" + std::to_string(size.height()));
  window_.resize(size);
}

void Monkey::Act() {
  // Clicks and keys are what a user does most; the rest come now and then.
  const int roll = Below(100);
  sending_ = true;
  if (roll < 30) {
    Click();
  } else if (roll < 55) {
    PressKey();
  } else if (roll < 70) {
    TypeText();
  } else if (roll < 78) {
    Paste();
  } else if (roll < 85) {
    Drop();
  } else if (roll < 91) {
    TriggerMenuItem();
  } else if (roll < 95) {
    FocusAnyWidget();
  } else if (roll < 98) {
    TurnWheel();
  } else {
    Resize();
  }
  sending_ = false;
  QCoreApplication::processEvents();
}

}  // namespace tarvel::testing
