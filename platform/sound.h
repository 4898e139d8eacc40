#pragma once
// The desktop's two sounds: the plain bell, and the named sounds of the
// desktop's sound theme (freedesktop.org sound theme names such as
// "dialog-warning").
#include <memory>

namespace vadelon {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts the theme's sound eventId; false when it cannot be played (no
    // such sound in the theme, no sound server or device).
    virtual bool PlayThemeSound(const char* eventId) = 0;
    virtual void RingBell() = 0;
};

// The theme's sounds through libcanberra, the bell through Qt.
std::unique_ptr<SoundPlayer> MakeDesktopSound();

}  // namespace vadelon
