// The import on Windows: the program runs in a job of its own, within its limits, and can be
// cancelled at once; a phone's photo comes out upright and fitted through the Windows
// Imaging Component.
#include <gtest/gtest.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <string>

#include "TestFolder.h"
#include "core/BmpImage.h"
#include "platform/ImportProcess.h"
#include "platform/PictureImport.h"

using Microsoft::WRL::ComPtr;

namespace {

ImportResult RunStandIn(const std::string& mode, const Bytes& input, Bytes& output) {
    UseImportProgram(IMPORT_STAND_IN_PATH);
    const ImportResult result = RunImportProgram({mode, "1", "2"}, input, output, 16u << 20);
    UseImportProgram(IMPORT_PROGRAM_PATH);
    return result;
}

bool UnderWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// A picture of four coloured quarters (red, green over blue, white), encoded by the system.
Bytes EncodeQuarters(int width, int height, const GUID& kind) {
    std::vector<std::uint8_t> pixels(std::size_t(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = y < height / 2 ? (x < width / 2 ? 0xFF0000 : 0x00FF00)
                                                   : (x < width / 2 ? 0x0000FF : 0xFFFFFF);
            std::uint8_t* p = &pixels[(std::size_t(y) * width + x) * 3];
            p[0] = c & 0xFF;  // blue first
            p[1] = c >> 8 & 0xFF;
            p[2] = c >> 16 & 0xFF;
        }
    }
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    EXPECT_TRUE(
        SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_PPV_ARGS(&factory))) &&
        SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, &stream)) &&
        SUCCEEDED(factory->CreateEncoder(kind, nullptr, &encoder)) &&
        SUCCEEDED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) &&
        SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) &&
        SUCCEEDED(frame->Initialize(nullptr)) && SUCCEEDED(frame->SetSize(width, height)) &&
        SUCCEEDED(frame->SetPixelFormat(&format)) &&
        SUCCEEDED(frame->WritePixels(height, width * 3, UINT(pixels.size()), pixels.data())) &&
        SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit()));
    HGLOBAL memory = nullptr;
    GetHGlobalFromStream(stream.Get(), &memory);
    STATSTG stat{};
    stream->Stat(&stat, STATFLAG_NONAME);
    const auto* data = static_cast<const std::uint8_t*>(GlobalLock(memory));
    Bytes bytes(data, data + stat.cbSize.QuadPart);
    GlobalUnlock(memory);
    return bytes;
}

}  // namespace

TEST(ImportProcess, ItsEndsAndLimitsAreTold) {
    const Bytes big(3u << 20, 'x');  // more than a pipe holds: sent and read at once
    const struct {
        const char* mode;
        const Bytes& input;
        ImportResult result;
        std::string output;
    } cases[] = {
        {"cat", big, ImportResult::Done, std::string(big.begin(), big.end())},
        {"args", {}, ImportResult::Done, "args 1 2"},
        {"half", big, ImportResult::Shortened, "half"},
        {"fail", big, ImportResult::NotReadable, ""},
        {"flood", {}, ImportResult::NotReadable, ""},  // over the cap
        {"missing-mode", {}, ImportResult::NotReadable, ""},
        // The job's limits: memory, and processor time in seconds.
        {"limits",
         {},
         ImportResult::Done,
         std::to_string(kImportMemoryBytes) + " " + std::to_string(kImportCpuSeconds)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        Bytes output;
        EXPECT_EQ(RunStandIn(c.mode, c.input, output), c.result);
        if (std::string(c.mode) == "limits" && UnderWine()) {
            continue;  // wine keeps no limits of a job: it only ends it
        }
        EXPECT_EQ(std::string(output.begin(), output.end()), c.output);
    }
}

TEST(ImportProcess, AWaiterCancelsAProgramThatNeverEnds) {
    int nCalls = 0;
    CImportWaiter waiter([&nCalls] { return ++nCalls < 3; });
    Bytes output;
    EXPECT_EQ(RunStandIn("sleep", Bytes(10, 'x'), output), ImportResult::Cancelled);
    EXPECT_EQ(nCalls, 3);
}

TEST(PictureImport, APhotoComesOutUprightAndFitted) {
    TestFolder folder;
    // A JPEG a camera turned (EXIF orientation 6: a quarter to the right for display), and a
    // PNG larger than the box.
    Bytes jpeg = EncodeQuarters(40, 20, GUID_ContainerFormatJpeg);
    const Bytes exif = {0xFF, 0xE1, 0, 34, 'E', 'x', 'i', 'f', 0, 0,    'M', 'M',
                        0,    0x2A, 0, 0,  0,   8,   0,   1,   1, 0x12, 0,   3,
                        0,    0,    0, 1,  0,   6,   0,   0,   0, 0,    0,   0};
    jpeg.insert(jpeg.begin() + 2, exif.begin(), exif.end());
    const struct {
        const char* name;
        Bytes source;
        int width, height;
        std::uint32_t topLeft, bottomRight;
    } cases[] = {
        {"turned.jpg", jpeg, 20, 40, 0x0000FF, 0x00FF00},
        {"large.png", EncodeQuarters(400, 200, GUID_ContainerFormatPng), 100, 50, 0xFF0000,
         0xFFFFFF},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(folder / c.name, c.source);
        std::string reason;
        ASSERT_EQ(ImportPicture(folder / c.name, folder / "out.bmp", 100, 100, reason),
                  ImportResult::Done);
        CBmpImage image;
        ASSERT_TRUE(image.Load(folder / "out.bmp"));
        EXPECT_EQ(image.Width(), c.width);
        EXPECT_EQ(image.Height(), c.height);
        // The nearest of the four colours at two corners.
        const auto looksLike = [&image](int x, int y, std::uint32_t colour) {
            const std::uint32_t p = image.GetPixel(x, y);
            for (int shift : {0, 8, 16}) {
                if (std::abs(int(p >> shift & 0xFF) - int(colour >> shift & 0xFF)) > 60) {
                    return false;
                }
            }
            return true;
        };
        EXPECT_TRUE(looksLike(2, 2, c.topLeft));
        EXPECT_TRUE(looksLike(c.width - 3, c.height - 3, c.bottomRight));
    }
    std::string reason;
    WriteBytes(folder / "not-a-picture", Bytes(1000, 'x'));
    EXPECT_EQ(ImportPicture(folder / "not-a-picture", folder / "out.bmp", 100, 100, reason),
              ImportResult::NotReadable);
}
