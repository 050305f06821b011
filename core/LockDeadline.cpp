#include "core/LockDeadline.h"

CLockDeadline::CLockDeadline(std::int64_t start, std::int64_t nGrant, std::int64_t nKeep,
                             bool bRequired)
    : m_start(start), m_nGrant(nGrant), m_nKeep(nKeep), m_bRequired(bRequired) {}

LockLoss CLockDeadline::Update(bool bHeld, std::int64_t now) {
    if (bHeld) {
        m_bEverHeld = true;
        m_bMissing = false;
        return LockLoss::Kept;
    }
    if (!m_bRequired || m_bReported) {
        return LockLoss::Kept;
    }
    if (!m_bEverHeld) {
        if (now - m_start < m_nGrant) {
            return LockLoss::Kept;
        }
        m_bReported = true;
        return LockLoss::NotGranted;
    }
    if (!m_bMissing) {
        m_bMissing = true;
        m_missingSince = now;
        return LockLoss::Kept;
    }
    if (now - m_missingSince < m_nKeep) {
        return LockLoss::Kept;
    }
    m_bReported = true;
    return LockLoss::Lost;
}
