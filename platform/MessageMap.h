// Message maps: per window class, a table of (notification, control id, member handler).
#pragma once

#include "WinDefs.h"

#include <vector>

template <class T> struct MessageEntry {
    Notification code;
    int id;
    void (T::*handler)();
};

template <class T> using MessageMap = std::vector<MessageEntry<T>>;
