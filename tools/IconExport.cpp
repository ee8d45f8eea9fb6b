// Writes the program icon as PNG files for the desktop's icon theme, at the sizes given.
// Usage: icon_export FOLDER SIZE...   (writes FOLDER/SIZExSIZE/apps/cwreadme.png)
#include "ResourceIds.h"
#include "Resources.h"

#include <QDir>
#include <QImage>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s FOLDER SIZE...\n", argv[0]);
        return 2;
    }
    const QImage small(FindIconXpm(IDR_MAINFRAME, 16));
    const QImage large(FindIconXpm(IDR_MAINFRAME, 32));
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        // The small image is drawn for its size; larger sizes grow from the 32-pixel image,
        // in whole steps of pixels where they can, to keep its edges crisp.
        const QImage& source = size <= 16 ? small : large;
        const Qt::TransformationMode mode =
            size % source.width() == 0 ? Qt::FastTransformation : Qt::SmoothTransformation;
        const QImage icon = source.scaled(size, size, Qt::KeepAspectRatio, mode);
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(argv[1]).arg(size);
        if (!QDir().mkpath(folder) || !icon.save(folder + "/cwreadme.png")) {
            std::fprintf(stderr, "could not write the %d-pixel icon into %s\n", size, argv[1]);
            return 1;
        }
    }
    return 0;
}
