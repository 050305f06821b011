#include "res/StringTable.h"

#include <wx/translation.h>

#include <map>

#include "res/Resource.h"

// Marks a text with a form for one thing and a form for more, for the catalogs' extraction.
#define PLURAL_TEXTS(one, many) \
    { one, many }

namespace {
// A text of the table: its English form, which is its message id in the catalogs; its form
// for more than one thing, where it has one; and the part that stays the same in every
// language (a file chooser's patterns).
struct Text {
    const char* one;
    const char* many = nullptr;
    const char* fixed = nullptr;
};

const Text* FindText(int id) {
    static const std::map<int, Text> table = {
        {IDS_ABOUTBOX, {wxTRANSLATE("&About Plinkapad...")}},
        {IDS_FILE_NAME, {wxTRANSLATE("File Name")}},
        {IDS_PICTURE_FILE_NAME, {wxTRANSLATE("Picture File Name")}},
        {IDS_PICTURE_FILE_SIZE, {wxTRANSLATE("Picture File Size (Bytes)")}},
        {IDS_CUT_TO_BE_DISPLAYED, {wxTRANSLATE("Cut to be displayed")}},
        {IDS_YES, {wxTRANSLATE("Yes")}},
        {IDS_NO, {wxTRANSLATE("No")}},
        {IDS_ENTER_GROUP_NAME,
         {wxTRANSLATE(
             "You must enter the picture group's name in \"Group Name\".\nPress OK, then go on "
             "typing it.")}},
        {IDS_CREATE_WINDOW_FAILED, {wxTRANSLATE("Creating the playing window failed.")}},
        {IDS_HAVE_A_REST, {wxTRANSLATE("You have played for a long time. Please have a rest.")}},
        {IDS_INFORMATION, {wxTRANSLATE("Information")}},
        {IDS_ERROR, {wxTRANSLATE("Error")}},
        {IDS_BITMAP_FILTER, {wxTRANSLATE("Bitmap files"), nullptr, " (*.bmp) | *.bmp||"}},
        {IDS_PICTURE_EXISTS, {wxTRANSLATE("The file %1$s already exists. Overwrite it?")}},
        {IDS_DELETE_PICTURE_AND_SOUND,
         {wxTRANSLATE(
             "Are you sure you want to delete the picture file %1$s and the sound that goes with "
             "it?")}},
        {IDS_WARNING, {wxTRANSLATE("Warning")}},
        {IDS_DELETE_PICTURE,
         {wxTRANSLATE("Are you sure you want to delete the picture file %1$s?")}},
        {IDS_OVERWRITE_SOUND,
         {wxTRANSLATE("The specified sound file will overwrite the old one. Continue?")}},
        {IDS_WAVE_FILTER, {wxTRANSLATE("Sound wave files"), nullptr, " (*.wav) | *.wav||"}},
        {IDS_DELETE_SOUND, {wxTRANSLATE("Are you sure you want to delete the sound file %1$s?")}},
        {IDS_CANCEL_CUTTING, {wxTRANSLATE("Cancel Cu&tting")}},
        {IDS_CUT_TO_DISPLAY, {wxTRANSLATE("Cu&t to display")}},
        {IDS_SOUND_EXISTS, {wxTRANSLATE("The file %1$s already exists. Overwrite it?")}},
        {IDS_DELETE_SOUNDS,
         PLURAL_TEXTS("Delete the %1$s chosen sound file?", "Delete the %1$s chosen sound files?")},
        {IDS_QUIT_HINT, {wxTRANSLATE("Type \"%1$s\" to quit.")}},
        {IDS_DELETE_GROUP,
         {wxTRANSLATE("Are you sure you want to delete the picture group %1$s? The path of %2$s "
                      "is\n%3$s/%4$s.")}},
        {IDS_NO_GROUP, {wxTRANSLATE("There is no picture group yet.")}},
        {IDS_FILE_SIZE, {wxTRANSLATE("File Size (Bytes)")}},
        {IDS_SELECT_GROUP, {wxTRANSLATE("Please select one picture group to display.")}},
        {IDS_LOCK_FAILED,
         {wxTRANSLATE(
             "Another program or the desktop holds the keyboard or the mouse, so the game cannot "
             "lock them. Close that program and press Start again.")}},
        {IDS_CREATE_GROUP_FAILED,
         {wxTRANSLATE(
             "The folder %1$s for the new picture group could not be created: %2$s. Nothing was "
             "added.")}},
        {IDS_GROUP_FILE_FAILED,
         {wxTRANSLATE(
             "The new picture group could not be made: %1$s could not be written (%2$s). Nothing "
             "was added.")}},
        {IDS_SAVE_GROUP_FAILED,
         {wxTRANSLATE(
             "The picture group could not be saved: %1$s could not be written (%2$s). Your "
             "changes are still here: put that right and press OK again, or press Cancel to leave "
             "without saving them.")}},
        {IDS_COPY_FAILED, {wxTRANSLATE("%1$s could not be copied to %2$s (%3$s).")}},
        {IDS_DELETE_FAILED, {wxTRANSLATE("%1$s could not be deleted (%2$s).")}},
        {IDS_SAVE_MARK_FAILED,
         {wxTRANSLATE(
             "The display mark of the picture group %1$s could not be saved: %2$s could not be "
             "written (%3$s).")}},
        {IDS_OUTSIDE_LIBRARY, {wxTRANSLATE("Outside Plinkapad's folder, where a link leads")}},
        {IDS_SHORTCUTS_NOT_OFFERED,
         {wxTRANSLATE(
             "This desktop does not let a program hold its keyboard shortcuts. During the game "
             "the desktop still takes the Super (Windows) key, Alt+Tab, Alt+F4 and its other "
             "shortcuts, so your child could switch to other programs or close the game.\n\nFor a "
             "full lock, log in to an X11 session (such as \"GNOME on Xorg\" or \"Plasma "
             "(X11)\"), or use a desktop that lets programs hold its shortcuts (GNOME, KDE "
             "Plasma, sway).\n\nPlay anyway?")}},
        {IDS_SHORTCUTS_NOT_GRANTED,
         {wxTRANSLATE(
             "The desktop did not let Plinkapad hold its keyboard shortcuts. During the game the "
             "desktop still takes the Super (Windows) key, Alt+Tab, Alt+F4 and its other "
             "shortcuts, so your child could switch to other programs or close the game.\n\nFor a "
             "full lock, allow Plinkapad to inhibit the desktop's shortcuts when the desktop asks "
             "(its question may lie behind the game), or log in to an X11 session. On GNOME, "
             "Allow the Keyboard Lock in Setup gives the answer for good, so GNOME never asks "
             "again.\n\nPlay anyway?")}},
        {IDS_ALL_PICTURES_FILTER,
         {wxTRANSLATE("All pictures"), nullptr,
          " (*.bmp;*.jpg;*.jpeg;*.png;*.gif;*.tif;*.tiff;*.webp;*.heic;*.heif) | "
          "*.bmp;*.jpg;*.jpeg;*.png;*.gif;*.tif;*.tiff;*.webp;*.heic;*.heif |"}},
        {IDS_NOT_PICTURES,
         PLURAL_TEXTS(
             "This file is not a picture or sound Plinkapad can read, and was not added:\n%1$s",
             "These files are not pictures or sounds Plinkapad can read, and were not "
             "added:\n%1$s")},
        {IDS_PICTURES_AND_SOUNDS_FILTER,
         {wxTRANSLATE("Pictures and their sounds"), nullptr,
          " "
          "(*.bmp;*.jpg;*.jpeg;*.png;*.gif;*.tif;*.tiff;*.webp;*.heic;*.heif;*.wav;*.m4a;*.aac;*."
          "mp3;*.ogg;*.oga;*.opus;*.flac;*.amr;*.3gp) "
          "| "
          "*.bmp;*.jpg;*.jpeg;*.png;*.gif;*.tif;*.tiff;*.webp;*.heic;*.heif;*.wav;*.m4a;*.aac;*."
          "mp3;*.ogg;*.oga;*.opus;*.flac;*.amr;*.3gp "
          "|"}},
        {IDS_ALL_SOUNDS_FILTER,
         {wxTRANSLATE("All sounds"), nullptr,
          " (*.wav;*.m4a;*.aac;*.mp3;*.ogg;*.oga;*.opus;*.flac;*.amr;*.3gp) | "
          "*.wav;*.m4a;*.aac;*.mp3;*.ogg;*.oga;*.opus;*.flac;*.amr;*.3gp |"}},
        {IDS_NOT_SOUNDS,
         PLURAL_TEXTS("This file is not a sound Plinkapad can read, and was not added:\n%1$s",
                      "These files are not sounds Plinkapad can read, and were not added:\n%1$s")},
        {IDS_SOUNDS_SHORTENED,
         PLURAL_TEXTS(
             "This sound was longer than a minute, and only its first minute was kept:\n%1$s",
             "These sounds were longer than a minute, and only their first minute was "
             "kept:\n%1$s")},
        {IDS_NO_MICROPHONE, {wxTRANSLATE("There is no microphone to record from (%1$s).")}},
        {IDS_MICROPHONE_FAILED, {wxTRANSLATE("The microphone could not be opened (%1$s).")}},
        {IDS_WRITE_FAILED, {wxTRANSLATE("%1$s could not be written (%2$s).")}},
        {IDS_RECORDING_NAME, {wxTRANSLATE("Name of the new default sound:")}},
        {IDS_BAD_SOUND_NAME,
         {wxTRANSLATE(
             "A sound's name may not be empty, begin with a dot or hold any of / \\ : * ? \" < > "
             "|. Please type another name.")}},
        {IDS_RECORDED_SECONDS, PLURAL_TEXTS("%1$s of %2$s second", "%1$s of %2$s seconds")},
        {IDS_ADDING_FILES, {wxTRANSLATE("Adding Files")}},
        {IDS_ADDING_FILE, {wxTRANSLATE("Adding %1$s of %2$s:\n%3$s")}},
        {IDS_NOTHING_HEARD,
         {wxTRANSLATE(
             "Nothing was heard. Is the microphone switched on? Press Record to try again.")}},
        {IDS_SOUNDS_WITHOUT_PICTURE,
         PLURAL_TEXTS(
             "This sound has no picture of the same name in the group, and was not added:\n%1$s",
             "These sounds have no picture of the same name in the group, and were not "
             "added:\n%1$s")},
        {IDS_SHORTCUTS_DENIED,
         {wxTRANSLATE(
             "GNOME remembers that Plinkapad may not hold its keyboard shortcuts: Deny was "
             "chosen, or Escape pressed, when it asked. During the game the desktop still takes "
             "the Super (Windows) key, Alt+Tab, Alt+F4 and its other shortcuts, so your child "
             "could switch to other programs or close the game.\n\nTo give the lock back, press "
             "Allow the Keyboard Lock in Setup.\n\nPlay anyway?")}},
        {IDS_KEYBOARD_LOCK_NOTE,
         {wxTRANSLATE(
             "GNOME asks once whether Plinkapad may lock the keyboard, and keeps the answer.")}},
        {IDS_KEYBOARD_LOCK_ALLOWED,
         {wxTRANSLATE(
             "GNOME now lets Plinkapad lock the keyboard for every game, without asking.")}},
        {IDS_KEYBOARD_LOCK_FAILED,
         {wxTRANSLATE(
             "GNOME's answer could not be changed: its permission store did not take it (%1$s).")}},
        {AFX_IDP_PARSE_INT, {wxTRANSLATE("Please enter an integer.")}},
        {AFX_IDP_PARSE_INT_RANGE, {wxTRANSLATE("Please enter an integer between %1$s and %2$s.")}},
        {AFX_IDP_PARSE_STRING_SIZE, PLURAL_TEXTS("Please enter no more than %1$s character.",
                                                 "Please enter no more than %1$s characters.")},
    };
    const auto it = table.find(id);
    return it == table.end() ? nullptr : &it->second;
}

std::string Translated(const Text& text, std::size_t count) {
    const wxString translated =
        text.many != nullptr ? wxGetTranslation(text.one, text.many, static_cast<unsigned>(count))
                             : wxGetTranslation(text.one);
    return translated.utf8_string() + (text.fixed != nullptr ? text.fixed : "");
}
}  // namespace

std::string LoadString(int id) {
    return LoadString(id, 2);  // a text with forms for a count: its form for more than one
}

std::string LoadString(int id, std::size_t count) {
    const Text* text = FindText(id);
    return text != nullptr ? Translated(*text, count) : std::string();
}

std::string FormatText(const std::string& text, std::initializer_list<std::string> args) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // "%N$s" or "%N$d": the Nth value, wherever a language puts it.
        if (text[i] == '%' && i + 3 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9' &&
            text[i + 2] == '$' && (text[i + 3] == 's' || text[i + 3] == 'd')) {
            const std::size_t n = static_cast<std::size_t>(text[i + 1] - '1');
            if (n < args.size()) {
                out += args.begin()[n];
            }
            i += 3;
        } else if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == '%') {
            out += '%';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string FormatString(int id, const std::string& arg1, const std::string& arg2,
                         const std::string& arg3, const std::string& arg4) {
    return FormatText(LoadString(id), {arg1, arg2, arg3, arg4});
}

std::string FormatCountString(int id, std::size_t count, const std::string& arg1,
                              const std::string& arg2) {
    return FormatText(LoadString(id, count), {arg1, arg2});
}

std::string AppName() {
    return "Plinkapad";
}

std::string AppId() {
    return "io.github.plinkapad.Plinkapad";
}
