// Takes the README's screenshots: the main dialog, the About box, each wizard page filled with
// a sample level and the success message; the readme it writes is left beside them.
#include "CopyInfoDlg.h"
#include "ReadmeDlg.h"
#include "ResourceIds.h"
#include "WinApp.h"
#include "WizardDlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

QString g_folder;

void Save(QWidget* window, const QString& name)
{
    const QString path = g_folder + "/" + name + ".png";
    if (!window->grab().save(path))
        std::fprintf(stderr, "could not save %s\n", qPrintable(path));
}

// Runs `action` on the next modal window of class `kind`, from inside its modal loop.
void WhenModalShown(std::function<void(QWidget*)> action, const char* kind = "QDialog")
{
    QWidget* before = QApplication::activeModalWidget();
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == before || !modal->isVisible() || !modal->inherits(kind))
            return;
        timer->deleteLater();
        timer->stop();
        modal->activateWindow();
        QTest::qWait(100); // let the window paint before it is grabbed
        action(modal);
    });
    timer->start();
}

void Click(QWidget* window, const QString& text)
{
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->text() == text && button->isVisible()) {
            QTest::mouseClick(button, Qt::LeftButton);
            QTest::qWait(50);
            return;
        }
}

void Type(CWnd& page, int id, const QString& text)
{
    QWidget* control = page.GetDlgItem(id);
    if (auto* combo = qobject_cast<QComboBox*>(control))
        control = combo->lineEdit();
    const QStringList lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(control, Qt::Key_Return);
        QTest::keyClicks(control, lines[i]);
    }
}

void FillTheWizard(QWidget* sheet)
{
    auto& wizard = dynamic_cast<CWizardDlg&>(*CWnd::FromHandle(sheet));
    Type(wizard.m_genInfo, IDC_TITLE, "Castle Keep");
    Type(wizard.m_genInfo, IDC_AUTHOR, "A. Builder");
    Type(wizard.m_genInfo, IDC_RELEASEDATE, "11 December 2026");
    Type(wizard.m_genInfo, IDC_FILENAME, "castle.vxm");
    Type(wizard.m_genInfo, IDC_EMAIL, "builder@example.org");
    Type(wizard.m_genInfo, IDC_WEBURL, "www.example.org/castle");
    Type(wizard.m_genInfo, IDC_OTHERMAPS, "Keep One, Keep Two");
    Save(sheet, "wizard-1-general");
    Click(sheet, "&Next >");

    Type(wizard.m_playInfo, IDC_GAMETYPE, "VMA: Capture The Flag");
    Type(wizard.m_playInfo, IDC_LEVELNAME, "CTF-Keep");
    for (const int id : {IDC_SINGLEPLAYER, IDC_DEATHMATCH, IDC_BOTS, IDC_NEWGRAPHICS})
        QTest::mouseClick(wizard.m_playInfo.GetDlgItem(id), Qt::LeftButton);
    Type(wizard.m_playInfo, IDC_NEWFILES, "keep.utx");
    Save(sheet, "wizard-2-play");
    Click(sheet, "&Next >");

    Type(wizard.m_installInfo, IDC_INSTALL,
         "Unzip castle.zip into the game's Maps folder.\nStart the game and open CTF-Keep.");
    Save(sheet, "wizard-3-installation");
    Click(sheet, "&Next >");

    Type(wizard.m_constructDlg, IDC_EDITORS, "Cairnwright");
    Type(wizard.m_constructDlg, IDC_BASE, "New level");
    Type(wizard.m_constructDlg, IDC_CONSTIME, "Three weeks");
    Save(sheet, "wizard-4-construction");
    Click(sheet, "&Next >");

    Type(wizard.m_notesDlg, IDC_NOTES,
         "A keep on a hill with two towers and a moat.\nEach team holds one tower.");
    Type(wizard.m_notesDlg, IDC_BUGS, "Bots sometimes fall into the moat.");
    Save(sheet, "wizard-5-notes");
    Click(sheet, "&Next >");

    QTest::mouseClick(wizard.m_copyInfoDlg.GetDlgItem(IDC_STDCOPYRIGHT), Qt::LeftButton);
    Save(sheet, "wizard-6-copyright");
    WhenModalShown(
        [](QWidget* box) {
            Save(box, "success-message");
            box->close();
        },
        "QMessageBox");
    Click(sheet, "&Finish");
}

class ScreenshotApp : public CWinApp {
public:
    bool InitInstance() override
    {
        CReadmeDlg dlg;
        m_pMainWnd = &dlg;
        WhenModalShown([&](QWidget* main) {
            Save(main, "main-dialog");
            WhenModalShown([](QWidget* about) {
                Save(about, "about-box");
                about->close();
            });
            QTest::mouseClick(dlg.GetDlgItem(IDC_ABOUT), Qt::LeftButton);
            WhenModalShown(FillTheWizard);
            QTest::mouseClick(dlg.GetDlgItem(IDC_BEGIN), Qt::LeftButton);
            main->close();
        });
        dlg.DoModal();
        return false;
    }
};

ScreenshotApp theApp;

} // namespace

// Usage: screenshots FOLDER. The readme is written into the current directory.
int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    g_folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    char* programArgs[] = {argv[0], nullptr};
    return AfxWinMain(1, programArgs);
}
