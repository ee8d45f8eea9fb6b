// Where the readme goes and how its bytes reach the disk.
#pragma once

#include "ReadmeRecord.h"

// True when the file-name part of the level file name (after the last "/") holds ".vxm", the
// part the readme name replaces, so that the readme can never be the level file itself.
bool HasLevelExtension(const CString& levelFileName);

// The level file name with every ".vxm" in its last component turned into ".htm"; the folders
// before it stay as typed.
CString MakeReadmeFileName(const CString& levelFileName);

// Writes the readme for `record` beside its level file, replacing an older one only once the new
// one is complete, and returns its full path. Throws CFileException on any failure.
CString CreateReadmeFile(const ReadmeRecord& record);
