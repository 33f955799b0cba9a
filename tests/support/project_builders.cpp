#include "support/project_builders.hpp"

#include "model/project_file.hpp"
#include "support/scripted_prompts.hpp"
#include "support/temp_folder.hpp"

#include <stdexcept>

#include <random>

namespace meshsmith::test {

ObjectData makePolygon(const std::vector<std::int32_t>& corners) {
    ObjectData p;
    p.Red = 0.5f;
    p.Green = 0.25f;
    p.Blue = 1.0f;
    p.VertexIndices = corners;
    p.VertexIndices.push_back(corners.front());
    p.VertexCount = static_cast<std::int32_t>(p.VertexIndices.size());
    return p;
}

ObjectData makeTexturedPolygon(const std::vector<std::int32_t>& corners, std::int32_t texture,
                               const std::vector<TexCoord>& uv) {
    ObjectData p = makePolygon(corners);
    p.TextureIndex = texture;
    p.TexCoords = uv;
    return p;
}

ObjectData makeLine(std::int32_t from, std::int32_t to) {
    ObjectData l;
    l.Red = 0.6f;
    l.VertexIndices = {from, to};
    l.VertexCount = 2;
    return l;
}

Project sampleProject() {
    Project p;
    p.object.ProjectDescription = "Sample stand";
    p.object.vertices = {{0, 0, 0}, {10, 0, 0},   {10, 0, 5},
                         {0, 0, 5}, {5, 4, 2.5f}, {-1.25f, 3, 0.001f}};
    TextureData wall;
    wall.Filename = "wall01.bmp";
    TextureData roof;
    roof.Filename = "roof.bmp";
    roof.Transparent = 1;
    roof.MaskFilename = "roof_mask.bmp";
    roof.RepeatValue = 3;
    roof.BackColor = 0x000000FF;
    p.object.textures = {wall, roof};
    p.object.polygons.push_back(
        makeTexturedPolygon({0, 1, 2, 3}, 0, {{0, 0}, {1, 0}, {1, 1}, {0, 1}}));
    p.object.polygons.push_back(makeTexturedPolygon({3, 2, 4}, 1, {{0, 0}, {2, 0}, {1, 0.6f}}));
    p.object.polygons.push_back(makePolygon({0, 4, 5}));
    p.object.lines = {makeLine(0, 4), makeLine(5, 1)};
    CollVol vol;
    vol.PlaneCount = 2;
    vol.PlanePolygons = {0, 1};
    vol.PlaneRebounds = {3, 15};
    p.object.collision.push_back(vol);
    p.object.DisplayClass = 17;
    p.GeometryPresent = true;
    return p;
}

Project randomProject(std::uint32_t seed) {
    std::mt19937 rng(seed);
    auto uniform = [&](float lo, float hi) {
        return std::uniform_real_distribution<float>(lo, hi)(rng);
    };
    auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    Project p;
    p.object.ProjectDescription = seed % 5 == 0 ? "" : "Generated " + std::to_string(seed);
    int nv = seed % 7 == 0 ? 0 : 1 + below(40);
    for (int i = 0; i < nv; ++i) {
        float scale = below(4) == 0 ? 100000.0f : 50.0f;
        p.object.vertices.push_back({uniform(-scale, scale), uniform(-scale, scale),
                                     uniform(-1, 1) * 0.001f * below(3)});
    }
    int nt = below(4);
    for (int t = 0; t < nt; ++t) {
        TextureData td;
        td.Filename = "tex" + std::to_string(t) + ".bmp";
        td.Transparent = below(2);
        if (td.Transparent) td.MaskFilename = "tex" + std::to_string(t) + "_mask.bmp";
        td.RepeatValue = below(4);
        td.BackColor = below(3) == 0 ? 0x8000000Fu : static_cast<Colour>(rng() & 0x00FFFFFF);
        p.object.textures.push_back(td);
    }
    if (nv >= 2)
        for (int l = below(5); l > 0; --l) {
            ObjectData line = makeLine(below(nv), below(nv));
            line.Red = uniform(0, 1);
            line.Blue = 1e-7f * static_cast<float>(below(3));
            p.object.lines.push_back(line);
        }
    if (nv >= 3)
        for (int k = below(8); k > 0; --k) {
            int corners = 2 + below(10);
            std::vector<std::int32_t> idx;
            for (int c = 0; c < corners; ++c)
                idx.push_back(below(nv));
            ObjectData poly = makePolygon(idx);
            poly.Red = uniform(0, 1);
            poly.Green = 0.6f;
            if (nt > 0 && below(3) > 0) {
                poly.TextureIndex = below(nt);
                for (int c = 0; c < corners; ++c)
                    poly.TexCoords.push_back({uniform(-2, 3), uniform(0, 1)});
                poly.TexCoords.push_back({0, 0});
            }
            p.object.polygons.push_back(poly);
        }
    if (!p.object.polygons.empty())
        for (int v = below(3); v > 0; --v) {
            CollVol vol;
            vol.PlaneCount = 1 + below(4);
            for (int j = 0; j < vol.PlaneCount; ++j) {
                vol.PlanePolygons.push_back(below(static_cast<int>(p.object.polygons.size())));
                vol.PlaneRebounds.push_back(below(16));
            }
            p.object.collision.push_back(vol);
        }
    p.object.DisplayClass = below(25);
    p.options.ZoomRatio = 1 + below(450);
    p.options.RotationX = below(360);
    p.options.PanY = -below(100);
    p.options.ShowAxis = below(2);
    p.options.Perspective = below(2);
    p.options.BackgroundColor = below(2) ? "clBlack" : "$00FF8040";
    p.options.TrackFolder = below(2) ? "" : "C:\\GPL\\tracks\\monza\\";
    p.options.AdditionalGPLParams = below(2) ? "" : "-ko 20:Personal Information";
    p.options.AxisSize = 1 + below(1000);
    p.options.ShowVertices = below(2);
    p.options.MakerClose = below(2);
    p.options.VertexColor = below(2) ? "clRed" : "$000000FF";
    p.GeometryPresent = true;
    return p;
}

Project exampleProject() {
    Project p;
    ScriptedPrompts prompts;
    RecordingLog log;
    const OperationResult r = loadProject(p, sourcePath("examples/stand/stand.3dp"), prompts, log);
    if (!r.done()) throw std::runtime_error("the example does not load: " + r.message);
    return p;
}

} // namespace meshsmith::test
