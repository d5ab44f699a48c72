#pragma once

#include <QObject>

class QSoundEffect;

namespace glyphora {

// The click a sliding tile makes. Playing never waits for the sound.
class ClickSound {
public:
    virtual ~ClickSound() = default;
    virtual void Play() = 0;
};

// The program's own click (mono, 16-bit, 22,050 Hz, about 31 ms), embedded in the program and
// played through Qt Multimedia. The audio output is opened at the first click, not before; with no
// audio device the click is silent and nothing else happens.
class EmbeddedClickSound final : public QObject, public ClickSound {
    Q_OBJECT

public:
    explicit EmbeddedClickSound(QObject* parent = nullptr);
    void Play() override;

private:
    QSoundEffect* effect_ = nullptr;
};

}  // namespace glyphora
