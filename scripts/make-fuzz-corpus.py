#!/usr/bin/env python3
"""Writes the small seed files of the fuzz targets into tests/fuzz/corpus/<target>/."""
import os
import shutil
import struct
import subprocess
import sys
import tempfile

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "fuzz", "corpus")


def save(target, name, data):
    folder = os.path.join(ROOT, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def ints(*values):
    return b"".join(struct.pack("<i", v) for v in values)


def archive_string(text):
    n = len(text)
    if n < 0xFF:
        prefix = bytes([n])
    elif n < 0xFFFE:
        prefix = b"\xff" + struct.pack("<H", n)
    else:
        prefix = b"\xff\xff\xff" + struct.pack("<I", n)
    return prefix + text


def wide_string(text):
    units = text.encode("utf-16-le")
    return b"\xff\xfe\xff" + bytes([len(units) // 2]) + units


def bmp(width, height, bits, compression, palette, pixels, header=40, masks=b""):
    off = 14 + header + len(masks) + len(palette)
    if header == 12:
        info = struct.pack("<IHHHH", 12, width, height & 0xFFFF, 1, bits)
    else:
        info = struct.pack("<IiiHHIIiiII", header, width, height, 1, bits, compression,
                           len(pixels), 0, 0, 0, 0)
        info += bytes(header - 40)
    return (b"BM" + struct.pack("<IHHI", off + len(pixels), 0, 0, off) + info + masks +
            palette + pixels)


def wave(rate, channels, bits, data):
    frame = channels * bits // 8
    fmt = struct.pack("<HHIIHH", 1, channels, rate, rate * frame, frame, bits)
    body = b"WAVE" + b"fmt " + struct.pack("<I", 16) + fmt + b"data" + struct.pack("<I", len(data)) + data
    return b"RIFF" + struct.pack("<I", len(body)) + body


def made(target, name, command, then=lambda data: data):
    """Saves what `command` writes to the file {out} it names, made in a scratch folder by a
    program of the system (ffmpeg, ImageMagick's convert), passed through `then`; a missing
    program skips the seed."""
    if shutil.which(command[0]) is None:
        print(f"{command[0]} not found: no seed {target}/{name}", file=sys.stderr)
        return
    with tempfile.TemporaryDirectory() as scratch:
        out = os.path.join(scratch, name)
        subprocess.run([arg.replace("{out}", out) for arg in command], check=True)
        with open(out, "rb") as f:
            save(target, name, then(f.read()))


def picture(name, *arguments, then=lambda data: data):
    made("fuzz_picture_import", name, ["convert", *arguments, "-strip", "{out}"], then)


def exif_orientation(jpeg, orientation):
    """The JPEG with an EXIF segment right after its start that holds only an orientation."""
    entry = struct.pack("<HHIHH", 0x0112, 3, 1, orientation, 0)
    exif = b"Exif\0\0" + b"II*\0" + struct.pack("<IH", 8, 1) + entry + struct.pack("<I", 0)
    return jpeg[:2] + b"\xff\xe1" + struct.pack(">H", 2 + len(exif)) + exif + jpeg[2:]


def clip(name, *arguments, seconds="0.3", rate="8000"):
    # A tone with silence before and after it, which the import trims.
    tone = f"aevalsrc='if(between(t,0.05,0.2),0.6*sin(2*PI*440*t),0)':d={seconds}:s={rate}"
    made("fuzz_sound_import", name,
         ["ffmpeg", "-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i", tone,
          *arguments, "-map_metadata", "-1", "-fflags", "+bitexact", "-flags", "+bitexact",
          "{out}"])


def joined_clip(name, *arguments):
    """Two clips in one file, as `cat` joins them: stereo at 22.05 kHz, then mono at 16 kHz.
    The stream changes its channels and rate mid-file."""
    parts = []
    for channels, rate in (("2", "22050"), ("1", "16000")):
        made("fuzz_sound_import", name, ["ffmpeg", "-hide_banner", "-loglevel", "error", "-y",
             "-f", "lavfi", "-i", f"sine=f=440:d=0.2:r={rate}", "-ac", channels, *arguments,
             "-map_metadata", "-1", "-fflags", "+bitexact", "-flags", "+bitexact", "{out}"],
             then=lambda data: parts.append(data) or data)
    if len(parts) == 2:
        save("fuzz_sound_import", name, parts[0] + parts[1])


def media_seeds():
    # A phone's photos: fitting the fuzz target's box and larger than it, with transparency,
    # an animation and an EXIF orientation. The formats' own writers make them.
    picture("small.png", "-size", "40x30", "gradient:red-blue")
    picture("alpha.png", "-size", "24x24", "xc:none", "-fill", "#0f08", "-draw",
            "circle 12,12 12,3")
    picture("photo.jpg", "-seed", "7", "-size", "200x120", "plasma:fractal", "-quality", "40")
    picture("grey.jpg", "-size", "16x16", "gradient:", "-colorspace", "Gray")
    picture("animation.gif", "-delay", "10", "-size", "20x10", "xc:yellow", "xc:navy")
    picture("photo.webp", "-size", "64x48", "gradient:green-white", "-quality", "50")
    picture("photo.heic", "-size", "32x32", "gradient:orange-purple", "-quality", "30")
    picture("photo.tiff", "-size", "12x8", "gradient:", "-compress", "lzw")
    # A JPEG that stands on its side until its EXIF orientation (6) turns it.
    picture("turned.jpg", "-size", "30x20", "gradient:white-black", "-quality", "50",
            then=lambda jpeg: exif_orientation(jpeg, 6))

    # A phone's voice clips, and a wave of a rate the import resamples.
    clip("clip.wav", "-c:a", "pcm_u8")
    clip("clip.opus", "-c:a", "libopus", "-b:a", "12k", seconds="0.25", rate="48000")
    clip("clip.m4a", "-c:a", "aac", "-b:a", "24k", "-ac", "2", rate="22050")
    clip("clip.flac", "-c:a", "flac", "-sample_fmt", "s16", "-metadata_header_padding", "0")
    clip("clip.mp3", "-c:a", "libmp3lame", "-b:a", "32k", rate="16000")
    clip("clip.ogg", "-c:a", "libvorbis", "-q:a", "0", rate="11025")
    # Clips joined end to end, whose second half has other channels and another rate.
    joined_clip("joined.mp3", "-c:a", "libmp3lame", "-b:a", "32k")
    joined_clip("joined.aac", "-c:a", "aac", "-b:a", "24k", "-f", "adts")
    joined_clip("joined.ogg", "-c:a", "libvorbis", "-q:a", "0")


def main():
    defaults = ints(0, 1, 300, 10, 1, 0x00FF0000, 1, 1, 5)
    save("fuzz_settings", "defaults", defaults)
    save("fuzz_settings", "short", defaults[:35])
    save("fuzz_settings", "long", defaults + b"\x09" * 4)

    save("fuzz_group_file", "new", archive_string(b"Animals") + archive_string(b"") + ints(1))
    save("fuzz_group_file", "long", archive_string(b"n" * 300) + archive_string(b"d" * 20) + ints(0))
    save("fuzz_group_file", "wide", wide_string("h\u00e9\U0001F600") + archive_string(b"x") + ints(7))
    save("fuzz_group_file", "cut", archive_string(b"Zoo") + b"\x02hi\x01\x00")

    save("fuzz_cut_list", "empty", ints(0))
    save("fuzz_cut_list", "two", ints(2) + archive_string(b"Dog.bmp") + archive_string(b"Cat.BMP"))
    save("fuzz_cut_list", "early-end", ints(5) + archive_string(b"a"))
    save("fuzz_cut_list", "wide", ints(1) + wide_string("Hund.bmp"))

    # The play window's decoder and the preview's bitmap read the same files.
    def save_bmp(name, data):
        save("fuzz_bmp", name, data)
        save("fuzz_dib", name, data)

    pal2 = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    pal16 = b"".join(bytes([i * 16, 255 - i * 16, i, 0]) for i in range(16))
    save_bmp("rgb24", bmp(2, 2, 24, 0, b"", bytes([1, 2, 3, 4, 5, 6, 0, 0] * 2)))
    save_bmp("top-down32", bmp(2, -2, 32, 0, b"", bytes(range(16))))
    save_bmp("mono", bmp(9, 2, 1, 0, pal2, bytes([0xAA, 0x80, 0, 0, 0x55, 0, 0, 0])))
    save_bmp("pal4", bmp(3, 1, 4, 0, pal16, bytes([0x12, 0x30, 0, 0])))
    save_bmp("pal8", bmp(2, 1, 8, 0, pal16, bytes([1, 15, 0, 0])))
    save_bmp("rle8", bmp(4, 3, 8, 1, pal16,
                                 bytes([3, 1, 0, 0, 0, 3, 2, 1, 2, 0, 0, 2, 1, 1, 2, 5, 0, 0, 0, 1])))
    save_bmp("rle4", bmp(5, 2, 4, 2, pal16,
                                 bytes([5, 0x12, 0, 0, 0, 4, 0x34, 0x56, 0, 1])))
    save_bmp("bitfields16", bmp(2, 1, 16, 3, b"", bytes([0x1F, 0xF8, 0xE0, 0x07]),
                                        masks=struct.pack("<III", 0xF800, 0x07E0, 0x001F)))
    save_bmp("bitfields32-v4", bmp(1, 1, 32, 3, b"", bytes([1, 2, 3, 4]), header=108))
    save_bmp("core", bmp(2, 1, 24, 0, b"", bytes([9, 8, 7, 6, 5, 4, 0, 0]), header=12))

    pal256 = b"".join(bytes([i, i, 255 - i, 0]) for i in range(256))
    full = bytearray(bmp(3, 2, 8, 0, pal256, bytes([0, 128, 255, 0, 7, 8, 9, 0])))
    full[46:50] = bytes(4)  # biClrUsed 0: the whole table implied
    save_bmp("pal8-implied", bytes(full))
    save_bmp("trailing", bmp(1, 1, 24, 0, b"", bytes([1, 2, 3, 0])) + bytes(40))

    samples = b"".join(struct.pack("<h", 9000 if (i // 10) % 2 else -9000) for i in range(64))
    save("fuzz_wave", "mono16", wave(22050, 1, 16, samples))
    save("fuzz_wave", "stereo8", wave(11025, 2, 8, bytes([0x40, 0xC0] * 32)))
    save("fuzz_wave", "device", wave(44100, 2, 16, samples))
    save("fuzz_wave", "empty", wave(8000, 1, 8, b""))

    media_seeds()


if __name__ == "__main__":
    main()
