// The main of every GUI test: a Qt application and an application object, as the program has.
#include "WinApp.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {
class TestApp : public CWinApp {};
} // namespace

int main(int argc, char** argv)
{
    TestApp app;
    app.m_pszAppName = "cwreadme";
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
