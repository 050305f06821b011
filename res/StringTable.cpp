#include "res/StringTable.h"

#include <map>

#include "res/Resource.h"

std::string LoadString(int id) {
    static const std::map<int, const char*> table = {
        {IDS_ABOUTBOX, "&About Plinkapad..."},
        {IDS_FILE_NAME, "File Name"},
        {IDS_PICTURE_FILE_NAME, "Picture File Name"},
        {IDS_PICTURE_FILE_SIZE, "Picture File Size(Bytes)"},
        {IDS_CUT_TO_BE_DISPLAYED, "Cut to be displayed"},
        {IDS_YES, "Yes"},
        {IDS_NO, "No"},
        {IDS_ENTER_GROUP_NAME,
         "You must enter the picture group name into \"group name\". \n Please go on entering "
         "after having pressed the button OK."},
        {IDS_CREATE_WINDOW_FAILED, "Create the playing window failed."},
        {IDS_HAVE_A_REST, "You have played for a long time. Please have a rest."},
        {IDS_INFORMATION, "Information"},
        {IDS_ERROR, "Error"},
        {IDS_BITMAP_FILTER, "Bitmap file (*.bmp) | *.bmp||"},
        {IDS_PICTURE_EXISTS, "File %s has existed. Overwrite it?"},
        {IDS_DELETE_PICTURE_AND_SOUND,
         "Assure that you want to delete the picture file %s and the sound corresponding to it."},
        {IDS_WARNING, "Warning"},
        {IDS_DELETE_PICTURE, "Do you assure that you want to delete the picture file %s?"},
        {IDS_OVERWRITE_SOUND, "The specified sound file will overwrite the old one. Continue?"},
        {IDS_WAVE_FILTER, "Sound wave files (*.wav) | *.wav||"},
        {IDS_DELETE_SOUND, "Are you sure to delete the sound file %s?"},
        {IDS_CANCEL_CUTTING, "Cancel Cu&tting"},
        {IDS_CUT_TO_DISPLAY, "Cu&t to display"},
        {IDS_SOUND_EXISTS, "File %s has existed. Overwrite it?"},
        {IDS_DELETE_SOUNDS, "Delete the chosen %d sounds files?"},
        {IDS_QUIT_HINT, "Type \"kolo479\" to quit."},
        {IDS_DELETE_GROUP,
         "Assure that you want to delete the pictures group %s and the path of %s is \n%s/%s?"},
        {IDS_NO_GROUP, "No pictures group temporarily."},
        {IDS_FILE_SIZE, "File Size (Bytes)"},
        {IDS_SELECT_GROUP, "Please select one picture group to display."},
        {IDS_LOCK_FAILED,
         "Another program or the desktop holds the keyboard or the mouse, so the game cannot "
         "lock them. Close that program and press Start again."},
        {IDS_CREATE_GROUP_FAILED,
         "The folder %1 for the new picture group could not be created: %2. Nothing was "
         "added."},
        {IDS_GROUP_FILE_FAILED,
         "The new picture group could not be made: %1 could not be written (%2). Nothing was "
         "added."},
        {IDS_SAVE_GROUP_FAILED,
         "The picture group could not be saved: %1 could not be written (%2). Your changes "
         "are still here: put that right and press OK again, or press Cancel to leave "
         "without saving them."},
        {IDS_COPY_FAILED, "%1 could not be copied to %2 (%3)."},
        {IDS_DELETE_FAILED, "%1 could not be deleted (%2)."},
        {IDS_SAVE_MARK_FAILED,
         "The display mark of the picture group %1 could not be saved: %2 could not be "
         "written (%3)."},
        {IDS_OUTSIDE_LIBRARY, "Outside Plinkapad's folder, where a link leads"},
        {IDS_SHORTCUTS_NOT_OFFERED,
         "This desktop does not let a program hold its keyboard shortcuts. During the game the "
         "desktop still takes the Super (Windows) key, Alt+Tab, Alt+F4 and its other "
         "shortcuts, so your child could switch to other programs or close the game.\n\n"
         "For a full lock, log in to an X11 session (such as \"GNOME on Xorg\" or \"Plasma "
         "(X11)\"), or use a desktop that lets programs hold its shortcuts (GNOME, KDE "
         "Plasma, sway).\n\nPlay anyway?"},
        {IDS_SHORTCUTS_NOT_GRANTED,
         "The desktop did not let Plinkapad hold its keyboard shortcuts. During the game the "
         "desktop still takes the Super (Windows) key, Alt+Tab, Alt+F4 and its other "
         "shortcuts, so your child could switch to other programs or close the game.\n\n"
         "For a full lock, allow Plinkapad to inhibit the desktop's shortcuts when the "
         "desktop asks (its question may lie behind the game), or log in to an X11 session. "
         "On GNOME, Allow the Keyboard Lock in Setup gives the answer for good, so GNOME "
         "never asks again.\n\nPlay anyway?"},
        {IDS_ALL_PICTURES_FILTER,
         "All pictures (*.bmp;*.jpg;*.jpeg;*.png;*.gif;*.tif;*.tiff;*.webp;*.heic;*.heif) | "
         "*.bmp;*.jpg;*.jpeg;*.png;*.gif;*.tif;*.tiff;*.webp;*.heic;*.heif |"},
        {IDS_NOT_PICTURES,
         "These files are not pictures or sounds Plinkapad can read, and were not added:\n%1"},
        {IDS_PICTURES_AND_SOUNDS_FILTER,
         "Pictures and their sounds (*.bmp;*.jpg;*.jpeg;*.png;*.gif;*.tif;*.tiff;*.webp;*.heic;"
         "*.heif;*.wav;*.m4a;*.aac;*.mp3;*.ogg;*.oga;*.opus;*.flac;*.amr;*.3gp) | "
         "*.bmp;*.jpg;*.jpeg;*.png;*.gif;*.tif;*.tiff;*.webp;*.heic;*.heif;*.wav;*.m4a;*.aac;"
         "*.mp3;*.ogg;*.oga;*.opus;*.flac;*.amr;*.3gp |"},
        {IDS_ALL_SOUNDS_FILTER,
         "All sounds (*.wav;*.m4a;*.aac;*.mp3;*.ogg;*.oga;*.opus;*.flac;*.amr;*.3gp) | "
         "*.wav;*.m4a;*.aac;*.mp3;*.ogg;*.oga;*.opus;*.flac;*.amr;*.3gp |"},
        {IDS_NOT_SOUNDS, "These files are not sounds Plinkapad can read, and were not added:\n%1"},
        {IDS_SOUNDS_SHORTENED,
         "These sounds were longer than a minute, and only their first minute was kept:\n%1"},
        {IDS_NO_MICROPHONE, "There is no microphone to record from (%1)."},
        {IDS_MICROPHONE_FAILED, "The microphone could not be opened (%1)."},
        {IDS_WRITE_FAILED, "%1 could not be written (%2)."},
        {IDS_RECORDING_NAME, "Name of the new default sound:"},
        {IDS_BAD_SOUND_NAME,
         "A sound's name may not be empty, begin with a dot or hold \"/\". Please type another "
         "name."},
        {IDS_RECORDED_SECONDS, "%1 of %2 seconds"},
        {IDS_ADDING_FILES, "Adding Files"},
        {IDS_ADDING_FILE, "Adding %1 of %2:\n%3"},
        {IDS_NOTHING_HEARD,
         "Nothing was heard. Is the microphone switched on? Press Record to try again."},
        {IDS_SOUNDS_WITHOUT_PICTURE,
         "These sounds have no picture of the same name in the group, and were not added:\n%1"},
        {IDS_SHORTCUTS_DENIED,
         "GNOME remembers that Plinkapad may not hold its keyboard shortcuts: Deny was "
         "chosen, or Escape pressed, when it asked. During the game the desktop still takes "
         "the Super (Windows) key, Alt+Tab, Alt+F4 and its other shortcuts, so your child "
         "could switch to other programs or close the game.\n\nTo give the lock back, press "
         "Allow the Keyboard Lock in Setup.\n\nPlay anyway?"},
        {IDS_KEYBOARD_LOCK_NOTE,
         "GNOME asks once whether Plinkapad may lock the keyboard, and keeps the answer."},
        {IDS_KEYBOARD_LOCK_ALLOWED,
         "GNOME now lets Plinkapad lock the keyboard for every game, without asking."},
        {IDS_KEYBOARD_LOCK_FAILED,
         "GNOME's answer could not be changed: its permission store did not take it (%1)."},
        {AFX_IDP_PARSE_INT, "Please enter an integer."},
        {AFX_IDP_PARSE_INT_RANGE, "Please enter an integer between %1 and %2."},
        {AFX_IDP_PARSE_STRING_SIZE, "Please enter no more than %1 characters."},
    };
    auto it = table.find(id);
    return it == table.end() ? std::string() : std::string(it->second);
}

std::string AppName() {
    return "Plinkapad";
}

std::string AppId() {
    return "io.github.plinkapad.Plinkapad";
}

namespace {
std::string FormatText(const std::string& text, const std::string& arg1,
                       const std::string& arg2 = {}, const std::string& arg3 = {}) {
    const std::string* args[] = {&arg1, &arg2, &arg3};
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '3') {
            out += *args[text[i + 1] - '1'];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}
}  // namespace

std::string LoadString(int id, std::size_t count) {
    // The strings that name a list of files, in their form for a single file.
    static const std::map<int, const char*> singular = {
        {IDS_NOT_PICTURES,
         "This file is not a picture or sound Plinkapad can read, and was not added:\n%1"},
        {IDS_NOT_SOUNDS, "This file is not a sound Plinkapad can read, and was not added:\n%1"},
        {IDS_SOUNDS_SHORTENED,
         "This sound was longer than a minute, and only its first minute was kept:\n%1"},
        {IDS_SOUNDS_WITHOUT_PICTURE,
         "This sound has no picture of the same name in the group, and was not added:\n%1"},
    };
    const auto it = count == 1 ? singular.find(id) : singular.end();
    return it != singular.end() ? std::string(it->second) : LoadString(id);
}

std::string FormatString(int id, const std::string& arg1, const std::string& arg2,
                         const std::string& arg3) {
    return FormatText(LoadString(id), arg1, arg2, arg3);
}

std::string FormatListString(int id, std::size_t count, const std::string& list) {
    return FormatText(LoadString(id, count), list);
}

std::string FormatStringS(int id, std::initializer_list<std::string> args) {
    const std::string text = LoadString(id);
    std::string out;
    auto arg = args.begin();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == 's' || text[i + 1] == 'd')) {
            if (arg != args.end()) {
                out += *arg++;
            }
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}
