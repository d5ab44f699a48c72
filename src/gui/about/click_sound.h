#pragma once

namespace glyphora {

// The click a sliding tile makes. Playing never waits for the sound. The program's own click
// (mono, 16-bit, 22,050 Hz, about 31 ms) comes from the About box's module (about_module.h):
// the audio output is opened at the first click, not before; with no audio device the click is
// silent and nothing else happens.
class ClickSound {
public:
    virtual ~ClickSound() = default;
    virtual void Play() = 0;
};

}  // namespace glyphora
