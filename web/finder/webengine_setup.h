#pragma once

namespace tarvel {

/// Readies the process for Qt WebEngine; call in `main` before the application object exists.
/// Run as root, the engine refuses to start with its sandbox on, so the sandbox is turned off
/// then. Settings already made in the environment are kept.
void PrepareWebEngine();

}  // namespace tarvel
