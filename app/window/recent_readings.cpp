#include "app/window/recent_readings.h"

#include <QFileInfo>
#include <QMenu>

namespace tarvel {
namespace {

constexpr auto kRecentKey = "files/recentReadings";

// Numbers 1 to 9 take a key of their own; the tenth item is reached by the arrows.
QString NumberedText(qsizetype index, const QString& path) {
  const QString fileName = QFileInfo(path).fileName().replace('&', "&&");
  if (index < 9) return QString("&%1 %2").arg(index + 1).arg(fileName);
  return QString("%1 %2").arg(index + 1).arg(fileName);
}

}  // namespace

QStringList LoadRecentReadings(const QSettings& settings) {
  return settings.value(kRecentKey).toStringList().mid(0, kMaxRecentReadings);
}

void SaveRecentReadings(QSettings& settings, const QStringList& paths) {
  settings.setValue(kRecentKey, paths);
}

QStringList WithRecentReading(QStringList paths, const QString& path) {
  paths.removeAll(path);
  paths.prepend(path);
  return paths.mid(0, kMaxRecentReadings);
}

void ShowRecentReadings(QMenu& menu, const QStringList& paths,
                        const std::function<void(const QString&)>& open,
                        const std::function<void()>& clear) {
  menu.clear();
  for (qsizetype index = 0; index < paths.size(); ++index) {
    const QString path = paths[index];
    QAction* item = menu.addAction(NumberedText(index, path), [open, path] { open(path); });
    item->setToolTip(path);
  }
  menu.addSeparator();
  menu.addAction("&Clear Menu", clear);
  menu.setToolTipsVisible(true);
  menu.setEnabled(!paths.isEmpty());
}

QString MissingRecentReadingMessage(const QString& path) {
  return "The reading " + path + " is no longer there; it is taken off the recent list.";
}

}  // namespace tarvel
