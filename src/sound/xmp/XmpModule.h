// One tracker module loaded by libxmp (MOD, S3M, XM, IT and the other formats it reads) and its
// player, which renders the module as 16-bit stereo at a chosen rate.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace sound {

class XmpModule {
public:
    // Null when the bytes are not a module libxmp can load.
    static std::unique_ptr<XmpModule> load(const uint8_t* data, size_t size);
    ~XmpModule();
    XmpModule(const XmpModule&) = delete;
    XmpModule& operator=(const XmpModule&) = delete;

    // Starts (again) from the beginning at `rate` Hz; false when the player cannot start.
    bool start(int rate);
    // Renders `frames` interleaved stereo frames; false once the module has ended. With no
    // loop limit the player only ends when the module itself stops.
    bool render(int16_t* pcm, int frames);

private:
    explicit XmpModule(void* context) : context(context) {}

    void* context; // the libxmp player context
    bool started = false;
};

} // namespace sound
