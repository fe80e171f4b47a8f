#pragma once

#include <QLabel>

namespace tarvel {

/// A label that reads as a web link (underlined, pointing-hand cursor) and reports a click
/// with the left button. What the click opens is up to whoever connects to it.
class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace tarvel
