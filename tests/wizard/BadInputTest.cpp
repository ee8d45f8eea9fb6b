// Bad input through the real wizard: every case ends in a readme or in a message naming the
// file, never in a crash, a half-written readme or a lost one.
#include "TempDir.h"
#include "WizardDriver.h"

#include <QClipboard>
#include <QProcess>

#include <map>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char kUnprivilegedChild[] = "CWREADME_UNPRIVILEGED_CHILD";
const std::string kOldReadme = "the author's older readme\r\n";

// A readme run to Finish, the level file named `level`, `fillNotes` on the notes page.
void RunFromMainDialog(ScriptedMessageBoxes& boxes, const QString& level,
                       const std::function<void(WizardDriver&)>& fillNotes)
{
    BeginFromMainDialog([&](WizardDriver& w) {
        w.GoTo(4, boxes, {{IDC_FILENAME, level}});
        fillNotes(w);
        w.Type(w.wizard.m_notesDlg, IDC_BUGS, "None.");
        w.Next();
        w.Type(w.wizard.m_copyInfoDlg, IDC_COPYRIGHT, "Mine.");
        w.Finish();
    });
}

void TypeNotes(WizardDriver& w)
{
    w.Type(w.wizard.m_notesDlg, IDC_NOTES, "Notes.");
}

std::string CannotWrite(const std::string& path, const char* reason)
{
    return "Could not write the file " + path + ".\n" + reason + ".";
}

struct Case {
    const char* what;
    std::string level;
    std::function<void(TempDir&)> prepare;
    const char* reason; // nullptr: the readme is written
    std::string readme; // the readme's path below the scratch folder
};

void RunCases(const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        CurrentDir here(dir.path());
        c.prepare(dir);
        std::map<std::string, std::string> before;
        for (const std::string& name : dir.names())
            before[name] =
                std::filesystem::is_regular_file(dir / name) ? ReadBytes(dir / name) : "";
        const std::string path = c.readme[0] == '/'
                                     ? c.readme
                                     : std::filesystem::current_path().string() + "/" + c.readme;
        ScriptedMessageBoxes boxes;
        RunFromMainDialog(boxes, QString::fromStdString(c.level), [&](WizardDriver& w) {
            TypeNotes(w);
            boxes.Expect(c.reason ? CannotWrite(path, c.reason)
                                  : "File successfully created at " + path,
                         c.reason ? "cwreadme" : "Success", c.reason ? MB_ICONSTOP : MB_OK, IDOK);
        });
        EXPECT_TRUE(boxes.AllShown());
        if (c.reason) {
            std::map<std::string, std::string> after; // nothing new, nothing changed, no temporary
            for (const std::string& name : dir.names())
                after[name] =
                    std::filesystem::is_regular_file(dir / name) ? ReadBytes(dir / name) : "";
            EXPECT_EQ(after, before);
        } else {
            const std::string bytes = ReadBytes(path);
            EXPECT_EQ(bytes.substr(bytes.size() - 7), "</HTML>");
        }
    }
}

void Nothing(TempDir&) {}

} // namespace

using BadInputTest = GuiTest;

TEST_F(BadInputTest, NamesThatCannotBeWrittenGiveAMessageAndNamesWithSpacesWork)
{
    const std::string longName(300, 'x');
    RunCases({
        {"300 characters", longName + ".vxm", Nothing, "File name too long", longName + ".htm"},
        {"spaces", "my castle.vxm", Nothing, nullptr, "my castle.htm"},
        {"missing folder", "nowhere/castle.vxm", Nothing, "No such file or directory",
         "nowhere/castle.htm"},
        {"an existing folder", "folder.vxm",
         [](TempDir& dir) { std::filesystem::create_directory(dir / "folder.htm"); },
         "Is a directory", "folder.htm"},
    });
}

TEST_F(BadInputTest, EightMebibytesPastedIntoTheNotesReachTheReadme)
{
    TempDir dir;
    CurrentDir here(dir.path());
    QString notes;
    while (notes.size() < 8 * 1024 * 1024)
        notes += QString(78, 'n') + '\n';
    ScriptedMessageBoxes boxes;
    RunFromMainDialog(boxes, "castle.vxm", [&](WizardDriver& w) {
        QApplication::clipboard()->setText(notes);
        QWidget* box = w.wizard.m_notesDlg.GetDlgItem(IDC_NOTES);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        boxes.Expect("File successfully created at " + (dir / "castle.htm"), "Success", MB_OK,
                     IDOK);
    });
    EXPECT_TRUE(boxes.AllShown());
    const std::string bytes = ReadBytes(dir / "castle.htm");
    EXPECT_GT(bytes.size(), 8u * 1024 * 1024);
    EXPECT_EQ(bytes.substr(bytes.size() - 7), "</HTML>");
}

// Permission bits stop nothing for root: these cases run in a copy of this test program started
// as the user nobody.
TEST_F(BadInputTest, AReadOnlyReadmeAndAFolderOfAnotherOwnerAreRefusedAsAnOrdinaryUser)
{
    if (geteuid() == 0) {
        TempDir copy;
        std::filesystem::permissions(copy.path(), std::filesystem::perms(0755));
        const std::string program = copy / "tests";
        std::filesystem::copy_file("/proc/self/exe", program);
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kUnprivilegedChild, "1");
        environment.insert("HOME", "/tmp");
        environment.remove("XDG_RUNTIME_DIR");
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.setWorkingDirectory(QString::fromStdString(copy.path().string()));
        child.start("setpriv",
                    {"--reuid=65534", "--regid=65534", "--clear-groups",
                     QString::fromStdString(program), "--gtest_filter=BadInputTest.AReadOnly*"});
        if (!child.waitForStarted())
            GTEST_SKIP() << "setpriv is not available to drop root's privileges";
        ASSERT_TRUE(child.waitForFinished(120000));
        EXPECT_EQ(child.exitCode(), 0) << child.readAll().toStdString();
        return;
    }
    if (!qEnvironmentVariableIsSet(kUnprivilegedChild))
        GTEST_SKIP() << "runs as nobody, started by the same test as root";

    RunCases({
        {"a read-only readme", "castle.vxm",
         [](TempDir& dir) {
             WriteBytes(dir / "castle.htm", kOldReadme);
             ::chmod((dir / "castle.htm").c_str(), 0444);
         },
         "Permission denied", "castle.htm"},
        {"a folder only its owner may write", "/usr/castle.vxm", Nothing, "Permission denied",
         "/usr/castle.htm"},
    });
}
