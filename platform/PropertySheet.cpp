#include "PropertySheet.h"

#include "Controls.h"
#include "DialogTemplate.h"
#include "DialogUnits.h"
#include "Help.h"
#include "PropertyPage.h"

#include <QDialog>
#include <QFrame>
#include <QPushButton>
#include <QStackedWidget>

#include <stdexcept>

namespace {

// Layout of the sheet around its pages, in dialog units.
constexpr int kPageWidth = 239;
constexpr int kPageHeight = 135;
constexpr int kMargin = 7;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kLineY = kPageHeight + 2;
constexpr int kButtonY = kLineY + 6;
constexpr int kSheetHeight = kButtonY + kButtonHeight + kMargin;

// The sheet's window: hands Escape and the close box to Cancel.
class SheetDialog : public QDialog {
public:
    SheetDialog(QWidget* parent, std::function<void()> cancel)
        : QDialog(parent), m_cancel(std::move(cancel))
    {
        SetDialogFrame(this);
    }
    void reject() override { m_cancel(); }

private:
    std::function<void()> m_cancel;
};

QPushButton* AddButton(QWidget* dialog, const char* text, int x, BaseUnits base)
{
    auto* button = new QPushButton(QString::fromUtf8(text), dialog);
    button->setAutoDefault(true);
    button->setGeometry(MapDialogRect(x, kButtonY, kButtonWidth, kButtonHeight, base));
    return button;
}

} // namespace

CPropertySheet::CPropertySheet(const CString& caption, CWnd* parent, unsigned startPage)
    : CWnd(0), m_caption(caption), m_parent(parent), m_startPage(startPage)
{
}

void CPropertySheet::AddPage(CPropertyPage* page)
{
    m_pages.push_back(page);
}

int CPropertySheet::DoModal()
{
    if (!m_wizardMode || m_pages.empty() || m_startPage >= m_pages.size())
        throw std::logic_error("a sheet is shown as a wizard, with its start among its pages");

    SheetDialog dialog(OwnerWindow(m_parent), [this] { Dispatch([this] { Cancel(); }); });
    AttachWindow(&dialog);
    Build(&dialog);
    Activate(static_cast<int>(m_startPage));
    const int result = dialog.exec();

    for (CPropertyPage* page : m_pages)
        page->Destroy();
    m_active = -1;
    m_stack = nullptr;
    m_back = m_next = m_finish = nullptr;
    DetachWindow();
    return result;
}

void CPropertySheet::Build(QWidget* dialog)
{
    const DialogTemplate* first = FindDialogTemplate(m_pages.front()->TemplateId());
    if (first)
        dialog->setFont(DialogFont(*first));
    dialog->setWindowTitle(QString::fromStdString(m_caption));
    const BaseUnits base = MeasureBaseUnits(dialog->font());

    m_stack = new QStackedWidget(dialog);
    m_stack->setGeometry(MapDialogRect(0, 0, kPageWidth, kPageHeight, base));

    auto* line = new QFrame(dialog);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(MapDialogRect(kMargin, kLineY, kPageWidth - 2 * kMargin, 2, base));

    const int helpX = kPageWidth - kMargin - kButtonWidth;
    const int cancelX = helpX - kMargin / 2 - kButtonWidth;
    const int nextX = cancelX - kMargin - kButtonWidth;
    m_back = AddButton(dialog, "< &Back", nextX - kButtonWidth, base);
    m_next = AddButton(dialog, "&Next >", nextX, base);
    m_finish = AddButton(dialog, "&Finish", nextX, base);
    QPushButton* cancel = AddButton(dialog, "Cancel", cancelX, base);
    QPushButton* help = AddButton(dialog, "&Help", helpX, base);
    m_finish->hide();
    m_next->setDefault(true);

    QObject::connect(m_back, &QPushButton::clicked, dialog,
                     [this] { Dispatch([this] { Back(); }); });
    QObject::connect(m_next, &QPushButton::clicked, dialog,
                     [this] { Dispatch([this] { Next(); }); });
    QObject::connect(m_finish, &QPushButton::clicked, dialog,
                     [this] { Dispatch([this] { Finish(); }); });
    QObject::connect(cancel, &QPushButton::clicked, dialog,
                     [this] { Dispatch([this] { Cancel(); }); });
    QObject::connect(help, &QPushButton::clicked, dialog,
                     [this, dialog] { ShowHelp(dialog, HelpContext()); });
    InstallHelpKey(dialog, [this] { return HelpContext(); });

    dialog->setFixedSize(MapDialogRect(0, 0, kPageWidth, kSheetHeight, base).size());
}

void CPropertySheet::SetWizardButtons(unsigned flags)
{
    if (m_window)
        QMetaObject::invokeMethod(
            m_window, [this, flags] { ApplyWizardButtons(flags); }, Qt::QueuedConnection);
}

void CPropertySheet::ApplyWizardButtons(unsigned flags)
{
    if (!m_next)
        return;
    const bool finish = flags & PSWIZB_FINISH;
    m_back->setEnabled(flags & PSWIZB_BACK);
    m_next->setVisible(!finish);
    m_next->setEnabled(flags & PSWIZB_NEXT);
    m_finish->setVisible(finish);
    m_finish->setEnabled(finish);
    (finish ? m_finish : m_next)->setDefault(true);
}

unsigned CPropertySheet::HelpContext() const
{
    return m_active >= 0 ? m_pages[m_active]->HelpContext() : CWnd::HelpContext();
}

void CPropertySheet::Activate(int index)
{
    CPropertyPage* page = m_pages[index];
    if (!page->IsCreated()) {
        page->Create(this, m_stack);
        m_stack->addWidget(page->GetSafeHwnd());
    }
    m_active = index;
    m_stack->setCurrentWidget(page->GetSafeHwnd());
    page->OnSetActive();
    page->FocusFirstControl();
}

void CPropertySheet::Back()
{
    if (m_active <= 0 || !m_pages[m_active]->OnKillActive())
        return;
    Activate(m_active - 1);
}

void CPropertySheet::Next()
{
    CPropertyPage* page = m_pages[m_active];
    if (!page->OnWizardNext())
        return;
    if (!page->OnKillActive() || m_active + 1 >= static_cast<int>(m_pages.size()))
        return;
    Activate(m_active + 1);
}

void CPropertySheet::Finish()
{
    if (m_pages[m_active]->OnWizardFinish())
        EndWizard(ID_WIZFINISH);
}

void CPropertySheet::Cancel()
{
    EndWizard(IDCANCEL);
}

void CPropertySheet::EndWizard(int result)
{
    if (auto* dialog = qobject_cast<QDialog*>(m_window))
        dialog->done(result);
}
