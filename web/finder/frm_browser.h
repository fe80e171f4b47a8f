#pragma once

#include <functional>
#include <memory>
#include <string>

#include <QWidget>

#include "web/finder/embedded_browser.h"
#include "web/finder/finder_logic.h"
#include "web/finder/search_page.h"
#include "web/finder/webengine_browser.h"

class QComboBox;
class QLabel;
class QTimer;
class QToolBar;

namespace tarvel {

/// What a finder window needs besides the query.
struct FinderOptions {
  SearchService service = DefaultSearchService();
  /// Opens the maker's home page in the user's browser (`Label61`); may be empty.
  std::function<void()> openHomePage;
  BrowserFactory makeBrowser = MakeWebEngineBrowser;
};

/// The latitude and longitude finder: a small modeless browser window that, as soon as it is
/// made, runs a web search for "Latitude Longitude" and the birth place.
class frmBrowser final : public QWidget, private FinderView {
 public:
  frmBrowser(const FinderQuery& query, FinderOptions options, QWidget* parent = nullptr);
  ~frmBrowser() override;

  /// The window's logic, for inspection.
  const FinderLogic& logic() const { return logic_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildTimer();
  void BuildToolbar();
  void BuildAddressBar();
  void BuildPromotion();

  void SetCaption(const std::string& caption) override;
  void SetTimerEnabled(bool enabled) override;
  int AddressCount() const override;
  std::string AddressAt(int index) const override;
  void RemoveAddress(int index) override;
  void InsertFirstAddress(const std::string& address) override;
  void SelectFirstAddress() override;

  FinderOptions options_;
  std::unique_ptr<EmbeddedBrowser> browser_;
  FinderLogic logic_;
  QToolBar* tbToolBar_ = nullptr;
  QWidget* picAddress_ = nullptr;
  QComboBox* cboAddress_ = nullptr;
  QLabel* Label61_ = nullptr;
  QTimer* timTimer_ = nullptr;
};

}  // namespace tarvel
