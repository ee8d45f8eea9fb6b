// What an HICON stands for inside the layer.
#pragma once

#include "Icon.h"

#include <QIcon>

struct IconHandle {
    QIcon icon;
};
