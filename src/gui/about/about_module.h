#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

#include "about/click_sound.h"

namespace glyphora {

// What only the About box needs of Qt Multimedia and Qt Network. Those libraries and the ones
// they pull in (audio servers, codecs, Kerberos) would cost every start of the program their
// loading time, so they are linked into a module of their own, opened the first time the About
// box is built. The interfaces are header-only: the module needs nothing of the program.

// One GET on its way. It lives until Release(); Abort() may report the end from inside.
class HttpDownload {
public:
    virtual QByteArray ReadAll() = 0;
    virtual bool Failed() const = 0;  // not a complete, successful answer
    virtual void Abort() = 0;
    virtual void Silence() = 0;  // no further reports
    // Ends it now, or (safe inside a report) once control is back in the event loop.
    virtual void Release(bool now) = 0;

protected:
    ~HttpDownload() = default;
};

class HttpClient {
public:
    virtual ~HttpClient() = default;
    // Fetches url past every cache; ready_read as data arrives, finished once at the end (also
    // after no data for transfer_timeout milliseconds).
    virtual HttpDownload* Get(const QUrl& url, const QString& user_agent, int transfer_timeout,
                              std::function<void()> ready_read, std::function<void()> finished) = 0;
};

class AboutModule {
public:
    virtual ~AboutModule() = default;
    // The program's embedded click; the audio output opens at the first click.
    virtual std::unique_ptr<ClickSound> NewClickSound() const = 0;
    virtual std::unique_ptr<HttpClient> NewHttpClient() const = 0;
};

// The module from beside the program (a build) or from the library folder of the installation;
// null, with a warning, when it cannot be opened: the box then has no sound and no update check.
const AboutModule* LoadAboutModule();

}  // namespace glyphora

// The module's one exported function.
extern "C" const glyphora::AboutModule* glyphora_about_module();
