#pragma once

class QWidget;

namespace tarvel {

/// Gives each control of the main window's two views its tooltip, found by its name under
/// `window`; a name the window lacks is passed over.
void ShowToolTips(QWidget& window);

}  // namespace tarvel
