// The craft modelling kit.
#include "tools/assetgen/mesh.h"

#include <cmath>

namespace cindervane::assetgen {

namespace {

Vec3 sub(const Vec3& a, const Vec3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
double dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec3 normalised(const Vec3& v) {
    const double length = std::sqrt(dot(v, v));
    if (length <= 1e-12) return {0, 0, 1};
    return {v.x / length, v.y / length, v.z / length};
}

// Newell's method: the normal of a polygon, robust to repeated points.
Vec3 newell(const std::vector<Vec3>& points) {
    Vec3 n;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Vec3& a = points[i];
        const Vec3& b = points[(i + 1) % points.size()];
        n.x += (a.y - b.y) * (a.z + b.z);
        n.y += (a.z - b.z) * (a.x + b.x);
        n.z += (a.x - b.x) * (a.y + b.y);
    }
    return n;
}

Vec3 centroid(const std::vector<Vec3>& points) {
    Vec3 c;
    for (const Vec3& p : points)
        c = {c.x + p.x, c.y + p.y, c.z + p.z};
    const double n = static_cast<double>(points.size());
    return {c.x / n, c.y / n, c.z / n};
}

// Undersides and the backs of hulls are a shade darker than their tops.
Material darker(const Material& m) {
    return {scaled(m.colour, 0.7), m.finish};
}

double signedArea(const std::vector<Point2>& outline) {
    double area = 0;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const Point2& a = outline[i];
        const Point2& b = outline[(i + 1) % outline.size()];
        area += a.x * b.y - b.x * a.y;
    }
    return area / 2;
}

}  // namespace

void Mesh::addFace(std::vector<Vec3> points, const Material& material, const Vec3& outward) {
    if (points.size() < 3) return;
    Vec3 n = newell(points);
    if (dot(n, n) < 1e-12) return;  // degenerate: all points on a line
    n = normalised(n);
    if (dot(n, outward) < 0) n = {-n.x, -n.y, -n.z};
    faces_.push_back({std::move(points), n, material});
}

void Mesh::slab(const std::vector<Point2>& outline, double zLow, double zHigh, const Material& top,
                const Material& side, double bevel) {
    const std::size_t n = outline.size();
    if (n < 3) return;
    const double orientation = signedArea(outline) >= 0 ? 1.0 : -1.0;
    // Outward normal of edge i (from point i to i + 1).
    auto edgeNormal = [&](std::size_t i) {
        const Point2& a = outline[i];
        const Point2& b = outline[(i + 1) % n];
        const double dx = b.x - a.x, dy = b.y - a.y;
        const double length = std::max(std::hypot(dx, dy), 1e-9);
        return Point2{dy / length * orientation, -dx / length * orientation};
    };
    std::vector<Point2> inner = outline;
    if (bevel > 0) {
        for (std::size_t i = 0; i < n; ++i) {
            const Point2 e0 = edgeNormal((i + n - 1) % n);
            const Point2 e1 = edgeNormal(i);
            Point2 m{e0.x + e1.x, e0.y + e1.y};
            const double length = std::hypot(m.x, m.y);
            if (length < 1e-9) continue;
            m = {m.x / length, m.y / length};
            const double cosHalf = std::max(m.x * e1.x + m.y * e1.y, 0.35);
            inner[i] = {outline[i].x - m.x * bevel / cosHalf, outline[i].y - m.y * bevel / cosHalf};
        }
    }
    const double zEdge = bevel > 0 ? zLow + (zHigh - zLow) * 0.45 : zHigh;
    std::vector<Vec3> topFace, bottomFace;
    for (std::size_t i = 0; i < n; ++i) {
        topFace.push_back({inner[i].x, inner[i].y, zHigh});
        bottomFace.push_back({outline[i].x, outline[i].y, zLow});
    }
    addFace(topFace, top, {0, 0, 1});
    addFace(bottomFace, darker(side), {0, 0, -1});
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t j = (i + 1) % n;
        const Point2 e = edgeNormal(i);
        addFace({{outline[i].x, outline[i].y, zLow},
                 {outline[j].x, outline[j].y, zLow},
                 {outline[j].x, outline[j].y, zEdge},
                 {outline[i].x, outline[i].y, zEdge}},
                side, {e.x, e.y, 0});
        if (bevel > 0)
            addFace({{outline[i].x, outline[i].y, zEdge},
                     {outline[j].x, outline[j].y, zEdge},
                     {inner[j].x, inner[j].y, zHigh},
                     {inner[i].x, inner[i].y, zHigh}},
                    top, {e.x, e.y, 0.8});
    }
}

void Mesh::fin(double x, const std::vector<Point2>& outline, double thickness,
               const Material& material) {
    const std::size_t n = outline.size();
    if (n < 3) return;
    const double orientation = signedArea(outline) >= 0 ? 1.0 : -1.0;
    const double left = x - thickness / 2, right = x + thickness / 2;
    std::vector<Vec3> a, b;
    for (const Point2& p : outline)
        a.push_back({left, p.x, p.y}), b.push_back({right, p.x, p.y});
    addFace(a, material, {-1, 0, 0});
    addFace(b, material, {1, 0, 0});
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t j = (i + 1) % n;
        const double dy = outline[j].x - outline[i].x, dz = outline[j].y - outline[i].y;
        addFace({a[i], a[j], b[j], b[i]}, darker(material),
                {0, dz * orientation, -dy * orientation});
    }
}

void Mesh::loft(const std::vector<Section>& sections, const Material& material, bool capEnds) {
    auto ring = [](const Section& s) {
        std::vector<Vec3> points;
        for (const Point2& p : s.half)
            points.push_back({p.x, s.y, p.y});
        for (std::size_t k = s.half.size() - 1; k-- > 1;)
            points.push_back({-s.half[k].x, s.y, s.half[k].y});
        return points;
    };
    auto axis = [](const Section& s) {
        double zMin = s.half.front().y, zMax = s.half.front().y;
        for (const Point2& p : s.half)
            zMin = std::min(zMin, p.y), zMax = std::max(zMax, p.y);
        return (zMin + zMax) / 2;
    };
    for (std::size_t i = 0; i + 1 < sections.size(); ++i) {
        const std::vector<Vec3> a = ring(sections[i]);
        const std::vector<Vec3> b = ring(sections[i + 1]);
        const Vec3 centre{0, (sections[i].y + sections[i + 1].y) / 2,
                          (axis(sections[i]) + axis(sections[i + 1])) / 2};
        for (std::size_t k = 0; k < a.size() && k < b.size(); ++k) {
            const std::size_t m = (k + 1) % a.size();
            std::vector<Vec3> quad{a[k], a[m], b[m], b[k]};
            addFace(quad, material, sub(centroid(quad), centre));
        }
    }
    if (capEnds) {
        const std::vector<Vec3> front = ring(sections.front());
        const std::vector<Vec3> back = ring(sections.back());
        const double direction = sections.back().y >= sections.front().y ? 1 : -1;
        addFace(front, material, {0, -direction, 0});
        addFace(back, darker(material), {0, direction, 0});
    }
}

void Mesh::dome(double cx, double cy, double base, double rx, double ry, double height,
                const Material& material, int segments) {
    constexpr int kRings = 3;
    auto point = [&](int ring, int k) {
        const double lat = (M_PI / 2) * ring / kRings;
        const double around = 2 * M_PI * k / segments;
        return Vec3{cx + rx * std::cos(lat) * std::cos(around),
                    cy + ry * std::cos(lat) * std::sin(around), base + height * std::sin(lat)};
    };
    const Vec3 centre{cx, cy, base};
    for (int ring = 0; ring < kRings; ++ring)
        for (int k = 0; k < segments; ++k) {
            std::vector<Vec3> quad{point(ring, k), point(ring, k + 1), point(ring + 1, k + 1),
                                   point(ring + 1, k)};
            if (ring == kRings - 1) quad.pop_back();
            addFace(quad, material, sub(centroid(quad), centre));
        }
}

void Mesh::tube(double cx, double cz, double y0, double y1, double radius, const Material& material,
                int segments) {
    auto point = [&](double y, int k) {
        const double around = 2 * M_PI * (k + 0.5) / segments;
        return Vec3{cx + radius * std::cos(around), y, cz + radius * std::sin(around)};
    };
    for (int k = 0; k < segments; ++k) {
        std::vector<Vec3> quad{point(y0, k), point(y0, k + 1), point(y1, k + 1), point(y1, k)};
        addFace(quad, material, sub(centroid(quad), Vec3{cx, (y0 + y1) / 2, cz}));
    }
    std::vector<Vec3> front, back;
    for (int k = 0; k < segments; ++k)
        front.push_back(point(y0, k)), back.push_back(point(y1, k));
    const double direction = y1 >= y0 ? 1 : -1;
    addFace(front, darker(material), {0, -direction, 0});
    addFace(back, darker(material), {0, direction, 0});
}

void Mesh::box(const Vec3& low, const Vec3& high, const Material& material) {
    const std::vector<Point2> outline{
        {low.x, low.y}, {high.x, low.y}, {high.x, high.y}, {low.x, high.y}};
    slab(outline, low.z, high.z, material, material);
}

void Mesh::mirrorX() {
    const std::size_t count = faces_.size();
    for (std::size_t i = 0; i < count; ++i) {
        Face copy = faces_[i];
        bool onAxis = true;
        for (Vec3& p : copy.points) {
            if (std::abs(p.x) > 1e-9) onAxis = false;
            p.x = -p.x;
        }
        if (onAxis) continue;
        copy.normal.x = -copy.normal.x;
        faces_.push_back(std::move(copy));
    }
}

void Mesh::append(const Mesh& other) {
    faces_.insert(faces_.end(), other.faces_.begin(), other.faces_.end());
}

void Mesh::translate(double dx, double dy, double dz) {
    for (Face& face : faces_)
        for (Vec3& p : face.points)
            p = {p.x + dx, p.y + dy, p.z + dz};
}

void Mesh::scale(double factor) {
    for (Face& face : faces_)
        for (Vec3& p : face.points)
            p = {p.x * factor, p.y * factor, p.z * factor};
}

std::vector<Point2> ellipseHalf(double rx, double zTop, double zBottom, int steps) {
    std::vector<Point2> half;
    const double zc = (zTop + zBottom) / 2;
    const double rz = (zTop - zBottom) / 2;
    for (int i = 0; i <= steps; ++i) {
        const double a = M_PI * i / steps;  // 0 at the top, pi at the bottom
        half.push_back({rx * std::sin(a), zc + rz * std::cos(a)});
    }
    return half;
}

std::vector<Point2> scaledHalf(const std::vector<Point2>& half, double sx, double sz, double dz) {
    std::vector<Point2> out;
    for (const Point2& p : half)
        out.push_back({p.x * sx, p.y * sz + dz});
    return out;
}

std::vector<Point2> symmetricOutline(const std::vector<Point2>& rightHalf) {
    std::vector<Point2> out = rightHalf;
    for (std::size_t i = rightHalf.size(); i-- > 0;) {
        if (std::abs(rightHalf[i].x) < 1e-9) continue;  // points on the axis appear once
        out.push_back({-rightHalf[i].x, rightHalf[i].y});
    }
    return out;
}

}  // namespace cindervane::assetgen
