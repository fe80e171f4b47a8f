#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace tarvel {

/// What the user answers when the window would close over an unsaved reading.
enum class CloseAnswer { Save, Discard, Cancel };

/// Asks whether to save the reading of `name` before closing: a message box in the program,
/// a recorder in tests.
using CloseQuestion = std::function<CloseAnswer(const QString& name)>;

/// Asks in a message box over `parent`: Save, Discard or Cancel, Save the default.
CloseAnswer AskSaveBeforeClose(QWidget* parent, const QString& name);

}  // namespace tarvel
