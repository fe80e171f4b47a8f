#pragma once

#include <QPointer>

#include "web/finder/frm_browser.h"

namespace tarvel {

/// Keeps at most one finder window: each search gets a fresh one, and the owner closes it
/// when it goes.
class FinderLauncher {
 public:
  explicit FinderLauncher(FinderOptions options);
  ~FinderLauncher();
  FinderLauncher(const FinderLauncher&) = delete;
  FinderLauncher& operator=(const FinderLauncher&) = delete;

  /// Deletes any finder window still open, then shows a new one searching for `query`.
  frmBrowser* OpenFresh(const FinderQuery& query);
  /// Deletes the finder window, with its web view, if one is open.
  void Close();
  /// The open finder window, or null.
  frmBrowser* Current() const { return finder_; }

 private:
  FinderOptions options_;
  QPointer<frmBrowser> finder_;
};

}  // namespace tarvel
