#include "core/TextEncoding.h"

#include <algorithm>
#include <iterator>

namespace {

// Windows-1252 at 0x80..0x9F; the five places it leaves empty keep their Latin-1 controls.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The length of the well-formed UTF-8 sequence at `pos`, or 0 when there is none.
std::size_t SequenceLength(std::string_view s, std::size_t pos) {
    const auto byte = [&s](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(pos);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the allowed range of the second byte
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;  // nothing beyond U+10FFFF
    } else {
        return 0;
    }
    if (pos + length > s.size() || byte(pos + 1) < low || byte(pos + 1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(pos + i) < 0x80 || byte(pos + i) > 0xBF) {
            return 0;
        }
    }
    return length;
}

// The code point of the well-formed sequence of `length` bytes at `pos`.
char32_t CodePoint(std::string_view s, std::size_t pos, std::size_t length) {
    const auto byte = [&s](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    if (length == 1) {
        return byte(pos);
    }
    char32_t c = byte(pos) & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        c = c << 6 | (byte(pos + i) & 0x3F);
    }
    return c;
}

}  // namespace

bool IsUtf8(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t length = SequenceLength(bytes, pos);
        if (length == 0) {
            return false;
        }
        pos += length;
    }
    return true;
}

bool Windows1252FromUtf8(std::string_view utf8, std::string& bytes) {
    std::string out;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t length = SequenceLength(utf8, pos);
        if (length == 0) {
            return false;
        }
        const char32_t c = CodePoint(utf8, pos, length);
        pos += length;
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += static_cast<char>(c);
            continue;
        }
        // 0x80..0x9F hold the typographic characters; the five empty places take nothing.
        const auto* place = std::find(std::begin(kHighControls), std::end(kHighControls), c);
        if (place == std::end(kHighControls) || *place < 0x100) {
            return false;
        }
        out += static_cast<char>(0x80 + (place - std::begin(kHighControls)));
    }
    bytes = std::move(out);
    return true;
}

std::u16string Utf16FromUtf8(std::string_view utf8) {
    std::u16string out;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t length = SequenceLength(utf8, pos);
        const char32_t c = length == 0 ? 0xFFFD : CodePoint(utf8, pos, length);
        pos += length == 0 ? 1 : length;
        if (c >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

std::string Utf8FromUtf16Le(std::string_view units) {
    const auto unit = [&units](std::size_t i) {
        return static_cast<char32_t>(static_cast<unsigned char>(units[i]) |
                                     static_cast<unsigned char>(units[i + 1]) << 8);
    };
    std::string out;
    out.reserve(units.size());
    for (std::size_t i = 0; i + 1 < units.size(); i += 2) {
        const char32_t high = unit(i);
        if (high >= 0xD800 && high < 0xDC00 && i + 3 < units.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                AppendUtf8(out, 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        AppendUtf8(out, high >= 0xD800 && high < 0xE000 ? 0xFFFD : high);
    }
    return out;
}

std::string ReadableUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();) {
        if (const std::size_t length = SequenceLength(bytes, pos)) {
            out.append(bytes.substr(pos, length));
            pos += length;
            continue;
        }
        const unsigned char c = static_cast<unsigned char>(bytes[pos++]);
        AppendUtf8(out, c >= 0x80 && c < 0xA0 ? kHighControls[c - 0x80] : c);
    }
    return out;
}
