#include "app/window/dasha_year_menu.h"

#include <QActionGroup>

namespace tarvel {
namespace {

constexpr const char* kSettingKey = "dashaYear";

QString Display(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

DashaYearMenu BuildDashaYearMenu(QMenu* sky) {
  DashaYearMenu menu;
  sky->addSeparator();
  menu.mnuDashaYear = sky->addMenu("Dasha &Year");
  auto* group = new QActionGroup(menu.mnuDashaYear);
  for (std::size_t at = 0; at < kDashaYears.size(); ++at) {
    const DashaYear year = kDashaYears[at];
    const QString text = QString("%1 (%2 days)")
                             .arg(Display(DashaYearDisplayName(year)))
                             .arg(DashaYearDays(year), 0, 'g', 9);
    menu.years[at] = menu.mnuDashaYear->addAction("&" + text);
    menu.years[at]->setCheckable(true);
    group->addAction(menu.years[at]);
  }
  return menu;
}

void ShowDashaYear(const DashaYearMenu& menu, DashaYear year) {
  for (std::size_t at = 0; at < kDashaYears.size(); ++at) {
    menu.years[at]->setChecked(kDashaYears[at] == year);
  }
}

DashaYear ChosenDashaYear(const DashaYearMenu& menu) {
  for (std::size_t at = 0; at < kDashaYears.size(); ++at) {
    if (menu.years[at]->isChecked()) return kDashaYears[at];
  }
  return DashaYear::Sidereal;
}

DashaYear LoadDashaYear(const QSettings& settings) {
  const std::string name = settings.value(kSettingKey).toString().toStdString();
  return ParseDashaYear(name).value_or(DashaYear::Sidereal);
}

void SaveDashaYear(QSettings& settings, DashaYear year) {
  settings.setValue(kSettingKey, Display(DashaYearCommandName(year)));
}

}  // namespace tarvel
