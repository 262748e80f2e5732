#include "platform/save_at_exit.h"

#include <cstdlib>
#include <thread>

namespace tornavel {

namespace {

// What exit() reaches: a handler registered with the C library, which knows no object.
std::function<void()>* gSave = nullptr;
std::thread::id gOwner;
bool gRegistered = false;

void RunAtExit()
{
    // Another thread's exit() would race the one that owns the state to be saved.
    if (!gSave || std::this_thread::get_id() != gOwner)
        return;
    std::function<void()>* save = gSave;
    gSave = nullptr;
    (*save)();
}

} // namespace

SaveAtExit::SaveAtExit(std::function<void()> save) : save_(std::move(save))
{
    gSave = &save_;
    gOwner = std::this_thread::get_id();
    // Registered as late as the first object is made, so that it runs before the
    // destructors of the program's static objects made before it.
    if (!gRegistered)
        gRegistered = std::atexit(RunAtExit) == 0;
}

SaveAtExit::~SaveAtExit()
{
    if (gSave == &save_)
        gSave = nullptr;
}

} // namespace tornavel
