#include "web/about/mod_help.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>
#include <utility>

#include "web/links.h"

namespace tarvel {

bool OpenInDesktopBrowser(std::string_view url) {
  const QString address = QString::fromUtf8(url.data(), static_cast<qsizetype>(url.size()));
  return QDesktopServices::openUrl(QUrl(address));
}

std::string LinkFailureMessage(std::string_view url) {
  std::string message = "No web browser could be started to show ";
  return message.append(url);
}

modHelp::modHelp(UrlOpener opener, LinkFailureNotice notice, std::string helpAddress)
    : opener_(std::move(opener)),
      notice_(std::move(notice)),
      helpAddress_(std::move(helpAddress)) {}

void modHelp::Open(std::string_view url) const {
  if (!opener_(url) && notice_) notice_(LinkFailureMessage(url));
}

void modHelp::OpenOnlineHelp() const {
  Open(helpAddress_);
}

void modHelp::OpenHomePage() const {
  Open(links::kHomePage);
}

void modHelp::OpenUpdate() const {
  Open(links::kUpdate);
}

void modHelp::OpenDonation() const {
  Open(links::kDonation);
}

void modHelp::OpenFullBrand() const {
  Open(links::kFullBrand);
}

void modHelp::OpenCoBrand() const {
  Open(links::kCoBrand);
}

}  // namespace tarvel
