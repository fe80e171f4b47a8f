#pragma once

#include <QTextEdit>

#include "argala/result_view.h"

namespace tarvel {

/// Replaces the text of the box with the reading: each run in its colour, headings bold,
/// reading lines underlined. The box scrolls back to the top.
void ShowReadingText(const Reading& reading, QTextEdit& box);

}  // namespace tarvel
