// The first page: all seven fields required, and a level file name with ".vxm" in it.
#include "WizardDriver.h"

namespace {
constexpr char kBlankMessage[] =
    "You left one or more field blank!\nPlease fill them all in to continue.";
constexpr char kBadNameMessage[] =
    "The filename for your level is invalid.\nPlease enter a valid filename.";
} // namespace

using GeneralPageTest = WizardTest;

TEST_F(GeneralPageTest, RefusesBlankFieldsAndNamesWithoutVxmInTheFileNamePart)
{
    const struct {
        std::map<int, QString> fields;
        const char* message; // nullptr: the page lets the wizard go on
    } cases[] = {
        {{{IDC_TITLE, ""}}, kBlankMessage},
        {{{IDC_AUTHOR, ""}}, kBlankMessage},
        {{{IDC_RELEASEDATE, ""}}, kBlankMessage},
        {{{IDC_FILENAME, ""}}, kBlankMessage},
        {{{IDC_EMAIL, ""}}, kBlankMessage},
        {{{IDC_WEBURL, ""}}, kBlankMessage},
        {{{IDC_OTHERMAPS, ""}}, kBlankMessage},
        {{{IDC_FILENAME, "level.VXM"}}, kBadNameMessage},
        {{{IDC_FILENAME, "castle"}}, kBadNameMessage},
        {{{IDC_FILENAME, "maps.vxm/castle"}}, kBadNameMessage},
        {{{IDC_FILENAME, "level.VXM"}, {IDC_TITLE, ""}}, kBlankMessage},
        {{{IDC_FILENAME, "my.vxm.backup"}}, nullptr},
        {{{IDC_FILENAME, "notes.vxmx"}}, nullptr},
        {{{IDC_FILENAME, "maps/castle.vxm"}, {IDC_OTHERMAPS, " "}}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message ? c.message : "accepted");
        ScriptedMessageBoxes boxes;
        Run([&](WizardDriver& w) {
            EXPECT_FALSE(Button(w.window, "< &Back")->isEnabled());
            w.FillGeneral(c.fields);
            if (c.message)
                boxes.Expect(c.message, "Error!", MB_ICONEXCLAMATION, IDOK);
            w.Next();
            EXPECT_EQ(w.Page(), c.message ? 0 : 1);
            if (c.message) {
                EXPECT_EQ(w.Text(w.wizard.m_genInfo, IDC_AUTHOR),
                          c.fields.count(IDC_AUTHOR) ? "" : "A. Builder");
                boxes.Expect(c.message, "Error!", MB_ICONEXCLAMATION, IDOK);
                w.Next(); // the check runs again
            }
            w.Cancel();
        });
    }
}
