#include "web/about/credits.h"

namespace tarvel {
namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toHtmlEscaped();
}

}  // namespace

QString CreditsText() {
  QString text = "<b>Built with</b>";
  for (const Credit& credit : kCredits) {
    text +=
        QString("<br><b>%1</b> (%2): %3. %4.")
            .arg(Text(credit.name), Text(credit.licence), Text(credit.role), Text(credit.holder));
  }
  // The city data's licence asks that changes be said.
  return text + "<br>The GeoNames data are used as libgeonames ships them, unchanged.";
}

QString LicenceText(std::string_view version) {
  // The AGPL because the Swiss Ephemeris is; the words follow the licence's own notice.
  return QString(
             "<b>Tarvel %1</b> is free software: you can redistribute it and/or modify it "
             "under the terms of the GNU Affero General Public License (AGPL-3.0), version "
             "3 or any later version. It comes WITHOUT ANY WARRANTY; see the file LICENSE.")
      .arg(Text(version));
}

}  // namespace tarvel
