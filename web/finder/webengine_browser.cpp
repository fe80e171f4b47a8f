#include "web/finder/webengine_browser.h"

#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

#include "web/finder/js_literal.h"

namespace tarvel {

namespace {

QString FromUtf8(const std::string& text) {
  return QString::fromStdString(text);
}

class WebEngineBrowser final : public EmbeddedBrowser {
 public:
  explicit WebEngineBrowser(BrowserPages pages) : pages_(std::move(pages)) {
    QObject::connect(view_, &QWebEngineView::loadFinished, view_,
                     [this](bool ok) { LoadFinished(ok); });
    // The loading info names the address whose load failed; loadFinished does not.
    QObject::connect(view_->page(), &QWebEnginePage::loadingChanged, view_,
                     [this](const QWebEngineLoadingInfo& info) { LoadingChanged(info); });
  }

  ~WebEngineBrowser() override {
    listener_ = nullptr;
    delete view_.data();
  }

  QWidget* Widget() override { return view_; }
  void SetListener(BrowserListener* listener) override { listener_ = listener; }

  void Navigate(const std::string& address) override {
    view_->setUrl(QUrl::fromUserInput(FromUtf8(address)));
  }
  void GoBack() override { view_->back(); }
  void GoForward() override { view_->forward(); }
  void GoHome() override { Navigate(pages_.home); }
  void GoSearch() override { Navigate(pages_.search); }
  void Refresh() override { view_->reload(); }
  void Stop() override { view_->stop(); }

  bool Busy() const override { return view_->page()->isLoading(); }
  std::string LocationName() const override {
    const QString title = view_->title();
    return title.isEmpty() ? LocationUrl() : title.toStdString();
  }
  std::string LocationUrl() const override { return view_->url().toString().toStdString(); }

  void SetBodyHtml(const std::string& html) override {
    Run("if (document.body) document.body.innerHTML = " + JsStringLiteral(html) + ";");
  }
  void SetElementValue(const std::string& name, const std::string& value) override {
    Run(ElementLookup(name) + "if (e) e.value = " + JsStringLiteral(value) + ";");
  }
  void ClickElement(const std::string& name) override {
    Run(ElementLookup(name) + "if (e) e.click();");
  }

 private:
  static std::string ElementLookup(const std::string& name) {
    return "var e = document.getElementsByName(" + JsStringLiteral(name) + ")[0];";
  }

  // Scripts run in order on the page; one that fails throws inside the page and is dropped.
  void Run(const std::string& script) {
    view_->page()->runJavaScript(FromUtf8("(function(){" + script + "})();"),
                                 QWebEngineScript::ApplicationWorld);
  }

  void LoadFinished(bool ok) {
    if (listener_ != nullptr) listener_->DownloadComplete();
    if (ok && listener_ != nullptr) listener_->DocumentComplete(true, LocationUrl());
  }

  void LoadingChanged(const QWebEngineLoadingInfo& info) {
    if (info.status() != QWebEngineLoadingInfo::LoadFailedStatus || listener_ == nullptr) return;
    listener_->NavigateError(info.url().toString().toStdString());
  }

  BrowserPages pages_;
  QPointer<QWebEngineView> view_ = new QWebEngineView;
  BrowserListener* listener_ = nullptr;
};

}  // namespace

std::unique_ptr<EmbeddedBrowser> MakeWebEngineBrowser(const BrowserPages& pages) {
  return std::make_unique<WebEngineBrowser>(pages);
}

}  // namespace tarvel
