// Records shared by the readme tests.
#pragma once

#include "ReadmeRecord.h"

// Every field set, with the texts that trip a careless writer: typed CR LF line breaks, the
// standard notice's bare line feeds, "<", "&" and quotes.
inline ReadmeRecord FullRecord()
{
    ReadmeRecord r;
    r.title = "Tom & Jerry \"II\" <Castle>";
    r.author = "A. Builder";
    r.releaseDate = "11 December 2026";
    r.fileName = "castle.vxm";
    r.email = "builder+maps@example.org";
    r.webUrl = "example.org/levels?id=7&x=\"y\"";
    r.otherMaps = "Keep <b>One</b> & Two";
    r.gameType = "VMA: Capture The Flag";
    r.levelName = "CTF-Castle";
    r.singlePlayer = "No";
    r.deathmatch = "Yes";
    r.cooperative = "No";
    r.botsSupported = "Yes";
    r.darkMatch = "No";
    r.difficultySettings = "Yes";
    r.newGraphicsSounds = "castle.utx, castle.uax";
    r.installInstructions = "Unzip into the Maps folder.\r\nStart the game.";
    r.editorsUsed = "Cairnwright";
    r.levelBase = "Not Specified";
    r.constructionTime = "3 weeks";
    r.mapNotes = "A castle on a hill.\r\n\r\nTwo bases & a moat.";
    r.knownBugs = "The moat leaks <sometimes>.";
    r.copyright = "This level is copyright 2000 by the author of this map.\n\n<br><br>Authors may "
                  "use this level as a base to build additional levels.\n\n<br><br>You MAY "
                  "distribute this level, provided you include this file.";
    return r;
}
