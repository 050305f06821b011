#include "platform/PictureDecoder.h"

#include <wincodec.h>
#include <windows.h>
#include <wrl/client.h>

#include <algorithm>
#include <cmath>

#include "core/BmpImage.h"
#include "core/BmpWriter.h"
#include "core/ExifOrientation.h"

// On Windows the pictures are the Windows Imaging Component's: its decoders of the kinds
// every Windows has, and those of HEIC and WebP where their codecs are installed.

using Microsoft::WRL::ComPtr;

namespace {

// The most pixels a picture may have before it is scaled: a picture file that claims more
// is refused rather than let fill the memory. A JPEG is read a band at a time as it is
// scaled; other kinds may be decoded whole, four bytes a pixel, within the import's 512 MB.
constexpr double kMaxSourcePixels = 100e6;
constexpr double kMaxWholePixels = 64e6;

// The factor that makes width x height fit within the box, never above 1.
double FitScale(double width, double height, double maxWidth, double maxHeight) {
    return std::min({1.0, maxWidth / width, maxHeight / height});
}

// The kinds of picture phones, cameras and messengers save; the system's decoders of other
// kinds (icons, DirectDraw surfaces, raw camera files...) never read a parent's file.
bool IsPhotoKind(const GUID& kind) {
    static const GUID* const kKinds[] = {
        &GUID_ContainerFormatJpeg, &GUID_ContainerFormatPng, &GUID_ContainerFormatGif,
        &GUID_ContainerFormatTiff, &GUID_ContainerFormatBmp, &GUID_ContainerFormatHeif,
        &GUID_ContainerFormatWebp,
    };
    return std::any_of(std::begin(kKinds), std::end(kKinds),
                       [&kind](const GUID* known) { return IsEqualGUID(kind, *known); });
}

// The EXIF orientation of a frame, 1 (as stored) when it has none: by the photo property
// every decoder of Windows maps, else where JPEG and TIFF keep it; for a JPEG whose decoder
// says nothing of it, from its EXIF segment.
int Orientation(IWICBitmapFrameDecode* frame, const std::vector<std::uint8_t>& data, bool bJpeg) {
    ComPtr<IWICMetadataQueryReader> reader;
    if (FAILED(frame->GetMetadataQueryReader(&reader))) {
        return bJpeg ? JpegExifOrientation(data) : 1;
    }
    for (const wchar_t* name :
         {L"System.Photo.Orientation", L"/app1/ifd/{ushort=274}", L"/ifd/{ushort=274}"}) {
        PROPVARIANT value;
        PropVariantInit(&value);
        const bool bFound = SUCCEEDED(reader->GetMetadataByName(name, &value));
        const int orientation = bFound && value.vt == VT_UI2 ? value.uiVal : 0;
        PropVariantClear(&value);
        if (orientation >= 1 && orientation <= 8) {
            return orientation;
        }
    }
    return bJpeg ? JpegExifOrientation(data) : 1;
}

struct ComApartment {
    ComApartment() : bReady(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {}
    ~ComApartment() {
        if (bReady) {
            CoUninitialize();
        }
    }
    bool bReady;
};

}  // namespace

ImportResult DecodePicture(const std::vector<std::uint8_t>& data, int maxWidth, int maxHeight,
                           std::vector<std::uint8_t>& bmp) {
    maxWidth = std::max(1, maxWidth);
    maxHeight = std::max(1, maxHeight);
    ComApartment apartment;
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    GUID kind{};
    UINT width = 0, height = 0;
    if (!apartment.bReady || data.empty() || data.size() > MAXDWORD ||
        FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&factory))) ||
        FAILED(factory->CreateStream(&stream)) ||
        FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(data.data()),
                                            static_cast<DWORD>(data.size()))) ||
        FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr,
                                                WICDecodeMetadataCacheOnDemand, &decoder)) ||
        FAILED(decoder->GetContainerFormat(&kind)) || !IsPhotoKind(kind) ||
        FAILED(decoder->GetFrame(0, &frame)) || FAILED(frame->GetSize(&width, &height)) ||
        width == 0 || height == 0) {
        return ImportResult::NotReadable;
    }
    const bool bJpeg = IsEqualGUID(kind, GUID_ContainerFormatJpeg) != FALSE;
    if (double(width) * height > (bJpeg ? kMaxSourcePixels : kMaxWholePixels)) {
        return ImportResult::NotReadable;
    }

    // Scaled as stored, so that once turned upright it fits the box.
    const int orientation = Orientation(frame.Get(), data, bJpeg);
    const bool bSwap = orientation >= 5;
    const double scale = bSwap ? FitScale(height, width, maxWidth, maxHeight)
                               : FitScale(width, height, maxWidth, maxHeight);
    ComPtr<IWICBitmapSource> source = frame;
    UINT w = width, h = height;
    if (scale < 1.0) {
        w = std::clamp<UINT>(UINT(std::lround(width * scale)), 1,
                             UINT(bSwap ? maxHeight : maxWidth));
        h = std::clamp<UINT>(UINT(std::lround(height * scale)), 1,
                             UINT(bSwap ? maxWidth : maxHeight));
        ComPtr<IWICBitmapScaler> scaler;
        if (FAILED(factory->CreateBitmapScaler(&scaler)) ||
            FAILED(scaler->Initialize(source.Get(), w, h, WICBitmapInterpolationModeFant))) {
            return ImportResult::NotReadable;
        }
        source = scaler;
    }
    if (double(w) * h > double(CBmpImage::kMaxPixels)) {
        return ImportResult::NotReadable;  // nothing the game could show
    }
    ComPtr<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(source.Get(), GUID_WICPixelFormat32bppBGRA,
                                     WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom))) {
        return ImportResult::NotReadable;
    }
    const std::size_t stride = std::size_t(w) * 4;
    std::vector<std::uint8_t> pixels(stride * h);
    if (FAILED(converter->CopyPixels(nullptr, static_cast<UINT>(stride),
                                     static_cast<UINT>(pixels.size()), pixels.data()))) {
        return ImportResult::NotReadable;
    }
    bmp = EncodeBmp({pixels.data(), stride, int(w), int(h), 4, true, true}, orientation);
    return ImportResult::Done;
}
