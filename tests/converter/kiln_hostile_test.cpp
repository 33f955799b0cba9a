// Numbers at and beyond their ranges in the editor dialect, through the reader
// and the whole conversion: a refusal naming the line, or a 3DO that passes
// the independent checker. Damaged and cut-off files in general are the fuzz
// harnesses' (the FuzzReplay tests replay their seeds in every build).

#include "converter/kiln_driver.hpp"
#include "converter/line_reader.hpp"
#include "kiln_runs.hpp"
#include "threedo_check.hpp"

#include <gtest/gtest.h>

using namespace meshsmith::kiln;
using namespace meshsmith::kiln::test;

namespace {

enum class Outcome { Refused, Converted };

// Converts the text in memory; a 3DO it makes must pass the checker.
Outcome convertText(const std::string& text, std::string* why = nullptr) {
    KilnState k;
    std::string out;
    try {
        readMeshsmithText(k, text, "/nonexistent-folder/object.ase", &out);
        testing::internal::CaptureStdout();
        std::vector<std::uint8_t> bytes;
        try {
            bytes = buildObjectBytes(k);
        } catch (...) {
            testing::internal::GetCapturedStdout();
            throw;
        }
        testing::internal::GetCapturedStdout();
        const auto check = meshsmith::inspect3do::checkThreeDo(bytes);
        EXPECT_FALSE(check.violation) << check.violation->text() << "\n" << text;
        return Outcome::Converted;
    } catch (const InputError& e) {
        if (why) *why = e.what();
    } catch (const CapacityError& e) {
        if (why) *why = e.what();
    }
    return Outcome::Refused;
}

} // namespace

TEST(KilnHostileInput, OutOfRangeNumbersAndOverlongLinesAreRefusedOrConverted) {
    const std::string good = aseHeader({"a"}) + aseObject(square(0, 0, 0), 0);
    // Each line goes in just before the object's *MATERIAL_REF, or at the end.
    struct Case {
        std::string line;
        bool atEnd;
        const char* refusal; // start of the message, or nullptr when it converts
    };
    const Case cases[] = {
        {"*MESH_VERTEX 3 1e38 -3e38 3e38", false, nullptr},
        {"*MESH_VERTEX 3 3.4e38 3.4e38 -3.4e38", false, nullptr},
        {"*MESH_TVERT 3 3e38 -3e38 0", false, nullptr},
        {"*MESH_TVERT 3 1e-45 -1e30 0", false, nullptr},
        {"*DISPLAY_CLASS 99999999999", false, nullptr},
        {"*MESH_VERTEX 99 0 0 0", false, "Line 22: the object has no *MESH_VERTEX 4"},
        {"*MESH_VERTEX 2147483648 0 0 0", false, "Line 21: vertex number 2147483647 is outside"},
        {"*MESH_VERTEX 0x7fffffffff 0 0 0", false, "Line 21: vertex number 2147483647 is outside"},
        {"*MATERIAL_REF -2147483649", true, "Line 24: a second *MATERIAL_REF for one object"},
        {"*COLLISION_VOLUMES 300", true, "Capacity exceeded: the collision volume table"},
        {"*COLLISION_VOLUMES 1\r\n*COLLISION_PLANES 31", true,
         "Capacity exceeded: the collision plane table"},
        {"*COLLISION_VOLUMES 1\r\n*COLLISION_PLANES 1\r\n*COLLISION_PLANE 1 3e38 -3e38 3e38 -3e38",
         true, nullptr},
        {"*COLLISION_VOLUMES 1\r\n*COLLISION_PLANES 1\r\n*COLLISION_PLANE -1 0 0 0 nan", true,
         "Line 26: a collision plane coefficient is not a finite number"},
        {"*MESH_FACE 0 A: " + std::string(300, '9'), false,
         "Line 21 is longer than 254 characters"},
        {"/" + std::string(5000, 'x'), false, nullptr},
    };
    for (const Case& c : cases) {
        std::string text = good;
        if (c.atEnd)
            text += c.line + "\r\n";
        else
            text.insert(text.find("*MATERIAL_REF"), c.line + "\r\n");
        std::string why;
        const Outcome outcome = convertText(text, &why);
        if (c.refusal) {
            EXPECT_EQ(outcome, Outcome::Refused) << c.line;
            EXPECT_EQ(why.rfind(c.refusal, 0), 0u) << c.line << ": " << why;
        } else {
            EXPECT_EQ(outcome, Outcome::Converted) << c.line << ": " << why;
        }
    }
    // Bitmaps beyond the string table's capacity.
    std::vector<std::string> many(kMaxStrings + 1, "t");
    std::string why;
    EXPECT_EQ(convertText(aseHeader(many), &why), Outcome::Refused);
    EXPECT_EQ(why, CapacityError("material", kMaxStrings).what());
}
