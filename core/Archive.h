// A buffered archive over a CFile: 32-bit little-endian integers and length-prefixed
// strings in the framework's layout. A loading archive never trusts a length beyond what
// the file can still hold, so a hostile file reads what is there and nothing more.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class CFile;

class CArchive {
public:
    enum Mode { load, store };

    CArchive(CFile& file, Mode mode);
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    // Loading: false at the end of the file or on a read error, with nothing assigned.
    bool ReadInt(std::int32_t& value);
    // A narrow string's bytes as they are; a wide one's characters as UTF-8. `stored`, when
    // given, receives the field's bytes exactly as the file holds them.
    bool ReadString(std::string& text, std::string* stored = nullptr);

    // Storing: buffered; the first failure sticks and Flush reports it.
    void WriteInt(std::int32_t value);
    void WriteString(const std::string& text);
    // The wide form: 0xFF 0xFE 0xFF, the length in characters, the UTF-16LE characters.
    void WriteWideString(const std::u16string& text);
    // A field as ReadString's `stored` gave it.
    void WriteStoredString(const std::string& stored);
    bool Flush();

    // The longest string a loading archive accepts, in bytes as stored; a longer one is
    // damage. The dialogs write at most 200 characters.
    static constexpr std::uint64_t kMaxStringBytes = 1u << 20;

    // Bytes a loading archive can still deliver.
    std::uint64_t Remaining() const;

private:
    bool ReadBytes(void* out, std::size_t count);
    bool ReadStringLength(std::uint64_t& length, bool& bWide);
    void WriteBytes(const void* data, std::size_t count);
    void WriteStringLength(std::size_t length);

    static constexpr std::size_t kBufferSize = 4096;

    CFile& m_file;
    Mode m_mode;
    bool m_bFailed = false;
    unsigned char m_buffer[kBufferSize];
    std::size_t m_nBegin = 0;           // next unread byte of the buffer (load)
    std::size_t m_nEnd = 0;             // end of the buffered bytes
    std::string* m_pCapture = nullptr;  // receives every byte read while set
};
