#include "app/window/varga_selector.h"

#include "web/about/named.h"

namespace tarvel {

QComboBox* BuildVargaSelector(QWidget* parent) {
  auto* selector = Named(new QComboBox(parent), "cboVarga");
  for (int index = 0; index < kVargaCount; ++index) {
    selector->addItem(QString::fromStdString(VargaLabel(static_cast<Varga>(index))));
  }
  selector->setAccessibleName("Chart");
  selector->setCurrentIndex(0);
  return selector;
}

std::optional<Varga> ChosenVarga(const QComboBox& selector) {
  const int index = selector.currentIndex();
  if (index <= 0 || index >= kVargaCount) return std::nullopt;
  return static_cast<Varga>(index);
}

}  // namespace tarvel
