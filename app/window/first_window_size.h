#pragma once

#include <QSize>

namespace tarvel {

/// The window's first size from its natural size and the screen's available area: grown in
/// its own shape to three quarters of the area where there is room, never below the natural
/// size, and never beyond the area (a window wider than the screen cannot be used).
QSize FirstWindowSize(QSize natural, QSize available);

}  // namespace tarvel
