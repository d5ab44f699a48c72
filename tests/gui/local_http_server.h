#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>
#include <utility>

namespace glyphora::testing {

// A tiny HTTP server on 127.0.0.1 for the update check: answers every GET with one fixed
// response, or holds the request unanswered (a slow server) until it is destroyed. It listens on
// the loopback address only, on a port the system picks, and stops with the test.
class LocalHttpServer {
public:
    enum class Mode { Answer, Hold };

    explicit LocalHttpServer(Mode mode, QByteArray status = "200 OK", QByteArray body = {})
        : mode_(mode), status_(std::move(status)), body_(std::move(body)) {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] { Accept(); });
    }

    // A URL on this server; after Close() nobody listens there any more.
    QString Url(const QString& path = "/Products/Glyphora/Glyphora.js") const {
        return QStringLiteral("http://127.0.0.1:%1%2")
            .arg(port_ ? port_ : server_.serverPort())
            .arg(path);
    }
    void Close() {
        port_ = server_.serverPort();
        server_.close();
    }
    int Requests() const { return requests_; }
    QByteArray LastRequest() const { return last_request_; }

private:
    void Accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            auto request = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
                *request += socket->readAll();
                if (!request->contains("\r\n\r\n")) return;
                ++requests_;
                last_request_ = *request;
                if (mode_ == Mode::Hold) return;
                socket->write("HTTP/1.1 " + status_ +
                              "\r\nContent-Type: application/javascript\r\nContent-Length: " +
                              QByteArray::number(body_.size()) + "\r\nConnection: close\r\n\r\n" +
                              body_);
                socket->disconnectFromHost();
            });
        }
    }

    Mode mode_;
    QByteArray status_;
    QByteArray body_;
    QTcpServer server_;
    quint16 port_ = 0;
    int requests_ = 0;
    QByteArray last_request_;
};

}  // namespace glyphora::testing
