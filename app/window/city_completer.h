#pragma once

#include <QObject>
#include <functional>
#include <vector>

#include "atlas/lazy_atlas.h"

class QCompleter;
class QLineEdit;
class QStringListModel;

namespace tarvel {

/// Offers the atlas's cities under a text box as the user types, from the second letter on:
/// "City, State, Country", or "Mumbai (Bombay), Maharashtra, India" for a city found by a
/// former name, most populous first, chosen with the keyboard or the mouse. The
/// atlas is built the first time it is needed.
class CityCompleter : public QObject {
  Q_OBJECT

 public:
  /// `chosen` hears of the place the user picks; the box itself is left to it.
  CityCompleter(QLineEdit* box, const LazyAtlas& atlas, std::function<void(const Place&)> chosen);

  /// The popup's list, for tests and for pictures.
  QCompleter* Completer() const { return completer_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Offer(const QString& typed);
  void Choose(int row);

  const LazyAtlas& atlas_;
  std::function<void(const Place&)> chosen_;
  QCompleter* completer_;
  QStringListModel* model_;
  std::vector<NamedPlace> offered_;
};

}  // namespace tarvel
