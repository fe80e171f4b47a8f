#pragma once

#include <QHelpEvent>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "document/chart_captions.h"
#include "export/chart_card_layout.h"

namespace tarvel {

/// The chart square and the position list beside it, drawn by the same painter as printed
/// and exported charts. At its natural size it stands as the form placed its labels (15 twips
/// to the pixel); it asks for the width that the height it is given needs, and grows keeping
/// its shape, with every caption's font chosen anew to fit its box.
class RasiChartView : public QWidget {
  Q_OBJECT

 public:
  explicit RasiChartView(QWidget* parent = nullptr);

  /// Shows every caption of a calculation: sign boxes, legend and position list.
  void ShowCaptions(const ChartCaptions& captions);

  /// Notes shown as a tooltip over each sign box, by sign number, one line each.
  void ShowNotes(const std::array<std::vector<std::string>, kSignCount>& notes);

  /// The note of the sign box at a point of the view; empty outside the boxes.
  QString NoteAt(QPointF point) const;

  /// The captions and where they are drawn, in the view's coordinates, with their fonts.
  const ChartCardLayout& Layout() const { return layout_; }

  /// The colours the view draws in.
  const ChartPalette& Palette() const { return palette_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void LayOut();
  void ShowNoteFor(QHelpEvent& help);
  void FollowSystemPalette();

  ChartCaptions captions_;
  std::array<QString, kSignCount> notes_;
  ChartCardLayout layout_;
  ChartPalette palette_;
  double preferredZoom_ = 1;
};

}  // namespace tarvel
