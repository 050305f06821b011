#!/usr/bin/env bash
# Makes a folder of what a family's phone holds, to try the library's import by hand:
# photos of every kind a phone or a messenger saves, two files that only look like photos,
# and a voice clip in each of a phone recorder's formats, each named after a photo.
#   tests/tools/make-phone-media.sh FOLDER
# Needs ImageMagick, heif-enc, ffmpeg and sox (scripts/install-deps.sh installs them).
set -euo pipefail
out=${1:?usage: make-phone-media.sh FOLDER}
mkdir -p "$out"
cd "$out"
# A picture that shows which way is up: a sky, a sun at the top left, grass below, a label.
picture() {  # WIDTH HEIGHT LABEL FILE
    convert -size "$1x$2" gradient:'#6ec6ff-#ffffff' \
        -fill '#3a9d23' -draw "rectangle 0,$(($2 * 3 / 4)) $1,$2" \
        -fill '#ffd400' -draw "circle $(($1 / 6)),$(($2 / 6)) $(($1 / 6 + $1 / 12)),$(($2 / 6))" \
        -fill black -pointsize $(($2 / 8)) -gravity center -annotate +0+0 "$3" "$4"
}
# A phone held upright saves its picture lying on its side, 4000x3000, with EXIF orientation 6
# (an APP1 segment of our own right after the start of the image: "Exif", a big-endian TIFF
# header and the one entry).
picture 3000 4000 Grandma Grandma-upright.png
convert Grandma-upright.png -rotate -90 -strip -quality 85 Grandma.jpg
python3 - Grandma.jpg <<'PY'
import sys
path = sys.argv[1]
data = open(path, "rb").read()
exif = bytes([0xFF, 0xE1, 0, 34]) + b"Exif\0\0MM\0\x2a\0\0\0\x08\0\x01" + \
    bytes([0x01, 0x12, 0, 3, 0, 0, 0, 1, 0, 6, 0, 0, 0, 0, 0, 0])
open(path, "wb").write(data[:2] + exif + data[2:])
PY
rm Grandma-upright.png
picture 3000 4000 Grandpa Grandpa.png
picture 1200 900 Dog dog.png
heif-enc -q 80 -o Dog.heic dog.png >/dev/null
rm dog.png
picture 800 600 Cat Cat.webp
convert -delay 50 -size 400x300 xc:orange -fill black -pointsize 60 -gravity center \
    -annotate +0+0 Wave \( -size 400x300 xc:purple -fill white -pointsize 60 -gravity center \
    -annotate +0+0 Bye \) -loop 0 Wave.gif
picture 2000 1500 Beach beach-whole.jpg
head -c 20000 beach-whole.jpg >Beach.jpg  # cut short, as an interrupted download
rm beach-whole.jpg
echo "this is not a photo" >photo.jpg
# A voice: half a second of quiet, a second of a rising call, half a second of quiet.
voice() {  # FREQUENCY RATE
    ffmpeg -hide_banner -loglevel error -y -f lavfi \
        -i "aevalsrc='if(between(t,0.5,1.5),0.4*sin(2*PI*($1+200*(t-0.5))*t),0)':s=$2:d=2" "${@:3}"
}
voice 440 44100 -c:a aac Grandma.m4a
voice 330 48000 -c:a libopus Grandpa.opus
voice 550 8000 -f wav - | sox -V1 -t wav - -t amr-nb Dog.amr
voice 660 44100 -c:a libmp3lame Cat.mp3
voice 520 48000 -c:a flac Wave.flac
ls -l
