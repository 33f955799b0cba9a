#include "editor/core/view/picking.hpp"

#include "editor/core/view/pick_volume.hpp"

#include <algorithm>
#include <cmath>

namespace meshsmith {

namespace {

class ScenePicker {
  public:
    ScenePicker(const Project& project, const SceneOptions& options, const PickVolume& volume)
        : project_(project), options_(options), volume_(volume) {
        clip_.reserve(project.object.vertices.size());
        for (const Vertex& v : project.object.vertices)
            clip_.push_back(volume.toClip({v.X, v.Y, v.Z}));
    }

    std::vector<PickHit> run() {
        if (options_.showVertices) pickVertices();
        if (project_.options.ShowLines) pickLines(project_.object.lines, HitKind::Line, false);
        pickLines(project_.object.visLines, HitKind::VisLine, true);
        if (project_.options.ShowPolygons) pickPolygons();
        if (project_.options.ShowAxis && axisHits()) hits_.push_back({HitKind::Axis, 0});
        if (options_.showGrid && gridHits()) hits_.push_back({HitKind::Grid, 0});
        return std::move(hits_);
    }

  private:
    bool marked(bool (SceneMarks::*which)(std::size_t) const, std::int32_t k) const {
        return options_.marks && (options_.marks->*which)(static_cast<std::size_t>(k));
    }

    // A face is drawn when it is not seen edge-on and not culled.
    bool faceHits(const Vec4& a, const Vec4& b, const Vec4& c) const {
        const double winding = screenWinding(a, b, c);
        if (winding == 0 || std::isnan(winding)) return false;
        if (!options_.showBackfaces && winding > 0) return false;
        return triangleHits(a, b, c);
    }

    bool sphereHits(const Vec3& centre, double radius) {
        if (!(radius > 0) || !std::isfinite(radius)) return false;
        if (!volume_.cubeMayHit(centre, radius)) return false;
        const SphereMesh& sphere = unitSphere();
        if (sphereDirections_.empty()) {
            for (const auto& p : sphere.points)
                sphereDirections_.push_back(
                    volume_.matrix().transformDirection({p[0], p[1], p[2]}));
        }
        const Vec4 c = volume_.toClip(centre);
        corners_.clear();
        for (const Vec4& d : sphereDirections_)
            corners_.push_back(
                {c.x + radius * d.x, c.y + radius * d.y, c.z + radius * d.z, c.w + radius * d.w});
        return std::any_of(sphere.triangles.begin(), sphere.triangles.end(), [&](const auto& t) {
            return faceHits(corners_[t[0]], corners_[t[1]], corners_[t[2]]);
        });
    }

    void pickVertices() {
        const std::int32_t size = project_.options.VertexDisplaySize;
        const auto count = static_cast<std::int32_t>(project_.object.vertices.size());
        for (std::int32_t i = 0; i < count; ++i) {
            const Vertex& v = project_.object.vertices[i];
            double radius = drawnVertexRadius(size, marked(&SceneMarks::vertex, i));
            // The pivot sphere is drawn around the vertex's own, under its name.
            if (i == options_.pivotVertex)
                radius = std::max(radius, double{pivotSphereRadius(size)});
            if (sphereHits({v.X, v.Y, v.Z}, radius)) hits_.push_back({HitKind::Vertex, i});
        }
        if (options_.originPivot && sphereHits({0, 0, 0}, pivotSphereRadius(size)))
            hits_.push_back({HitKind::OriginMarker, 0});
    }

    void pickLines(const std::vector<ObjectData>& table, HitKind kind, bool visualization) {
        const auto count = static_cast<std::int32_t>(table.size());
        for (std::int32_t i = 0; i < count; ++i) {
            const ObjectData& line = table[i];
            if (!lineIsDrawable(project_, line)) continue;
            const float width = visualization   ? kVisLineWidth
                                : marked(&SceneMarks::line, i) ? kSelectedLineWidth
                                                : kLineWidth;
            if (segmentHits(clip_[line.VertexIndices[0]], clip_[line.VertexIndices[1]],
                            1.0 + width))
                hits_.push_back({kind, i});
        }
    }

    bool fillHits(const ObjectData& polygon) const {
        const std::int32_t corners = polygon.VertexCount - 1;
        if (corners < 3) return false;
        const auto& at = polygon.VertexIndices;
        unsigned shared = ~0u;
        for (std::int32_t k = 0; k < corners; ++k)
            shared &= outsideBits(clip_[at[k]]);
        if (shared != 0) return false;
        // The triangles the view fills it with.
        for (const auto& t : polygonFill(project_, polygon))
            if (faceHits(clip_[at[t[0]]], clip_[at[t[1]]], clip_[at[t[2]]])) return true;
        return false;
    }

    bool outlineHits(const ObjectData& polygon) const {
        const auto& at = polygon.VertexIndices;
        for (std::int32_t k = 0; k + 1 < polygon.VertexCount; ++k)
            if (segmentHits(clip_[at[k]], clip_[at[k + 1]], 1.0 + kPolygonOutlineWidth))
                return true;
        return false;
    }

    void pickPolygons() {
        const auto count = static_cast<std::int32_t>(project_.object.polygons.size());
        for (std::int32_t i = 0; i < count; ++i) {
            const ObjectData& polygon = project_.object.polygons[i];
            if (!polygonIsDrawable(project_, polygon)) continue;
            if (fillHits(polygon) || (marked(&SceneMarks::polygon, i) && outlineHits(polygon)))
                hits_.push_back({HitKind::Polygon, i});
        }
    }

    bool axisHits() const {
        const Vec4 origin = volume_.toClip({0, 0, 0});
        for (const AxisSegment& s : axisSymbol(project_.options.AxisSize))
            if (segmentHits(origin, volume_.toClip({s.to[0], s.to[1], s.to[2]}),
                            1.0 + kAxisLineWidth))
                return true;
        return false;
    }

    // A grid coordinate as the drawing holds it.
    static double at(const Grid& grid, std::int64_t step) {
        return static_cast<float>(grid.scale * step);
    }

    bool gridHits() const {
        const auto grid = gridOf(project_.bounds, options_.gridScale);
        if (!grid || grid->pointCount() > kGridPointLimit) return false;
        const double widen = 1.0 + options_.gridPointSize / 10.0;
        for (std::int64_t i = grid->x.first; i <= grid->x.last; ++i)
            for (std::int64_t j = grid->y.first; j <= grid->y.last; ++j)
                for (std::int64_t k = grid->z.first; k <= grid->z.last; ++k)
                    if (pointHits(volume_.toClip({at(*grid, i), at(*grid, j), at(*grid, k)}),
                                  widen))
                        return true;
        return false;
    }

    const Project& project_;
    const SceneOptions& options_;
    const PickVolume& volume_;
    std::vector<Vec4> clip_;
    std::vector<Vec4> sphereDirections_, corners_;
    std::vector<PickHit> hits_;
};

} // namespace

std::vector<PickHit> pickScene(const Project& project, const SceneOptions& options,
                               const Matrix4& combined, const Viewport& viewport, int mouseX,
                               int mouseY) {
    if (!project.GeometryPresent || viewport.empty()) return {};
    const PickVolume volume(combined, viewport, mouseX,
                            static_cast<double>(viewport.height) - mouseY);
    return ScenePicker(project, options, volume).run();
}

} // namespace meshsmith
