// The two rules that turn check boxes into readme text.
#include "ReadmeRecord.h"

#include <gtest/gtest.h>

TEST(YesNoText, OnlyExactlyOneIsYes)
{
    const struct {
        int check;
        const char* text;
    } cases[] = {{0, "No"}, {1, "Yes"}, {2, "No"}, {-1, "No"}};
    for (const auto& c : cases)
        EXPECT_EQ(YesNoText(c.check), c.text) << "check value " << c.check;
}

TEST(NewGraphicsText, FileNamesOnlyWhenChecked)
{
    const struct {
        int check;
        const char* files;
        const char* text;
    } cases[] = {
        {1, "castle.utx", "castle.utx"},
        {0, "castle.utx", ""},
        {1, "", ""},
        {2, "castle.utx", ""},
        {1, "  ", "  "},
        {1, "a.utx\r\nb.uax", "a.utx\r\nb.uax"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NewGraphicsText(c.check, c.files), c.text) << c.check << " '" << c.files << "'";
}
