// Makes the installation data of Plinkapad in the folder given as the only argument:
// the greeting and farewell sounds, the default sounds, two sample picture groups and the
// default settings file. An existing file is never overwritten.
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "BmpWriter.h"
#include "Canvas.h"
#include "WaveSynth.h"
#include "common/Settings.h"
#include "library/PictureGroupStorage.h"
#include "platform/FileSystem.h"

namespace {

bool g_bFailed = false;

// Runs `make` only for a file that does not exist yet.
void MakeFile(const std::string& path, const std::function<bool(const std::string&)>& make) {
    if (PathFileExists(path)) {
        return;
    }
    if (!make(path)) {
        std::fprintf(stderr, "makesamples: cannot write %s\n", path.c_str());
        g_bFailed = true;
    }
}

void MakeSound(const std::string& path, const std::function<void(WaveSynth&)>& compose) {
    MakeFile(path, [&](const std::string& p) {
        WaveSynth synth;
        compose(synth);
        return synth.Write(p);
    });
}

// ---- Sounds ---------------------------------------------------------------------------

void MakeGreetings(const std::string& dir) {
    MakeSound(PathJoin(dir, "Hello.wav"), [](WaveSynth& s) {
        const int notes[] = {0, 4, 7, 12};
        for (int i = 0; i < 4; ++i) {
            s.Note(i * 0.14, i == 3 ? 0.7 : 0.3, Pitch(notes[i] + 12), 0.45);
        }
    });
    MakeSound(PathJoin(dir, "GoodBye.wav"), [](WaveSynth& s) {
        const int notes[] = {12, 7, 4, 0};
        for (int i = 0; i < 4; ++i) {
            s.Note(i * 0.18, i == 3 ? 0.8 : 0.35, Pitch(notes[i] + 12), 0.45);
        }
    });
}

void MakeDefaultSounds(const std::string& dir) {
    const std::string voices = PathJoin(dir, "DefVoice");
    CreateDirectory(voices);
    MakeSound(PathJoin(voices, "Pop.wav"), [](WaveSynth& s) { s.Sweep(0, 0.12, 900, 300, 0.6); });
    MakeSound(PathJoin(voices, "Boing.wav"), [](WaveSynth& s) {
        s.Sweep(0, 0.25, 150, 600, 0.5);
        s.Sweep(0.25, 0.3, 600, 250, 0.4);
    });
    MakeSound(PathJoin(voices, "Chime.wav"), [](WaveSynth& s) {
        s.Note(0, 0.6, Pitch(19), 0.35);
        s.Note(0.1, 0.7, Pitch(24), 0.3);
    });
    MakeSound(PathJoin(voices, "Whistle.wav"), [](WaveSynth& s) {
        s.Sweep(0, 0.2, 800, 1600, 0.35);
        s.Sweep(0.2, 0.25, 1600, 1000, 0.3);
    });
    MakeSound(PathJoin(voices, "Trill.wav"), [](WaveSynth& s) {
        for (int i = 0; i < 6; ++i) {
            s.Note(i * 0.07, 0.12, Pitch(i % 2 == 0 ? 16 : 19), 0.3);
        }
    });
    MakeSound(PathJoin(voices, "Drum.wav"), [](WaveSynth& s) {
        s.Drum(0);
        s.Drum(0.2, 0.4);
    });
}

// ---- Shapes with their own sounds -----------------------------------------------------

constexpr int kShapeSize = 200;
constexpr std::uint32_t kCard = 0xFFF8E1;  // a warm cream card behind each shape

struct ShapePicture {
    const char* name;
    std::function<void(Canvas&)> draw;
    std::function<void(WaveSynth&)> sound;
};

std::vector<ShapePicture> ShapePictures() {
    const double c = kShapeSize / 2.0;
    return {
        {"Ball",
         [c](Canvas& k) {
             k.Fill(Canvas::Circle(c, c, 80), 0xE53935);
             k.Fill(Canvas::Rect(20, c - 12, 180, c + 12), 0xFFFFFF);
             k.Fill(
                 [c](double x, double y) {
                     return Canvas::Circle(c, c, 80)(x, y) &&
                            !Canvas::Rect(0, c - 12, 200, c + 12)(x, y) && y > c;
                 },
                 0x1E88E5);
             k.Fill(Canvas::Circle(c - 30, c - 35, 12), 0xFFCDD2);
         },
         [](WaveSynth& s) {
             s.Sweep(0, 0.15, 200, 500, 0.5);
             s.Sweep(0.18, 0.12, 180, 420, 0.4);
             s.Sweep(0.33, 0.1, 160, 360, 0.3);
         }},
        {"Sun",
         [c](Canvas& k) {
             for (int i = 0; i < 12; ++i) {
                 double a = i * 3.14159265 / 6;
                 k.Fill(Canvas::Circle(c + 78 * std::cos(a), c + 78 * std::sin(a), 12), 0xFFB300);
             }
             k.Fill(Canvas::Circle(c, c, 58), 0xFFD600);
             k.Fill(Canvas::Circle(c - 20, c - 12, 7), 0x5D4037);
             k.Fill(Canvas::Circle(c + 20, c - 12, 7), 0x5D4037);
             k.Fill([c](double x,
                        double y) { return Canvas::Ring(c, c + 5, 32, 24)(x, y) && y > c + 10; },
                    0x5D4037);
         },
         [](WaveSynth& s) {
             const int notes[] = {0, 4, 7, 12, 16};
             for (int i = 0; i < 5; ++i) {
                 s.Note(i * 0.09, 0.4, Pitch(notes[i] + 12), 0.3);
             }
         }},
        {"Star",
         [c](Canvas& k) {
             k.Fill(Canvas::Star(c, c + 6, 88, 38, 5), 0xFDD835);
             k.Fill(Canvas::Circle(c - 16, c, 6), 0x3E2723);
             k.Fill(Canvas::Circle(c + 16, c, 6), 0x3E2723);
         },
         [](WaveSynth& s) {
             s.Note(0, 0.5, Pitch(24), 0.3);
             s.Note(0.12, 0.5, Pitch(28), 0.25);
             s.Note(0.24, 0.6, Pitch(31), 0.25);
         }},
        {"Heart", [c](Canvas& k) { k.Fill(Canvas::Heart(c, c - 5, 70), 0xEC407A); },
         [](WaveSynth& s) {
             s.Drum(0, 0.5);
             s.Drum(0.18, 0.4);
         }},
        {"Flower",
         [c](Canvas& k) {
             k.Fill(Canvas::Rect(c - 5, c, c + 5, 195), 0x43A047);
             for (int i = 0; i < 6; ++i) {
                 double a = i * 3.14159265 / 3;
                 k.Fill(Canvas::Circle(c + 40 * std::cos(a), c - 20 + 40 * std::sin(a), 28),
                        0xAB47BC);
             }
             k.Fill(Canvas::Circle(c, c - 20, 24), 0xFFEE58);
         },
         [](WaveSynth& s) {
             s.Note(0, 0.6, Pitch(16), 0.35);
             s.Note(0.15, 0.7, Pitch(21), 0.3);
         }},
        {"Fish",
         [c](Canvas& k) {
             k.Fill(
                 [c](double x, double y) {
                     double dx = x - (c + 55), dy = std::fabs(y - c);
                     return dx >= 0 && dx <= 40 && dy <= dx * 0.9;
                 },
                 0x26A69A);
             k.Fill(Canvas::Ellipse(c - 10, c, 70, 45), 0x29B6F6);
             k.Fill(Canvas::Circle(c - 45, c - 10, 9), 0xFFFFFF);
             k.Fill(Canvas::Circle(c - 45, c - 10, 4), 0x263238);
         },
         [](WaveSynth& s) {
             for (int i = 0; i < 3; ++i) {
                 s.Sweep(i * 0.12, 0.1, 400 + i * 150, 900 + i * 150, 0.3);
             }
         }},
    };
}

void MakeShapeGroup(const std::string& dir) {
    const std::string folder = "6F1C2A40-8B0E-4C11-9E3A-5D7B2C1A0F01";
    const std::string group = PathJoin(dir, folder);
    CreateDirectory(group);
    for (const ShapePicture& picture : ShapePictures()) {
        const std::string bmp = PathJoin(group, std::string(picture.name) + ".bmp");
        MakeFile(bmp, [&](const std::string& path) {
            Canvas canvas(kShapeSize, kShapeSize, kCard);
            picture.draw(canvas);
            return WriteBmp24(path, canvas.Width(), canvas.Height(), canvas.Pixels());
        });
        MakeSound(PictureSoundPath(bmp), picture.sound);
    }
    MakeFile(GroupFilePath(group, folder), [](const std::string& path) {
        return WriteGroupFile(path, "Shapes and Sounds",
                              "Friendly shapes, each with a sound of its own", 1);
    });
    MakeFile(PathJoin(group, "cutshow.ini"),
             [&](const std::string&) { return WriteCutList(group, {}); });
}

// ---- Letters and numbers, cut out of their white background ---------------------------

// A 5 x 7 dot font; each dot is drawn as a round bead.
const std::map<char, std::vector<const char*>>& Font() {
    static const std::map<char, std::vector<const char*>> font = {
        {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
        {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
        {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
        {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
        {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
        {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
        {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"}},
        {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
        {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
        {'J', {"..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."}},
        {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
        {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
        {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
        {'N', {"#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"}},
        {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
        {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
        {'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
        {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
        {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
        {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
        {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
        {'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
        {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."}},
        {'X', {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
        {'Y', {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."}},
        {'Z', {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
        {'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
        {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
        {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
        {'3', {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."}},
        {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
        {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
        {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
        {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
        {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
        {'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
    };
    return font;
}

void MakeLetterGroup(const std::string& dir) {
    const std::string folder = "6F1C2A40-8B0E-4C11-9E3A-5D7B2C1A0F02";
    const std::string group = PathJoin(dir, folder);
    CreateDirectory(group);
    // Palette entry 0 is the white key colour: the top-left pixel of every picture.
    const std::vector<std::uint32_t> palette = {0xFFFFFF, 0xE53935, 0xFB8C00, 0xFDD835,
                                                0x43A047, 0x1E88E5, 0x8E24AA, 0xD81B60,
                                                0x00ACC1, 0x6D4C41, 0xFFFFFE};
    constexpr int kCell = 22, kBead = 10, kMargin = 8;
    constexpr int kWidth = 5 * kCell + 2 * kMargin, kHeight = 7 * kCell + 2 * kMargin;
    std::vector<std::string> cut;
    int colour = 1;
    for (const auto& [ch, rows] : Font()) {
        const std::string name = std::string(ch >= 'A' ? "Letter" : "Number") + ch + ".bmp";
        cut.push_back(name);
        const std::uint8_t ink = static_cast<std::uint8_t>(colour);
        colour = colour % 9 + 1;
        MakeFile(PathJoin(group, name), [&](const std::string& path) {
            std::vector<std::uint8_t> pixels(static_cast<std::size_t>(kWidth) * kHeight, 0);
            for (int y = 0; y < kHeight; ++y) {
                for (int x = 0; x < kWidth; ++x) {
                    for (int r = 0; r < 7; ++r) {
                        for (int col = 0; col < 5; ++col) {
                            if (rows[r][col] != '#') {
                                continue;
                            }
                            double cx = kMargin + col * kCell + kCell / 2.0;
                            double cy = kMargin + r * kCell + kCell / 2.0;
                            double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
                            if (d <= kBead + 1) {
                                // A bead with a light shine near its top left.
                                bool bShine =
                                    std::hypot(x + 0.5 - (cx - 3), y + 0.5 - (cy - 3)) <= 3;
                                pixels[static_cast<std::size_t>(y) * kWidth + x] =
                                    bShine ? 10 : ink;
                            }
                        }
                    }
                }
            }
            return WriteBmp8(path, kWidth, kHeight, pixels, palette);
        });
    }
    MakeFile(GroupFilePath(group, folder), [](const std::string& path) {
        return WriteGroupFile(path, "Letters and Numbers",
                              "Big beaded letters and digits, cut out of their white background",
                              1);
    });
    MakeFile(PathJoin(group, "cutshow.ini"),
             [&](const std::string&) { return WriteCutList(group, cut); });
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: makesamples APPLICATION_DIRECTORY\n");
        return 2;
    }
    const std::string dir = argv[1];
    CreateDirectory(dir);
    MakeGreetings(dir);
    MakeDefaultSounds(dir);
    MakeShapeGroup(dir);
    MakeLetterGroup(dir);
    // The default settings, so that Start works on the first run. The settings object saves
    // itself once more when this program ends: to the new file, or, when the parent's file
    // is already there, nowhere.
    const std::string iniPath = PathJoin(dir, "Nuv.ini");
    if (PathFileExists(iniPath)) {
        theSettings.m_strIniPath.clear();
    } else {
        theSettings.m_strIniPath = iniPath;
        theSettings.SetDefaults();
        theSettings.Save();
    }
    return g_bFailed ? 1 : 0;
}
