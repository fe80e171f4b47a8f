#pragma once

#include <string>
#include <string_view>

#include "web/finder/browser.h"
#include "web/finder/search_page.h"

namespace tarvel {

/// The buttons of the finder's toolbar, in toolbar order.
enum class FinderButton { Back, Forward, Stop, Refresh, Home, Search };

/// The finder window's controls as its logic drives them.
class FinderView {
 public:
  virtual ~FinderView() = default;

  virtual void SetCaption(const std::string& caption) = 0;
  /// Starts or stops the busy poll that calls `FinderLogic::TimerTick`.
  virtual void SetTimerEnabled(bool enabled) = 0;

  /// The address list, most recent first.
  virtual int AddressCount() const = 0;
  virtual std::string AddressAt(int index) const = 0;
  virtual void RemoveAddress(int index) = 0;
  virtual void InsertFirstAddress(const std::string& address) = 0;
  virtual void SelectFirstAddress() = 0;
};

/// The caption of a finder window before any page has told it otherwise.
inline constexpr std::string_view kFinderCaption = "Tarvel v1.0";

/// What the finder window does with its events, apart from any real widget or engine: it
/// runs the one-time search on the first blank top-level page, keeps the caption and the
/// address list, and polls the busy state while the user navigates.
class FinderLogic : public BrowserListener {
 public:
  /// `searchPageHtml` is the markup of the search form put into the blank page.
  FinderLogic(Browser& browser, FinderView& view, std::string searchPageHtml);

  /// Prepares a fresh search for `query` and opens the blank page that will carry it.
  void Load(const FinderQuery& query);

  void DocumentComplete(bool topLevel, const std::string& address) override;
  void DownloadComplete() override;
  /// Puts the address that failed at the head of the address list, as a completed page's
  /// would be, so the user sees what was tried and can try it again.
  void NavigateError(const std::string& address) override;

  /// The user chose `address` in the address bar (from its list or by Enter).
  void AddressChosen(const std::string& address);
  /// A toolbar button was pressed: it starts the poll and drives the browser.
  void ToolbarButton(FinderButton button);
  /// The busy poll fired.
  void TimerTick();

  bool searchSubmitted() const { return searchSubmitted_; }
  const std::string& searchQuery() const { return searchQuery_; }
  bool addressListUpdating() const { return addressListUpdating_; }

 private:
  void SubmitSearch();
  void PutFirstAddress(const std::string& address);
  void ShowLocationName();

  Browser& browser_;
  FinderView& view_;
  std::string searchPageHtml_;
  bool addressListUpdating_ = false;
  bool searchSubmitted_ = false;
  std::string searchQuery_;
};

}  // namespace tarvel
