#include "DialogUnits.h"

#include "DialogTemplate.h"

#include <QFontMetrics>

namespace {

int MulDiv(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

} // namespace

BaseUnits MeasureBaseUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, metrics.height()};
}

QRect MapDialogRect(int x, int y, int cx, int cy, BaseUnits base)
{
    return {MulDiv(x, base.x, 4), MulDiv(y, base.y, 8), MulDiv(cx, base.x, 4),
            MulDiv(cy, base.y, 8)};
}

QFont DialogFont(const DialogTemplate& dialog)
{
    QFont font(QString::fromUtf8(dialog.fontName), dialog.fontPoints);
    font.setStyleHint(QFont::SansSerif);
    return font;
}
