// Resource numbers: dialogs, controls, strings, the icon and the cursor.
#pragma once

// Dialogs
constexpr int IDD_ABOUTBOX = 100;
constexpr int IDD_MAIN = 102;
constexpr int IDD_SETUP = 129;
constexpr int IDD_MANAGE_VOICE = 130;
constexpr int IDD_ADD_PICTERM = 132;
constexpr int IDD_MANAGE_PICTERM = 133;
constexpr int IDD_RECORD_SOUND = 134;

// Icon and cursor
constexpr int IDR_MAINFRAME = 128;
constexpr int IDC_HAND_CURSOR = 135;

// Welcome dialog controls
constexpr int IDC_START = 1000;
constexpr int IDC_SETUP = 1001;
constexpr int IDC_HELP_BUTTON = 1004;

// Setup dialog controls
constexpr int IDC_CLEAR_BACKGROUND = 1005;
constexpr int IDC_RANDOM_COLOR = 1006;
constexpr int IDC_KEY_DELAY = 1007;
constexpr int IDC_KEY_DELAY_EDIT = 1008;
constexpr int IDC_AUTO_DISPLAY = 1009;
constexpr int IDC_KEY_DELAY_SPIN = 1010;
constexpr int IDC_GROUP_LIST = 1011;
constexpr int IDC_TIME_LIMIT_EDIT = 1012;
constexpr int IDC_TIME_LIMIT_SPIN = 1013;
constexpr int IDC_COLOR_BUTTON = 1014;
constexpr int IDC_AUTO_DISPLAY_EDIT = 1015;
constexpr int IDC_STATUS = 1016;
constexpr int IDC_MANAGE_SOUNDS = 1017;
constexpr int IDC_MANAGE_GROUP = 1018;
constexpr int IDC_ADD_GROUP = 1019;
constexpr int IDC_DELETE_GROUP = 1020;
constexpr int IDC_AUTO_DISPLAY_SPIN = 1021;
constexpr int IDC_TIME_LIMIT = 1022;

// The Manage Default Sounds dialog.
constexpr int IDC_PLAY = 1000;
constexpr int IDC_STOP = 1001;
constexpr int IDC_ADD_SOUNDS = 1002;
constexpr int IDC_DELETE_SOUNDS = 1003;
constexpr int IDC_SOUND_LIST = 1018;
constexpr int IDC_RECORD_DEFAULT_SOUND = 1019;
// The Add and the Manage Picture Group dialogs.
constexpr int IDC_GROUP_NAME = 1020;
constexpr int IDC_GROUP_DESCRIPTION = 1021;
constexpr int IDC_GROUP_PATH = 1022;
// The Manage Picture Group dialog.
constexpr int IDC_TOTAL_PICTURES = 1024;
constexpr int IDC_CURRENT_SOUND = 1025;
constexpr int IDC_ADD_PICTURES = 1026;
constexpr int IDC_DELETE_PICTURE = 1027;
constexpr int IDC_PICTURE_LIST = 1028;
constexpr int IDC_PREVIEW = 1029;
constexpr int IDC_PLAY_SOUNDS = 1030;
constexpr int IDC_SPECIFY_SOUNDS = 1031;
constexpr int IDC_DELETE_PICTURE_SOUND = 1005;
constexpr int IDC_DISPLAY_GROUP = 1032;
constexpr int IDC_CUT_TO_DISPLAY = 1033;
constexpr int IDC_RECORD_SOUND = 1034;
// The Record Sound dialog.
constexpr int IDC_RECORD = 1035;
constexpr int IDC_RECORD_STOP = 1036;
constexpr int IDC_RECORD_PLAY = 1037;
constexpr int IDC_RECORD_KEEP = 1038;
constexpr int IDC_RECORD_LEVEL = 1039;
constexpr int IDC_RECORD_TIME = 1040;
// Setup, on a desktop that keeps its answer about holding its shortcuts.
constexpr int IDC_ALLOW_KEYBOARD_LOCK = 1041;
// About box controls
constexpr int IDC_LINK1 = 1045;
constexpr int IDC_LINK2 = 1046;

// System commands
constexpr int IDM_ABOUTBOX = 0x0010;

// Strings
constexpr int IDS_ABOUTBOX = 101;
constexpr int IDS_FILE_NAME = 102;
constexpr int IDS_PICTURE_FILE_NAME = 103;
constexpr int IDS_PICTURE_FILE_SIZE = 104;
constexpr int IDS_CUT_TO_BE_DISPLAYED = 105;
constexpr int IDS_YES = 106;
constexpr int IDS_NO = 107;
constexpr int IDS_ENTER_GROUP_NAME = 108;
constexpr int IDS_CREATE_WINDOW_FAILED = 109;
constexpr int IDS_HAVE_A_REST = 110;
constexpr int IDS_INFORMATION = 111;
constexpr int IDS_ERROR = 112;
constexpr int IDS_BITMAP_FILTER = 113;
constexpr int IDS_PICTURE_EXISTS = 114;
constexpr int IDS_DELETE_PICTURE_AND_SOUND = 115;
constexpr int IDS_WARNING = 116;
constexpr int IDS_DELETE_PICTURE = 117;
constexpr int IDS_OVERWRITE_SOUND = 118;
constexpr int IDS_WAVE_FILTER = 119;
constexpr int IDS_DELETE_SOUND = 120;
constexpr int IDS_CANCEL_CUTTING = 121;
constexpr int IDS_CUT_TO_DISPLAY = 122;
constexpr int IDS_SOUND_EXISTS = 123;
constexpr int IDS_DELETE_SOUNDS = 124;
constexpr int IDS_QUIT_HINT = 125;
constexpr int IDS_DELETE_GROUP = 126;
constexpr int IDS_NO_GROUP = 127;
constexpr int IDS_FILE_SIZE = 131;
constexpr int IDS_SELECT_GROUP = 133;
// Our own, after the design's strings.
constexpr int IDS_LOCK_FAILED = 134;
constexpr int IDS_CREATE_GROUP_FAILED = 135;
constexpr int IDS_GROUP_FILE_FAILED = 136;
constexpr int IDS_SAVE_GROUP_FAILED = 137;
constexpr int IDS_COPY_FAILED = 138;
constexpr int IDS_DELETE_FAILED = 139;
constexpr int IDS_SAVE_MARK_FAILED = 140;
constexpr int IDS_OUTSIDE_LIBRARY = 141;
constexpr int IDS_SHORTCUTS_NOT_OFFERED = 142;
constexpr int IDS_SHORTCUTS_NOT_GRANTED = 143;
constexpr int IDS_ALL_PICTURES_FILTER = 144;
constexpr int IDS_NOT_PICTURES = 145;
constexpr int IDS_ALL_SOUNDS_FILTER = 146;
constexpr int IDS_NOT_SOUNDS = 147;
constexpr int IDS_SOUNDS_SHORTENED = 148;
constexpr int IDS_NO_MICROPHONE = 149;
constexpr int IDS_MICROPHONE_FAILED = 150;
constexpr int IDS_WRITE_FAILED = 151;
constexpr int IDS_RECORDING_NAME = 152;
constexpr int IDS_BAD_SOUND_NAME = 153;
constexpr int IDS_RECORDED_SECONDS = 154;
constexpr int IDS_ADDING_FILES = 155;
constexpr int IDS_ADDING_FILE = 156;
constexpr int IDS_PICTURES_AND_SOUNDS_FILTER = 157;
constexpr int IDS_NOTHING_HEARD = 158;
constexpr int IDS_SOUNDS_WITHOUT_PICTURE = 159;
constexpr int IDS_SHORTCUTS_DENIED = 160;
constexpr int IDS_KEYBOARD_LOCK_NOTE = 161;
constexpr int IDS_KEYBOARD_LOCK_ALLOWED = 162;
constexpr int IDS_KEYBOARD_LOCK_FAILED = 163;

// The framework's own messages of the data exchange
constexpr int AFX_IDP_PARSE_INT = 0xF110;
constexpr int AFX_IDP_PARSE_INT_RANGE = 0xF111;
constexpr int AFX_IDP_PARSE_STRING_SIZE = 0xF113;
