// The game's low-level keyboard hook. Windows removes such a hook without a word when its
// thread keeps a key waiting too long; the only sign is that removing it then fails. So the
// hook is renewed now and then, a new one put in before the old one is taken out, and a
// failed removal tells that the old one had been lost.
#pragma once

#include "platform/windows/Windows.h"

class CLowLevelHook {
public:
    explicit CLowLevelHook(HOOKPROC procedure) : m_procedure(procedure) {}
    CLowLevelHook(const CLowLevelHook&) = delete;
    CLowLevelHook& operator=(const CLowLevelHook&) = delete;
    ~CLowLevelHook() { Remove(); }

    bool Install();
    // A new hook in place of the old one; false when Windows had removed the old one (keys
    // may have passed unfiltered since) or no new one could be put in.
    bool Renew();
    void Remove();
    HHOOK Handle() const { return m_hook; }

private:
    HOOKPROC m_procedure;
    HHOOK m_hook = nullptr;
};
