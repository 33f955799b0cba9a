// Starting the line and polygon picks: log lines, modes and colours.
#include "editor/core/geometry/pick_start.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

// Only the colour dialog is asked; it answers `answer`.
class ColourDialog : public FileDialogs {
  public:
    std::optional<std::string> openFile(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> saveFile(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> chooseFolder(const std::string&) override { return {}; }
    std::optional<Colour> chooseColour(Colour start) override {
        starts.push_back(start);
        return answer;
    }
    std::optional<Colour> answer;
    std::vector<Colour> starts;
};

using Lines = std::vector<std::string>;

} // namespace

TEST(PickSession, StartingAPickEndsAnyOtherAndTakesItsColour) {
    Project p = sampleProject();
    p.object.vertices[1].Selected = 1;
    PickModes modes;
    modes.LinePickMode = true;
    modes.PickedVertices = {3};
    ColourDialog files;
    files.answer = 0x00FF0000;
    RecordingLog log;
    PolygonColour colour(RandomColours(7));
    startPolygonPick(modes, p, colour, NextColour::Dialog, files, log);
    EXPECT_EQ(log.lines, (Lines{"Creating a Flat Shading Polygon:", "Pick color for Polygon!",
                                "Pick first vertex !"}));
    EXPECT_TRUE(modes.PolygonPickMode && !modes.LinePickMode && modes.PickedVertices.empty());
    EXPECT_EQ(p.object.vertices[1].Selected, 0);
    EXPECT_EQ(files.starts, std::vector<Colour>{0x00808080}) << "opens with the current colour";
    EXPECT_EQ(colour.current(), (Rgb{0, 0, 1}));

    Rgb lineColour = kDefaultPolygonColour;
    log.lines.clear();
    startLinePick(modes, p, lineColour, false, files, log);
    EXPECT_EQ(log.lines, (Lines{"Creating a line:", "Pick first vertex !"}));
    EXPECT_TRUE(modes.LinePickMode && !modes.PolygonPickMode && modes.LinePickState == 0);
    EXPECT_EQ(lineColour, kDefaultPolygonColour) << "no dialog asked";
}
