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

}  // namespace tarvel
