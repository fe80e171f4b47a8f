#include "app/window/result_view_options.h"

#include <algorithm>
#include <cmath>

#include "web/about/named.h"

namespace tarvel {
namespace {

constexpr const char* kDegreesKey = "view/degrees";
constexpr const char* kRetrogradeKey = "view/retrogradeMark";
constexpr const char* kZoomKey = "view/zoomSteps";
constexpr double kZoomPerStep = 0.1;

QAction* Checkable(QMenu* menu, const QString& text, const char* name) {
  QAction* action = Named(menu->addAction(text), name);
  action->setCheckable(true);
  return action;
}

QAction* WithShortcut(QAction* action, const QKeySequence& shortcut) {
  action->setShortcut(shortcut);
  return action;
}

// `base` made `factor` times as large, in the unit it was given in.
QFont Scaled(QFont base, double factor) {
  if (base.pixelSize() > 0) {
    base.setPixelSize(static_cast<int>(std::lround(base.pixelSize() * factor)));
  } else {
    base.setPointSizeF(base.pointSizeF() * factor);
  }
  return base;
}

}  // namespace

ResultViewActions AddResultViewItems(QMenu* view) {
  ResultViewActions actions;
  actions.mnuDegrees = Checkable(view, "&Degrees in the Chart", "mnuDegrees");
  actions.mnuRetrograde = Checkable(view, "&Retrograde Mark", "mnuRetrograde");
  view->addSeparator();
  actions.mnuZoomIn = Named(view->addAction("Zoom &In"), "mnuZoomIn");
  // Ctrl++ needs Shift on many keyboards; Ctrl+= is the same key without it.
  actions.mnuZoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  actions.mnuZoomOut =
      WithShortcut(Named(view->addAction("Zoom &Out"), "mnuZoomOut"), QKeySequence::ZoomOut);
  actions.mnuZoomReset = WithShortcut(Named(view->addAction("&Reset Zoom"), "mnuZoomReset"),
                                      QKeySequence(Qt::CTRL | Qt::Key_0));
  return actions;
}

BoxDetails LoadBoxDetails(const QSettings& settings) {
  return {settings.value(kDegreesKey, false).toBool(),
          settings.value(kRetrogradeKey, false).toBool()};
}

void SaveBoxDetails(QSettings& settings, BoxDetails details) {
  settings.setValue(kDegreesKey, details.degrees);
  settings.setValue(kRetrogradeKey, details.retrogradeMark);
}

int LoadZoomSteps(const QSettings& settings) {
  return std::clamp(settings.value(kZoomKey, 0).toInt(), kMinZoomSteps, kMaxZoomSteps);
}

void SaveZoomSteps(QSettings& settings, int steps) {
  settings.setValue(kZoomKey, steps);
}

double ZoomFactor(int zoomSteps) {
  return 1 + kZoomPerStep * zoomSteps;
}

ResultViewOptions::ResultViewOptions(QMenu* view, const ResultControls& result, QObject* parent)
    : QObject(parent), actions_(AddResultViewItems(view)), chart_(result.chart) {
  for (QWidget* text : {static_cast<QWidget*>(result.RTB), static_cast<QWidget*>(result.lblHeader),
                        static_cast<QWidget*>(result.lblSky)}) {
    zoomed_.push_back({text, text->font()});
  }
  const QSettings settings;
  details_ = LoadBoxDetails(settings);
  actions_.mnuDegrees->setChecked(details_.degrees);
  actions_.mnuRetrograde->setChecked(details_.retrogradeMark);
  for (QAction* item : {actions_.mnuDegrees, actions_.mnuRetrograde}) {
    connect(item, &QAction::toggled, this, &ResultViewOptions::ChooseDetails);
  }
  connect(actions_.mnuZoomIn, &QAction::triggered, this, [this] { Zoom(zoomSteps_ + 1); });
  connect(actions_.mnuZoomOut, &QAction::triggered, this, [this] { Zoom(zoomSteps_ - 1); });
  connect(actions_.mnuZoomReset, &QAction::triggered, this, [this] { Zoom(0); });
  ApplyZoom(LoadZoomSteps(settings));
}

void ResultViewOptions::ChooseDetails() {
  details_ = {actions_.mnuDegrees->isChecked(), actions_.mnuRetrograde->isChecked()};
  QSettings settings;
  SaveBoxDetails(settings, details_);
  emit detailsChanged();
}

// The reading, the header, the sky's line and the chart grow together.
void ResultViewOptions::Zoom(int steps) {
  ApplyZoom(steps);
  QSettings settings;
  SaveZoomSteps(settings, zoomSteps_);
}

void ResultViewOptions::ApplyZoom(int steps) {
  zoomSteps_ = std::clamp(steps, kMinZoomSteps, kMaxZoomSteps);
  for (const auto& [widget, font] : zoomed_) widget->setFont(Scaled(font, ZoomFactor(zoomSteps_)));
  chart_->SetTextZoom(ZoomFactor(zoomSteps_));
}

}  // namespace tarvel
