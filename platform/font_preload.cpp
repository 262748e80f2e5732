#include "platform/font_preload.h"

#include <system_error>

#if defined(__unix__)
#include <dlfcn.h>
#endif

namespace tornavel {

FontConfigurationPreload::FontConfigurationPreload()
{
#if defined(__unix__)
    // Qt's GUI library brings fontconfig in with the program where it uses it, so its
    // initialisation is looked up among the loaded libraries rather than linked: the
    // program needs no fontconfig of its own and does nothing where there is none.
    // fontconfig's initialisation is safe to run beside other threads; loaded once,
    // later calls (Qt's own) return at once.
    using FcInitFunction = int (*)();
    // A thread that cannot be started leaves the loading to Qt, as without this.
    if (auto* init = reinterpret_cast<FcInitFunction>(dlsym(RTLD_DEFAULT, "FcInit"))) {
        try {
            loader_ = std::thread([init] { init(); });
        } catch (const std::system_error&) {
        }
    }
#endif
}

FontConfigurationPreload::~FontConfigurationPreload()
{
    Wait();
}

void FontConfigurationPreload::Wait()
{
    if (loader_.joinable())
        loader_.join();
}

} // namespace tornavel
