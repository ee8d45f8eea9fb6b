// Every dialog and wizard page of the program, control by control, in dialog units.
#include "DialogTemplate.h"
#include "ResourceIds.h"

#include <iterator>

// The tables stay aligned like the templates they come from.
// clang-format off
namespace {

using K = ControlKind;

constexpr char kFont[] = "MS Sans Serif";
constexpr int kFontPoints = 8;
constexpr char kToolCaption[] = "Cairnwright Readme Tool";

constexpr unsigned kLineEdit = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr unsigned kTextBox = ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL | WS_BORDER | WS_TABSTOP;
constexpr unsigned kCheckBox = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr unsigned kButton = WS_TABSTOP;
constexpr unsigned kDialog = DS_MODALFRAME | WS_CAPTION | WS_SYSMENU;
constexpr unsigned kPage = WS_CHILD | WS_CAPTION;

// Main dialog, 102.
constexpr ControlTemplate kMainDialog[] = {
    // kind          id            x    y    cx   cy   text                                            style
    {K::GroupBox,   IDC_STATIC,   7,   7,  262,  62, "Thanks for using the Cairnwright Readme Tool!", 0},
    {K::StaticText, IDC_STATIC,  15,  20,  245,  29, "This program is built to help level authors document their level in a standard text file. If you don't know the answer or don't have an appropriate one for any given question, just leave the field blank or type 'None.' ", 0},
    {K::StaticText, IDC_STATIC,  15,  53,  146,   8, "Thanks for using the CairnW Readme Generator.", 0},
    {K::PushButton, IDC_BEGIN,   40,  80,   50,  14, "Begin", kButton},
    {K::PushButton, IDCANCEL,   185,  80,   50,  14, "Close", kButton},
    {K::PushButton, IDC_ABOUT,  113,  80,   50,  14, "About...", kButton},
};

// About box, 100.
constexpr ControlTemplate kAboutBox[] = {
    // kind             id          x    y    cx   cy   text                                               style          icon
    {K::Icon,          IDC_STATIC, 10,  15,   21,  20, nullptr,                                            0,             IDR_MAINFRAME},
    {K::StaticText,    IDC_STATIC, 40,  10,  119,  18, "Cairnwright Readme Generator Utility Version 1.0",  SS_NOPREFIX},
    {K::StaticText,    IDC_STATIC, 39,  30,  167,   8, "Copyright (C) 2026 the cwreadme project",          0},
    {K::DefPushButton, IDOK,      178,   7,   50,  14, "OK",                                               kButton},
    {K::StaticText,    IDC_STATIC, 45,  47,  145,  16, "cwreadme@example.org\nhttps://www.example.org/cwreadme", SS_NOPREFIX},
};

// Wizard page 1, general information, 111.
constexpr ControlTemplate kGeneralInfo[] = {
    // kind          id               x    y    cx   cy   text                    style
    {K::GroupBox,   IDC_STATIC,       7,   7,  225, 121, "General Info",          0},
    {K::StaticText, IDC_STATIC,      14,  19,   16,   8, "Title:",                0},
    {K::StaticText, IDC_STATIC,      14,  49,   46,   8, "Release Date:",         0},
    {K::StaticText, IDC_STATIC,      14,  64,   31,   8, "Filename:",             0},
    {K::StaticText, IDC_STATIC,      14,  34,   24,   8, "Author:",               0},
    {K::StaticText, IDC_STATIC,      14,  79,   48,   8, "Contact E-mail:",       0},
    {K::StaticText, IDC_STATIC,      14,  94,   35,   8, "Web URL:",              0},
    {K::StaticText, IDC_STATIC,      14, 109,   72,   8, "Other Maps by Author:", 0},
    {K::Edit,       IDC_TITLE,       98,  19,  121,  12, nullptr,                 kLineEdit},
    {K::Edit,       IDC_AUTHOR,      98,  34,  121,  12, nullptr,                 kLineEdit},
    {K::Edit,       IDC_RELEASEDATE, 98,  49,  121,  12, nullptr,                 kLineEdit},
    {K::Edit,       IDC_FILENAME,    98,  64,  121,  12, nullptr,                 kLineEdit},
    {K::Edit,       IDC_EMAIL,       98,  79,  121,  12, nullptr,                 kLineEdit},
    {K::Edit,       IDC_WEBURL,      98,  94,  121,  12, nullptr,                 kLineEdit},
    {K::Edit,       IDC_OTHERMAPS,   98, 109,  121,  12, nullptr,                 kLineEdit},
};

// Wizard page 2, play information, 107.
constexpr ControlTemplate kPlayInfo[] = {
    // kind          id                x    y    cx   cy   text                                         style
    {K::GroupBox,   IDC_STATIC,        7,   7,  225,  47, "Play Information",                           0},
    {K::StaticText, IDC_STATIC,       14,  19,   40,   8, "Game Type:",                                 0},
    {K::StaticText, IDC_STATIC,       14,  34,   41,   8, "Level Name:",                                0},
    {K::Edit,       IDC_LEVELNAME,    98,  34,  121,  12, nullptr,                                      kLineEdit},
    {K::ComboBox,   IDC_GAMETYPE,     98,  19,  121, 109, nullptr,                                      CBS_DROPDOWN | CBS_SORT | WS_VSCROLL | WS_TABSTOP},
    {K::GroupBox,   IDC_STATIC,        7,  59,  225,  69, "Please check any game options that apply.", 0},
    {K::CheckBox,   IDC_SINGLEPLAYER, 13,  73,   57,  10, "Single Player",                              kCheckBox},
    {K::CheckBox,   IDC_COOPERATIVE, 153,  73,   54,  10, "Cooperative",                                kCheckBox},
    {K::CheckBox,   IDC_DEATHMATCH,   84,  73,   55,  10, "Deathmatch",                                 kCheckBox},
    {K::CheckBox,   IDC_DARKMATCH,    84,  89,   53,  10, "Dark Match",                                 kCheckBox},
    {K::CheckBox,   IDC_BOTS,         13,  89,   65,  10, "Bots Supported",                             kCheckBox},
    {K::CheckBox,   IDC_DIFFICULTY,  153,  90,   70,  10, "Difficulty Settings",                        kCheckBox},
    {K::CheckBox,   IDC_NEWGRAPHICS,  13, 105,   92,  10, "New Graphics / Sounds",                      kCheckBox},
    {K::Edit,       IDC_NEWFILES,    108, 105,   65,  12, nullptr,                                      kLineEdit},
    {K::StaticText, IDC_STATIC,      177, 107,   36,   8, "Filename(s)",                                0},
};

// The game types offered by page 2, in the order they are added; the control sorts them.
constexpr const char* kGameTypes[] = {
    "Vexmoor: SinglePlayer", "Vexmoor: Deathmatch", "Vexmoor: Skyrend Game", "VMA: Assault",
    "VMA: Capture The Flag", "VMA: Deathmatch",     "VMA: Domination",       "",
};

// Wizard page 3, installation, 106.
constexpr ControlTemplate kInstallInfo[] = {
    // kind        id             x    y    cx   cy   text                             style
    {K::GroupBox, IDC_STATIC,     7,   7,  225, 121, "Instructions for Installation", 0},
    {K::Edit,     IDC_INSTALL,   13,  20,  212, 101, nullptr,                          kTextBox},
};

// Wizard page 4, construction, 105.
constexpr ControlTemplate kConstruction[] = {
    // kind          id            x    y    cx   cy   text                        style
    {K::GroupBox,   IDC_STATIC,    7,   7,  225,  62, "Construction Information", 0},
    {K::StaticText, IDC_STATIC,   14,  19,   46,   8, "Editor(s) used:",          0},
    {K::StaticText, IDC_STATIC,   14,  49,   57,   8, "Construction time:",       0},
    {K::StaticText, IDC_STATIC,   14,  34,   38,   8, "Level base:",              0},
    {K::Edit,       IDC_EDITORS,  98,  19,  121,  12, nullptr,                     kLineEdit},
    {K::Edit,       IDC_BASE,     98,  34,  121,  12, nullptr,                     kLineEdit},
    {K::Edit,       IDC_CONSTIME, 98,  49,  121,  12, nullptr,                     kLineEdit},
};

// Wizard page 5, notes, 108.
constexpr ControlTemplate kNotes[] = {
    // kind        id           x    y    cx   cy   text                        style
    {K::GroupBox, IDC_STATIC,   7,   7,  225,  61, "Description / Map Notes", 0},
    {K::Edit,     IDC_NOTES,   17,  20,  204,  40, nullptr,                    kTextBox},
    {K::GroupBox, IDC_STATIC,   7,  71,  225,  57, "Known bugs",              0},
    {K::Edit,     IDC_BUGS,    17,  83,  204,  37, nullptr,                    kTextBox},
};

// Wizard page 6, copyright, 110.
constexpr ControlTemplate kCopyright[] = {
    // kind        id                 x    y    cx   cy   text                             style
    {K::GroupBox, IDC_STATIC,         7,   7,  225, 121, "Copyright Information",         0},
    {K::CheckBox, IDC_STDCOPYRIGHT,  14,  20,  113,  10, "Use Standard Copyright Notice", kCheckBox},
    {K::Edit,     IDC_COPYRIGHT,     13,  34,  212,  87, nullptr,                          kTextBox},
};

template <std::size_t N>
constexpr DialogTemplate Dialog(int id, int cx, int cy, const char* caption, unsigned style,
                                const ControlTemplate (&controls)[N])
{
    return {id, cx, cy, caption, kFont, kFontPoints, style, controls, N};
}

template <std::size_t N> constexpr DialogTemplate Page(int id, const ControlTemplate (&controls)[N])
{
    return Dialog(id, 239, 135, kToolCaption, kPage, controls);
}

const DialogTemplate kTemplates[] = {
    Dialog(IDD_ABOUTBOX, 235, 73, "About cwreadme", kDialog, kAboutBox),
    Dialog(IDD_CWREADME_DIALOG, 276, 106, kToolCaption, kDialog | WS_VISIBLE | WS_EX_APPWINDOW,
           kMainDialog),
    Page(IDD_CONSTRUCT, kConstruction),
    Page(IDD_INSTALL, kInstallInfo),
    [] {
        DialogTemplate page = Page(IDD_PLAYINFO, kPlayInfo);
        page.comboId = IDC_GAMETYPE;
        page.comboEntries = kGameTypes;
        page.comboEntryCount = std::size(kGameTypes);
        return page;
    }(),
    Page(IDD_NOTES, kNotes),
    Page(IDD_COPYRIGHT, kCopyright),
    Page(IDD_GENINFO, kGeneralInfo),
};

} // namespace
// clang-format on

const DialogTemplate* FindDialogTemplate(int id)
{
    for (const DialogTemplate& dialog : kTemplates)
        if (dialog.id == id)
            return &dialog;
    return nullptr;
}
