#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <memory>

#include "window_fixture.h"

namespace tarvel::testing {
namespace {

constexpr auto kLettersMessage = "Please enter only letters";
constexpr auto kNumbersMessage = "Please enter only numbers";

using KeyFilterTest = WindowTest;

// Types each character as a key of the same code; QTest::keyClicks knows only ASCII.
void TypeText(QWidget* box, const QString& text) {
  for (const QChar c : text) {
    const auto key = static_cast<Qt::Key>(c.toUpper().unicode());
    QTest::sendKeyEvent(QTest::Click, box, key, QString(c), Qt::NoModifier);
  }
}

struct TypedCase {
  FormField field;
  const char* typed;
  const char* message;  ///< empty when the keys are let through
  const char* text;     ///< the box's text afterwards, typed into "Ab" or "12"
};

constexpr std::array<TypedCase, 12> kTypedCases{{
    {FormField::txtName, "3", kLettersMessage, "Ab"},
    {FormField::txtName, "'", kLettersMessage, "Ab"},
    {FormField::txtCity, "-", kLettersMessage, "Ab"},
    {FormField::txtState, "\xE9", kLettersMessage, "Ab"},  // e acute, above 127
    {FormField::txtCountry, " Cd", "", "Ab Cd"},
    {FormField::txtName, "xY z", "", "AbxY z"},
    {FormField::txtLatDeg, "-", kNumbersMessage, "12"},
    {FormField::txtLatMin, ".", kNumbersMessage, "12"},
    {FormField::txtLonDeg, "a", kNumbersMessage, "12"},
    {FormField::txtLonMin, " ", kNumbersMessage, "12"},
    {FormField::txtLatDeg, "3", "", "123"},
    {FormField::txtLonMin, "345", "", "123"},  // the fourth and fifth digit do not fit
}};

TEST_F(KeyFilterTest, TypedCharactersOutsideTheClassAreRefused) {
  for (const TypedCase& c : kTypedCases) {
    sink.messages.clear();
    FilteredLineEdit* box = TextBox(in, c.field);
    const bool letters = box->Class() == KeyClass::Letters;
    box->setText(letters ? "Ab" : "12");
    in.cboDate->setFocus();
    TypeText(box, QString::fromLatin1(c.typed));
    const std::string label = box->objectName().toStdString() + " <- " + c.typed;
    EXPECT_EQ(box->text().toStdString(), c.text) << label;
    if (std::string_view(c.message).empty()) {
      EXPECT_TRUE(sink.messages.empty()) << label;
      continue;
    }
    EXPECT_EQ(sink.messages, (std::vector<ShownMessage>{{c.message, MessageIcon::Error}})) << label;
    // Letters boxes take the cursor back; digits boxes leave it where it was.
    EXPECT_EQ(window.focusWidget(), letters ? static_cast<QWidget*>(box) : in.cboDate) << label;
  }
}

TEST_F(KeyFilterTest, BackspaceAndDeleteEditWithoutAMessage) {
  for (FilteredLineEdit* box : TextBoxes(in)) {
    box->setText(box->Class() == KeyClass::Letters ? "Abc" : "123");
    QTest::keyClick(box, Qt::Key_Backspace);
    box->setCursorPosition(0);
    QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_EQ(box->text().size(), 1) << box->objectName().toStdString();
  }
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(KeyFilterTest, CopyPasteAndCutKeysAreControlCharactersAndRefused) {
  QGuiApplication::clipboard()->setText("Pune");
  in.txtCity->setText("Goa");
  in.txtCity->selectAll();
  for (const Qt::Key key : {Qt::Key_V, Qt::Key_C, Qt::Key_X}) {
    QTest::keyClick(in.txtCity, key, Qt::ControlModifier);
  }
  EXPECT_EQ(in.txtCity->text(), "Goa");
  EXPECT_EQ(MessageTexts(), std::vector<std::string>(3, kLettersMessage));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "Pune");
}

struct PasteCase {
  FormField field;
  const char* clipboard;
  const char* message;
  const char* text;  ///< pasted after "Ab" or "1"
};

constexpr std::array<PasteCase, 7> kPasteCases{{
    {FormField::txtCity, "New Delhi", "", "AbNew Delhi"},
    {FormField::txtCity, "Delhi 6", kLettersMessage, "Ab"},
    {FormField::txtName, "O'Neil", kLettersMessage, "Ab"},
    {FormField::txtCountry, "India\n", kLettersMessage, "Ab"},
    {FormField::txtLatDeg, "2", "", "12"},
    {FormField::txtLatDeg, "2.5", kNumbersMessage, "1"},
    {FormField::txtLonMin, "2345", "", "123"},  // cut at the length limit, not refused
}};

TEST_F(KeyFilterTest, PastedTextIsRefusedWholeWhenAnyCharacterIsForeign) {
  for (const PasteCase& c : kPasteCases) {
    sink.messages.clear();
    FilteredLineEdit* box = TextBox(in, c.field);
    box->setText(box->Class() == KeyClass::Letters ? "Ab" : "1");
    QGuiApplication::clipboard()->setText(c.clipboard);
    box->paste();
    const std::string label = box->objectName().toStdString() + " <- " + c.clipboard;
    EXPECT_EQ(box->text().toStdString(), c.text) << label;
    if (std::string_view(c.message).empty()) {
      EXPECT_TRUE(sink.messages.empty()) << label;
    } else {
      EXPECT_EQ(MessageTexts(), std::vector<std::string>{c.message}) << label;
    }
  }
}

TEST_F(KeyFilterTest, ShiftInsertAndTheContextMenuPasteThroughTheFilter) {
  QGuiApplication::clipboard()->setText("Goa2");
  QTest::keyClick(in.txtState, Qt::Key_Insert, Qt::ShiftModifier);
  const std::unique_ptr<QMenu> menu(in.txtState->createStandardContextMenu());
  QAction* paste = nullptr;
  for (QAction* action : menu->actions()) {
    if (action->text().startsWith("&Paste")) paste = action;
  }
  ASSERT_NE(paste, nullptr);
  paste->trigger();
  EXPECT_TRUE(in.txtState->text().isEmpty());
  EXPECT_EQ(MessageTexts(), std::vector<std::string>(2, kLettersMessage));
  QGuiApplication::clipboard()->setText("Goa");
  QTest::keyClick(in.txtState, Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(in.txtState->text(), "Goa");
  EXPECT_EQ(sink.messages.size(), 2U);
}

// A drag enters the box before it drops there, as a real one does.
void DropText(QWidget* box, const QString& text) {
  QMimeData data;
  data.setText(text);
  QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(box, &enter);
  QDropEvent drop(QPointF(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(box, &drop);
  QCoreApplication::processEvents();
}

TEST_F(KeyFilterTest, DroppedTextIsFilteredToo) {
  DropText(in.txtName, "R2D2");
  EXPECT_TRUE(in.txtName->text().isEmpty());
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{kLettersMessage});
  DropText(in.txtName, "Ravi");
  EXPECT_EQ(in.txtName->text(), "Ravi");
  DropText(in.txtLatMin, "4a");
  EXPECT_TRUE(in.txtLatMin->text().isEmpty());
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{kLettersMessage, kNumbersMessage}));
}

TEST_F(KeyFilterTest, InputMethodTextIsFilteredToo) {
  QInputMethodEvent digits;
  digits.setCommitString("12");
  QCoreApplication::sendEvent(in.txtCountry, &digits);
  EXPECT_TRUE(in.txtCountry->text().isEmpty());
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{kLettersMessage});
}

// Text the program itself shows, from a saved reading for instance, is shown as it is and
// does not stand in the way of the user's own editing.
TEST_F(KeyFilterTest, ProgramTextIsShownAsItIsWithoutAMessage) {
  in.txtLatDeg->setText("9x");
  EXPECT_EQ(in.txtLatDeg->text(), "9x");
  QTest::keyClicks(in.txtLatDeg, "34");
  EXPECT_EQ(in.txtLatDeg->text(), "9x3");
  in.txtName->setText("O'Neil");
  QTest::keyClicks(in.txtName, "s");
  EXPECT_EQ(in.txtName->text(), "O'Neils");
  EXPECT_TRUE(sink.messages.empty());
  QGuiApplication::clipboard()->setText("'");
  in.txtName->paste();
  EXPECT_EQ(in.txtName->text(), "O'Neils");
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{kLettersMessage});
}

}  // namespace
}  // namespace tarvel::testing
