#include "platform/sound.h"

#include <QApplication>
#include <canberra.h>
#include <dlfcn.h>

namespace vadelon {

namespace {

// libcanberra, opened the first time a sound of the theme is played: most
// runs play none, and loading it with its codecs would slow every start.
class Canberra {
public:
    // The library's three functions, or null when it is not installed.
    static const Canberra* Get()
    {
        static const Canberra library;
        return library.create ? &library : nullptr;
    }

    int (*create)(ca_context**) = nullptr;
    int (*play)(ca_context*, uint32_t, ...) = nullptr;
    int (*destroy)(ca_context*) = nullptr;

private:
    Canberra()
    {
        void* handle = dlopen("libcanberra.so.0", RTLD_LAZY | RTLD_LOCAL);
        if (!handle)
            return;
        create = reinterpret_cast<decltype(create)>(dlsym(handle, "ca_context_create"));
        play = reinterpret_cast<decltype(play)>(dlsym(handle, "ca_context_play"));
        destroy = reinterpret_cast<decltype(destroy)>(dlsym(handle, "ca_context_destroy"));
        if (!create || !play || !destroy)
            create = nullptr;
    }
};

class CanberraSound final : public SoundPlayer {
public:
    CanberraSound() = default;
    CanberraSound(const CanberraSound&) = delete;
    CanberraSound& operator=(const CanberraSound&) = delete;
    ~CanberraSound() override
    {
        if (context_)
            Canberra::Get()->destroy(context_);
    }

    bool PlayThemeSound(const char* eventId) override
    {
        const Canberra* library = Canberra::Get();
        if (!library)
            return false;
        // One context for the program's life: a sound still playing is cut
        // off when its context goes.
        if (!context_ && library->create(&context_) != CA_SUCCESS) {
            context_ = nullptr;
            return false;
        }
        return library->play(context_, 0, CA_PROP_EVENT_ID, eventId, static_cast<const char*>(nullptr)) == CA_SUCCESS;
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
