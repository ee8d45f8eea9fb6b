// Drives the readme wizard through its real widgets, as a user at the keyboard and mouse would.
#pragma once

#include "GuiTest.h"
#include "MultiLineEdit.h"
#include "ReadmeDlg.h"
#include "ResourceIds.h"
#include "WizardDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <map>

class WizardDriver {
public:
    WizardDriver(CWizardDlg& wizard, QWidget* window) : wizard(wizard), window(window) {}

    // Types `text` into a control of the shown page; "\n" is the Enter key.
    void Type(CPropertyPage& page, int id, const QString& text)
    {
        QWidget* control = page.GetDlgItem(id);
        if (auto* combo = qobject_cast<QComboBox*>(control))
            control = combo->lineEdit();
        if (qobject_cast<MultiLineEdit*>(control))
            QTest::keyClick(control, Qt::Key_End, Qt::ControlModifier);
        const QStringList lines = text.split('\n');
        for (int i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(control, Qt::Key_Return);
            QTest::keyClicks(control, lines[i]);
        }
    }

    void Click(CPropertyPage& page, int id)
    {
        QTest::mouseClick(page.GetDlgItem(id), Qt::LeftButton);
    }

    QString Text(CPropertyPage& page, int id) const
    {
        QWidget* control = page.GetDlgItem(id);
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            return edit->text();
        if (auto* combo = qobject_cast<QComboBox*>(control))
            return combo->currentText();
        return QString::fromStdString(qobject_cast<MultiLineEdit*>(control)->text());
    }

    bool Checked(CPropertyPage& page, int id) const
    {
        return qobject_cast<QCheckBox*>(page.GetDlgItem(id))->isChecked();
    }

    void Next() { Press("&Next >"); }
    void Back() { Press("< &Back"); }
    void Finish() { Press("&Finish"); }
    void Cancel() { Press("Cancel"); }
    int Page() const { return wizard.GetActiveIndex(); }

    // Fills the first page: every field, or all but those given as blank here.
    void FillGeneral(const std::map<int, QString>& changes = {})
    {
        std::map<int, QString> fields = {
            {IDC_TITLE, "Castle Keep"},
            {IDC_AUTHOR, "A. Builder"},
            {IDC_RELEASEDATE, "11 December 2026"},
            {IDC_FILENAME, "castle.vxm"},
            {IDC_EMAIL, "builder@example.org"},
            {IDC_WEBURL, "www.example.org/castle"},
            {IDC_OTHERMAPS, "None."},
        };
        for (const auto& [id, text] : changes)
            fields[id] = text;
        for (const auto& [id, text] : fields)
            Type(wizard.m_genInfo, id, text);
    }

    // From page 1 to page `index`, the first page filled with `general` changes, every other
    // page left blank and every question about a blank answered Yes.
    void GoTo(int index, ScriptedMessageBoxes& boxes, const std::map<int, QString>& general = {});

    CWizardDlg& wizard;
    QWidget* window;

private:
    void Press(const char* text)
    {
        QTest::mouseClick(Button(window, text), Qt::LeftButton);
        TurnEventLoop();
    }
};

constexpr char kInstallQuestion[] =
    "You haven't provided any installation information.\nAre you sure you want to continue?";
constexpr char kNotesQuestion[] = "You have not provided any level notes. Sure to continue?";
constexpr char kBugsQuestion[] = "You have not provided any known bug warnings. Sure to continue?";
constexpr char kCopyrightQuestion[] =
    "You have not provided any copyright information.\nSure to continue?";
constexpr unsigned kQuestion = MB_ICONEXCLAMATION | MB_YESNO;

inline void WizardDriver::GoTo(int index, ScriptedMessageBoxes& boxes,
                               const std::map<int, QString>& general)
{
    if (index > 0) {
        FillGeneral(general);
        Next();
    }
    if (index > 1)
        Next();
    if (index > 2) {
        boxes.Expect(kInstallQuestion, "Error!", kQuestion, IDYES);
        Next();
    }
    if (index > 3)
        Next();
    if (index > 4) {
        boxes.Expect(kNotesQuestion, "Error!", kQuestion, IDYES);
        Next();
    }
}

// The wizard behind a sheet window that a readme run opened.
inline CWizardDlg& WizardOf(QWidget* sheet)
{
    return dynamic_cast<CWizardDlg&>(*CWnd::FromHandle(sheet));
}

// Begin in a fresh main dialog, `script` on the wizard it shows; the main dialog must still be
// open afterwards, and is then closed.
inline void BeginFromMainDialog(const std::function<void(WizardDriver&)>& script)
{
    CReadmeDlg dlg;
    WhenModalShown([&](QWidget* main) {
        WhenModalShown([&](QWidget* sheet) {
            TurnEventLoop();
            WizardDriver driver(WizardOf(sheet), sheet);
            script(driver);
        });
        QTest::mouseClick(dlg.GetDlgItem(IDC_BEGIN), Qt::LeftButton);
        EXPECT_TRUE(main->isVisible());
        main->close();
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

// A wizard shown modally for one test, with its fields kept for inspection afterwards.
class WizardTest : public GuiTest {
protected:
    int Run(const std::function<void(WizardDriver&)>& script)
    {
        wizard = std::make_unique<CWizardDlg>("Cairnwright Readme Tool");
        wizard->SetWizardMode();
        WhenModalShown([&](QWidget* window) {
            TurnEventLoop();
            WizardDriver driver(*wizard, window);
            script(driver);
            if (window->isVisible()) {
                ADD_FAILURE() << "the script left the wizard open";
                window->close();
            }
        });
        return wizard->DoModal();
    }

    std::unique_ptr<CWizardDlg> wizard;
};
