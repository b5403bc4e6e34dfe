#pragma once

#include <cstdint>

namespace zephra {

// Waits and the millisecond clock of the user-interface thread. The program
// waits for real (repainting, but taking no user input meanwhile); tests
// record the waits and move time on at once.
class Clock {
public:
    virtual ~Clock() = default;

    // Waits `ms` milliseconds. Windows are repainted meanwhile; keyboard and
    // mouse input waits until the pause is over.
    virtual void Wait(int ms) = 0;

    // Milliseconds since an arbitrary fixed moment; never goes back.
    virtual std::int64_t NowMs() = 0;
};

} // namespace zephra
