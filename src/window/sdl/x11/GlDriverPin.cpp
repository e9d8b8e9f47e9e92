#include "window/sdl/NativeVideo.h"

#include <dlfcn.h>
#include <link.h>

#include <cstring>

namespace window::sdl {

namespace {

// Mesa's drivers ("swrast_dri.so", ...) and its EGL and GLX vendor libraries
// ("libEGL_mesa.so.0", "libGLX_mesa.so.0").
bool isMesaLibrary(const char* path)
{
    static const char driverEnd[] = "_dri.so";
    const size_t length = std::strlen(path);
    const bool driver = length >= sizeof driverEnd - 1
        && std::strcmp(path + length - (sizeof driverEnd - 1), driverEnd) == 0;
    return driver || std::strstr(path, "_mesa.so") != nullptr;
}

int pinIfMesa(dl_phdr_info* info, size_t, void*)
{
    // RTLD_NOLOAD takes one more reference on the loaded library, which is never given back;
    // RTLD_NODELETE keeps it even past its last dlclose. A second call only counts up again.
    if (info->dlpi_name && isMesaLibrary(info->dlpi_name))
        dlopen(info->dlpi_name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
    return 0;
}

} // namespace

void pinGlDriver()
{
    dl_iterate_phdr(pinIfMesa, nullptr);
}

} // namespace window::sdl
