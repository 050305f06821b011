// When a game's input lock counts as failed. The lock is looked at again and again; a lock
// that was never held within its first moments was not granted (a Wayland desktop may ask
// the user first), and one that was held and then stays missing was lost. Neither is
// decided at once: another program may hold the keyboard for a moment, a window manager may
// be slow to map the window. Times are microseconds on a monotonic clock.
#pragma once

#include <cstdint>

enum class LockLoss { Kept, NotGranted, Lost };

class CLockDeadline {
public:
    // `nGrant`: how long the lock may take to be held at all; `nKeep`: how long a held lock
    // may then be missing. A lock that is not required is never reported.
    CLockDeadline(std::int64_t start, std::int64_t nGrant, std::int64_t nKeep, bool bRequired);

    // Whether the lock is held at `now`; a loss is reported once, and never again after.
    LockLoss Update(bool bHeld, std::int64_t now);
    bool Required() const { return m_bRequired; }

private:
    std::int64_t m_start;
    std::int64_t m_nGrant;
    std::int64_t m_nKeep;
    bool m_bRequired;
    bool m_bEverHeld = false;
    bool m_bReported = false;
    bool m_bMissing = false;
    std::int64_t m_missingSince = 0;
};
