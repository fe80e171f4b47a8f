#include "web/finder/finder_process.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <utility>

#include "web/finder/finder_arguments.h"

namespace tarvel {
namespace {

// Starting takes a fork and an exec; closing takes the web engine's own shutdown.
constexpr int kStartWaitMs = 10000;
constexpr int kCloseWaitMs = 5000;

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool IsExecutableFile(const QString& path) {
  const QFileInfo info(path);
  return info.isFile() && info.isExecutable();
}

QStringList ArgumentsFor(const FinderQuery& query, const SearchService& service) {
  QStringList arguments;
  for (const std::string& argument : FinderArguments({query, service})) {
    arguments << QString::fromStdString(argument);
  }
  return arguments;
}

void WaitForEnd(QProcess& process) {
  if (process.state() == QProcess::NotRunning) return;
  process.closeWriteChannel();
  if (process.waitForFinished(kCloseWaitMs)) return;
  process.kill();
  process.waitForFinished(kCloseWaitMs);
}

}  // namespace

QString FindFinderProgram(const QString& programFolder, const QString& installedFolder) {
  const QString name = FromUtf8(kFinderProgramName);
  const QString beside = QDir(programFolder).filePath(name);
  if (IsExecutableFile(beside)) return beside;
  const QString installed = QDir(QDir(programFolder).filePath(installedFolder)).filePath(name);
  if (IsExecutableFile(installed)) return QDir::cleanPath(installed);
  return beside;
}

FinderProcess::FinderProcess(QString program, SearchService service)
    : program_(std::move(program)), service_(std::move(service)) {}

FinderProcess::~FinderProcess() {
  for (const QPointer<QProcess>& process : started_) {
    if (process.isNull()) continue;
    process->disconnect();
    WaitForEnd(*process);
    delete process.data();
  }
}

std::optional<std::string> FinderProcess::OpenFresh(const FinderQuery& query) {
  Close();
  auto* process = new QProcess;
  // The finder's messages go where the window's go.
  process->setProcessChannelMode(QProcess::ForwardedChannels);
  QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
  process->start(program_, ArgumentsFor(query, service_));
  if (!process->waitForStarted(kStartWaitMs)) {
    std::string message = "The latitude and longitude finder could not be started: ";
    message.append(process->errorString().toStdString());
    delete process;
    return message;
  }
  started_.removeIf([](const QPointer<QProcess>& gone) { return gone.isNull(); });
  started_.append(process);
  current_ = process;
  return std::nullopt;
}

void FinderProcess::Close() {
  if (!current_.isNull()) current_->closeWriteChannel();
  current_.clear();
}

int FinderProcess::Running() const {
  int running = 0;
  for (const QPointer<QProcess>& process : started_) {
    if (!process.isNull() && process->state() != QProcess::NotRunning) ++running;
  }
  return running;
}

}  // namespace tarvel
