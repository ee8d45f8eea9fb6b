// A multi-line edit box that keeps the user's line breaks apart from the program's.
#pragma once

#include "CString.h"

#include <QPlainTextEdit>

// Long lines wrap at the edge, Enter starts a new line and Tab moves on. A line break the user
// types reads back as CR LF; a bare LF that the program put in is kept as a line separator
// inside its paragraph and reads back as a bare LF.
class MultiLineEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit MultiLineEdit(QWidget* parent);

    CString text() const;
    void setText(const CString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
