// A file cut short never gives a polygon that was not written whole: a cut
// inside an object is refused naming a line, a cut between objects gives the
// objects before it. Damaged and random bytes are the fuzz harness's (replayed
// over its seeds by the FuzzReplay tests).

#include "ase_reading.hpp"
#include "conversion_harness.hpp"

#include "export/ase_writer.hpp"
#include "support/prefix_cuts.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace meshsmith::test {
namespace {

using ase2obj::ReadStatus;

TEST(HostileInput, EveryCutOffFileGivesItsCompleteObjectsOrAMessage) {
    const std::string whole = aseText(exampleProject());
    // Where each "*MATERIAL_REF" line has its number: a prefix holds the objects up to there.
    std::vector<std::size_t> refEnds;
    for (std::size_t at = whole.find("*MATERIAL_REF "); at != std::string::npos;
         at = whole.find("*MATERIAL_REF ", at + 1))
        refEnds.push_back(at + 15);
    ASSERT_EQ(refEnds.size(), 24u);
    for (std::size_t cut : prefixCuts(whole)) {
        kiln::TextSource source(whole.substr(0, cut));
        if (ase2obj::readHeader(source).status != ReadStatus::Read) continue;
        ase2obj::AseTables tables;
        const ase2obj::ReadResult r = ase2obj::readBody(source, tables);
        ASSERT_NE(r.status, ReadStatus::CapacityFault) << cut;
        if (r.status == ReadStatus::InputFault) {
            EXPECT_EQ(r.message.rfind("Line ", 0), 0u) << cut << ": " << r.message;
        } else {
            const auto complete =
                std::upper_bound(refEnds.begin(), refEnds.end(), cut) - refEnds.begin();
            ASSERT_EQ(static_cast<long>(tables.polygons.size()), complete) << cut;
        }
    }
}

} // namespace
} // namespace meshsmith::test
