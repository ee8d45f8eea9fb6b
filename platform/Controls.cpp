#include "Controls.h"

#include "CString.h"
#include "DialogTemplate.h"
#include "MultiLineEdit.h"
#include "Resources.h"
#include "Wnd.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace {

constexpr int kIconSize = 32;
constexpr int kEditHeight = 12; // dialog units: a combo box shows its edit field at this height

QString Text(const char* text)
{
    return text ? QString::fromUtf8(text) : QString();
}

QLabel* CreateStatic(QWidget* window, const ControlTemplate& control)
{
    auto* label = new QLabel(Text(control.text), window);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLabel* CreateIcon(QWidget* window, const ControlTemplate& control)
{
    auto* label = new QLabel(window);
    label->setPixmap(LoadIconResource(control.iconId).pixmap(kIconSize, kIconSize));
    return label;
}

QPushButton* CreateButton(QWidget* window, const ControlTemplate& control)
{
    auto* button = new QPushButton(Text(control.text), window);
    button->setAutoDefault(true);
    button->setDefault(control.kind == ControlKind::DefPushButton);
    return button;
}

QWidget* CreateEdit(QWidget* window, const ControlTemplate& control)
{
    if (control.style & ES_MULTILINE)
        return new MultiLineEdit(window);
    return new QLineEdit(window);
}

// The list sorts without regard to case; typed text is never added to it nor completed.
QComboBox* CreateCombo(QWidget* window, const DialogTemplate& dialog,
                       const ControlTemplate& control)
{
    auto* combo = new QComboBox(window);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    if (dialog.comboId == control.id) {
        std::vector<QString> entries;
        for (std::size_t i = 0; i < dialog.comboEntryCount; ++i)
            entries.push_back(QString::fromUtf8(dialog.comboEntries[i]));
        if (control.style & CBS_SORT)
            std::stable_sort(entries.begin(), entries.end(),
                             [](const QString& a, const QString& b) {
                                 return QString::compare(a, b, Qt::CaseInsensitive) < 0;
                             });
        for (const QString& entry : entries)
            combo->addItem(entry);
    }
    combo->setCurrentIndex(-1);
    return combo;
}

QWidget* CreateControl(QWidget* window, const DialogTemplate& dialog,
                       const ControlTemplate& control)
{
    switch (control.kind) {
    case ControlKind::GroupBox: return new QGroupBox(Text(control.text), window);
    case ControlKind::StaticText: return CreateStatic(window, control);
    case ControlKind::Icon: return CreateIcon(window, control);
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: return CreateButton(window, control);
    case ControlKind::Edit: return CreateEdit(window, control);
    case ControlKind::CheckBox: return new QCheckBox(Text(control.text), window);
    case ControlKind::ComboBox: return CreateCombo(window, dialog, control);
    }
    return nullptr;
}

QRect Geometry(const ControlTemplate& control, BaseUnits base)
{
    switch (control.kind) {
    case ControlKind::Icon: {
        const QRect at = MapDialogRect(control.x, control.y, 0, 0, base);
        return {at.topLeft(), QSize(kIconSize, kIconSize)};
    }
    case ControlKind::ComboBox:
        return MapDialogRect(control.x, control.y, control.cx, kEditHeight, base);
    default: return MapDialogRect(control.x, control.y, control.cx, control.cy, base);
    }
}

// A one-line label keeps its whole text on its line: this system's font may be wider than the
// one the template was laid out for, and a wrapped second line would be cut off.
void FitOneLineLabel(QWidget* widget)
{
    auto* label = static_cast<QLabel*>(widget);
    if (label->text().contains('\n'))
        return;
    if (label->height() >= 2 * label->fontMetrics().height())
        return;
    label->setWordWrap(false);
    label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
}

bool OnSameRow(const ControlTemplate& label, const ControlTemplate& control)
{
    const int rowHeight = control.kind == ControlKind::ComboBox ? kEditHeight : control.cy;
    return label.y + label.cy > control.y && label.y < control.y + rowHeight;
}

bool Encloses(const ControlTemplate& group, const ControlTemplate& control)
{
    return control.x >= group.x && control.y >= group.y &&
           control.x + control.cx <= group.x + group.cx &&
           control.y + control.cy <= group.y + group.cy;
}

// What assistive tools call a text box: the label on its row, to its left if there is one,
// else to its right; failing both, the group box around it.
QString LabelOf(const DialogTemplate& dialog, const ControlTemplate& control)
{
    const ControlTemplate* left = nullptr;
    const ControlTemplate* right = nullptr;
    const ControlTemplate* group = nullptr;
    for (const ControlTemplate& other : dialog) {
        if (other.kind == ControlKind::StaticText && OnSameRow(other, control)) {
            if (other.x < control.x && (!left || other.x > left->x))
                left = &other;
            if (other.x > control.x && (!right || other.x < right->x))
                right = &other;
        } else if (other.kind == ControlKind::GroupBox && Encloses(other, control)) {
            group = &other;
        }
    }
    const ControlTemplate* label = left ? left : right ? right : group;
    if (!label)
        return {};
    QString text = Text(label->text).remove('&');
    if (text.endsWith(':'))
        text.chop(1);
    return text;
}

} // namespace

std::map<int, QWidget*> CreateControls(QWidget* window, const DialogTemplate& dialog,
                                       BaseUnits base)
{
    std::map<int, QWidget*> controls;
    QWidget* previousTabStop = nullptr;
    for (const ControlTemplate& control : dialog) {
        QWidget* widget = CreateControl(window, dialog, control);
        widget->setGeometry(Geometry(control, base));
        if (control.kind == ControlKind::StaticText)
            FitOneLineLabel(widget);
        if (control.kind == ControlKind::Edit || control.kind == ControlKind::ComboBox)
            widget->setAccessibleName(LabelOf(dialog, control));
        if (control.id != IDC_STATIC)
            controls[control.id] = widget;
        if (control.style & WS_TABSTOP) {
            if (previousTabStop)
                QWidget::setTabOrder(previousTabStop, widget);
            previousTabStop = widget;
        } else if (widget->focusPolicy() != Qt::NoFocus) {
            widget->setFocusPolicy(Qt::ClickFocus);
        }
    }
    return controls;
}

void SetDialogFrame(QWidget* dialog)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

QWidget* OwnerWindow(CWnd* parent)
{
    if (parent && parent->GetSafeHwnd())
        return parent->GetSafeHwnd()->window();
    return QApplication::activeModalWidget();
}

QIcon LoadIconResource(int iconId)
{
    QIcon icon;
    for (const int size : {32, 16})
        if (const char* const* xpm = FindIconXpm(iconId, size))
            icon.addPixmap(QPixmap(xpm));
    return icon;
}
