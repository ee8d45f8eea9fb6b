// Where the readme goes and how its bytes reach the disk.
#pragma once

#include "ReadmeRecord.h"

// The level file name with every ".vxm" in its last component turned into ".htm"; the folders
// before it stay as typed.
CString MakeReadmeFileName(const CString& levelFileName);

// Writes the readme for `record` beside its level file, replacing an older one only once the new
// one is complete, and returns its full path. Throws CFileException on any failure.
CString CreateReadmeFile(const ReadmeRecord& record);
