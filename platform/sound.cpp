#include "platform/sound.h"

#include <QApplication>
#include <canberra.h>

namespace vadelon {

namespace {
class CanberraSound final : public SoundPlayer {
public:
    CanberraSound() = default;
    CanberraSound(const CanberraSound&) = delete;
    CanberraSound& operator=(const CanberraSound&) = delete;
    ~CanberraSound() override
    {
        if (context_)
            ca_context_destroy(context_);
    }

    bool PlayThemeSound(const char* eventId) override
    {
        // One context for the program's life: a sound still playing is cut
        // off when its context goes.
        if (!context_ && ca_context_create(&context_) != CA_SUCCESS) {
            context_ = nullptr;
            return false;
        }
        return ca_context_play(context_, 0, CA_PROP_EVENT_ID, eventId, static_cast<const char*>(nullptr)) == CA_SUCCESS;
    }

    void RingBell() override { QApplication::beep(); }

private:
    ca_context* context_ = nullptr;
};
}  // namespace

std::unique_ptr<SoundPlayer> MakeDesktopSound()
{
    return std::make_unique<CanberraSound>();
}

}  // namespace vadelon
