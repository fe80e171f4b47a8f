#include "app/window/first_window_size.h"

#include <algorithm>

namespace tarvel {
namespace {

constexpr double kShareOfScreen = 0.75;

}  // namespace

QSize FirstWindowSize(QSize natural, QSize available) {
  if (natural.isEmpty() || available.isEmpty()) return natural;
  const double room = std::min(kShareOfScreen * available.width() / natural.width(),
                               kShareOfScreen * available.height() / natural.height());
  const QSize grown = (QSizeF(natural) * std::max(room, 1.0)).toSize();
  return grown.boundedTo(available);
}

}  // namespace tarvel
