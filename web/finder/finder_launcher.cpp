#include "web/finder/finder_launcher.h"

#include <utility>

namespace tarvel {

FinderLauncher::FinderLauncher(FinderOptions options) : options_(std::move(options)) {}

FinderLauncher::~FinderLauncher() {
  Close();
}

frmBrowser* FinderLauncher::OpenFresh(const FinderQuery& query) {
  Close();
  finder_ = new frmBrowser(query, options_);
  // Closed by its own close box, it goes at once instead of lingering hidden.
  finder_->setAttribute(Qt::WA_DeleteOnClose);
  finder_->show();
  return finder_;
}

void FinderLauncher::Close() {
  delete finder_.data();
}

}  // namespace tarvel
