// Dialog units: positions and sizes that scale with the dialog's font.
#pragma once

#include <QFont>
#include <QRect>

struct DialogTemplate;

struct BaseUnits {
    int x; // average width of the letters A-Z and a-z, in pixels
    int y; // font height, in pixels
};

BaseUnits MeasureBaseUnits(const QFont& font);

// x pixels = x * base.x / 4, y pixels = y * base.y / 8, rounded to the nearest pixel.
QRect MapDialogRect(int x, int y, int cx, int cy, BaseUnits base);

// The template's font; a face this system lacks falls back to its sans-serif at the same size.
QFont DialogFont(const DialogTemplate& dialog);
