// Starting the line and polygon picks: log lines, the session and its colour.
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

TEST(PickStart, StartingAPickEndsAnyOtherAndTakesItsColour) {
    Document doc;
    doc.adopt(sampleProject());
    doc.select(Purpose::Vertices, {1});
    doc.startPick(LinePick{{}, {3}});
    ColourDialog files;
    files.answer = 0x00FF0000;
    RecordingLog log;
    PolygonColour colour(RandomColours(7));
    startPolygonPick(doc, colour, NextColour::Dialog, files, log);
    EXPECT_EQ(log.lines, (Lines{"Creating a Flat Shading Polygon:", "Pick color for Polygon!",
                                "Pick first vertex !"}));
    EXPECT_EQ(doc.pickSession(), PickSession(PolygonPick{{0, 0, 1}, {}}));
    EXPECT_TRUE(doc.selected(Purpose::Vertices).empty()) << "a new pick shows no vertex chosen";
    EXPECT_EQ(files.starts, std::vector<Colour>{0x00808080}) << "opens with the current colour";

    Rgb lineColour = kDefaultPolygonColour;
    log.lines.clear();
    startLinePick(doc, lineColour, false, files, log);
    EXPECT_EQ(log.lines, (Lines{"Creating a line:", "Pick first vertex !"}));
    EXPECT_EQ(doc.pickSession(), PickSession(LinePick{kDefaultPolygonColour, {}}))
        << "no dialog asked";
}
