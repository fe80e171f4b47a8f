#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace tarvel {

/// What the user answers when the window would close, or open another reading, over an
/// unsaved reading.
enum class CloseAnswer { Save, Discard, Cancel };

/// What would take the unsaved reading away.
enum class LeaveReason { Closing, Opening };

/// Asks whether to save the reading of `name` before the window closes or opens another: a
/// message box in the program, a recorder in tests.
using CloseQuestion = std::function<CloseAnswer(const QString& name, LeaveReason reason)>;

/// Asks in a message box over `parent`: Save, Discard or Cancel, Save the default.
CloseAnswer AskSaveBeforeClose(QWidget* parent, const QString& name, LeaveReason reason);

}  // namespace tarvel
