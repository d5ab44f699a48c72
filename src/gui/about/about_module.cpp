#include "about/about_module.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QStringList>
#include <cstdio>

namespace glyphora {

const AboutModule* LoadAboutModule() {
    using Entry = const AboutModule* (*)();
    const QString dir = QCoreApplication::applicationDirPath();
    const QString name = QStringLiteral(GLYPHORA_ABOUT_MODULE_NAME);
    QString errors;
    // Opened once per process by the dynamic linker however often it is asked for; never
    // unloaded, since the box's objects come from it.
    for (const QString& path : {dir + QLatin1Char('/') + name,
                                dir + QStringLiteral("/" GLYPHORA_ABOUT_MODULE_DIR "/") + name}) {
        QLibrary library(path);
        if (const auto entry = reinterpret_cast<Entry>(library.resolve("glyphora_about_module")))
            return entry();
        errors += QStringLiteral("\n  ") + library.errorString();
    }
    std::fprintf(stderr, "glyphora: no click sound and no update check in the About box:%s\n",
                 errors.toLocal8Bit().constData());
    return nullptr;
}

}  // namespace glyphora
