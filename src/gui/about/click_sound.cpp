#include "about/click_sound.h"

#include <QSoundEffect>
#include <QUrl>

// The resources of a static library are registered by name, outside any namespace.
static void InitAboutResources() { Q_INIT_RESOURCE(about); }

namespace glyphora {

EmbeddedClickSound::EmbeddedClickSound(QObject* parent) : QObject(parent) { InitAboutResources(); }

void EmbeddedClickSound::Play() {
    if (effect_ == nullptr) {
        effect_ = new QSoundEffect(this);
        effect_->setSource(QUrl(QStringLiteral("qrc:/about/click.wav")));
    }
    effect_->play();
}

}  // namespace glyphora
