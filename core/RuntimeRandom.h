// The C runtime's pseudo-random generator with its exact arithmetic, so a seed gives the
// same numbers as the Windows C runtime's: 0 to 32767.
#pragma once

#include <cstdint>

class CRuntimeRandom {
public:
    void Seed(unsigned int seed) { m_nState = seed; }
    int Next() {
        m_nState = m_nState * 214013u + 2531011u;
        return static_cast<int>((m_nState >> 16) & 0x7FFF);
    }

private:
    std::uint32_t m_nState = 1;
};
