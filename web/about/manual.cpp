#include "web/about/manual.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace tarvel {
namespace {

constexpr auto kIndexPage = "index.html";

}  // namespace

QString FindManual(const QString& programFolder, const QString& installedFolder) {
  const QString beside = QDir(programFolder).filePath(QString("manual/") + kIndexPage);
  if (QFileInfo(beside).isFile()) return beside;
  return QDir::cleanPath(QDir(programFolder).filePath(installedFolder + '/' + kIndexPage));
}

std::string ManualAddress(const QString& indexPath) {
  return QUrl::fromLocalFile(QFileInfo(indexPath).absoluteFilePath()).toString().toStdString();
}

}  // namespace tarvel
