// The About box's module: the click sound through Qt Multimedia and the update check's download
// through Qt Network, opened by the program only when the box is first built.
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSoundEffect>

#include "about/about_module.h"

namespace glyphora {
namespace {

class EmbeddedClickSound final : public ClickSound {
public:
    void Play() override {
        if (!effect_) {
            effect_ = std::make_unique<QSoundEffect>();
            effect_->setSource(QUrl(QStringLiteral("qrc:/about/click.wav")));
        }
        effect_->play();
    }

private:
    std::unique_ptr<QSoundEffect> effect_;
};

// A child of its reply: deleting the reply, as the manager does with the ones it still holds,
// ends both.
class NetworkDownload final : public QObject, public HttpDownload {
public:
    explicit NetworkDownload(QNetworkReply* reply) : QObject(reply), reply_(reply) {}
    QByteArray ReadAll() override { return reply_->readAll(); }
    bool Failed() const override { return reply_->error() != QNetworkReply::NoError; }
    void Abort() override { reply_->abort(); }
    void Silence() override { reply_->disconnect(this); }
    void Release(bool now) override {
        if (now)
            delete reply_;
        else
            reply_->deleteLater();
    }

private:
    QNetworkReply* reply_;
};

class NetworkClient final : public HttpClient {
public:
    HttpDownload* Get(const QUrl& url, const QString& user_agent, int transfer_timeout,
                      std::function<void()> ready_read, std::function<void()> finished) override {
        QNetworkRequest request(url);
        request.setTransferTimeout(transfer_timeout);
        request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                             QNetworkRequest::AlwaysNetwork);
        request.setHeader(QNetworkRequest::UserAgentHeader, user_agent);
        QNetworkReply* reply = network_.get(request);
        auto* download = new NetworkDownload(reply);
        QObject::connect(reply, &QNetworkReply::readyRead, download, std::move(ready_read));
        QObject::connect(reply, &QNetworkReply::finished, download, std::move(finished));
        return download;
    }

private:
    QNetworkAccessManager network_;
};

class Module final : public AboutModule {
public:
    std::unique_ptr<ClickSound> NewClickSound() const override {
        return std::make_unique<EmbeddedClickSound>();
    }
    std::unique_ptr<HttpClient> NewHttpClient() const override {
        return std::make_unique<NetworkClient>();
    }
};

}  // namespace
}  // namespace glyphora

extern "C" __attribute__((visibility("default"))) const glyphora::AboutModule*
glyphora_about_module() {
    static const glyphora::Module module;
    return &module;
}
