#pragma once

#include <string>

namespace tarvel {

/// Receives the embedded browser's completion events.
class BrowserListener {
 public:
  virtual ~BrowserListener() = default;

  /// A document finished loading; `topLevel` is false for a frame inside the page.
  virtual void DocumentComplete(bool topLevel, const std::string& address) = 0;

  /// A navigation ended, whether it succeeded, failed or was stopped.
  virtual void DownloadComplete() = 0;

  /// The navigation to `address` failed (no connection, no such host, a refused request);
  /// DownloadComplete follows or has come.
  virtual void NavigateError(const std::string& address) = 0;
};

/// The embedded web browser as the finder window uses it. Addresses and texts are UTF-8.
/// Operations on the document apply to the top-level frame; one that cannot be done (no
/// document, no such element) is skipped silently.
class Browser {
 public:
  virtual ~Browser() = default;

  /// Where completion events go; null stops them.
  virtual void SetListener(BrowserListener* listener) = 0;

  virtual void Navigate(const std::string& address) = 0;
  virtual void GoBack() = 0;
  virtual void GoForward() = 0;
  /// Shows the browser's home page.
  virtual void GoHome() = 0;
  /// Shows the browser's search page.
  virtual void GoSearch() = 0;
  virtual void Refresh() = 0;
  virtual void Stop() = 0;

  /// True while a navigation is under way.
  virtual bool Busy() const = 0;
  /// The current document's title, or its address when it has none.
  virtual std::string LocationName() const = 0;
  virtual std::string LocationUrl() const = 0;

  /// Replaces the inner HTML of the document's body.
  virtual void SetBodyHtml(const std::string& html) = 0;
  /// Sets the value of the first element with the attribute `name`.
  virtual void SetElementValue(const std::string& name, const std::string& value) = 0;
  /// Clicks the first element with the attribute `name`.
  virtual void ClickElement(const std::string& name) = 0;
};

}  // namespace tarvel
