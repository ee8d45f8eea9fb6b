// The values of one readme, all as text, and the two rules that turn page values into text.
#pragma once

#include "CString.h"

struct ReadmeRecord {
    CString title;
    CString author;
    CString releaseDate;
    CString fileName;
    CString email;
    CString webUrl;
    CString otherMaps;
    CString gameType;
    CString levelName;
    CString singlePlayer;
    CString deathmatch;
    CString cooperative;
    CString botsSupported;
    CString darkMatch;
    CString difficultySettings;
    CString newGraphicsSounds;
    CString installInstructions;
    CString editorsUsed;
    CString levelBase;
    CString constructionTime;
    CString mapNotes;
    CString knownBugs;
    CString copyright;
};

// "Yes" only for a check box that reports exactly 1 (checked); "No" otherwise.
CString YesNoText(int checkValue);

// The new graphics/sounds cell: the file names, but only when their box is checked.
CString NewGraphicsText(int newGraphicsChecked, const CString& newFiles);
