#pragma once

#include <QHelpEvent>
#include <QWidget>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "chart/chart_result.h"
#include "document/argala_explanation.h"
#include "document/chart_captions.h"
#include "document/period_argala.h"
#include "export/chart_card_layout.h"
#include "export/chart_overlay.h"

namespace tarvel {

/// The chart square and the position list beside it, drawn by the same painter as printed
/// and exported charts. At its natural size it stands as the form placed its labels (15 twips
/// to the pixel); it asks for the width that the height it is given needs, and grows keeping
/// its shape, with every caption's font chosen anew to fit its box.
///
/// It explains a chart's Argala: a click on a planet's abbreviation, or on the rest of a sign
/// box for its house, (or the arrow keys and Enter, which steps from the house through the
/// box's planets) draws arrows from the recipient's casters and obstructers; Esc or the same
/// click again clears them.
class RasiChartView : public QWidget {
  Q_OBJECT

 public:
  explicit RasiChartView(QWidget* parent = nullptr);

  /// Shows every caption of a calculation: sign boxes, legend and position list, the square
  /// drawn as `face` says. Clears the explanation and forgets the explained chart.
  void ShowCaptions(const ChartCaptions& captions, const ChartFace& face = {});

  /// The chart the captions show, which clicks and keys then explain.
  void SetExplainedChart(ChartResult chart);

  /// What is drawn over the chart: the keyboard's box and the explanation on show.
  const ChartOverlay& Overlay() const { return overlay_; }

  /// Draws the Argala a period's lords bring in place of any explanation, with its caption.
  void ShowPeriodArgala(const PeriodArgala& argala);

  /// Removes the explanation, if any.
  void ClearExplanation();

  /// Notes shown as a tooltip over each sign box, by sign number, each wrapped at a readable
  /// width.
  void ShowNotes(const std::array<std::vector<std::string>, kSignCount>& notes);

  /// The note of the sign box at a point of the view; empty outside the boxes.
  QString NoteAt(QPointF point) const;

  /// The captions and where they are drawn, in the view's coordinates, with their fonts.
  const ChartCardLayout& Layout() const { return layout_; }

  /// Grows the chart with the window's zoom: `factor` 1 is the natural size. Whatever the
  /// factor, no caption is drawn smaller than the window's own text.
  void SetTextZoom(double factor);

  /// The colours the view draws in.
  const ChartPalette& Palette() const { return palette_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  /// The caption of the explanation now shown; empty once it is cleared.
  void explanationChanged(const QString& caption);

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void LayOut();
  double LeastZoom() const;
  std::optional<ArgalaRecipient> RecipientAt(int sign, QPointF point) const;
  void Toggle(ArgalaRecipient recipient);
  void StepCursor(int columnStep, int rowStep);
  void CycleAtCursor();
  void ShowNoteFor(QHelpEvent& help);
  void FollowSystemPalette();

  ChartCaptions captions_;
  std::optional<ChartResult> chart_;
  ChartOverlay overlay_;
  std::array<QString, kSignCount> notes_;
  ChartFace face_;
  ChartCardLayout layout_;
  ChartPalette palette_;
  double preferredZoom_ = 1;
  double textZoom_ = 1;
  double leastZoom_ = 1;  ///< the smallest that keeps every caption at the window's text size
};

}  // namespace tarvel
