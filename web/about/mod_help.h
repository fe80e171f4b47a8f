#pragma once

#include <functional>
#include <string_view>

namespace tarvel {

/// Hands a web address to something that shows it; the desktop's browser in the program,
/// a recorder in tests.
using UrlOpener = std::function<void(std::string_view url)>;

/// Asks the desktop to open the address in the user's default browser, without waiting.
/// Whether a browser could be started is not reported: a link that fails does nothing.
void OpenInDesktopBrowser(std::string_view url);

/// The link routines: one per page of the maker's web site. The object keeps no state
/// beyond its opener, so choosing a link twice opens the page twice.
class modHelp {
 public:
  explicit modHelp(UrlOpener opener = OpenInDesktopBrowser);

  void OpenOnlineHelp() const;
  void OpenHomePage() const;
  void OpenUpdate() const;
  void OpenDonation() const;
  void OpenFullBrand() const;
  void OpenCoBrand() const;

 private:
  UrlOpener opener_;
};

}  // namespace tarvel
