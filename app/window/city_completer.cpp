#include "app/window/city_completer.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStringListModel>

namespace tarvel {

namespace {

constexpr std::size_t kMostOffered = 12;

}  // namespace

CityCompleter::CityCompleter(QLineEdit* box, const LazyAtlas& atlas,
                             std::function<void(const Place&)> chosen)
    : QObject(box),
      atlas_(atlas),
      chosen_(std::move(chosen)),
      completer_(new QCompleter(this)),
      model_(new QStringListModel(this)) {
  completer_->setModel(model_);
  // The atlas has already chosen and ordered the cities; the popup shows them as they come.
  completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  completer_->setCaseSensitivity(Qt::CaseInsensitive);
  completer_->setWidget(box);
  connect(box, &QLineEdit::textEdited, this, &CityCompleter::Offer);
  connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
          [this](const QModelIndex& index) { Choose(index.row()); });
  // Seen before the completer's own filter, which would first hand the key to the box.
  completer_->popup()->installEventFilter(this);
}

// Enter and Escape are the popup's while it is open: the letters box would refuse them as
// typed characters.
bool CityCompleter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    const QModelIndex current = completer_->popup()->currentIndex();
    completer_->popup()->hide();
    if (current.isValid()) Choose(current.row());
    return true;
  }
  if (key == Qt::Key_Escape) {
    completer_->popup()->hide();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

void CityCompleter::Offer(const QString& typed) {
  offered_ = typed.trimmed().size() < 2 ? std::vector<NamedPlace>()
                                        : atlas_.Get().Complete(typed.toStdString(), kMostOffered);
  QStringList texts;
  for (const NamedPlace& named : offered_) texts << QString::fromStdString(DisplayText(named));
  model_->setStringList(texts);
  if (texts.isEmpty()) {
    completer_->popup()->hide();
    return;
  }
  completer_->complete();
}

void CityCompleter::Choose(int row) {
  if (row < 0 || static_cast<std::size_t>(row) >= offered_.size()) return;
  const Place place = offered_[static_cast<std::size_t>(row)].place;
  completer_->popup()->hide();
  if (chosen_) chosen_(place);
}

}  // namespace tarvel
