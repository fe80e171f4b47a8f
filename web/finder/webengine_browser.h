#pragma once

#include <memory>

#include "web/finder/embedded_browser.h"

namespace tarvel {

/// The Qt WebEngine browser: only top-level documents report completion, since the engine
/// does not tell of frames. Run as root, the process needs QTWEBENGINE_DISABLE_SANDBOX=1 in its
/// environment before the application object exists.
std::unique_ptr<EmbeddedBrowser> MakeWebEngineBrowser(const BrowserPages& pages);

}  // namespace tarvel
