// Next from the first wizard page to the second, checks and button changes included, against a
// plain switch between two pages of a stacked widget.
#include "RatioReporter.h"
#include "ResourceIds.h"
#include "WinApp.h"
#include "WizardDlg.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

class BenchApp : public CWinApp {
};

CWizardDlg* g_wizard = nullptr;

QPushButton* Button(const QString& text)
{
    for (QPushButton* button : g_wizard->GetSafeHwnd()->findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    std::abort();
}

void TurnEventLoop()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void WizardNext(benchmark::State& state)
{
    QPushButton* next = Button("&Next >");
    QPushButton* back = Button("< &Back");
    for (auto _ : state) {
        next->click();
        TurnEventLoop();
        state.PauseTiming();
        if (g_wizard->GetActiveIndex() != 1)
            state.SkipWithError("Next did not reach the second page");
        back->click();
        TurnEventLoop();
        state.ResumeTiming();
    }
}

// Two pages of seven line edits each, switched the plainest way there is.
void PlainSwitch(benchmark::State& state)
{
    QStackedWidget stack;
    for (int page = 0; page < 2; ++page) {
        auto* widget = new QWidget;
        auto* layout = new QVBoxLayout(widget);
        for (int i = 0; i < 7; ++i)
            layout->addWidget(new QLineEdit(QStringLiteral("text")));
        stack.addWidget(widget);
    }
    stack.show();
    TurnEventLoop();
    for (auto _ : state) {
        stack.setCurrentIndex(1);
        TurnEventLoop();
        state.PauseTiming();
        stack.setCurrentIndex(0);
        TurnEventLoop();
        state.ResumeTiming();
    }
}

BENCHMARK(WizardNext)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(PlainSwitch)->Unit(benchmark::kMillisecond)->Repetitions(5);

// The first Next also builds the second page's widgets: the change a user waits for most.
double FirstNextMilliseconds()
{
    const auto start = std::chrono::steady_clock::now();
    Button("&Next >")->click();
    TurnEventLoop();
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    Button("< &Back")->click();
    TurnEventLoop();
    return elapsed.count();
}

void FillFirstPage()
{
    CGenInfo& page = g_wizard->m_genInfo;
    for (const int id : {IDC_TITLE, IDC_AUTHOR, IDC_RELEASEDATE, IDC_EMAIL, IDC_WEBURL,
                         IDC_OTHERMAPS})
        page.SetDlgItemText(id, "Castle");
    page.SetDlgItemText(IDC_FILENAME, "castle.vxm");
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    BenchApp app;
    app.m_pszAppName = "cwreadme";
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);

    CWizardDlg wizard("Cairnwright Readme Tool");
    wizard.SetWizardMode();
    g_wizard = &wizard;
    RatioReporter reporter({{"WizardNext/repeats:5_median", "PlainSwitch/repeats:5_median", 0}});
    QTimer::singleShot(0, [&] {
        FillFirstPage();
        TurnEventLoop();
        const double firstNext = FirstNextMilliseconds();
        benchmark::RunSpecifiedBenchmarks(&reporter);
        reporter.PrintRatios();
        std::printf("\nNext from page 1 to 2: first time (page 2 built) %.2f ms, then median %.2f ms;"
                    " goal: within one frame, 16 ms\n",
                    firstNext, reporter.Time("WizardNext/repeats:5_median"));
        wizard.GetSafeHwnd()->close();
    });
    wizard.DoModal();
    return 0;
}
