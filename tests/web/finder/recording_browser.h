#pragma once

#include <string>
#include <vector>

#include "web/finder/browser.h"

namespace tarvel::testing {

/// A browser that records every call as one line ("Navigate about:blank", "GoBack", ...) and
/// answers the queries from its public fields. `Base` is `Browser` or a subclass of it.
template <class Base>
class RecordingBrowserOf : public Base {
 public:
  std::vector<std::string> calls;
  bool busy = false;
  std::string locationName;
  std::string locationUrl;
  BrowserListener* listener = nullptr;

  void SetListener(BrowserListener* newListener) override { listener = newListener; }
  void Navigate(const std::string& address) override { calls.push_back("Navigate " + address); }
  void GoBack() override { calls.push_back("GoBack"); }
  void GoForward() override { calls.push_back("GoForward"); }
  void GoHome() override { calls.push_back("GoHome"); }
  void GoSearch() override { calls.push_back("GoSearch"); }
  void Refresh() override { calls.push_back("Refresh"); }
  void Stop() override { calls.push_back("Stop"); }
  bool Busy() const override { return busy; }
  std::string LocationName() const override { return locationName; }
  std::string LocationUrl() const override { return locationUrl; }
  void SetBodyHtml(const std::string& html) override { calls.push_back("SetBodyHtml " + html); }
  void SetElementValue(const std::string& name, const std::string& value) override {
    calls.push_back("SetElementValue " + name + "=" + value);
  }
  void ClickElement(const std::string& name) override { calls.push_back("ClickElement " + name); }
};

using RecordingBrowser = RecordingBrowserOf<Browser>;

}  // namespace tarvel::testing
