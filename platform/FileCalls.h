// The system calls that put a file's bytes on disk, gathered so that tests can make each one fail.
#pragma once

#include <cstddef>
#include <sys/types.h>

struct FileCalls {
    ssize_t (*write)(int fd, const void* data, size_t size);
    int (*fsync)(int fd);
    int (*close)(int fd);
    int (*rename)(const char* from, const char* to);
};

// The calls in use; tests swap entries and put the defaults back.
FileCalls& ActiveFileCalls();
FileCalls DefaultFileCalls();
