#include "web/finder/finder_logic.h"

#include <utility>

namespace tarvel {

namespace {

constexpr std::string_view kBlankPage = "about:blank";
constexpr std::string_view kWorkingCaption = "Working...";

using BrowserAction = void (Browser::*)();

struct ToolbarAction {
  FinderButton button;
  BrowserAction action;
};

// Stop is not here: it also stops the poll and refreshes the caption.
constexpr ToolbarAction kToolbarActions[] = {
    {FinderButton::Back, &Browser::GoBack},     {FinderButton::Forward, &Browser::GoForward},
    {FinderButton::Refresh, &Browser::Refresh}, {FinderButton::Home, &Browser::GoHome},
    {FinderButton::Search, &Browser::GoSearch},
};

}  // namespace

FinderLogic::FinderLogic(Browser& browser, FinderView& view, std::string searchPageHtml)
    : browser_(browser), view_(view), searchPageHtml_(std::move(searchPageHtml)) {}

void FinderLogic::Load(const FinderQuery& query) {
  searchSubmitted_ = false;
  searchQuery_ = SearchQuery(query);
  browser_.Navigate(std::string(kBlankPage));
}

void FinderLogic::DocumentComplete(bool topLevel, const std::string& address) {
  if (topLevel && !searchSubmitted_) {
    // Only the first top-level page may carry the search, so a later blank page (the
    // user's own about:blank, say) never submits it again.
    searchSubmitted_ = true;
    if (address == kBlankPage) SubmitSearch();
  }
  if (address.find(kBlankPage) != std::string::npos) return;
  ShowLocationName();
  PutFirstAddress(browser_.LocationUrl());
}

void FinderLogic::DownloadComplete() {
  ShowLocationName();
}

void FinderLogic::NavigateError(const std::string& address) {
  if (address.empty() || address.find(kBlankPage) != std::string::npos) return;
  PutFirstAddress(address);
}

void FinderLogic::AddressChosen(const std::string& address) {
  if (addressListUpdating_) return;
  view_.SetTimerEnabled(true);
  browser_.Navigate(address);
}

void FinderLogic::ToolbarButton(FinderButton button) {
  view_.SetTimerEnabled(true);
  if (button == FinderButton::Stop) {
    view_.SetTimerEnabled(false);
    browser_.Stop();
    ShowLocationName();
    return;
  }
  for (const ToolbarAction& entry : kToolbarActions) {
    if (entry.button == button) (browser_.*entry.action)();
  }
}

void FinderLogic::TimerTick() {
  if (browser_.Busy()) {
    view_.SetCaption(std::string(kWorkingCaption));
    return;
  }
  view_.SetTimerEnabled(false);
  ShowLocationName();
}

void FinderLogic::SubmitSearch() {
  browser_.SetBodyHtml(searchPageHtml_);
  browser_.SetElementValue("q", searchQuery_);
  browser_.ClickElement("sa");
}

void FinderLogic::PutFirstAddress(const std::string& address) {
  addressListUpdating_ = true;
  for (int i = 0; i < view_.AddressCount(); ++i) {
    if (view_.AddressAt(i) == address) {
      view_.RemoveAddress(i);
      break;
    }
  }
  view_.InsertFirstAddress(address);
  view_.SelectFirstAddress();
  addressListUpdating_ = false;
}

void FinderLogic::ShowLocationName() {
  view_.SetCaption(browser_.LocationName());
}

}  // namespace tarvel
