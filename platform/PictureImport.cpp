#include "platform/PictureImport.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/BmpImage.h"
#include "platform/FileSystem.h"
#include "platform/LittleEndian.h"

namespace {

struct Unref {
    void operator()(void* object) const { g_object_unref(object); }
};
template <class T>
using Ref = std::unique_ptr<T, Unref>;

// The largest file read as a picture, and the most pixels a picture may have before it is
// scaled: a picture file that claims more is refused rather than let fill the memory.
constexpr std::uint64_t kMaxSourceBytes = 256u << 20;
constexpr double kMaxSourcePixels = 100e6;

// The factor that makes width x height fit within the box, never above 1.
double FitScale(double width, double height, double maxWidth, double maxHeight) {
    return std::min({1.0, maxWidth / width, maxHeight / height});
}

struct Box {
    int maxWidth, maxHeight;
    bool bRefused = false;  // too large
};

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
    if (width <= 0 || height <= 0 || double(width) * height > kMaxSourcePixels) {
        box->bRefused = true;
        gdk_pixbuf_loader_set_size(loader, 0, 0);
        return;
    }
    const double scale = std::max(FitScale(width, height, box->maxWidth, box->maxHeight),
                                  FitScale(height, width, box->maxWidth, box->maxHeight));
    if (scale < 1.0) {
        gdk_pixbuf_loader_set_size(loader, std::max(1, int(std::ceil(width * scale))),
                                   std::max(1, int(std::ceil(height * scale))));
    }
}

// Whether a JPEG holds its end: the loaders fill the rows of a file cut short with grey and
// call it a picture. The end-of-image marker cannot occur inside the compressed data, so
// it is looked for after the first scan, whose header is found by walking the segments
// before it (an EXIF thumbnail has an end marker of its own inside them). Data a phone
// appends after the end (a motion photo) does not matter.
bool JpegComplete(const std::vector<guchar>& data) {
    if (data.size() < 4 || data[0] != 0xFF || data[1] != 0xD8) {
        return true;  // not a JPEG
    }
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
            for (std::size_t i = at; i + 1 < data.size(); ++i) {
                if (data[i] == 0xFF && data[i + 1] == 0xD9) {
                    return true;
                }
            }
            return false;
        }
    }
    return false;
}

// The decoded picture, or null when the bytes are not one the loaders can read.
Ref<GdkPixbuf> Decode(const std::vector<guchar>& data, Box& box) {
    if (data.empty() || !JpegComplete(data)) {
        return nullptr;
    }
    Ref<GdkPixbufLoader> loader;
    for (const char* name : PhotoLoaders(data)) {
        if (!loader) {
            loader = Ref<GdkPixbufLoader>(gdk_pixbuf_loader_new_with_type(name, nullptr));
        }
    }
    if (!loader) {
        return nullptr;  // no kind of photo, or its loader is not installed
    }
    g_signal_connect(loader.get(), "size-prepared", G_CALLBACK(OnSizePrepared), &box);
    const bool bFed = gdk_pixbuf_loader_write(loader.get(), data.data(), data.size(), nullptr);
    const bool bClosed = gdk_pixbuf_loader_close(loader.get(), nullptr);
    if (!bFed || !bClosed || box.bRefused) {
        return nullptr;
    }
    GdkPixbuf* pixbuf = gdk_pixbuf_loader_get_pixbuf(loader.get());
    return Ref<GdkPixbuf>(pixbuf != nullptr ? GDK_PIXBUF(g_object_ref(pixbuf)) : nullptr);
}

// A 24-bit bottom-up BMP with a 40-byte header; transparent pixels are laid over white.
std::vector<std::uint8_t> EncodeBmp(const GdkPixbuf* pixbuf) {
    const int width = gdk_pixbuf_get_width(pixbuf), height = gdk_pixbuf_get_height(pixbuf);
    const int channels = gdk_pixbuf_get_n_channels(pixbuf);
    const bool bAlpha = gdk_pixbuf_get_has_alpha(pixbuf);
    const int rowstride = gdk_pixbuf_get_rowstride(pixbuf);
    const guchar* pixels = gdk_pixbuf_read_pixels(pixbuf);
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t(3);
    std::vector<std::uint8_t> b(54 + stride * height, 0);
    b[0] = 'B';
    b[1] = 'M';
    PutU32(&b[2], static_cast<std::uint32_t>(b.size()));
    PutU32(&b[10], 54);
    PutU32(&b[14], 40);
    PutU32(&b[18], static_cast<std::uint32_t>(width));
    PutU32(&b[22], static_cast<std::uint32_t>(height));
    PutU16(&b[26], 1);
    PutU16(&b[28], 24);
    PutU32(&b[34], static_cast<std::uint32_t>(stride * height));
    for (int y = 0; y < height; ++y) {
        const guchar* src = pixels + static_cast<std::size_t>(y) * rowstride;
        std::uint8_t* dst = &b[54 + stride * (height - 1 - y)];
        for (int x = 0; x < width; ++x, src += channels, dst += 3) {
            const unsigned alpha = bAlpha ? src[3] : 255;
            const auto over = [alpha](unsigned c) {
                return static_cast<std::uint8_t>((c * alpha + 255 * (255 - alpha) + 127) / 255);
            };
            dst[0] = over(src[2]);
            dst[1] = over(src[1]);
            dst[2] = over(src[0]);
        }
    }
    return b;
}

}  // namespace

ImportResult ImportPicture(const std::string& source, const std::string& target, int maxWidth,
                           int maxHeight, std::string& reason) {
    std::vector<guchar> data;
    Box box{std::max(1, maxWidth), std::max(1, maxHeight)};
    Ref<GdkPixbuf> decoded;
    if (!ReadWholeFile(source, data, kMaxSourceBytes) || !(decoded = Decode(data, box))) {
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
    if (!WriteWholeFile(target, EncodeBmp(upright.get()), &reason)) {
        return ImportResult::WriteFailed;
    }
    return ImportResult::Done;
}
