// The numbers by which dialogs, strings, icons and controls are known.
#pragma once

enum DialogId : int {
    IDD_ABOUTBOX = 100,
    IDD_CWREADME_DIALOG = 102,
    IDD_CONSTRUCT = 105,
    IDD_INSTALL = 106,
    IDD_PLAYINFO = 107,
    IDD_NOTES = 108,
    IDD_COPYRIGHT = 110,
    IDD_GENINFO = 111,
};

enum StringId : int {
    IDS_ABOUTBOX = 101,
};

enum IconId : int {
    IDR_MAINFRAME = 128,
};

// Control ids; several pages reuse a number for different controls.
enum ControlId : int {
    IDC_TITLE = 1003,
    IDC_AUTHOR = 1004,
    IDC_RELEASEDATE = 1005,
    IDC_FILENAME = 1006,
    IDC_EMAIL = 1007,
    IDC_WEBURL = 1008,
    IDC_OTHERMAPS = 1009,

    IDC_GAMETYPE = 1005,
    IDC_SINGLEPLAYER = 1006,
    IDC_COOPERATIVE = 1007,
    IDC_DEATHMATCH = 1008,
    IDC_DARKMATCH = 1009,
    IDC_BOTS = 1010,
    IDC_DIFFICULTY = 1011,
    IDC_NEWGRAPHICS = 1014,
    IDC_NEWFILES = 1015,
    IDC_LEVELNAME = 1028,

    IDC_BUGS = 1016,
    IDC_COPYRIGHT = 1017,
    IDC_STDCOPYRIGHT = 1018,
    IDC_BEGIN = 1020,
    IDC_ABOUT = 1022,
    IDC_EDITORS = 1023,
    IDC_BASE = 1024,
    IDC_CONSTIME = 1025,
    IDC_INSTALL = 1026,
    IDC_NOTES = 1027,
};
