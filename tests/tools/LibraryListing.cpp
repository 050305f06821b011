// A library folder as the program reads it, for comparing how the Linux and the Windows
// builds see the same folder:
//   library_listing list APPDIR    every group (folder, name, description, mark), its
//                                  pictures with their sizes, sounds and cut marks, and the
//                                  default sounds, sorted, one line each
//   library_listing add APPDIR TAG a group and a picture with names no plain ASCII spells,
//                                  made the way the program makes them; TAG tells whose
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "common/FolderFiles.h"
#include "core/BmpImage.h"
#include "core/TextEncoding.h"
#include "core/WaveDecoder.h"
#include "library/PictureGroupStorage.h"
#include "platform/FileSystem.h"

namespace {

std::string SoundOf(const std::string& path) {
    std::vector<std::uint8_t> data;
    std::string pcm;
    if (!ReadWholeFile(path, data, 64u << 20)) {
        return "none";
    }
    return DecodeWave(data.data(), data.size(), pcm) ? std::to_string(pcm.size()) + " bytes"
                                                     : "unreadable";
}

void List(const std::string& appDir) {
    std::vector<std::string> lines;
    for (const PictureGroupEntry& group : ListPictureGroups(appDir)) {
        lines.push_back("group " + ReadableUtf8(group.folder) + " | " + ReadableUtf8(group.name) +
                        " | " + ReadableUtf8(group.description) + " | " +
                        std::to_string(group.bDisplay));
        const std::vector<std::string> cut = ReadCutList(group.path);
        for (const FolderFile& file : ListFolderFiles(group.path, "*.bmp")) {
            CBmpImage image;
            const std::string path = PathJoin(group.path, file.name);
            const std::string stem = file.name.substr(0, file.name.size() - 4);
            bool bCut = false;
            for (const std::string& name : cut) {
                bCut = bCut || name == file.name;
            }
            lines.push_back(
                "  " + ReadableUtf8(group.folder) + "/" + ReadableUtf8(file.name) + " " +
                (image.Load(path)
                     ? std::to_string(image.Width()) + "x" + std::to_string(image.Height())
                     : "unreadable") +
                (bCut ? " cut" : "") + " sound " + SoundOf(PathJoin(group.path, stem + ".wav")));
        }
    }
    for (const FolderFile& file : ListFolderFiles(PathJoin(appDir, "DefVoice"), "*.wav")) {
        lines.push_back("default " + ReadableUtf8(file.name) + " " +
                        SoundOf(PathJoin(PathJoin(appDir, "DefVoice"), file.name)));
    }
    std::sort(lines.begin(), lines.end());
    for (const std::string& line : lines) {
        std::printf("%s\n", line.c_str());
    }
}

// Two groups: one whose name Windows-1252 spells (stored narrow), one whose name it cannot
// (stored wide); a picture with an accent, its own sound, and a cut mark.
bool Add(const std::string& appDir, const std::string& tag) {
    const std::string sample = PathJoin(appDir, "6F1C2A40-8B0E-4C11-9E3A-5D7B2C1A0F01");
    const struct {
        std::string folder, name;
    } groups[] = {{"Café " + tag, "Crème brûlée " + tag}, {"Ωmega " + tag, "Ωmega ☺ " + tag}};
    for (const auto& group : groups) {
        std::string failed, reason;
        const std::string folder = PathJoin(appDir, group.folder);
        std::vector<std::uint8_t> picture, sound;
        if (!CreatePictureGroup(folder, group.folder, group.name, "é " + tag, failed, reason) ||
            !ReadWholeFile(PathJoin(sample, "Ball.bmp"), picture, 64u << 20) ||
            !ReadWholeFile(PathJoin(sample, "Ball.wav"), sound, 64u << 20) ||
            !WriteWholeFile(PathJoin(folder, "Épée " + tag + ".bmp"), picture, &reason) ||
            !WriteWholeFile(PathJoin(folder, "Épée " + tag + ".wav"), sound, &reason) ||
            !WriteCutList(folder, {"Épée " + tag + ".bmp"})) {
            std::fprintf(stderr, "could not make %s: %s %s\n", group.folder.c_str(), failed.c_str(),
                         reason.c_str());
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 2 ? argv[1] : "";
    if (command == "list" && argc == 3) {
        List(argv[2]);
        return 0;
    }
    if (command == "add" && argc == 4) {
        return Add(argv[2], argv[3]) ? 0 : 1;
    }
    std::fprintf(stderr, "usage: library_listing list APPDIR | add APPDIR TAG\n");
    return 2;
}
