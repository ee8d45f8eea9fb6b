#include "FileCalls.h"

#include <cstdio>
#include <unistd.h>

FileCalls DefaultFileCalls()
{
    return {::write, ::fsync, ::close, ::rename};
}

FileCalls& ActiveFileCalls()
{
    static FileCalls calls = DefaultFileCalls();
    return calls;
}
