#!/usr/bin/env python3
"""Writes the small seed files of the fuzz targets into tests/fuzz/corpus/<target>/."""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib

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


# Files made to cost the import what a parent's photo or voice never does: a few hundred
# bytes to a hundred kilobytes each, that ask the system's decoders for gigabytes or for many
# seconds. Each is built here byte by byte, or from a tiny file of a system program with its
# boxes rewritten, so that it is the same every run.


def iso_box(kind, body):
    return struct.pack(">I4s", 8 + len(body), kind) + body


def iso_full_box(kind, version, flags, body):
    return iso_box(kind, struct.pack(">I", version << 24 | flags) + body)


def iso_boxes(data):
    """The boxes that follow one another in data, as (kind, body)."""
    found, at = [], 0
    while at + 8 <= len(data):
        size, kind = struct.unpack(">I4s", data[at:at + 8])
        if size < 8 or at + size > len(data):
            raise ValueError(f"box {kind!r} at {at} does not fit")
        found.append((kind, data[at + 8:at + size]))
        at += size
    return found


def iso_boxes_at(data, path):
    """The body of the box at path."""
    for kind in path:
        data = dict(iso_boxes(data))[kind]
    return data


def iso_rewritten(data, path, change):
    """data with the body of the box at path (kinds from the outside in) passed through
    `change`; the sizes of the boxes holding it follow."""
    out = b""
    for kind, body in iso_boxes(data):
        if kind == path[0]:
            body = change(body) if len(path) == 1 else iso_rewritten(body, path[1:], change)
        out += iso_box(kind, body)
    return out


def riff_chunk(kind, body):
    return kind + struct.pack("<I", len(body)) + body + b"\0" * (len(body) & 1)


def single_colour_lossless(width, height, argb):
    """A lossless WebP bitstream of width x height pixels of one colour: each of its five
    prefix codes has a single symbol, so the pixels take no bits at all."""
    fields = [(0x2F, 8), (width - 1, 14), (height - 1, 14), (0, 1), (0, 3),
              (0, 1), (0, 1), (0, 1)]  # no transform, no colour cache, one group of codes
    alpha, red, green, blue = argb
    for symbol in (green, red, blue, alpha, 0):  # the last is the distances'
        fields += [(1, 1), (0, 1), (1, 1), (symbol, 8)]  # simple code, one 8-bit symbol
    value = count = 0
    for field, bits in fields:  # the first field in the lowest bits
        value |= field << count
        count += bits
    return value.to_bytes((count + 7) // 8, "little")


def animated_webp(width, height, frames, argb):
    """An animation of `frames` frames, each covering the whole canvas in one colour."""
    def u24(value):
        return struct.pack("<I", value)[:3]

    frame = riff_chunk(b"VP8L", single_colour_lossless(width, height, argb))
    body = riff_chunk(b"VP8X", bytes([0x02, 0, 0, 0]) + u24(width - 1) + u24(height - 1))
    body += riff_chunk(b"ANIM", bytes([255, 255, 255, 255]) + struct.pack("<H", 0))
    for _ in range(frames):
        # At 0,0, the whole canvas, 100 ms, drawn over what is there without blending.
        body += riff_chunk(b"ANMF", u24(0) + u24(0) + u24(width - 1) + u24(height - 1) +
                           u24(100) + b"\x02" + frame)
    return b"RIFF" + struct.pack("<I", 4 + len(body)) + b"WEBP" + body


def claiming_samples(m4a, count, duration=1024):
    """The M4A of one track, its samples all of one size, with a sample table claiming
    `count` of them in a single chunk: the samples past the few really there lie past the end
    of the file."""
    table = [b"moov", b"trak", b"mdia", b"minf", b"stbl"]
    sizes = dict(iso_boxes(iso_boxes_at(m4a, table)))[b"stsz"]
    sample_size = struct.unpack(">I", sizes[4:8])[0]
    if sample_size == 0:
        raise ValueError("the samples of the M4A are not all of one size")
    m4a = iso_rewritten(m4a, table + [b"stts"], lambda _: struct.pack(">IIII", 0, 1, count, duration))
    m4a = iso_rewritten(m4a, table + [b"stsc"], lambda _: struct.pack(">IIIII", 0, 1, 1, count, 1))
    return iso_rewritten(m4a, table + [b"stsz"], lambda _: struct.pack(">III", 0, sample_size, count))


def png16(width, height, rgb):
    """A PNG of width x height pixels of one colour, 16 bits a sample."""
    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body)))

    row = b"\0" + struct.pack(">3H", *rgb) * width
    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 16, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(row * height, 9)) + chunk(b"IEND", b""))


def heif_tile(size):
    """A HEIC of one size x size picture of one colour, 10 bits a sample and chroma not
    subsampled, made by heif-enc; None without it."""
    if shutil.which("heif-enc") is None:
        return None
    with tempfile.TemporaryDirectory() as scratch:
        source, out = os.path.join(scratch, "tile.png"), os.path.join(scratch, "tile.heic")
        with open(source, "wb") as f:
            f.write(png16(size, size, (0x3000, 0x8000, 0xC000)))
        subprocess.run(["heif-enc", "-q", "30", "-b", "10", "-p", "chroma=444", "-o", out, source],
                       check=True, stdout=subprocess.DEVNULL)
        with open(out, "rb") as f:
            return f.read()


def grid_of_one_tile(heic, rows, columns, width, height):
    """A HEIC whose picture is a grid of rows x columns tiles of width x height in all, each of
    them the one coded picture of `heic`: one small picture, decoded rows x columns times."""
    meta = iso_boxes_at(heic, [b"meta"])[4:]
    parts = dict(iso_boxes(meta))
    properties = dict(iso_boxes(parts[b"iprp"]))
    ipco = iso_boxes(properties[b"ipco"])
    ipma = properties[b"ipma"]
    if ipma[:10] != struct.pack(">IIH", 0, 1, 1) or parts[b"pitm"][4:] != b"\0\x01":
        raise ValueError("the HEIC is not one picture, item 1")
    # The picture's coded data: its one extent, where iloc says.
    iloc = parts[b"iloc"]
    version, sizes, more = iloc[0], iloc[4], iloc[5]
    fields, at = [], 8
    for bytes_ in (2, 2 if version else 0, 2, more >> 4, 2, more & 15 if version else 0,
                   sizes >> 4, sizes & 15):  # item, method, reference, base, extents, extent
        fields.append(int.from_bytes(iloc[at:at + bytes_], "big"))
        at += bytes_
    _, _, _, base, extents, _, offset, length = fields
    if iloc[6:8] != b"\0\x01" or extents != 1:
        raise ValueError("the HEIC's picture is not in one piece")
    coded = heic[base + offset:base + offset + length]

    count = rows * columns
    hdlr = iso_full_box(b"hdlr", 0, 0, bytes(4) + b"pict" + bytes(12) + b"\0")
    pitm = iso_full_box(b"pitm", 0, 0, struct.pack(">H", 2))
    iinf = iso_full_box(b"iinf", 0, 0, struct.pack(">H", 2) +
                        iso_full_box(b"infe", 2, 1, struct.pack(">HH4s", 1, 0, b"hvc1") + b"\0") +
                        iso_full_box(b"infe", 2, 0, struct.pack(">HH4s", 2, 0, b"grid") + b"\0"))
    # Every tile of the grid is item 1.
    iref = iso_full_box(b"iref", 0, 0, iso_box(b"dimg", struct.pack(">HH", 2, count) +
                                                  struct.pack(">H", 1) * count))
    grid = struct.pack(">BBBBHH", 0, 0, rows - 1, columns - 1, width, height)
    idat = iso_box(b"idat", grid)
    # The tile keeps its properties; the grid has a size of its own, after them.
    iprp = iso_box(b"iprp", iso_box(b"ipco", b"".join(iso_box(k, b) for k, b in ipco) +
                                    iso_full_box(b"ispe", 0, 0, struct.pack(">II", width, height))) +
                   iso_full_box(b"ipma", 0, 0, struct.pack(">IH", 2, 1) + ipma[10:] +
                                struct.pack(">HBB", 2, 1, len(ipco) + 1)))

    def with_meta(coded_at):
        iloc = iso_full_box(b"iloc", 1, 0, bytes([0x44, 0x00]) + struct.pack(">H", 2) +
                            struct.pack(">HHHHII", 1, 0, 0, 1, coded_at, len(coded)) +
                            struct.pack(">HHHHII", 2, 1, 0, 1, 0, len(grid)))  # in idat
        return (iso_box(b"ftyp", b"heic" + bytes(4) + b"mif1heicmiaf") +
                iso_full_box(b"meta", 0, 0, hdlr + pitm + iloc + iinf + iref + iprp + idat))

    head = with_meta(0)
    return with_meta(len(head) + 8) + iso_box(b"mdat", coded)


class JpegBits:
    """Huffman-coded data, the first bit the highest, a 0xFF byte followed by 0."""

    def __init__(self):
        self.value, self.count, self.out = 0, 0, bytearray()

    def put(self, value, bits):
        self.value, self.count = self.value << bits | value, self.count + bits
        while self.count >= 8:
            self.count -= 8
            byte = self.value >> self.count & 0xFF
            self.out += bytes([byte, 0]) if byte == 0xFF else bytes([byte])
        self.value &= (1 << self.count) - 1

    def done(self):
        if self.count:
            self.put((1 << (8 - self.count)) - 1, 8 - self.count)  # padded with ones
        return bytes(self.out)


def jpeg_segment(marker, body):
    return bytes([0xFF, marker]) + struct.pack(">H", 2 + len(body)) + body


def progressive_jpeg_many_scans(width, height):
    """A progressive JPEG of width x height pixels of grey, chroma subsampled 2x2 as a phone's,
    sent in as many scans as its progression allows: after the DC scan, each of the 63 AC
    coefficients of each component on its own, first at 13 bits down, then refined a bit at a
    time (2,646 scans). Every coefficient is 0, so a scan is an end-of-band run over all the
    component's blocks, 15 bits for each 32,767 of them; but the decoder still visits every block
    in every scan, and a loader that shows the picture as it comes redraws it after each."""
    components = [(1, 2, 2), (2, 1, 1), (3, 1, 1)]  # id, horizontal and vertical sampling
    out = b"\xff\xd8" + jpeg_segment(0xE0, b"JFIF\0\x01\x01\0\0\x01\0\x01\0\0")
    out += jpeg_segment(0xDB, b"\0" + bytes([1] * 64))
    out += jpeg_segment(0xC2, struct.pack(">BHHB", 8, height, width, len(components)) +
                        b"".join(bytes([c, h << 4 | v, 0]) for c, h, v in components))
    # One code each, "0": a DC difference of 0, and an end-of-band run of 16,384 and more.
    out += jpeg_segment(0xC4, b"\x00" + bytes([1] + [0] * 15) + b"\x00" +
                        b"\x10" + bytes([1] + [0] * 15) + b"\xe0")
    dc = JpegBits()
    for _ in range(-(-width // 16) * -(-height // 16) * 6):  # 4 + 1 + 1 blocks an MCU
        dc.put(0, 1)
    out += jpeg_segment(0xDA, bytes([3, 1, 0x00, 2, 0x00, 3, 0x00, 0, 0, 0])) + dc.done()
    for al in range(13, -1, -1):
        for c, h, v in components:
            blocks = -(-(width * h // 2) // 8) * -(-(height * v // 2) // 8)
            runs = -(-blocks // 32767)
            data = JpegBits()
            for i in range(runs):
                run = blocks // runs + (i < blocks % runs)
                if not 16384 <= run <= 32767:
                    raise ValueError("the blocks do not split into runs the one code tells")
                data.put(0, 1)
                data.put(run - 16384, 14)
            data = data.done()
            ah = 0 if al == 13 else al + 1
            for k in range(1, 64):
                out += jpeg_segment(0xDA, bytes([1, c, 0x00, k, k, ah << 4 | al])) + data
    return out + b"\xff\xd9"


def hostile_seeds():
    # A WebP of 228 bytes: an animation of four frames of 10000 x 10000 (no more pixels than
    # the import takes), each one colour in a few bytes. The loader decodes the frames in full,
    # and the canvas they are drawn on: 2.3 GB.
    save("fuzz_picture_import", "bomb-animated.webp",
         animated_webp(10000, 10000, 4, (255, 255, 128, 0)))

    # A HEIC of 1.4 KB: a grid of 20 x 20 tiles, 9920 x 9920 in all (no more pixels than the
    # import takes), whose 400 tiles are all the one small tile in the file, of 10 bits and
    # full chroma. The loader decodes that tile 400 times into a picture of 16 bits a sample
    # before converting it to 8: 1.1 GB.
    tile = heif_tile(496)
    if tile is None:
        print("heif-enc not found: no seed fuzz_picture_import/heif-grid-repeated-tile.heic",
              file=sys.stderr)
    else:
        save("fuzz_picture_import", "heif-grid-repeated-tile.heic",
             grid_of_one_tile(tile, 20, 20, 9920, 9920))

    # A progressive JPEG of 4096 x 4096 in 2,647 scans, 100 KB: 15 s of the loader's time.
    save("fuzz_picture_import", "jpeg-many-scans.jpg", progressive_jpeg_many_scans(4096, 4096))

    # An M4A of 0.5 s of silence whose sample table claims 2^26 samples of 4 bytes in one
    # chunk. The index of the samples is built before any is read: 1.6 GB.
    made("fuzz_sound_import", "huge-sample-table.m4a",
         ["ffmpeg", "-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
          "anullsrc=r=8000:cl=mono", "-t", "0.5", "-c:a", "aac", "-b:a", "16k",
          "-map_metadata", "-1", "-fflags", "+bitexact", "-flags", "+bitexact", "{out}"],
         then=lambda m4a: claiming_samples(m4a, 1 << 26))


def exif_seeds():
    """A JPEG's segments up to its scan, with the orientation in each byte order."""
    jpeg = b"\xff\xd8\xff\xe0\x00\x04\x00\x00\xff\xda\x00\x02"
    save("fuzz_exif_orientation", "little", exif_orientation(jpeg, 6))
    big = bytearray(exif_orientation(jpeg, 8))
    tiff = big.index(b"II*\0")
    big[tiff:tiff + 8] = b"MM\0*" + struct.pack(">I", 8)
    big[tiff + 8:tiff + 22] = struct.pack(">HHHIHH", 1, 0x0112, 3, 1, 8, 0)
    save("fuzz_exif_orientation", "big", bytes(big))
    save("fuzz_exif_orientation", "none", jpeg)


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

    exif_seeds()
    media_seeds()
    hostile_seeds()


if __name__ == "__main__":
    main()
