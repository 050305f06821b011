#include "platform/PictureDecoder.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "core/BmpImage.h"
#include "core/BmpWriter.h"

namespace {

struct Unref {
    void operator()(void* object) const { g_object_unref(object); }
};
template <class T>
using Ref = std::unique_ptr<T, Unref>;

// The most pixels a picture may have before it is scaled: a picture file that claims more is
// refused rather than let fill the memory. A JPEG is decoded at a reduced size to begin with;
// every other kind is decoded whole, four bytes a pixel, within the import's 512 MB.
constexpr double kMaxSourcePixels = 100e6;
constexpr double kMaxWholePixels = 64e6;

// The factor that makes width x height fit within the box, never above 1.
double FitScale(double width, double height, double maxWidth, double maxHeight) {
    return std::min({1.0, maxWidth / width, maxHeight / height});
}

struct Box {
    int maxWidth, maxHeight;
    bool bRefused = false;    // too large
    bool bCountRows = false;  // the rows are counted, and so the loader may not scale
    bool bJpeg = false;       // decoded at a reduced size
    std::vector<bool> rows;   // the rows of the picture the loader has filled
};

// The most scans a progressive JPEG may have: a camera's or a phone's has about ten, and each
// costs the decoder a pass over the whole picture (one of 2,646 scans took minutes).
constexpr std::size_t kMaxJpegScans = 100;

// The kinds of picture phones, cameras and messengers save, told by their first bytes, and
// the loaders that read them (HEIF's has had two names). Only that loader sees the file: the
// system's loaders of other kinds (icons, cursors, X bitmaps, Targa, SVG...) never read a
// parent's files, and some of them allocate what a file claims before reading it.
std::vector<const char*> PhotoLoaders(const std::vector<guchar>& data) {
    const auto starts = [&data](std::size_t at, std::string_view magic) {
        return data.size() >= at + magic.size() &&
               std::equal(magic.begin(), magic.end(), data.begin() + at,
                          [](char m, guchar d) { return static_cast<guchar>(m) == d; });
    };
    if (starts(0, "\xFF\xD8\xFF")) {
        return {"jpeg"};
    }
    if (starts(0, "\x89PNG\r\n\x1A\n")) {
        return {"png"};
    }
    if (starts(0, "GIF87a") || starts(0, "GIF89a")) {
        return {"gif"};
    }
    if (starts(0, std::string_view("II*\0", 4)) || starts(0, std::string_view("MM\0*", 4))) {
        return {"tiff"};
    }
    if (starts(0, "RIFF") && starts(8, "WEBP")) {
        return {"webp"};
    }
    if (starts(0, "BM")) {
        return {"bmp"};
    }
    if (starts(4, "ftyp")) {
        for (const char* brand :
             {"heic", "heix", "hevc", "hevx", "heim", "heis", "mif1", "msf1", "avif", "avis"}) {
            if (starts(8, brand)) {
                return {"heif/avif", "heif"};
            }
        }
    }
    return {};
}

// The stored size is known before the pixels: a loader that can decode smaller (JPEG) is
// asked for a size that still fits the box whichever way the picture turns upright. A
// picture too large is asked for a size of 0 x 0, which tells the
// loaders to stop before it allocates the pixels; any other size is only scaled to once the whole
// picture is in memory (a GIF of 85 bytes claiming 26900 x 24941 took 2.6 GB that way).
void OnSizePrepared(GdkPixbufLoader* loader, int width, int height, gpointer data) {
    auto* box = static_cast<Box*>(data);
    if (width <= 0 || height <= 0 ||
        double(width) * height > (box->bJpeg ? kMaxSourcePixels : kMaxWholePixels)) {
        box->bRefused = true;
        gdk_pixbuf_loader_set_size(loader, 0, 0);
        return;
    }
    const double scale = std::max(FitScale(width, height, box->maxWidth, box->maxHeight),
                                  FitScale(height, width, box->maxWidth, box->maxHeight));
    if (scale < 1.0 && !box->bCountRows) {
        gdk_pixbuf_loader_set_size(loader, std::max(1, int(std::ceil(width * scale))),
                                   std::max(1, int(std::ceil(height * scale))));
    }
}

// A JPEG's scans, and whether its end-of-image marker follows them: the loaders fill the
// rows of a file cut short with grey and call it a picture, and each scan costs the decoder a
// pass over the whole picture. The markers cannot occur inside the compressed data (it
// stuffs each 0xFF with a zero), so they are looked for after the first scan, whose header is
// found by walking the segments before it (an EXIF thumbnail has an end marker of its own
// inside them). Data a phone appends after the end (a motion photo's video) does not count.
struct JpegScans {
    std::size_t count = 0;
    bool bEnded = false;
};

JpegScans ReadJpegScans(const std::vector<guchar>& data) {
    JpegScans scans;
    std::size_t at = 2;
    while (at + 4 <= data.size() && data[at] == 0xFF) {
        const guchar marker = data[at + 1];
        if (marker == 0xFF) {
            ++at;  // fill byte
            continue;
        }
        const std::size_t length = std::size_t(data[at + 2]) << 8 | data[at + 3];
        at += 2 + length;
        if (marker == 0xDA) {  // the first scan: its compressed data follows
            scans.count = 1;
            for (std::size_t i = at; i + 1 < data.size() && !scans.bEnded; ++i) {
                scans.bEnded = data[i] == 0xFF && data[i + 1] == 0xD9;
                scans.count += data[i] == 0xFF && data[i + 1] == 0xDA;
            }
            break;
        }
    }
    return scans;
}

// HEIF's sizes, read from its boxes before its loader sees the file. The loader decodes a
// picture made of tiles (a grid, or an overlay) at the size the file claims for it, up to
// 32768 x 32768, and tells that size only after: 499 bytes claiming a large grid took 2.4 GB
// and 19 s. Each box is read within the one that holds it.
class HeifSizes {
public:
    explicit HeifSizes(const std::vector<guchar>& data) : m_file{data.data(), data.size()} {}

    // Whether every size the file claims (its pictures' and its tiled pictures') is one the
    // import takes; false too when the boxes do not fit together.
    bool Fit() {
        return ForEachBox(m_file,
                          [this](std::string_view type, Span body) {
                              if (type == "meta" && body.n >= 4) {
                                  ReadMeta({body.p + 4, body.n - 4});
                              }
                          }) &&
               m_bFit && TiledPicturesFit() && TilesStoredApart();
    }

private:
    struct Span {
        const guchar* p;
        std::size_t n;
    };
    // Big-endian fields read in turn; reading past the end leaves `ok` false.
    struct Fields {
        Span s;
        std::size_t at = 0;
        bool ok = true;
        std::uint64_t Get(std::size_t bytes) {
            if (bytes > 8 || s.n - at < bytes) {
                ok = false;
                return 0;
            }
            std::uint64_t value = 0;
            for (std::size_t i = 0; i < bytes; ++i) {
                value = value << 8 | s.p[at++];
            }
            return value;
        }
    };
    struct Location {
        std::uint64_t method = 0, offset = 0, length = 0;
    };

    template <class F>
    static bool ForEachBox(Span span, F&& f) {
        Fields fields{span};
        while (fields.at + 8 <= span.n) {
            const std::size_t start = fields.at;
            std::uint64_t size = fields.Get(4);
            const std::string_view type(reinterpret_cast<const char*>(span.p + fields.at), 4);
            fields.at += 4;
            if (size == 1) {
                size = fields.Get(8);
            } else if (size == 0) {
                size = span.n - start;
            }
            const std::size_t header = fields.at - start;
            if (!fields.ok || size < header || size > span.n - start) {
                return false;
            }
            f(type, Span{span.p + fields.at, static_cast<std::size_t>(size) - header});
            fields.at = start + static_cast<std::size_t>(size);
        }
        return true;
    }

    void Claim(std::uint64_t width, std::uint64_t height) {
        m_bFit = m_bFit && double(width) * double(height) <= kMaxWholePixels;
    }

    void ReadMeta(Span meta) {
        m_bFit =
            ForEachBox(meta,
                       [this](std::string_view type, Span body) {
                           if (type == "iinf") {
                               ReadItemInfos(body);
                           } else if (type == "iloc") {
                               ReadLocations(body);
                           } else if (type == "idat") {
                               m_idat = body;
                           } else if (type == "iref") {
                               ReadReferences(body);
                           } else if (type == "iprp") {
                               ForEachBox(body, [this](std::string_view type, Span body) {
                                   if (type == "ipco") {
                                       ForEachBox(body, [this](std::string_view type, Span body) {
                                           if (type == "ispe") {
                                               Fields f{body};
                                               f.Get(4);  // version and flags
                                               const std::uint64_t width = f.Get(4);
                                               Claim(width, f.Get(4));
                                           }
                                       });
                                   }
                               });
                           }
                       }) &&
            m_bFit;
    }

    void ReadItemInfos(Span iinf) {
        Fields f{iinf};
        const std::uint64_t version = f.Get(1);
        f.Get(3);
        f.Get(version == 0 ? 2 : 4);  // the count: the boxes say it
        if (!f.ok) {
            return;
        }
        ForEachBox({iinf.p + f.at, iinf.n - f.at}, [this](std::string_view type, Span body) {
            Fields e{body};
            const std::uint64_t version = e.Get(1);
            e.Get(3);
            if (type != "infe" || version < 2) {
                return;
            }
            const std::uint64_t id = e.Get(version == 2 ? 2 : 4);
            e.Get(2);  // protection
            const std::uint64_t kind = e.Get(4);
            if (e.ok && (kind == 0x67726964 || kind == 0x696F766C)) {  // "grid", "iovl"
                m_tiled.push_back({id, kind == 0x696F766C});
            }
        });
    }

    // A tiled picture names each of its tiles once, each stored in its place: a grid of 400
    // references to one small tile (1.4 KB) made the loader compose a 98-megapixel picture of
    // 400 decodes, which took 1.2 GB.
    void ReadReferences(Span iref) {
        Fields f{iref};
        const std::uint64_t version = f.Get(1);
        f.Get(3);
        if (!f.ok) {
            m_bFit = false;
            return;
        }
        const std::size_t idSize = version == 0 ? 2 : 4;
        m_bFit = ForEachBox({iref.p + f.at, iref.n - f.at},
                            [this, idSize](std::string_view type, Span body) {
                                if (type != "dimg") {
                                    return;
                                }
                                Fields r{body};
                                r.Get(idSize);  // the tiled picture
                                const std::uint64_t count = r.Get(2);
                                std::vector<std::uint64_t> tiles;
                                for (std::uint64_t i = 0; i < count && r.ok; ++i) {
                                    tiles.push_back(r.Get(idSize));
                                }
                                std::sort(tiles.begin(), tiles.end());
                                m_bFit =
                                    m_bFit && r.ok &&
                                    std::adjacent_find(tiles.begin(), tiles.end()) == tiles.end();
                                m_tiles.insert(m_tiles.end(), tiles.begin(), tiles.end());
                            }) &&
                 m_bFit;
    }

    void ReadLocations(Span iloc) {
        Fields f{iloc};
        const std::uint64_t version = f.Get(1);
        f.Get(3);
        const std::uint64_t sizes = f.Get(1), moreSizes = f.Get(1);
        const std::size_t offsetSize = sizes >> 4, lengthSize = sizes & 15,
                          baseSize = moreSizes >> 4,
                          indexSize = version == 1 || version == 2 ? moreSizes & 15 : 0;
        const std::uint64_t count = f.Get(version < 2 ? 2 : 4);
        for (std::uint64_t i = 0; i < count && f.ok; ++i) {
            const std::uint64_t id = f.Get(version < 2 ? 2 : 4);
            Location where;
            where.method = version == 1 || version == 2 ? f.Get(2) & 15 : 0;
            f.Get(2);  // data reference
            const std::uint64_t base = f.Get(baseSize);
            const std::uint64_t extents = f.Get(2);
            for (std::uint64_t e = 0; e < extents && f.ok; ++e) {
                f.Get(indexSize);
                const std::uint64_t offset = f.Get(offsetSize), length = f.Get(lengthSize);
                if (e == 0) {
                    where.offset = base + offset;
                    where.length = length;
                }
            }
            if (f.ok) {
                m_locations.emplace_back(id, where);
            }
        }
    }

    // No two tiles are the same stored bytes, which would repeat one small tile as often.
    bool TilesStoredApart() const {
        std::vector<std::pair<std::uint64_t, std::uint64_t>> places;
        for (const auto& [id, where] : m_locations) {
            if (std::find(m_tiles.begin(), m_tiles.end(), id) != m_tiles.end()) {
                places.emplace_back(where.method << 62 | where.offset, where.length);
            }
        }
        std::sort(places.begin(), places.end());
        return std::adjacent_find(places.begin(), places.end()) == places.end();
    }

    // A grid or an overlay says its size in its own data: 8 or 12 bytes, in the file or in
    // the meta box's data.
    bool TiledPicturesFit() {
        for (const auto& [id, bOverlay] : m_tiled) {
            for (const auto& [located, where] : m_locations) {
                if (located != id) {
                    continue;
                }
                const Span from = where.method == 0 ? m_file : m_idat;
                if (where.method > 1 || where.offset > from.n ||
                    where.length > from.n - where.offset) {
                    continue;  // a place the loader cannot read either
                }
                Fields f{{from.p + where.offset, static_cast<std::size_t>(where.length)}};
                f.Get(1);  // version
                const std::uint64_t flags = f.Get(1);
                f.Get(bOverlay ? 8 : 2);  // the overlay's fill colour, the grid's rows and columns
                const std::size_t size = flags & 1 ? 4 : 2;
                const std::uint64_t width = f.Get(size);
                Claim(width, f.Get(size));
                // Data too short to say a size hides the size the loader will take.
                m_bFit = m_bFit && f.ok;
            }
        }
        return m_bFit;
    }

    Span m_file;
    Span m_idat{nullptr, 0};
    bool m_bFit = true;
    std::vector<std::pair<std::uint64_t, bool>> m_tiled;  // item, and whether an overlay
    std::vector<std::pair<std::uint64_t, Location>> m_locations;
    std::vector<std::uint64_t> m_tiles;  // the items tiled pictures are made of
};

// Whether a PNG holds every chunk its lengths announce, up to its end chunk: a file cut
// short is filled with grey or black by the loader and called a picture.
bool PngComplete(const std::vector<guchar>& data) {
    std::size_t at = 8;
    while (at + 12 <= data.size()) {
        const std::uint64_t length =
            std::uint64_t(data[at]) << 24 | data[at + 1] << 16 | data[at + 2] << 8 | data[at + 3];
        if (std::string_view(reinterpret_cast<const char*>(&data[at + 4]), 4) == "IEND") {
            return true;
        }
        at += 12 + length;
    }
    return false;
}

// Whether a WebP holds the bytes its RIFF header announces, and an animation's frames fit the
// limit together: its loader decodes every frame, each the size of the canvas, at once (four
// frames of 10,000 x 10,000 in a file of 195 KB took 20 GB).
bool WebpFits(const std::vector<guchar>& data) {
    const auto u32 = [&data](std::size_t at) {
        return std::uint64_t(data[at]) | std::uint64_t(data[at + 1]) << 8 |
               std::uint64_t(data[at + 2]) << 16 | std::uint64_t(data[at + 3]) << 24;
    };
    const auto u24 = [&data](std::size_t at) {
        return std::uint64_t(data[at]) | std::uint64_t(data[at + 1]) << 8 |
               std::uint64_t(data[at + 2]) << 16;
    };
    if (data.size() < 12 || u32(4) + 8 > data.size()) {
        return false;
    }
    double canvas = 0;
    std::uint64_t frames = 0;
    const std::size_t end = static_cast<std::size_t>(u32(4) + 8);  // what follows is no part
    for (std::size_t at = 12; at + 8 <= end;) {
        const std::string_view type(reinterpret_cast<const char*>(&data[at]), 4);
        const std::uint64_t size = u32(at + 4);
        if (at + 8 + size > end) {
            return false;
        }
        if (type == "VP8X" && size >= 10) {
            canvas = double(u24(at + 12) + 1) * double(u24(at + 15) + 1);
        } else if (type == "VP8 " && size >= 10 && canvas == 0) {
            // A lossy picture's frame header: its 14-bit width and height. The loader
            // allocates them before it tells anyone the size.
            const double width = (data[at + 14] | data[at + 15] << 8) & 0x3FFF;
            const double height = (data[at + 16] | data[at + 17] << 8) & 0x3FFF;
            canvas = width * height;
        } else if (type == "VP8L" && size >= 5 && canvas == 0) {
            // A lossless picture's header: 14 bits of width and of height, each less one.
            const std::uint64_t bits = u32(at + 9);
            canvas = double((bits & 0x3FFF) + 1) * double((bits >> 14 & 0x3FFF) + 1);
        } else if (type == "ANMF") {
            ++frames;
        }
        at += 8 + size + (size & 1);
    }
    return canvas * double(std::max<std::uint64_t>(frames, 1)) <= kMaxWholePixels;
}

// Every row the loader fills: a picture with rows it never filled was cut short, or its data
// ends before its size says (a PNG of 467 bytes claiming 10,000 x 10,000 held ten rows).
void OnAreaUpdated(GdkPixbufLoader* loader, int, int y, int, int height, gpointer data) {
    auto* box = static_cast<Box*>(data);
    if (box->rows.empty()) {
        if (GdkPixbuf* pixbuf = gdk_pixbuf_loader_get_pixbuf(loader)) {
            box->rows.assign(static_cast<std::size_t>(gdk_pixbuf_get_height(pixbuf)), false);
        }
    }
    for (int row = std::max(0, y); row < y + height && row < int(box->rows.size()); ++row) {
        box->rows[static_cast<std::size_t>(row)] = true;
    }
}

// The decoded picture, or null when the bytes are not one the loaders can read.
Ref<GdkPixbuf> Decode(const std::vector<guchar>& data, Box& box) {
    if (data.empty()) {
        return nullptr;
    }
    const std::vector<const char*> loaders = PhotoLoaders(data);
    const std::string_view kind = loaders.empty() ? "" : loaders.front();
    const JpegScans scans = kind == "jpeg" ? ReadJpegScans(data) : JpegScans{1, true};
    if (!scans.bEnded || scans.count > kMaxJpegScans ||
        (kind == "heif/avif" && !HeifSizesFit(data)) || (kind == "png" && !PngComplete(data)) ||
        (kind == "webp" && !WebpFits(data))) {
        return nullptr;
    }
    // The loaders of these kinds fill what a file lacks and call it a picture; they tell
    // each row they decode.
    const bool bRowsCounted = kind == "png" || kind == "bmp";
    box.bCountRows = bRowsCounted;
    box.bJpeg = kind == "jpeg";
    Ref<GdkPixbufLoader> loader;
    for (const char* name : loaders) {
        if (!loader) {
            loader = Ref<GdkPixbufLoader>(gdk_pixbuf_loader_new_with_type(name, nullptr));
        }
    }
    if (!loader) {
        return nullptr;  // no kind of photo, or its loader is not installed
    }
    g_signal_connect(loader.get(), "size-prepared", G_CALLBACK(OnSizePrepared), &box);
    if (bRowsCounted) {
        g_signal_connect(loader.get(), "area-updated", G_CALLBACK(OnAreaUpdated), &box);
    }
    const bool bFed = gdk_pixbuf_loader_write(loader.get(), data.data(), data.size(), nullptr);
    const bool bClosed = gdk_pixbuf_loader_close(loader.get(), nullptr);
    if (!bFed || !bClosed || box.bRefused ||
        (bRowsCounted && (box.rows.empty() ||
                          std::find(box.rows.begin(), box.rows.end(), false) != box.rows.end()))) {
        return nullptr;
    }
    GdkPixbuf* pixbuf = gdk_pixbuf_loader_get_pixbuf(loader.get());
    return Ref<GdkPixbuf>(pixbuf != nullptr ? GDK_PIXBUF(g_object_ref(pixbuf)) : nullptr);
}

}  // namespace

bool HeifSizesFit(const std::vector<unsigned char>& data) {
    return HeifSizes(data).Fit();
}

ImportResult DecodePicture(const std::vector<std::uint8_t>& data, int maxWidth, int maxHeight,
                           std::vector<std::uint8_t>& bmp) {
    Box box{std::max(1, maxWidth), std::max(1, maxHeight), false, false, false, {}};
    Ref<GdkPixbuf> decoded = Decode(data, box);
    if (!decoded) {
        return ImportResult::NotReadable;
    }
    Ref<GdkPixbuf> upright(gdk_pixbuf_apply_embedded_orientation(decoded.get()));
    if (!upright) {
        return ImportResult::NotReadable;
    }
    const int width = gdk_pixbuf_get_width(upright.get());
    const int height = gdk_pixbuf_get_height(upright.get());
    const double scale = FitScale(width, height, box.maxWidth, box.maxHeight);
    if (scale < 1.0) {
        const int w = std::max(1, int(std::lround(width * scale)));
        const int h = std::max(1, int(std::lround(height * scale)));
        upright.reset(gdk_pixbuf_scale_simple(upright.get(), std::min(w, box.maxWidth),
                                              std::min(h, box.maxHeight), GDK_INTERP_HYPER));
        if (!upright) {
            return ImportResult::NotReadable;
        }
    }
    if (double(gdk_pixbuf_get_width(upright.get())) * gdk_pixbuf_get_height(upright.get()) >
        double(CBmpImage::kMaxPixels)) {
        return ImportResult::NotReadable;  // nothing the game could show
    }
    const GdkPixbuf* shown = upright.get();
    const int channels = gdk_pixbuf_get_n_channels(shown);
    bmp = EncodeBmp({gdk_pixbuf_read_pixels(shown), std::size_t(gdk_pixbuf_get_rowstride(shown)),
                     gdk_pixbuf_get_width(shown), gdk_pixbuf_get_height(shown), channels,
                     gdk_pixbuf_get_has_alpha(shown) != FALSE, false});
    return ImportResult::Done;
}
