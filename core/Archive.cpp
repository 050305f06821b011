#include "core/Archive.h"

#include <algorithm>
#include <cstring>

#include "core/TextEncoding.h"
#include "platform/File.h"

CArchive::CArchive(CFile& file, Mode mode) : m_file(file), m_mode(mode) {}

std::uint64_t CArchive::Remaining() const {
    return (m_file.GetLength() - m_file.GetPosition()) + (m_nEnd - m_nBegin);
}

bool CArchive::ReadBytes(void* out, std::size_t count) {
    if (m_mode != load || m_bFailed || count > Remaining()) {
        return false;
    }
    auto* dest = static_cast<unsigned char*>(out);
    while (count > 0) {
        if (m_nBegin == m_nEnd) {
            m_nBegin = 0;
            m_nEnd = m_file.Read(m_buffer, kBufferSize);
            if (m_nEnd == 0) {
                m_bFailed = true;
                return false;
            }
        }
        std::size_t n = std::min(count, m_nEnd - m_nBegin);
        std::memcpy(dest, m_buffer + m_nBegin, n);
        if (m_pCapture != nullptr) {
            m_pCapture->append(reinterpret_cast<const char*>(m_buffer + m_nBegin), n);
        }
        m_nBegin += n;
        dest += n;
        count -= n;
    }
    return true;
}

bool CArchive::ReadInt(std::int32_t& value) {
    unsigned char b[4];
    if (!ReadBytes(b, 4)) {
        return false;
    }
    value = static_cast<std::int32_t>(
        static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
        static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24);
    return true;
}

// One byte; 0xFF then 16 bits; 0xFF 0xFFFF then 32 bits; 0xFFFFFFFF then 64 bits. The
// 16-bit value 0xFFFE marks a wide string whose length follows in the same forms.
bool CArchive::ReadStringLength(std::uint64_t& length, bool& bWide) {
    bWide = false;
    for (;;) {
        unsigned char b;
        if (!ReadBytes(&b, 1)) {
            return false;
        }
        if (b < 0xFF) {
            length = b;
            return true;
        }
        unsigned char w[2];
        if (!ReadBytes(w, 2)) {
            return false;
        }
        std::uint32_t word = w[0] | (w[1] << 8);
        if (word == 0xFFFE) {
            if (bWide) {
                return false;
            }
            bWide = true;
            continue;
        }
        if (word < 0xFFFF) {
            length = word;
            return true;
        }
        std::int32_t dword;
        if (!ReadInt(dword)) {
            return false;
        }
        if (static_cast<std::uint32_t>(dword) < 0xFFFFFFFFu) {
            length = static_cast<std::uint32_t>(dword);
            return true;
        }
        std::int32_t low, high;
        if (!ReadInt(low) || !ReadInt(high)) {
            return false;
        }
        length = static_cast<std::uint64_t>(static_cast<std::uint32_t>(high)) << 32 |
                 static_cast<std::uint32_t>(low);
        return true;
    }
}

bool CArchive::ReadString(std::string& text, std::string* stored) {
    std::string captured;
    m_pCapture = stored != nullptr ? &captured : nullptr;
    struct StopCapture {
        std::string*& capture;
        ~StopCapture() { capture = nullptr; }
    } stop{m_pCapture};
    std::uint64_t length;
    bool bWide;
    if (!ReadStringLength(length, bWide)) {
        return false;
    }
    if (length > kMaxStringBytes || (bWide ? length * 2 : length) > kMaxStringBytes) {
        m_bFailed = true;
        return false;
    }
    const std::size_t bytes = static_cast<std::size_t>(bWide ? length * 2 : length);
    if (bytes > Remaining()) {
        m_bFailed = true;
        return false;
    }
    // The buffer grows with the bytes that arrive, not with the length the file claims.
    std::string raw;
    while (raw.size() < bytes) {
        const std::size_t had = raw.size();
        raw.resize(had + std::min<std::size_t>(bytes - had, 64u << 10));
        if (!ReadBytes(raw.data() + had, raw.size() - had)) {
            return false;
        }
    }
    text = bWide ? Utf8FromUtf16Le(raw) : std::move(raw);
    if (stored != nullptr) {
        *stored = std::move(captured);
    }
    return true;
}

void CArchive::WriteBytes(const void* data, std::size_t count) {
    if (m_mode != store || m_bFailed) {
        m_bFailed = true;
        return;
    }
    const auto* src = static_cast<const unsigned char*>(data);
    while (count > 0) {
        if (m_nEnd == kBufferSize && !Flush()) {
            return;
        }
        std::size_t n = std::min(count, kBufferSize - m_nEnd);
        std::memcpy(m_buffer + m_nEnd, src, n);
        m_nEnd += n;
        src += n;
        count -= n;
    }
}

void CArchive::WriteInt(std::int32_t value) {
    auto v = static_cast<std::uint32_t>(value);
    unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                          static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
    WriteBytes(b, 4);
}

void CArchive::WriteStringLength(std::size_t length) {
    if (length < 0xFF) {
        unsigned char b = static_cast<unsigned char>(length);
        WriteBytes(&b, 1);
    } else if (length < 0xFFFE) {
        unsigned char b[3] = {0xFF, static_cast<unsigned char>(length),
                              static_cast<unsigned char>(length >> 8)};
        WriteBytes(b, 3);
    } else {
        unsigned char b[3] = {0xFF, 0xFF, 0xFF};
        WriteBytes(b, 3);
        WriteInt(static_cast<std::int32_t>(static_cast<std::uint32_t>(length)));
    }
}

void CArchive::WriteString(const std::string& text) {
    WriteStringLength(text.size());
    WriteBytes(text.data(), text.size());
}

void CArchive::WriteWideString(const std::u16string& text) {
    const unsigned char mark[3] = {0xFF, 0xFE, 0xFF};
    WriteBytes(mark, 3);
    WriteStringLength(text.size());
    std::string units;
    units.reserve(text.size() * 2);
    for (const char16_t unit : text) {
        units += static_cast<char>(unit & 0xFF);
        units += static_cast<char>(unit >> 8);
    }
    WriteBytes(units.data(), units.size());
}

void CArchive::WriteStoredString(const std::string& stored) {
    WriteBytes(stored.data(), stored.size());
}

bool CArchive::Flush() {
    if (m_mode != store) {
        return false;
    }
    if (!m_bFailed && m_nEnd > 0) {
        m_bFailed = !m_file.Write(m_buffer, m_nEnd);
        m_nEnd = 0;
    }
    return !m_bFailed;
}
