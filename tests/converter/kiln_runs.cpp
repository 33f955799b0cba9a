#include "kiln_runs.hpp"

#include "converter/kiln_driver.hpp"
#include "converter/text_input.hpp"
#include "converter/readers.hpp"
#include "export/ase_writer.hpp"
#include "model/number_text.hpp"
#include "model/project_file.hpp"
#include "support/scripted_prompts.hpp"
#include "support/temp_folder.hpp"
#include "threedo_check.hpp"

#include <gtest/gtest.h>

#include <stdexcept>

namespace meshsmith::kiln::test {

using meshsmith::test::readFile;
using meshsmith::test::RecordingLog;
using meshsmith::test::ScriptedPrompts;
using meshsmith::test::sourcePath;

KilnRun runKilnCaptured(const std::vector<std::string>& args) {
    testing::internal::CaptureStdout();
    KilnRun run;
    run.status = runKiln(args);
    run.out = testing::internal::GetCapturedStdout();
    return run;
}

std::string aseHeader(const std::vector<std::string>& textures) {
    std::string s = "*COMMENT \">>>> - Exported by Meshsmith - <<<<\"\r\n"
                    "*COMMENT \"Caution: Crippled ASE file - Do not use with 3DSMAX !\"\r\n \r\n";
    for (std::size_t i = 0; i < textures.size(); ++i)
        s += "*MATERIAL " + std::to_string(i) + "\r\n*MATERIAL_DIFFUSE 0.5 0.5 0.5\r\n*BITMAP \"" +
             textures[i] + "\"\r\n";
    return s + " \r\n";
}

std::string aseObject(const std::vector<AseCorner>& corners, int material) {
    std::string s = "*GEOMOBJECT\r\n";
    for (std::size_t i = 0; i < corners.size(); ++i)
        s += "*MESH_VERTEX " + std::to_string(i) + " " + real5(corners[i][0]) + " " +
             real5(corners[i][1]) + " " + real5(corners[i][2]) + "\r\n";
    s += " \r\n*DISPLAY_CLASS 3\r\n \r\n";
    for (std::size_t i = 0; i < corners.size(); ++i)
        s += "*MESH_TVERT " + std::to_string(i) + " " + real5(corners[i][3]) + " " +
             real5(corners[i][4]) + " 0.0000\r\n";
    return s + " \r\n*MATERIAL_REF " + std::to_string(material) + "\r\n \r\n \r\n";
}

std::vector<AseCorner> square(float x, float y, float z) {
    return {{x, y, z, 0, 0}, {x + 1, y, z, 1, 0}, {x + 1, y + 1, z, 1, 1}, {x, y + 1, z, 0, 1}};
}

const std::string& exampleAse() {
    static const std::string text = [] {
        Project p;
        ScriptedPrompts prompts;
        RecordingLog log;
        OperationResult r = loadProject(p, sourcePath("examples/stand/stand.3dp"), prompts, log);
        if (r.outcome != Outcome::Done) throw std::runtime_error("example: " + r.message);
        return aseText(p);
    }();
    return text;
}

void readMeshsmithText(KilnState& k, const std::string& text, const std::string& name,
                       std::string* out) {
    TextSource source(text);
    std::string first, fileName = name;
    readstr(source, first);
    if (out) testing::internal::CaptureStdout();
    try {
        read_Meshsmith(k, source, fileName);
    } catch (...) {
        if (out) *out = testing::internal::GetCapturedStdout();
        throw;
    }
    if (out) *out = testing::internal::GetCapturedStdout();
}

std::string convertVerdict(const std::string& text) {
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
        return check.violation ? check.violation->text() : "converted";
    } catch (const InputError& e) {
        return std::string("refused: ") + e.what();
    } catch (const CapacityError& e) {
        return std::string("refused: ") + e.what();
    }
}

std::vector<std::uint8_t> readBytes(const std::string& path) {
    const std::string s = readFile(path);
    return {s.begin(), s.end()};
}

} // namespace meshsmith::kiln::test
