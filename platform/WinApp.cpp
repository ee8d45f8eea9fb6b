#include "WinApp.h"

#include "IconHandle.h"
#include "ResourceIds.h"
#include "Resources.h"

#include <QApplication>
#include <QFileInfo>

namespace {

CWinApp*& TheApp()
{
    static CWinApp* app = nullptr;
    return app;
}

CString TitleFromPath(const char* path)
{
    return QFileInfo(QString::fromLocal8Bit(path)).completeBaseName().toStdString();
}

} // namespace

CWinApp::CWinApp()
{
    TheApp() = this;
}

CWinApp::~CWinApp()
{
    if (TheApp() == this)
        TheApp() = nullptr;
}

CWinApp* AfxGetApp()
{
    return TheApp();
}

const CString& AfxGetAppName()
{
    static const CString none;
    return TheApp() ? TheApp()->m_pszAppName : none;
}

int AfxWinMain(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    QApplication::setWindowIcon(LoadIconResourceHandle(IDR_MAINFRAME)->icon);
    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    app->m_pszAppName = TitleFromPath(argv[0]);
    QApplication::setApplicationName(QString::fromStdString(app->m_pszAppName));
    app->InitInstance();
    return 0;
}
