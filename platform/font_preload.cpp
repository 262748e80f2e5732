#include "platform/font_preload.h"

#include <system_error>

#if defined(__unix__)
#include <dlfcn.h>
#endif
#if defined(__linux__)
#include <pthread.h>
#include <sched.h>
#endif

namespace tornavel {

namespace {

#if defined(__linux__)
// Keeps the loading thread off the processor the main thread runs on. Left to itself,
// the scheduler often queues a new thread behind its creator on the same processor:
// the two then take turns, the loading gains nothing and the main thread is held up
// for a whole time slice, while the other processors stand idle. With one processor
// only, or when the processor is unknown, the thread goes where the scheduler puts it.
void KeepOffThisProcessor(std::thread& thread)
{
    const int here = sched_getcpu();
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    if (here < 0 || here >= CPU_SETSIZE || sched_getaffinity(0, sizeof allowed, &allowed) != 0)
        return;
    CPU_CLR(here, &allowed);
    if (CPU_COUNT(&allowed) > 0)
        pthread_setaffinity_np(thread.native_handle(), sizeof allowed, &allowed);
}
#endif

} // namespace

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
            return;
        }
#if defined(__linux__)
        KeepOffThisProcessor(loader_);
#endif
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
