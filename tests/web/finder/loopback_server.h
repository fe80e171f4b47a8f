#pragma once

#include <QByteArray>
#include <QList>
#include <QTcpServer>
#include <QUrl>

namespace tarvel::testing {

/// A tiny HTTP server on 127.0.0.1 that records the target of every GET and answers the path
/// `page` with `html`, anything else with 404.
class LoopbackServer {
 public:
  LoopbackServer(QByteArray page, QByteArray html);

  bool Listening() const { return server_.isListening(); }
  /// "http://127.0.0.1:<port>" with no trailing slash.
  QByteArray BaseUrl() const;
  /// The requests' targets (path and query) in the order they arrived.
  const QList<QUrl>& Requests() const { return requests_; }

 private:
  void Accept();

  QByteArray page_;
  QByteArray html_;
  QTcpServer server_;
  QList<QUrl> requests_;
};

}  // namespace tarvel::testing
