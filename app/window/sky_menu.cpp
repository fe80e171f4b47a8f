#include "app/window/sky_menu.h"

#include <QActionGroup>
#include <QMenuBar>

#include "export/placed_text.h"
#include "web/about/named.h"

namespace tarvel {

namespace {

QAction* Choice(QMenu* menu, QActionGroup* group, const QString& text) {
  QAction* action = menu->addAction(text);
  action->setCheckable(true);
  group->addAction(action);
  return action;
}

// The index of the ticked item; the first when none is.
template <std::size_t N>
int Ticked(const std::array<QAction*, N>& actions) {
  for (std::size_t index = 0; index < N; ++index) {
    if (actions[index]->isChecked()) return static_cast<int>(index);
  }
  return 0;
}

}  // namespace

SkyMenuActions BuildSkyMenu(QMenuBar* bar, QAction* before) {
  SkyMenuActions menu;
  menu.mnuSky = Named(new QMenu("S&ky", bar), "mnuSky");
  bar->insertMenu(before, menu.mnuSky);
  auto* kinds = new QActionGroup(menu.mnuSky);
  menu.mnuClassic = Named(Choice(menu.mnuSky, kinds, "&Classic Formulas"), "mnuClassic");
  menu.mnuSwiss = Named(Choice(menu.mnuSky, kinds, "&Swiss Ephemeris"), "mnuSwiss");
  menu.mnuSky->addSeparator();
  menu.mnuAyanamsa = Named(menu.mnuSky->addMenu("&Ayanamsa"), "mnuAyanamsa");
  auto* ayanamsas = new QActionGroup(menu.mnuAyanamsa);
  for (std::size_t index = 0; index < kAyanamsaKinds.size(); ++index) {
    const std::string_view name = AyanamsaDisplayName(kAyanamsaKinds[index]);
    menu.ayanamsa[index] = Choice(menu.mnuAyanamsa, ayanamsas, FromUtf8(name));
  }
  menu.mnuNode = Named(menu.mnuSky->addMenu("&Rahu"), "mnuNode");
  auto* nodes = new QActionGroup(menu.mnuNode);
  menu.node = {Choice(menu.mnuNode, nodes, "&Mean Node"),
               Choice(menu.mnuNode, nodes, "&True Node")};
  return menu;
}

void ShowSkySettings(const SkyMenuActions& menu, const SkySettings& settings) {
  const bool swiss = settings.kind == SkyKind::Swiss;
  (swiss ? menu.mnuSwiss : menu.mnuClassic)->setChecked(true);
  menu.ayanamsa[static_cast<std::size_t>(settings.ayanamsa)]->setChecked(true);
  menu.node[static_cast<std::size_t>(settings.node)]->setChecked(true);
  menu.mnuAyanamsa->setEnabled(swiss);
  menu.mnuNode->setEnabled(swiss);
}

SkySettings ChosenSkySettings(const SkyMenuActions& menu) {
  return {menu.mnuSwiss->isChecked() ? SkyKind::Swiss : SkyKind::Classic,
          static_cast<AyanamsaKind>(Ticked(menu.ayanamsa)),
          static_cast<NodeKind>(Ticked(menu.node))};
}

}  // namespace tarvel
