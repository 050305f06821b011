#include "platform/SoundDecoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/mem.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "core/PcmClip.h"
#include "core/WaveDecoder.h"

namespace {

// The largest block FFmpeg's libraries may allocate: far more than a voice clip of any length
// needs.
constexpr std::size_t kMaxLibraryBlock = 64u << 20;

struct Memory {
    const std::vector<std::uint8_t>* data;
    std::size_t at = 0;
};

int ReadMemory(void* opaque, std::uint8_t* buffer, int size) {
    auto* memory = static_cast<Memory*>(opaque);
    const std::size_t left = memory->data->size() - memory->at;
    if (left == 0) {
        return AVERROR_EOF;
    }
    const std::size_t count = std::min<std::size_t>(left, static_cast<std::size_t>(size));
    std::memcpy(buffer, memory->data->data() + memory->at, count);
    memory->at += count;
    return static_cast<int>(count);
}

std::int64_t SeekMemory(void* opaque, std::int64_t offset, int whence) {
    auto* memory = static_cast<Memory*>(opaque);
    const auto size = static_cast<std::int64_t>(memory->data->size());
    std::int64_t to = offset;
    switch (whence & ~AVSEEK_FORCE) {
        case AVSEEK_SIZE:
            return size;
        case SEEK_SET:
            break;
        case SEEK_CUR:
            to = static_cast<std::int64_t>(memory->at) + offset;
            break;
        case SEEK_END:
            to = size + offset;
            break;
        default:
            return -1;
    }
    if (to < 0 || to > size) {
        return -1;
    }
    memory->at = static_cast<std::size_t>(to);
    return to;
}

struct Pcm : PcmClip {
    bool bShortened = false;
};

// Decodes the first audio stream into 16-bit samples; false for anything that is not a
// sound the libraries can read.
bool Decode(const std::vector<std::uint8_t>& data, Pcm& pcm) {
    Memory memory{&data};
    constexpr int kBufferSize = 64 * 1024;
    auto* buffer = static_cast<std::uint8_t*>(av_malloc(kBufferSize));
    if (buffer == nullptr) {
        return false;
    }
    AVIOContext* io =
        avio_alloc_context(buffer, kBufferSize, 0, &memory, ReadMemory, nullptr, SeekMemory);
    if (io == nullptr) {
        av_free(buffer);
        return false;
    }
    const auto freeIo = [](AVIOContext* context) {
        av_freep(&context->buffer);
        avio_context_free(&context);
    };
    std::unique_ptr<AVIOContext, decltype(freeIo)> ioOwner(io, freeIo);
    AVFormatContext* format = avformat_alloc_context();
    if (format == nullptr) {
        return false;
    }
    format->pb = io;
    format->flags |= AVFMT_FLAG_CUSTOM_IO;
    // The file's bytes are all there is: a list of other files (an ffconcat script names
    // them relative to the working folder) may not have the libraries open any of them.
    format->protocol_whitelist = av_strdup("");
    if (format->protocol_whitelist == nullptr) {
        avformat_free_context(format);
        return false;
    }
    if (avformat_open_input(&format, nullptr, nullptr, nullptr) < 0) {
        return false;  // the context is freed on failure
    }
    const auto closeFormat = [](AVFormatContext* context) { avformat_close_input(&context); };
    std::unique_ptr<AVFormatContext, decltype(closeFormat)> formatOwner(format, closeFormat);
    if (avformat_find_stream_info(format, nullptr) < 0) {
        return false;
    }
    const AVCodec* codec = nullptr;
    const int stream = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
    if (stream < 0 || codec == nullptr) {
        return false;
    }
    const auto freeCodec = [](AVCodecContext* context) { avcodec_free_context(&context); };
    std::unique_ptr<AVCodecContext, decltype(freeCodec)> decoder(avcodec_alloc_context3(codec),
                                                                 freeCodec);
    // A rate outside those a wave may have in the game is refused, as resampling from it
    // fills the memory: making the resampler for a WAV of 400 bytes claiming 637 MHz took
    // 1.1 GB and 11 s, and a WAV of 16 KB at 1 Hz became 2 GB, each sample 44,100.
    if (!decoder ||
        avcodec_parameters_to_context(decoder.get(), format->streams[stream]->codecpar) < 0 ||
        avcodec_open2(decoder.get(), codec, nullptr) < 0 || decoder->sample_rate < kMinWaveRate ||
        decoder->sample_rate > kMaxWaveRate || decoder->ch_layout.nb_channels <= 0) {
        return false;
    }
    pcm.rate = decoder->sample_rate == 44100 || decoder->sample_rate == 48000 ? decoder->sample_rate
                                                                              : 44100;
    pcm.channels = decoder->ch_layout.nb_channels == 1 ? 1 : 2;
    AVChannelLayout outLayout;
    av_channel_layout_default(&outLayout, pcm.channels);

    // The resampler is made for the layout, format and rate of the frames it is given, and
    // made anew when they change: two clips joined into one file (stereo, then mono) change
    // them mid-stream, and a resampler fed frames of another layout reads past them.
    const auto freeSwr = [](SwrContext* context) { swr_free(&context); };
    std::unique_ptr<SwrContext, decltype(freeSwr)> swr(nullptr, freeSwr);
    AVChannelLayout inLayout{};
    int inFormat = -1;
    int inRate = 0;
    const auto closeLayout = [](AVChannelLayout* layout) { av_channel_layout_uninit(layout); };
    std::unique_ptr<AVChannelLayout, decltype(closeLayout)> inLayoutOwner(&inLayout, closeLayout);
    const auto fits = [&](const AVFrame* frame) {
        return swr && frame->format == inFormat && frame->sample_rate == inRate &&
               av_channel_layout_compare(&frame->ch_layout, &inLayout) == 0;
    };
    const auto makeResampler = [&](AVFrame* frame) {
        swr.reset();
        if (frame->sample_rate < kMinWaveRate || frame->sample_rate > kMaxWaveRate ||
            frame->ch_layout.nb_channels <= 0 || frame->format < 0) {
            return false;
        }
        SwrContext* context = nullptr;
        if (swr_alloc_set_opts2(&context, &outLayout, AV_SAMPLE_FMT_S16, pcm.rate,
                                &frame->ch_layout, static_cast<AVSampleFormat>(frame->format),
                                frame->sample_rate, 0, nullptr) < 0 ||
            swr_init(context) < 0) {
            swr_free(&context);
            return false;
        }
        swr.reset(context);
        av_channel_layout_uninit(&inLayout);
        if (av_channel_layout_copy(&inLayout, &frame->ch_layout) < 0) {
            swr.reset();
            return false;
        }
        inFormat = frame->format;
        inRate = frame->sample_rate;
        return true;
    };

    // Decoding stops once the cap is reached counting from the first loud sample, or from the
    // start while nothing is loud: a sound silent that long is kept as silence, and a FLAC file
    // of 600 KB holds an hour of silence, which took 1.4 GB.
    const std::size_t cap =
        static_cast<std::size_t>(kMaxImportedSoundSeconds) * pcm.rate * pcm.channels;
    std::size_t firstLoud = SIZE_MAX;
    // Converts one frame, or with null what the resampler still holds.
    const auto convertWith = [&](const AVFrame* frame) {
        const int room = swr_get_out_samples(swr.get(), frame != nullptr ? frame->nb_samples : 0);
        if (room <= 0) {
            return room == 0;
        }
        const std::size_t at = pcm.samples.size();
        pcm.samples.resize(at + static_cast<std::size_t>(room) * pcm.channels);
        auto* out = reinterpret_cast<std::uint8_t*>(pcm.samples.data() + at);
        const int got = swr_convert(
            swr.get(), &out, room,
            frame != nullptr ? const_cast<const std::uint8_t**>(frame->extended_data) : nullptr,
            frame != nullptr ? frame->nb_samples : 0);
        if (got < 0) {
            return false;
        }
        pcm.samples.resize(at + static_cast<std::size_t>(got) * pcm.channels);
        if (firstLoud == SIZE_MAX) {
            const auto loud =
                std::find_if(pcm.samples.begin() + at, pcm.samples.end(),
                             [](std::int16_t s) { return std::abs(s) > kSilenceLevel; });
            if (loud != pcm.samples.end()) {
                firstLoud = static_cast<std::size_t>(loud - pcm.samples.begin());
            }
        }
        return true;
    };
    const auto convert = [&](AVFrame* frame) {
        if (frame == nullptr) {
            return !swr || convertWith(nullptr);
        }
        if (!fits(frame) && ((swr && !convertWith(nullptr)) || !makeResampler(frame))) {
            return false;
        }
        return convertWith(frame);
    };
    const auto full = [&] {
        return pcm.samples.size() > cap + (firstLoud != SIZE_MAX ? firstLoud : 0);
    };
    const auto freeFrame = [](AVFrame* f) { av_frame_free(&f); };
    std::unique_ptr<AVFrame, decltype(freeFrame)> frame(av_frame_alloc(), freeFrame);
    const auto freePacket = [](AVPacket* p) { av_packet_free(&p); };
    std::unique_ptr<AVPacket, decltype(freePacket)> packet(av_packet_alloc(), freePacket);
    if (!frame || !packet) {
        return false;
    }
    bool bDecoded = false;
    const auto drain = [&] {
        while (avcodec_receive_frame(decoder.get(), frame.get()) == 0) {
            bDecoded = true;
            const bool bConverted = convert(frame.get());
            av_frame_unref(frame.get());
            if (!bConverted) {
                return false;
            }
        }
        return true;
    };
    bool bCut = false;  // decoding stopped before the end of the file
    while (!(bCut = full()) && av_read_frame(format, packet.get()) >= 0) {
        if (packet->stream_index == stream) {
            // A damaged packet is skipped, as players skip it.
            if (avcodec_send_packet(decoder.get(), packet.get()) == 0 && !drain()) {
                return false;
            }
        }
        av_packet_unref(packet.get());
    }
    avcodec_send_packet(decoder.get(), nullptr);
    if (!drain() || !convert(nullptr) || !bDecoded) {
        return false;
    }
    if (pcm.samples.empty()) {
        return false;
    }
    // Silence at both ends goes; a sound that is silence throughout stays as it is.
    pcm.bShortened = pcm.TrimSilence(cap) || bCut;
    // A clip shorter than a millisecond gives the sound device not one sample at its rate:
    // it is no sound the game could play.
    return pcm.samples.size() / static_cast<std::size_t>(pcm.channels) >=
           static_cast<std::size_t>(pcm.rate / 1000);
}

}  // namespace

ImportResult DecodeSound(const std::vector<std::uint8_t>& data, std::vector<std::uint8_t>& wave) {
    // The libraries' own complaints about a damaged file are no message for a parent; what
    // came of the file is told by the result.
    av_log_set_level(AV_LOG_QUIET);
    // No block the libraries allocate may be larger than this: a sample table of an M4A of
    // 10 KB claimed 67 million samples, and the demuxer asked for it all at once.
    av_max_alloc(kMaxLibraryBlock);
    Pcm pcm;
    if (data.empty() || !Decode(data, pcm)) {
        return ImportResult::NotReadable;
    }
    wave = pcm.ToWave();
    return pcm.bShortened ? ImportResult::Shortened : ImportResult::Done;
}
