// The attribute operations as one recorded session
// (tests/data/editor/attribute_edits.txt): collision volumes built, refused,
// edited, undone and removed; the display class and the description.
#include "editor/core/attributes/attribute_rules.hpp"
#include "model/edits/attribute_edits.hpp"
#include "model/edits/edit.hpp"
#include "model/object_check.hpp"
#include "support/project_builders.hpp"

#include "../rule_table.hpp"

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

// Six untextured triangles, a seventh polygon of two corners (as a stored file
// may hold one) and no volumes, with an edit history.
struct AttributeSession {
    Project p;

    AttributeSession() {
        for (int k = 0; k < 3; ++k)
            p.object.vertices.push_back({static_cast<float>(k), 0, 0});
        for (int k = 0; k < 6; ++k)
            p.object.polygons.push_back(makePolygon({0, 1, 2}));
        p.object.polygons.push_back(makePolygon({0, 1, 0}));
        startHistory(p);
    }

    // "add REBOUND POLYGON...", "rebound VOLUME REBOUND", "remove VOLUME",
    // "remove-all", "undo", "class ENTRY", "entry-of VALUE", "description
    // TEXT" (TEXT*N: N times TEXT).
    std::string run(const std::string& command) {
        std::istringstream in(command);
        std::string word;
        in >> word;
        const std::vector<std::int32_t> n{std::istream_iterator<std::int32_t>(in), {}};
        std::optional<OperationResult> result;
        if (word == "add") result = addCollisionVolume(p, {n.begin() + 1, n.end()}, n.at(0));
        if (word == "rebound") result = setVolumeRebound(p, n.at(0), n.at(1));
        if (word == "remove") result = removeCollisionVolume(p, n.at(0));
        if (word == "remove-all") result = removeAllCollisionVolumes(p);
        if (word == "undo") result = undoEdit(p);
        if (word == "class") result = setDisplayClass(p, displayClassEntries().at(n.at(0)).value);
        if (word == "entry-of") {
            const auto entry = displayClassEntryOf(n.at(0));
            return "  -> " + (entry ? "entry " + std::to_string(*entry) : "no entry") + "\n";
        }
        if (word == "description") {
            const std::string text = unescaped(command.substr(12)),
                              once = text.substr(0, text.rfind('*'));
            std::string repeated = once;
            for (int k = once == text ? 1 : std::stoi(text.substr(once.size() + 1)); k > 1; --k)
                repeated += once;
            result = setDescription(p, repeated);
        }
        if (!result) return "  unknown command\n";
        EXPECT_EQ(findObjectFault(p.object), std::nullopt) << command;
        std::ostringstream out;
        out << "  -> " << (result->done() ? "done" : "refused: " + escaped(result->message))
            << "\n";
        for (std::size_t v = 0; v < p.object.collision.size(); ++v) {
            out << "  " << volumeListLine(v, p.object.collision[v]) << ", rebounds";
            for (std::int32_t r : p.object.collision[v].PlaneRebounds)
                out << " " << r;
            out << "\n";
        }
        const std::string& d = p.object.ProjectDescription;
        out << "  class " << p.object.DisplayClass << ", description of " << d.size() << " bytes"
            << (d.size() < 40 ? ": '" + escaped(d) + "'" : "") << "\n";
        return out.str();
    }
};

} // namespace

TEST(AttributeEdits, RecordedSession) {
    AttributeSession s;
    expectSession("attribute_edits.txt",
                  [&](const std::string& command) { return s.run(command); });
}
