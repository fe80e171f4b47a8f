#pragma once

#include <QTextEdit>

#include <vector>

#include "document/chart_document.h"

namespace tarvel {

/// Replaces the text of the box with a document's lines (the reading or the synthesis): each
/// line in its style's colour, headings bold; nothing underlined, as nothing in it is a link.
/// The box scrolls back to the top.
void ShowReadingText(const std::vector<DocumentLine>& reading, QTextEdit& box);

}  // namespace tarvel
