// The editor-dialect reader: the faults it refuses (the good files it reads
// are under tests/data/converter/readers/meshsmith).

#include "case_table.hpp"
#include "converter/text_input.hpp"
#include "kiln_runs.hpp"
#include "reader_runs.hpp"

#include <gtest/gtest.h>

using namespace meshsmith::kiln;
using namespace meshsmith::kiln::test;

// Each edit of a good file is refused naming its line, or converts to a 3DO
// that passes the inspector (the case table). Damaged and cut-off files in
// general are the fuzz harnesses'.
TEST(ReadMeshsmith, EditsAreRefusedNamingTheLineOrConvertSoundly) {
    const std::string good = aseHeader({"a"}) + aseObject(square(0, 0, 0), 0);
    expectCaseTable("converter/meshsmith_edits.txt", 2, [&](auto f) {
        std::string text = good;
        if (f[0].empty())
            text += f[1];
        else
            text.replace(text.find(f[0]), f[0].size(), f[1]);
        return convertVerdict(text);
    });
    EXPECT_EQ(convertVerdict(aseHeader(std::vector<std::string>(kMaxStrings + 1, "t"))),
              "refused: Capacity exceeded: the material table holds at most 2000 entries")
        << "bitmaps beyond the string table's capacity";
}
