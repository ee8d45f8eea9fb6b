#include "Resources.h"

#include "ResourceIds.h"
#include "icon16.xpm"
#include "icon32.xpm"

#include <cstddef>

namespace {

struct HelpText {
    unsigned context;
    const char* text;
};

constexpr unsigned Context(int dialogId)
{
    return kHelpContextBase + static_cast<unsigned>(dialogId);
}

const HelpText kHelpTexts[] = {
    {Context(IDD_CWREADME_DIALOG),
     "Begin starts the wizard that asks for your level's details and writes its readme.\n"
     "About... shows the program's version.\n"
     "Close ends the program."},
    {Context(IDD_ABOUTBOX), "Shows the program's version. OK closes it."},
    {Context(IDD_GENINFO),
     "General information: the level's title, author, release date, file name, your e-mail, "
     "your web address and your other maps.\n"
     "All seven fields are required: type None where you have no answer.\n"
     "The file name must contain .vxm. The readme is written beside the level, as .htm."},
    {Context(IDD_PLAYINFO),
     "Play information: pick or type the game type, give the level's name and tick the game "
     "options that apply.\n"
     "A blank game type or level name becomes \"Not Specified\".\n"
     "The names of new graphics or sound files reach the readme only when their box is ticked."},
    {Context(IDD_INSTALL), "Installation: how to install the level.\n"
                           "You may leave it blank; you will be asked to confirm."},
    {Context(IDD_CONSTRUCT),
     "Construction: the editors used, the level it was based on and how long it took.\n"
     "Blank editors become \"Cairnwright\"; a blank base or time becomes \"Not Specified\"."},
    {Context(IDD_NOTES), "Notes: a description of the level and its known bugs.\n"
                         "You may leave them blank; you will be asked to confirm."},
    {Context(IDD_COPYRIGHT),
     "Copyright: the terms on which others may use the level.\n"
     "Tick Use Standard Copyright Notice for a ready-made text; clear it to get your own text "
     "back.\n"
     "You may leave it blank; you will be asked to confirm. Finish writes the readme."},
};

} // namespace

const char* FindString(int id)
{
    return id == IDS_ABOUTBOX ? "&About cwreadme..." : nullptr;
}

const char* FindHelpText(unsigned context)
{
    for (const HelpText& help : kHelpTexts)
        if (help.context == context)
            return help.text;
    return nullptr;
}

const char* const* FindIconXpm(int iconId, int size)
{
    if (iconId != IDR_MAINFRAME)
        return nullptr;
    return size == 16 ? kIcon16 : kIcon32;
}
