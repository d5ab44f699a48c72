#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <filesystem>
#include <memory>

#include "about/update_check.h"

namespace glyphora {

class HttpClient;
class HttpDownload;
class UpdateCheckRecorder;

// ucUpdate: asks the web site whether a newer version is published. Check() fetches remotepath
// (http or https only) and compares the version it names with localversion; Finished reports
// -1 (not reachable, not usable, or no answer within kTransferTimeout), 0 (up to date) or
// 1 (newer, with its version text). Cancel() aborts the request; the check then finishes as
// Cancelled. Nothing is fetched unless Check() is called. The download goes through the About
// box's module; without it every check is NotAccessible.
class UpdateChecker : public QObject {
    Q_OBJECT

public:
    static constexpr int kTransferTimeout = 30000;  // milliseconds without any data

    explicit UpdateChecker(QObject* parent = nullptr);
    ~UpdateChecker() override;

    QString RemotePath() const { return remote_path_; }
    void SetRemotePath(const QString& remote_path) { remote_path_ = remote_path; }
    QString LocalVersion() const { return local_version_; }
    void SetLocalVersion(const QString& local_version) { local_version_ = local_version; }
    // The settings file where the recorder keeps the last check.
    std::filesystem::path LocalPath() const { return local_path_; }
    void SetLocalPath(const std::filesystem::path& local_path) { local_path_ = local_path; }
    // Receives every finished check except a cancelled one; may be null.
    void SetRecorder(UpdateCheckRecorder* recorder) { recorder_ = recorder; }

    bool IsChecking() const { return reply_ != nullptr; }
    // Starts a check unless one is running. Finished may be emitted before this returns (an
    // address that cannot be fetched).
    void Check();
    void Cancel();

signals:
    void Finished(int result, const QString& version);

private:
    void OnReadyRead();
    void OnReplyFinished();
    void Finish(const UpdateCheckOutcome& outcome);

    std::unique_ptr<HttpClient> network_;
    HttpDownload* reply_ = nullptr;
    QByteArray body_;
    bool cancelled_ = false;
    bool too_large_ = false;
    QString remote_path_;
    QString local_version_;
    std::filesystem::path local_path_;
    UpdateCheckRecorder* recorder_ = nullptr;
};

}  // namespace glyphora
