#include "web/about/mod_help.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>
#include <utility>

#include "web/links.h"

namespace tarvel {

void OpenInDesktopBrowser(std::string_view url) {
  const QString address = QString::fromUtf8(url.data(), static_cast<qsizetype>(url.size()));
  QDesktopServices::openUrl(QUrl(address));
}

modHelp::modHelp(UrlOpener opener) : opener_(std::move(opener)) {}

void modHelp::OpenOnlineHelp() const {
  opener_(links::kOnlineHelp);
}

void modHelp::OpenHomePage() const {
  opener_(links::kHomePage);
}

void modHelp::OpenUpdate() const {
  opener_(links::kUpdate);
}

void modHelp::OpenDonation() const {
  opener_(links::kDonation);
}

void modHelp::OpenFullBrand() const {
  opener_(links::kFullBrand);
}

void modHelp::OpenCoBrand() const {
  opener_(links::kCoBrand);
}

}  // namespace tarvel
