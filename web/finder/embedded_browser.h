#pragma once

#include <functional>
#include <memory>
#include <string>

#include "web/finder/browser.h"

class QWidget;

namespace tarvel {

/// A browser that shows its pages in a widget of its own.
class EmbeddedBrowser : public Browser {
 public:
  /// The widget showing the pages. The browser deletes it when it goes, wherever the widget
  /// has been placed, so no page outlives its browser.
  virtual QWidget* Widget() = 0;
};

/// The pages behind the "Home" and "Search" buttons.
struct BrowserPages {
  std::string home;
  std::string search;
};

/// Makes the browser a finder window shows.
using BrowserFactory = std::function<std::unique_ptr<EmbeddedBrowser>(const BrowserPages&)>;

}  // namespace tarvel
