// Dialog templates as data: each control's kind, id, position, size, text and style in dialog
// units, in template order, which is also the tab order.
#pragma once

#include <cstddef>

enum class ControlKind {
    GroupBox,
    StaticText,
    Icon,
    PushButton,
    DefPushButton,
    Edit,
    CheckBox,
    ComboBox,
};

// Control styles, named as in the templates they come from.
enum ControlStyle : unsigned {
    WS_TABSTOP = 1u << 0,
    WS_BORDER = 1u << 1,
    WS_VSCROLL = 1u << 2,
    ES_AUTOHSCROLL = 1u << 3,
    ES_MULTILINE = 1u << 4,
    ES_WANTRETURN = 1u << 5,
    BS_AUTOCHECKBOX = 1u << 6,
    CBS_DROPDOWN = 1u << 7,
    CBS_SORT = 1u << 8,
    SS_NOPREFIX = 1u << 9,
};

// Dialog styles.
enum DialogStyle : unsigned {
    DS_MODALFRAME = 1u << 0,
    WS_CAPTION = 1u << 1,
    WS_SYSMENU = 1u << 2,
    WS_VISIBLE = 1u << 3,
    WS_CHILD = 1u << 4, // a property page: shown inside its sheet
    WS_EX_APPWINDOW = 1u << 5,
};

// The ids every dialog shares.
constexpr int IDC_STATIC = -1;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

struct ControlTemplate {
    ControlKind kind;
    int id;
    int x, y, cx, cy;
    const char* text;
    unsigned style;
    int iconId = 0; // the icon an Icon control shows
};

struct DialogTemplate {
    int id;
    int cx, cy;
    const char* caption;
    const char* fontName;
    int fontPoints;
    unsigned style;
    const ControlTemplate* controls;
    std::size_t controlCount;
    // Initial list entries of one combo box, in the order they are added to it.
    int comboId = 0;
    const char* const* comboEntries = nullptr;
    std::size_t comboEntryCount = 0;

    const ControlTemplate* begin() const { return controls; }
    const ControlTemplate* end() const { return controls + controlCount; }
};

// The template with this id; nullptr when there is none.
const DialogTemplate* FindDialogTemplate(int id);
