#include "about/update_checker.h"

#include <chrono>

#include "about/about_module.h"
#include "about/update_check_record.h"
#include "app/version_info.h"

namespace glyphora {

UpdateChecker::UpdateChecker(QObject* parent) : QObject(parent) {
    if (const AboutModule* module = LoadAboutModule()) network_ = module->NewHttpClient();
}

UpdateChecker::~UpdateChecker() {
    if (reply_ != nullptr) {
        // Closing the window mid-check: end the request without reporting anything.
        reply_->Silence();
        reply_->Abort();
        reply_->Release(true);
        reply_ = nullptr;
    }
}

void UpdateChecker::Check() {
    if (reply_ != nullptr) return;
    const QUrl url(remote_path_, QUrl::StrictMode);
    if (!url.isValid() || network_ == nullptr ||
        (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http"))) {
        Finish({UpdateResult::NotAccessible, {}});
        return;
    }
    body_.clear();
    cancelled_ = false;
    too_large_ = false;
    reply_ = network_->Get(
        url,
        QStringLiteral("Glyphora/") + QString::fromStdString(ShortVersionText(kProgramVersion)),
        kTransferTimeout, [this] { OnReadyRead(); }, [this] { OnReplyFinished(); });
}

void UpdateChecker::Cancel() {
    if (reply_ == nullptr) return;
    cancelled_ = true;
    reply_->Abort();
    if (reply_ != nullptr) {
        // The reply did not report its end from inside Abort(): end the check here, once.
        HttpDownload* reply = reply_;
        reply_ = nullptr;
        reply->Silence();
        reply->Release(false);
        Finish({UpdateResult::Cancelled, {}});
    }
}

void UpdateChecker::OnReadyRead() {
    body_ += reply_->ReadAll();
    // The version file is a few lines; anything this large is not ours and is not read on.
    if (static_cast<std::size_t>(body_.size()) > kRemoteFileSizeLimit) {
        too_large_ = true;
        reply_->Abort();
    }
}

void UpdateChecker::OnReplyFinished() {
    HttpDownload* reply = reply_;
    reply_ = nullptr;
    reply->Release(false);
    if (cancelled_) {
        Finish({UpdateResult::Cancelled, {}});
        return;
    }
    if (too_large_ || reply->Failed()) {
        Finish({UpdateResult::NotAccessible, {}});
        return;
    }
    body_ += reply->ReadAll();
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
