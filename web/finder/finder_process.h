#pragma once

#include <QList>
#include <QPointer>
#include <QProcess>
#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "web/finder/search_page.h"

namespace tarvel {

/// The finder program's file name.
inline constexpr std::string_view kFinderProgramName = "tarvel-finder";

/// Where the finder program is: beside the window's program (`programFolder`, as in a build),
/// else in `installedFolder` taken from there (an installation keeps helper programs apart,
/// e.g. "../libexec/tarvel"). The first that is an executable file; the one beside the
/// program when neither is, so that a failed start names the usual place.
QString FindFinderProgram(const QString& programFolder, const QString& installedFolder);

/// Runs the latitude and longitude finder as a program of its own. The web engine's
/// libraries and memory then belong to that program alone: nothing of them is loaded before
/// the finder first opens, and all of it goes when the finder closes.
///
/// The finder closes itself when its standard input ends; that is how it is told to close,
/// and how it notices that the window has gone, even if the window crashed.
class FinderProcess {
 public:
  /// `program` is the finder program; it searches on `service`.
  explicit FinderProcess(QString program, SearchService service = DefaultSearchService());
  /// Tells every finder still running to close and gives each a few seconds to do so.
  ~FinderProcess();
  FinderProcess(const FinderProcess&) = delete;
  FinderProcess& operator=(const FinderProcess&) = delete;

  /// Tells any finder still open to close, then starts a fresh one searching for `query`.
  /// The message for the user when the program could not be started.
  std::optional<std::string> OpenFresh(const FinderQuery& query);
  /// Tells the finder to close, if one is open; it goes once it has deleted its web view.
  void Close();
  /// How many finder programs are running, those closing included.
  int Running() const;

 private:
  QString program_;
  SearchService service_;
  QPointer<QProcess> current_;
  QList<QPointer<QProcess>> started_;
};

}  // namespace tarvel
