#include "about/update_checker.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <chrono>

#include "about/update_check_record.h"
#include "app/version_info.h"

namespace glyphora {

UpdateChecker::UpdateChecker(QObject* parent)
    : QObject(parent), network_(new QNetworkAccessManager(this)) {}

UpdateChecker::~UpdateChecker() {
    if (reply_ != nullptr) {
        // Closing the window mid-check: end the request without reporting anything.
        reply_->disconnect(this);
        reply_->abort();
        delete reply_;
        reply_ = nullptr;
    }
}

void UpdateChecker::Check() {
    if (reply_ != nullptr) return;
    const QUrl url(remote_path_, QUrl::StrictMode);
    if (!url.isValid() ||
        (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http"))) {
        Finish({UpdateResult::NotAccessible, {}});
        return;
    }
    QNetworkRequest request(url);
    request.setTransferTimeout(kTransferTimeout);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setHeader(
        QNetworkRequest::UserAgentHeader,
        QStringLiteral("Glyphora/") + QString::fromStdString(ShortVersionText(kProgramVersion)));
    body_.clear();
    cancelled_ = false;
    too_large_ = false;
    reply_ = network_->get(request);
    connect(reply_, &QNetworkReply::readyRead, this, &UpdateChecker::OnReadyRead);
    connect(reply_, &QNetworkReply::finished, this, &UpdateChecker::OnReplyFinished);
}

void UpdateChecker::Cancel() {
    if (reply_ == nullptr) return;
    cancelled_ = true;
    reply_->abort();
    if (reply_ != nullptr) {
        // The reply did not report its end from inside abort(): end the check here, once.
        QNetworkReply* reply = reply_;
        reply_ = nullptr;
        reply->disconnect(this);
        reply->deleteLater();
        Finish({UpdateResult::Cancelled, {}});
    }
}

void UpdateChecker::OnReadyRead() {
    body_ += reply_->readAll();
    // The version file is a few lines; anything this large is not ours and is not read on.
    if (static_cast<std::size_t>(body_.size()) > kRemoteFileSizeLimit) {
        too_large_ = true;
        reply_->abort();
    }
}

void UpdateChecker::OnReplyFinished() {
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->deleteLater();
    if (cancelled_) {
        Finish({UpdateResult::Cancelled, {}});
        return;
    }
    if (too_large_ || reply->error() != QNetworkReply::NoError) {
        Finish({UpdateResult::NotAccessible, {}});
        return;
    }
    body_ += reply->readAll();
    Finish(EvaluateRemoteVersionFile(std::string_view(body_.constData(), body_.size()),
                                     local_version_.toStdString()));
}

void UpdateChecker::Finish(const UpdateCheckOutcome& outcome) {
    if (recorder_ != nullptr && outcome.result != UpdateResult::Cancelled) {
        recorder_->RecordUpdateCheck(local_path_, {std::chrono::system_clock::now(), outcome});
    }
    emit Finished(static_cast<int>(outcome.result), QString::fromStdString(outcome.version));
}

}  // namespace glyphora
