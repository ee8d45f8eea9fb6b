// Path helpers for the files the program writes.
#pragma once

#include "CString.h"

// The name made absolute against the current directory, "." and ".." resolved as text.
// A name that cannot be made absolute is returned as typed.
CString MakeFullPath(const CString& name);

// The file that writing to `path` really changes: symbolic links followed to their end,
// even when that end does not exist yet.
CString FollowLinks(const CString& path);
