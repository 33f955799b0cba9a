// The recent-projects list: its order and size, and its section of the settings file.

#include "editor/core/shell/recent_files.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {
using Paths = std::vector<std::string>;
Paths names(std::initializer_list<int> numbers) {
    Paths v;
    for (int i : numbers)
        v.push_back("C:\\Tracks\\p" + std::to_string(i) + ".3dp");
    return v;
}
RecentFiles listOf(const Paths& addedInOrder) {
    RecentFiles r;
    for (const std::string& p : addedInOrder)
        r.add(p);
    return r;
}
} // namespace

TEST(RecentFiles, NewestFirstAtMostTenAndReopenedMovesToTheTop) {
    RecentFiles r = listOf(names({11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(r.entries(), names({0, 1, 2, 3, 4, 5, 6, 7, 8, 9})) << "p10 and p11 dropped";
    r.add("C:\\Tracks\\p5.3dp");
    r.add("");
    EXPECT_EQ(r.entries(), names({5, 0, 1, 2, 3, 4, 6, 7, 8, 9}));
}

TEST(RecentFiles, ErasedAndWrittenAnewAsF0ToF9) {
    TempFolder dir;
    IniFile ini(dir.file("Meshsmith.ini"));
    writeFile(ini.path(), crlfLines({"[Recent Used Files]", "F0=old", "F7=old", "[General Options]",
                                     "PlaySound=0"}));
    RecentFiles r = listOf(names({3, 2, 1}));
    ASSERT_TRUE(r.save(ini));
    EXPECT_EQ(readFile(ini.path()), crlfLines({"[General Options]", "PlaySound=0", "",
                                               "[Recent Used Files]", "F0=C:\\Tracks\\p1.3dp",
                                               "F1=C:\\Tracks\\p2.3dp", "F2=C:\\Tracks\\p3.3dp"}));

    RecentFiles full = listOf(names({14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
    ASSERT_TRUE(full.save(ini));
    r.load(ini);
    EXPECT_EQ(r.entries(), full.entries());
}

TEST(RecentFiles, LoadSkipsBlanksAndRepeatsAndStopsAtAGap) {
    TempFolder dir;
    IniFile ini(dir.file("m.ini"));
    writeFile(ini.path(), crlfLines({"[recent used files]", "f0=C:\\a.3dp", "F1=", "F2=C:\\a.3dp",
                                     "F3=C:\\b.3dp", "F5=C:\\c.3dp"}));
    RecentFiles r;
    r.load(ini);
    EXPECT_EQ(r.entries(), (Paths{"C:\\a.3dp", "C:\\b.3dp"}));

    // A path the file cannot hold is left out without a gap that would lose the rest.
    EXPECT_FALSE(listOf({"/tmp/last.3dp", "/tmp/odd\nname.3dp", "/tmp/first.3dp"}).save(ini));
    r.load(ini);
    EXPECT_EQ(r.entries(), (Paths{"/tmp/first.3dp", "/tmp/last.3dp"}));
}
