#pragma once

#include <thread>

namespace tornavel {

// Loads the system's font configuration (fontconfig's files and caches) on a thread of
// its own while the main thread builds the application object and the main window.
// The first window shown would otherwise load it itself, for several milliseconds,
// before its first frame. Where fonts do not come through fontconfig, it does nothing.
class FontConfigurationPreload {
public:
    FontConfigurationPreload();
    ~FontConfigurationPreload();
    FontConfigurationPreload(const FontConfigurationPreload&) = delete;
    FontConfigurationPreload& operator=(const FontConfigurationPreload&) = delete;

    // Waits until the configuration is loaded. Called before the first window is shown,
    // so that Qt finds it loaded rather than loading a second copy meanwhile.
    void Wait();

private:
    std::thread loader_;
};

} // namespace tornavel
