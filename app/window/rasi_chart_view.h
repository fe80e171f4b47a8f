#pragma once

#include <QWidget>

#include "document/chart_captions.h"
#include "export/chart_card_layout.h"

namespace tarvel {

/// The chart square and the position list beside it, drawn by the same painter as printed
/// and exported charts. At its natural size it stands as the form placed its labels (15 twips
/// to the pixel); given more room it grows, keeping its shape, with every caption's font
/// chosen anew to fit its box.
class RasiChartView : public QWidget {
  Q_OBJECT

 public:
  explicit RasiChartView(QWidget* parent = nullptr);

  /// Shows every caption of a calculation: sign boxes, legend and position list, the square
  /// drawn as `face` says.
  void ShowCaptions(const ChartCaptions& captions, const ChartFace& face = {});

  /// The captions and where they are drawn, in the view's coordinates, with their fonts.
  const ChartCardLayout& Layout() const { return layout_; }

  /// The colours the view draws in.
  const ChartPalette& Palette() const { return palette_; }

  /// How much larger than its natural size the view asks to be (at least 1); the window
  /// grows it with its own size.
  void SetPreferredZoom(double zoom);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void LayOut();

  ChartCaptions captions_;
  ChartFace face_;
  ChartCardLayout layout_;
  ChartPalette palette_;
  double preferredZoom_ = 1;
};

}  // namespace tarvel
