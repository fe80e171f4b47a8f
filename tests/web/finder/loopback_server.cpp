#include "tests/web/finder/loopback_server.h"

#include <QHostAddress>
#include <QTcpSocket>

namespace tarvel::testing {

namespace {

QByteArray Response(const QByteArray& status, const QByteArray& body) {
  return "HTTP/1.1 " + status + "\r\nContent-Type: text/html; charset=utf-8\r\n" +
         "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" +
         body;
}

}  // namespace

LoopbackServer::LoopbackServer(QByteArray page, QByteArray html)
    : page_(std::move(page)), html_(std::move(html)) {
  QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] { Accept(); });
  server_.listen(QHostAddress::LocalHost);
}

QByteArray LoopbackServer::BaseUrl() const {
  return "http://127.0.0.1:" + QByteArray::number(server_.serverPort());
}

void LoopbackServer::Accept() {
  while (QTcpSocket* socket = server_.nextPendingConnection()) {
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
      if (!socket->canReadLine()) return;
      // "GET /path?query HTTP/1.1": only the target matters here.
      const QList<QByteArray> requestLine = socket->readLine().trimmed().split(' ');
      const QUrl target = QUrl(QString::fromLatin1(requestLine.value(1)));
      requests_.append(target);
      const bool found = requestLine.value(0) == "GET" && target.path().toUtf8() == page_;
      socket->write(found ? Response("200 OK", html_) : Response("404 Not Found", "none"));
      socket->disconnectFromHost();
    });
  }
}

}  // namespace tarvel::testing
