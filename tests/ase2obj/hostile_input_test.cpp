// Damaged and hostile ASE text through the reading and the text writing: every
// outcome is a result or a message, never a crash or a wrong polygon.

#include "ase_reading.hpp"
#include "conversion_harness.hpp"
#include "obj_writing.hpp"

#include "export/ase_writer.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace meshsmith::test {
namespace {

using ase2obj::ReadStatus;

struct Outcome {
    ReadStatus status;
    std::string message;
    ase2obj::AseTables tables;
};

Outcome readText(const std::string& text) {
    kiln::TextSource source(text);
    Outcome o{ase2obj::readHeader(source).status, "", {}};
    if (o.status != ReadStatus::Read) return o;
    ase2obj::ReadResult body = ase2obj::readBody(source, o.tables);
    o.status = body.status;
    o.message = body.message;
    if (o.status == ReadStatus::Read) {
        // What the writer relies on: materials exist, corners point into the tables.
        ase2obj::objText(o.tables, "x.mtl");
        ase2obj::mtlText(o.tables);
        for (const ase2obj::Polygon& p : o.tables.polygons)
            for (std::size_t k = 0; k < p.vertices.size(); ++k) {
                EXPECT_LE(static_cast<std::size_t>(p.vertices[k]), o.tables.vertices.size());
                EXPECT_LE(static_cast<std::size_t>(p.textureVertices[k]),
                          o.tables.textureVertices.size());
            }
    }
    return o;
}

TEST(HostileInput, EveryTruncatedPrefixGivesItsCompleteObjectsOrAMessage) {
    const std::string whole = aseText(exampleProject());
    // Where each "*MATERIAL_REF" line has its number: a prefix holds the objects up to there.
    std::vector<std::size_t> refEnds;
    for (std::size_t at = whole.find("*MATERIAL_REF "); at != std::string::npos;
         at = whole.find("*MATERIAL_REF ", at + 1))
        refEnds.push_back(at + 15);
    for (std::size_t length = 0; length <= whole.size(); ++length) {
        Outcome o = readText(whole.substr(0, length));
        ASSERT_NE(o.status, ReadStatus::CapacityFault) << length;
        if (o.status == ReadStatus::InputFault) {
            EXPECT_EQ(o.message.rfind("Line ", 0), 0u) << length;
        }
        if (o.status == ReadStatus::Read) {
            // A prefix cut inside an object is refused, so every polygon read is whole.
            auto complete =
                std::upper_bound(refEnds.begin(), refEnds.end(), length) - refEnds.begin();
            ASSERT_EQ(static_cast<long>(o.tables.polygons.size()), complete) << length;
        }
    }
    EXPECT_EQ(readText(whole).tables.polygons.size(), 24u);
}

TEST(HostileInput, RandomBytesAndMutationsNeverCrash) {
    const std::string whole = aseText(exampleProject());
    std::mt19937 rng(20240611);
    auto byte = [&] { return static_cast<char>(std::uniform_int_distribution<int>(0, 255)(rng)); };
    for (int round = 0; round < 300; ++round) {
        std::string noise(std::uniform_int_distribution<std::size_t>(0, 600)(rng), '\0');
        for (char& c : noise)
            c = byte();
        readText(noise);
        readText(whole.substr(0, 80) + noise); // behind a valid header
        std::string mutated = whole;
        for (int flips = 0; flips < 8; ++flips)
            mutated[std::uniform_int_distribution<std::size_t>(0, whole.size() - 1)(rng)] = byte();
        readText(mutated);
    }
}

} // namespace
} // namespace meshsmith::test
