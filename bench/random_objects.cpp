#include "random_objects.hpp"

#include "scenery_generators.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>

namespace meshsmith::bench {

namespace {

using kiln::test::Random;

const std::vector<std::string> kTextures = {"brick", "concrete", "roof",  "glass", "wood",
                                            "seats", "banner",   "grass", "metal"};

// Where an item stands: its centre, its base height and its turn about the
// vertical axis (cosine and sine from the half-angle tangent, so that the
// corners are the same everywhere).
struct Placement {
    double cx = 0, cy = 0, z0 = 0, cosine = 1, sine = 0;

    Point at(double x, double y, double z) const {
        return {static_cast<float>(cx + x * cosine - y * sine),
                static_cast<float>(cy + x * sine + y * cosine), static_cast<float>(z0 + z)};
    }
};

class SceneWriter {
  public:
    SceneWriter(RandomObject& object, Random& r) : object_(object), r_(r) {}

    void nextItem(const Placement& place) {
        place_ = place;
        ++item_;
    }
    Random& random() { return r_; }
    const Placement& place() const { return place_; }

    // A face over corners in item coordinates; texture coordinates follow the
    // corners across the face's widest directions.
    void face(const std::vector<std::array<double, 3>>& corners, int texture,
              bool fanFromCentre = false) {
        Face f;
        f.texture = texture;
        f.item = item_;
        f.fanFromCentre = fanFromCentre;
        for (const auto& c : corners) {
            f.corners.push_back(place_.at(c[0], c[1], c[2]));
            f.uv.push_back({static_cast<float>((c[0] + c[1]) / 4), static_cast<float>(c[2] / 4)});
        }
        object_.faces.push_back(std::move(f));
    }

  private:
    RandomObject& object_;
    Random& r_;
    Placement place_;
    int item_ = -1;
};

using Corners = std::vector<std::array<double, 3>>;

constexpr double kTurn = 6.283185307179586; // a whole turn in radians

void box(SceneWriter& w, double sx, double sy, double h, int side, int top, bool withFloor) {
    const double x[4] = {-sx, sx, sx, -sx}, y[4] = {-sy, -sy, sy, sy};
    if (withFloor)
        w.face({{x[3], y[3], 0}, {x[2], y[2], 0}, {x[1], y[1], 0}, {x[0], y[0], 0}}, top);
    w.face({{x[0], y[0], h}, {x[1], y[1], h}, {x[2], y[2], h}, {x[3], y[3], h}}, top);
    for (int i = 0; i < 4; ++i) {
        const int j = (i + 1) % 4;
        w.face({{x[i], y[i], 0}, {x[j], y[j], 0}, {x[j], y[j], h}, {x[i], y[i], h}}, side);
    }
}

void randomBox(SceneWriter& w) {
    Random& r = w.random();
    box(w, 0.5 + r.below(8) * 0.5, 0.5 + r.below(8) * 0.5, 1 + r.below(8), r.below(9), r.below(9),
        r.below(2) == 0);
}

// Walls without a top and a gable roof whose end triangles lie in the end walls' planes.
void house(SceneWriter& w) {
    Random& r = w.random();
    const double sx = 2 + r.below(4), sy = 1.5 + r.below(3), h = 2 + r.below(3),
                 ridge = h + 1 + r.below(3);
    const int wall = r.below(9), roof = 2;
    const double x[4] = {-sx, sx, sx, -sx}, y[4] = {-sy, -sy, sy, sy};
    for (int i = 0; i < 4; ++i) {
        const int j = (i + 1) % 4;
        w.face({{x[i], y[i], 0}, {x[j], y[j], 0}, {x[j], y[j], h}, {x[i], y[i], h}}, wall);
    }
    w.face({{-sx, -sy, h}, {-sx, sy, h}, {-sx, 0, ridge}}, wall);
    w.face({{sx, sy, h}, {sx, -sy, h}, {sx, 0, ridge}}, wall);
    w.face({{-sx, -sy, h}, {-sx, 0, ridge}, {sx, 0, ridge}, {sx, -sy, h}}, roof);
    w.face({{sx, sy, h}, {sx, 0, ridge}, {-sx, 0, ridge}, {-sx, sy, h}}, roof);
}

// Steps of treads and risers, a back wall, a roof and two stair-shaped side
// walls, whose corner 0 (the bottom of the back) sees all the others.
void stand(SceneWriter& w) {
    Random& r = w.random();
    const int steps = 2 + r.below(7);
    const double width = 4 + r.below(8), depth = 1, rise = 0.5;
    Corners left{{0, steps * depth, 0}, {0, 0, 0}};
    for (int s = 0; s < steps; ++s) {
        const double y0 = s * depth, y1 = y0 + depth, z0 = s * rise, z1 = z0 + rise;
        w.face({{0, y0, z0}, {width, y0, z0}, {width, y0, z1}, {0, y0, z1}}, 1);
        w.face({{0, y0, z1}, {width, y0, z1}, {width, y1, z1}, {0, y1, z1}}, 5);
        left.push_back({0, y0, z1});
        left.push_back({0, y1, z1});
    }
    const double back = steps * depth, top = steps * rise;
    w.face({{width, back, 0}, {0, back, 0}, {0, back, top}, {width, back, top}}, 0);
    w.face({{0, back, top + 2},
            {width, back, top + 2},
            {width, back - 2, top + 2},
            {0, back - 2, top + 2}},
           2);
    Corners right;
    for (const auto& p : left)
        right.push_back({width, p[1], p[2]});
    std::reverse(left.begin() + 1, left.end()); // facing -x, corner 0 kept
    w.face(left, 0);
    w.face(right, 0);
}

// Panels between posts; every panel is a polygon and its exact reverse.
void fence(SceneWriter& w) {
    Random& r = w.random();
    const int panels = 1 + r.below(5);
    const double span = 2 + r.below(3), height = 1 + r.below(2);
    const Placement base = w.place();
    for (int i = 0; i <= panels; ++i) {
        Placement post = base;
        post.cx += base.cosine * (i * span);
        post.cy += base.sine * (i * span);
        w.nextItem(post);
        box(w, 0.1, 0.1, height + 0.3, 8, 8, false);
    }
    w.nextItem(base);
    for (int i = 0; i < panels; ++i) {
        const double x0 = i * span + 0.1, x1 = (i + 1) * span - 0.1;
        Corners panel{{x0, 0, 0.2}, {x1, 0, 0.2}, {x1, 0, height}, {x0, 0, height}};
        w.face(panel, 6);
        std::reverse(panel.begin(), panel.end());
        w.face(panel, 6);
    }
}

// A prism of 5 to 16 sides with both caps (caps of more than 11 corners are cut by the reader).
void tower(SceneWriter& w) {
    Random& r = w.random();
    const int sides = 5 + r.below(12);
    const double radius = 1 + r.below(3), h = 3 + r.below(8);
    Corners ring;
    for (int i = 0; i < sides; ++i) {
        const double angle = kTurn * i / sides;
        ring.push_back({radius * std::cos(angle), radius * std::sin(angle), 0});
    }
    Corners bottom(ring.rbegin(), ring.rend()), top;
    for (auto p : ring) {
        p[2] = h;
        top.push_back(p);
    }
    w.face(bottom, 1);
    w.face(top, 2);
    for (int i = 0; i < sides; ++i) {
        const auto& a = ring[static_cast<std::size_t>(i)];
        const auto& b = ring[static_cast<std::size_t>((i + 1) % sides)];
        w.face({a, b, {b[0], b[1], h}, {a[0], a[1], h}}, 3);
    }
}

// A star-shaped board on a post, sometimes with its back.
void sign(SceneWriter& w) {
    Random& r = w.random();
    const int points = 3 + r.below(6);
    box(w, 0.1, 0.1, 3, 8, 8, false);
    Corners star;
    for (int i = 0; i < 2 * points; ++i) {
        const double angle = kTurn * i / (2 * points);
        const double radius = i % 2 == 0 ? 1.5 + r.uniform(0, 1) : 0.6 + r.uniform(0, 0.4);
        star.push_back({radius * std::cos(angle), -0.15, 4 + radius * std::sin(angle)});
    }
    w.face(star, 6, true);
    if (r.below(2) == 0) {
        std::reverse(star.begin(), star.end());
        for (auto& p : star)
            p[1] = -0.2;
        w.face(star, 6, true);
    }
}

// A closed ball of triangles pushed out to random radii: nearly every
// triangle in a plane of its own.
void blob(SceneWriter& w) {
    Random& r = w.random();
    const int cells = 1 + r.below(3);
    const double size = 1.5 + r.below(3);
    const std::uint32_t seed = r.next();
    const auto point = [&](int face, int i, int j) {
        const kiln::test::CubePoint c = kiln::test::cubePoint(cells, face, i, j);
        Random bump(seed ^ c.key);
        const double radius = size * bump.uniform(0.85, 1.15);
        return std::array<double, 3>{c.direction[0] * radius, c.direction[1] * radius,
                                     c.direction[2] * radius + size};
    };
    for (int face = 0; face < 6; ++face)
        for (int i = 0; i < cells; ++i)
            for (int j = 0; j < cells; ++j) {
                const auto a = point(face, i, j), b = point(face, i + 1, j),
                           c = point(face, i + 1, j + 1), d = point(face, i, j + 1);
                w.face({a, b, c}, 7);
                w.face({a, c, d}, 7);
            }
}

// A patch of ground whose quads are bent (readers cut them into triangles).
void terrain(SceneWriter& w) {
    Random& r = w.random();
    const int cells = 2 + r.below(4);
    std::vector<double> height(static_cast<std::size_t>((cells + 1) * (cells + 1)));
    for (double& h : height)
        h = r.below(4) == 0 ? 0 : r.uniform(0, 0.6);
    const auto at = [&](int i, int j) {
        return std::array<double, 3>{i - cells / 2.0, j - cells / 2.0,
                                     height[static_cast<std::size_t>(i * (cells + 1) + j)]};
    };
    for (int i = 0; i < cells; ++i)
        for (int j = 0; j < cells; ++j)
            w.face({at(i, j), at(i + 1, j), at(i + 1, j + 1), at(i, j + 1)}, 7);
}

const std::vector<std::function<void(SceneWriter&)>> kItems = {randomBox, house, stand, fence,
                                                               tower,     sign,  blob,  terrain};

// Formats a number with five decimals, as the editor writes coordinates.
std::string real5(double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.5f", v);
    return buffer;
}

std::string point3(const Point& p) {
    return real5(p[0]) + " " + real5(p[1]) + " " + real5(p[2]);
}

} // namespace

RandomObject randomObject(std::uint32_t seed, int faces) {
    RandomObject object;
    object.textures = kTextures;
    Random r(seed);
    SceneWriter w(object, r);
    // Items on a grid of 14-unit cells, moved by up to 4 units (neighbours
    // may overlap) and turned through one of a few angles or none.
    const int side = static_cast<int>(std::ceil(std::sqrt(faces / 20.0 + 1)));
    for (int cell = 0; static_cast<int>(object.faces.size()) < std::max(faces, 1); ++cell) {
        Placement p;
        p.cx = 14.0 * (cell % side) + r.uniform(-4, 4);
        p.cy = 14.0 * (cell / side) + r.uniform(-4, 4);
        p.z0 = r.below(3) == 0 ? r.below(3) * 0.5 : 0;
        if (r.below(3) == 0) {
            const double t = r.uniform(0.05, 0.8);
            p.cosine = (1 - t * t) / (1 + t * t);
            p.sine = 2 * t / (1 + t * t);
        }
        w.nextItem(p);
        kItems[static_cast<std::size_t>(r.below(static_cast<int>(kItems.size())))](w);
    }
    object.faces.resize(static_cast<std::size_t>(std::max(faces, 1)));
    return object;
}

std::string editorAseText(const RandomObject& object) {
    std::string s = "*COMMENT \">>>> - Exported by Meshsmith - <<<<\"\r\n \r\n";
    for (std::size_t t = 0; t < object.textures.size(); ++t)
        s += "*MATERIAL " + std::to_string(t) + "\r\n *BITMAP \"" + object.textures[t] +
             ".bmp\"\r\n";
    for (const Face& f : object.faces) {
        s += "*GEOMOBJECT\r\n";
        for (std::size_t i = 0; i < f.corners.size(); ++i)
            s += "*MESH_VERTEX " + std::to_string(i) + " " + point3(f.corners[i]) + "\r\n";
        for (std::size_t i = 0; i < f.uv.size(); ++i)
            s += "*MESH_TVERT " + std::to_string(i) + " " + real5(f.uv[i][0]) + " " +
                 real5(f.uv[i][1]) + " 0.00000\r\n";
        s += "*MATERIAL_REF " + std::to_string(f.texture) + "\r\n \r\n";
    }
    return s;
}

namespace {

// The triangles of a face as corner numbers; number n is the centre point
// that a fan round the centre adds.
std::vector<std::array<int, 3>> triangles(const Face& f) {
    const int n = static_cast<int>(f.corners.size());
    std::vector<std::array<int, 3>> out;
    for (int i = 0; i < n; ++i) {
        if (f.fanFromCentre)
            out.push_back({n, i, (i + 1) % n});
        else if (i >= 1 && i + 1 < n)
            out.push_back({0, i, i + 1});
    }
    return out;
}

template <typename T> T centreOf(const std::vector<T>& values) {
    T sum{};
    for (const T& v : values)
        for (std::size_t c = 0; c < sum.size(); ++c)
            sum[c] += v[c] / static_cast<float>(values.size());
    return sum;
}

// One mesh of a 3ds Max file: the faces of one item with one texture.
std::string maxMesh(const std::vector<const Face*>& faces, int number) {
    std::vector<Point> points;
    std::vector<UV> uvs;
    std::vector<std::array<int, 3>> tris;
    for (const Face* f : faces) {
        const int first = static_cast<int>(points.size());
        points.insert(points.end(), f->corners.begin(), f->corners.end());
        uvs.insert(uvs.end(), f->uv.begin(), f->uv.end());
        if (f->fanFromCentre) {
            points.push_back(centreOf(f->corners));
            uvs.push_back(centreOf(f->uv));
        }
        for (auto t : triangles(*f))
            tris.push_back({first + t[0], first + t[1], first + t[2]});
    }
    std::string s = "*GEOMOBJECT {\n\t*NODE_NAME \"Item" + std::to_string(number) +
                    "\"\n\t*MESH {\n\t\t*TIMEVALUE 0\n\t\t*MESH_NUMVERTEX " +
                    std::to_string(points.size()) + "\n\t\t*MESH_NUMFACES " +
                    std::to_string(tris.size()) + "\n\t\t*MESH_VERTEX_LIST {\n";
    for (std::size_t i = 0; i < points.size(); ++i)
        s += "\t\t\t*MESH_VERTEX " + std::to_string(i) + "\t" + real5(points[i][0]) + "\t" +
             real5(points[i][1]) + "\t" + real5(points[i][2]) + "\n";
    s += "\t\t}\n\t\t*MESH_FACE_LIST {\n";
    for (std::size_t i = 0; i < tris.size(); ++i)
        s += "\t\t\t*MESH_FACE    " + std::to_string(i) +
             ":    A:    " + std::to_string(tris[i][0]) + " B:    " + std::to_string(tris[i][1]) +
             " C:    " + std::to_string(tris[i][2]) +
             " AB:    1 BC:    1 CA:    0\t *MESH_SMOOTHING 1 \t*MESH_MTLID 0\n";
    s += "\t\t}\n\t\t*MESH_NUMTVERTEX " + std::to_string(uvs.size()) + "\n\t\t*MESH_TVERTLIST {\n";
    for (std::size_t i = 0; i < uvs.size(); ++i)
        s += "\t\t\t*MESH_TVERT " + std::to_string(i) + "\t" + real5(uvs[i][0]) + "\t" +
             real5(uvs[i][1]) + "\t0.0000\n";
    s += "\t\t}\n\t\t*MESH_NUMTVFACES " + std::to_string(tris.size()) + "\n\t\t*MESH_TFACELIST {\n";
    for (std::size_t i = 0; i < tris.size(); ++i)
        s += "\t\t\t*MESH_TFACE " + std::to_string(i) + "\t" + std::to_string(tris[i][0]) + "\t" +
             std::to_string(tris[i][1]) + "\t" + std::to_string(tris[i][2]) + "\n";
    s += "\t\t}\n\t}\n\t*MATERIAL_REF " + std::to_string(faces.front()->texture) + "\n}\n";
    return s;
}

} // namespace

std::string maxAseText(const RandomObject& object) {
    std::string s = "*3DSMAX_ASCIIEXPORT\t200\n*COMMENT \"AsciiExport Version  2,00\"\n"
                    "*MATERIAL_LIST {\n\t*MATERIAL_COUNT " +
                    std::to_string(object.textures.size()) + "\n";
    for (std::size_t t = 0; t < object.textures.size(); ++t)
        s += "\t*MATERIAL " + std::to_string(t) + " {\n\t\t*MATERIAL_NAME \"" + object.textures[t] +
             "\"\n\t\t*MAP_DIFFUSE {\n\t\t\t*BITMAP \"C:\\maps\\" + object.textures[t] +
             ".bmp\"\n\t\t}\n\t}\n";
    s += "}\n";
    int meshes = 0;
    for (std::size_t first = 0; first < object.faces.size();) {
        std::size_t end = first;
        while (end < object.faces.size() && object.faces[end].item == object.faces[first].item)
            ++end;
        for (int t = 0; t < static_cast<int>(object.textures.size()); ++t) {
            std::vector<const Face*> faces;
            for (std::size_t i = first; i < end; ++i)
                if (object.faces[i].texture == t) faces.push_back(&object.faces[i]);
            if (!faces.empty()) s += maxMesh(faces, meshes++);
        }
        first = end;
    }
    return s;
}

std::string objText(const RandomObject& object, const std::string& mtlName) {
    // Equal points and equal texture coordinates are written once, as modellers do.
    std::map<Point, int> pointNumbers;
    std::map<UV, int> uvNumbers;
    std::string s = "# random scenery\nmtllib " + mtlName + "\n", faces;
    int current = -1;
    for (const Face& f : object.faces) {
        if (f.texture != current) {
            current = f.texture;
            faces += "usemtl " + object.textures[static_cast<std::size_t>(current)] + "\n";
        }
        faces += "f";
        for (std::size_t i = 0; i < f.corners.size(); ++i) {
            auto [p, newPoint] = pointNumbers.emplace(f.corners[i], pointNumbers.size() + 1);
            if (newPoint) s += "v " + point3(f.corners[i]) + "\n";
            auto [t, newUV] = uvNumbers.emplace(f.uv[i], uvNumbers.size() + 1);
            if (newUV) s += "vt " + real5(f.uv[i][0]) + " " + real5(f.uv[i][1]) + "\n";
            faces += " " + std::to_string(p->second) + "/" + std::to_string(t->second);
        }
        faces += "\n";
    }
    return s + faces;
}

std::string mtlText(const RandomObject& object) {
    std::string s;
    for (const std::string& t : object.textures)
        s += "newmtl " + t + "\nmap_Kd " + t + ".bmp\n\n";
    return s;
}

} // namespace meshsmith::bench
