#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "web/links.h"

namespace tarvel {

/// Hands a web address to something that shows it: the desktop's browser in the program, a
/// recorder in tests. False when nothing could be started to show it.
using UrlOpener = std::function<bool(std::string_view url)>;

/// Tells the user that a link could not be opened: a message box titled "Tarvel" in the
/// program, a recorder in tests.
using LinkFailureNotice = std::function<void(std::string_view message)>;

/// Asks the desktop to open the address in the user's default browser, without waiting for
/// it. False when no browser could be started (none is set up, say).
bool OpenInDesktopBrowser(std::string_view url);

/// What the user is told when no browser could be started for `url`: the address, so that
/// it can be opened by hand.
std::string LinkFailureMessage(std::string_view url);

/// The link routines: one per page of the maker's web site. The object keeps no state
/// beyond its opener and notice, so choosing a link twice opens the page twice. A link that
/// cannot be opened is not silently lost: the notice tells of it (LinkFailureMessage).
class modHelp {
 public:
  /// `helpAddress` is what Online Help opens: the installed manual in the program (see
  /// ManualAddress), the web's help page when none is given.
  modHelp(UrlOpener opener, LinkFailureNotice notice,
          std::string helpAddress = std::string(links::kOnlineHelp));

  /// Opens the help address: the user manual.
  void OpenOnlineHelp() const;
  void OpenHomePage() const;
  void OpenUpdate() const;
  void OpenDonation() const;
  void OpenFullBrand() const;
  void OpenCoBrand() const;

 private:
  void Open(std::string_view url) const;

  UrlOpener opener_;
  LinkFailureNotice notice_;
  std::string helpAddress_;
};

}  // namespace tarvel
