// Damaged and hostile input for both geometry text importers, in both modes:
// every truncated prefix of a good file and random bytes either import soundly
// or fail with a message, leaving the project exactly as it was.

#include "geometry_text_test_support.hpp"
#include "model/text3do_file.hpp"
#include "model/text_file.hpp"
#include "model/vertex_text_file.hpp"
#include "support/project_builders.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <random>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

enum class Format { VertexText, Text3DO };

struct Outcomes {
    int done = 0, failed = 0, refused = 0;
};

// Imports `text` into `start`; checks what every import must guarantee and
// returns the run for further checks.
std::unique_ptr<ImportRun> importChecked(Format format, const std::string& text,
                                         const Project& start, Outcomes& tally) {
    auto run = std::make_unique<ImportRun>();
    run->project = start;
    run->prompts.offsets.push_back(VertexOffset{0.5f, 0, -2});
    RandomColours colours(3);
    const auto lines = splitLines(text);
    run->result =
        format == Format::VertexText
            ? importVertexTextLines(run->project, lines, "x", run->prompts, run->log)
            : import3DOTextLines(run->project, lines, "x", run->prompts, run->log, colours);
    EXPECT_TRUE(referencesAreSound(run->project));
    switch (run->result.outcome) {
    case Outcome::Done:
        ++tally.done;
        break;
    case Outcome::Failed:
    case Outcome::Refused:
        ++(run->result.outcome == Outcome::Failed ? tally.failed : tally.refused);
        EXPECT_FALSE(run->result.message.empty());
        EXPECT_EQ(projectFingerprint(run->project), projectFingerprint(start));
        break;
    case Outcome::Cancelled:
        ADD_FAILURE() << "the offset was answered";
    }
    return run;
}

std::vector<Vertex> verticesAfter(const Project& p, std::size_t first) {
    return {p.object.vertices.begin() + static_cast<std::ptrdiff_t>(first),
            p.object.vertices.end()};
}

} // namespace

TEST(GeometryTextRobustness, OffsetOutOfTheFloatRangeFailsNamingTheVertexLine) {
    struct Case {
        Format format;
        std::string text;
        std::size_t line; // of the vertex at 3e38
    };
    const Case cases[] = {
        {Format::VertexText,
         crlfLines({VertexTextHeader, "VertexXYZ", "", "1", "0", "0", "", "3e38", "0", "0"}), 8},
        {Format::Text3DO, crlfLines({"# 3DO Export", "2", "p 1 0 0", "p 3e38 0 0", "v -1"}), 4}};
    for (const Case& c : cases) {
        const Project start = tenVertexProject();
        auto run = std::make_unique<ImportRun>();
        run->project = start;
        run->prompts.offsets.push_back(VertexOffset{3e38f, 0, 0});
        RandomColours colours(3);
        const auto lines = splitLines(c.text);
        run->result =
            c.format == Format::VertexText
                ? importVertexTextLines(run->project, lines, "x", run->prompts, run->log)
                : import3DOTextLines(run->project, lines, "x", run->prompts, run->log, colours);
        EXPECT_EQ(run->result.outcome, Outcome::Failed);
        EXPECT_EQ(run->result.line, c.line);
        EXPECT_TRUE(run->project.object == start.object) << "nothing changes";
    }
}

TEST(GeometryTextRobustness, EveryTruncatedVertexTextFileFailsOrKeepsItsWholeBlocks) {
    const Project source = sampleProject();
    const std::string full = vertexTextFileText(source);
    Outcomes tally;
    for (const Project& start : {Project{}, tenVertexProject()}) {
        const std::size_t base = start.GeometryPresent ? start.object.vertices.size() : 0;
        for (std::size_t cut = 0; cut <= full.size(); ++cut) {
            auto run = importChecked(Format::VertexText, full.substr(0, cut), start, tally);
            if (run->result.outcome != Outcome::Done) continue;
            // Whole blocks come back as written; only the very last number may be cut.
            const VertexOffset offset = base ? VertexOffset{0.5f, 0, -2} : VertexOffset{};
            auto added = verticesAfter(run->project, base);
            ASSERT_LE(added.size(), source.object.vertices.size()) << cut;
            for (std::size_t k = 0; k < added.size(); ++k) {
                const Vertex& want = source.object.vertices[k];
                EXPECT_EQ(added[k].X, want.X + offset.x) << cut;
                EXPECT_EQ(added[k].Y, want.Y + offset.y) << cut;
                if (k + 1 < added.size()) {
                    EXPECT_EQ(added[k].Z, want.Z + offset.z) << cut;
                }
            }
        }
    }
    EXPECT_GT(tally.done, 0);
    EXPECT_GT(tally.failed, 0);
    EXPECT_GT(tally.refused, 0);
}

TEST(GeometryTextRobustness, EveryTruncated3DOTextFileFailsOrImportsItWhole) {
    const Project source = sampleProject();
    const std::string full = text3DOFileText(source).text;
    Outcomes tally;
    for (const Project& start : {Project{}, tenVertexProject()}) {
        auto whole = importChecked(Format::Text3DO, full, start, tally);
        ASSERT_EQ(whole->result.outcome, Outcome::Done);
        const std::string wholeProject = projectFingerprint(whole->project);
        for (std::size_t cut = 0; cut < full.size(); ++cut) {
            auto run = importChecked(Format::Text3DO, full.substr(0, cut), start, tally);
            // Only a cut inside the end mark itself can still read: then nothing is lost.
            if (run->result.outcome == Outcome::Done) {
                EXPECT_EQ(projectFingerprint(run->project), wholeProject) << cut;
            }
        }
    }
    EXPECT_GT(tally.failed, 0);
    EXPECT_GT(tally.refused, 0);
}

TEST(GeometryTextRobustness, RandomBytesNeverCrashOrHalfImport) {
    std::mt19937 rng(11);
    const std::string pieces[] = {
        "# 3DO Export\r\n",
        "============ Vertex Definition for 3DO ==============\n",
        "VertexXYZ\r\n",
        "\r\n",
        "\n",
        "\r",
        "p 1 2 3\r\n",
        "p\t-1e3  2\t0.5\n",
        "v 3 -80808080 0 1 2 \r\n",
        "v -1\r\n",
        "2\r\n",
        "-5\n",
        "2147483647\n",
        "v 99999999 -80808080 0\n",
        "1.5\r\n",
        " ",
        "\t",
        "abc",
    };
    Outcomes tally;
    for (int round = 0; round < 400; ++round) {
        std::string text;
        // Half the inputs start with a good header so the readers get past it.
        if (round % 4 == 1) text = "# 3DO Export\r\n";
        if (round % 4 == 3) text = "============ Vertex Definition for 3DO ==============\r\n";
        for (int k = 1 + static_cast<int>(rng() % 40); k > 0; --k)
            text += rng() % 3 == 0 ? std::string(1, static_cast<char>(rng() % 256))
                                   : pieces[rng() % std::size(pieces)];
        for (const Project& start : {Project{}, tenVertexProject()}) {
            importChecked(Format::VertexText, text, start, tally);
            importChecked(Format::Text3DO, text, start, tally);
        }
    }
    EXPECT_GT(tally.done, 0);
    EXPECT_GT(tally.failed, 0);
}
