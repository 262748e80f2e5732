#pragma once

#include <functional>

namespace tornavel {

// Runs `save` when the program is ended from inside by exit() while this object lives,
// on the thread that made it. Qt ends the program so when the connection to the display
// breaks: the window is never closed then, and this is the last moment at which what
// was computed can still be written. A program that leaves main() normally has
// destroyed the object by then, and nothing runs. One at a time per process.
class SaveAtExit {
public:
    explicit SaveAtExit(std::function<void()> save);
    ~SaveAtExit();
    SaveAtExit(const SaveAtExit&) = delete;
    SaveAtExit& operator=(const SaveAtExit&) = delete;

private:
    std::function<void()> save_;
};

} // namespace tornavel
