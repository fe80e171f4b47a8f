#pragma once

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QSettings>
#include <utility>
#include <vector>

#include "app/window/result_panel.h"
#include "document/box_details.h"

namespace tarvel {

/// The View items that change what the chart's boxes say and how large the result view's
/// texts are.
struct ResultViewActions {
  QAction* mnuDegrees = nullptr;     ///< "Degrees in the Chart", checkable
  QAction* mnuRetrograde = nullptr;  ///< "Retrograde Mark", checkable
  QAction* mnuZoomIn = nullptr;      ///< Ctrl++
  QAction* mnuZoomOut = nullptr;     ///< Ctrl+-
  QAction* mnuZoomReset = nullptr;   ///< Ctrl+0
};

/// Adds the items to a View menu, in this order, with a separator between the two groups.
ResultViewActions AddResultViewItems(QMenu* view);

/// The box details chosen in an earlier run; none when nothing was.
BoxDetails LoadBoxDetails(const QSettings& settings);
void SaveBoxDetails(QSettings& settings, BoxDetails details);

/// The zoom steps chosen in an earlier run (0 when none was), within kMinZoomSteps to
/// kMaxZoomSteps.
int LoadZoomSteps(const QSettings& settings);
void SaveZoomSteps(QSettings& settings, int steps);
inline constexpr int kMinZoomSteps = -4;
inline constexpr int kMaxZoomSteps = 10;

/// How many times its first size a zoomed text is at a number of zoom steps: 10 % more (or
/// less) a step.
double ZoomFactor(int zoomSteps);

/// Keeps the View items, the remembered choices and the result view's text size in step: a
/// changed choice is saved at once and said by a signal, so the window can show its chart
/// again.
class ResultViewOptions : public QObject {
  Q_OBJECT

 public:
  /// Adds the items to `view`, ticks the remembered choices and sizes `result`'s texts; the
  /// controls must outlive it.
  ResultViewOptions(QMenu* view, const ResultControls& result, QObject* parent);

  BoxDetails Details() const { return details_; }
  int ZoomSteps() const { return zoomSteps_; }
  const ResultViewActions& Actions() const { return actions_; }

 signals:
  /// The degrees or the retrograde mark was switched on or off.
  void detailsChanged();

 private:
  void ChooseDetails();
  void Zoom(int steps);
  void ApplyZoom(int steps);

  ResultViewActions actions_;
  std::vector<std::pair<QWidget*, QFont>> zoomed_;  ///< the texts that zoom, at their first size
  RasiChartView* chart_;                            ///< grows with the texts
  BoxDetails details_;
  int zoomSteps_ = 0;
};

}  // namespace tarvel
