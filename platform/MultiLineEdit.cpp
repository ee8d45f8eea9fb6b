#include "MultiLineEdit.h"

#include <QKeyEvent>
#include <QTextBlock>

MultiLineEdit::MultiLineEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

CString MultiLineEdit::text() const
{
    QString text;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block != document()->begin())
            text += QLatin1String("\r\n");
        text += block.text();
    }
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text.toStdString();
}

void MultiLineEdit::setText(const CString& text)
{
    QString shown = QString::fromStdString(text);
    shown.replace(QLatin1String("\r\n"), QString(QChar::ParagraphSeparator));
    shown.replace(QLatin1Char('\n'), QChar::LineSeparator);
    setPlainText(shown);
}

void MultiLineEdit::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & Qt::ShiftModifier)) {
        textCursor().insertBlock(); // Shift+Enter is a line break the user typed, like Enter
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}
