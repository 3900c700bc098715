// The craft modelling kit and its renderer: faces face outwards, mirrors mirror, and the
// picture lands where the pose puts it, with its outline.
#include "tools/assetgen/mesh.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/mesh_renderer.h"

namespace cindervane::assetgen {
namespace {

const Material kGrey{rgb(0x808080), Finish::Matte};

Vec3 centreOf(const Face& face) {
    Vec3 c;
    for (const Vec3& p : face.points)
        c = {c.x + p.x, c.y + p.y, c.z + p.z};
    const double n = static_cast<double>(face.points.size());
    return {c.x / n, c.y / n, c.z / n};
}

// Every face of a convex solid round `inside` must face away from it.
void expectOutward(const Mesh& mesh, const Vec3& inside) {
    for (const Face& face : mesh.faces()) {
        const Vec3 c = centreOf(face);
        const double towards = (c.x - inside.x) * face.normal.x + (c.y - inside.y) * face.normal.y +
                               (c.z - inside.z) * face.normal.z;
        EXPECT_GT(towards, 0) << "face at " << c.x << ", " << c.y << ", " << c.z;
        const double length =
            std::sqrt(face.normal.x * face.normal.x + face.normal.y * face.normal.y +
                      face.normal.z * face.normal.z);
        EXPECT_NEAR(length, 1.0, 1e-9);
    }
}

TEST(Mesh, SlabsLoftsTubesDomesAndFinsFaceOutwardWhateverTheWindingOfTheirOutline) {
    Mesh clockwise, anticlockwise, bevelled;
    clockwise.slab({{-5, -5}, {5, -5}, {5, 5}, {-5, 5}}, -1, 1, kGrey, kGrey);
    anticlockwise.slab({{-5, 5}, {5, 5}, {5, -5}, {-5, -5}}, -1, 1, kGrey, kGrey);
    bevelled.slab({{-5, -5}, {5, -5}, {5, 5}, {-5, 5}}, -1, 1, kGrey, kGrey, 1);
    EXPECT_EQ(clockwise.faces().size(), 6u);
    EXPECT_EQ(bevelled.faces().size(), 10u);  // the bevel adds a sloped face on every edge
    expectOutward(clockwise, {0, 0, 0});
    expectOutward(anticlockwise, {0, 0, 0});
    expectOutward(bevelled, {0, 0, 0});
    Mesh hull;
    hull.loft(
        {{-10, ellipseHalf(3, 3, -3)}, {0, ellipseHalf(5, 5, -5)}, {10, ellipseHalf(3, 3, -3)}},
        kGrey);
    expectOutward(hull, {0, 0, 0});
    Mesh tube;
    tube.tube(2, 1, -6, 6, 2, kGrey);
    expectOutward(tube, {2, 0, 1});
    Mesh dome;
    dome.dome(0, 0, 0, 4, 4, 3, kGrey);
    for (const Face& face : dome.faces())
        EXPECT_GE(face.normal.z, -1e-9);
    Mesh fin;
    fin.fin(3, {{0, 0}, {6, 0}, {6, 4}}, 1, kGrey);
    expectOutward(fin, {3, 4, 1.3});
}

TEST(Mesh, MirroringCopiesEveryFaceOffTheAxisOnce) {
    Mesh mesh;
    mesh.slab({{2, 0}, {4, 0}, {4, 2}, {2, 2}}, 0, 1, kGrey, kGrey);    // off the axis
    mesh.addFace({{0, 0, 0}, {0, 1, 0}, {0, 1, 1}}, kGrey, {1, 0, 0});  // on the axis
    mesh.mirrorX();
    ASSERT_EQ(mesh.faces().size(), 13u);
    for (std::size_t i = 7; i < 13; ++i) {
        const Face& copy = mesh.faces()[i];
        const Face& original = mesh.faces()[i - 7];
        EXPECT_DOUBLE_EQ(copy.points[0].x, -original.points[0].x);
        EXPECT_DOUBLE_EQ(copy.normal.x, -original.normal.x);
        EXPECT_DOUBLE_EQ(copy.normal.y, original.normal.y);
    }
}

TEST(Mesh, OutlinesAndHalfRingsMeetOnTheAxis) {
    const auto half = ellipseHalf(4, 3, -1, 5);
    ASSERT_EQ(half.size(), 6u);
    EXPECT_NEAR(half.front().x, 0, 1e-12);
    EXPECT_NEAR(half.front().y, 3, 1e-12);
    EXPECT_NEAR(half.back().x, 0, 1e-12);
    EXPECT_NEAR(half.back().y, -1, 1e-12);
    // Points on the axis appear once; the others are mirrored in reverse order.
    const auto outline = symmetricOutline({{0, -5}, {3, 0}, {2, 4}, {0, 5}});
    ASSERT_EQ(outline.size(), 6u);
    EXPECT_DOUBLE_EQ(outline[4].x, -2);
    EXPECT_DOUBLE_EQ(outline[5].x, -3);
}

TEST(MeshRenderer, HighPointsShowHigherAndTurnsFollowThePose) {
    Pose pose;
    pose.originX = 50, pose.originY = 50;
    EXPECT_DOUBLE_EQ(MeshRenderer::project({0, 0, 10}, pose).y, 47);  // the view's tilt
    pose.yaw = 180;
    EXPECT_NEAR(MeshRenderer::project({0, -10, 0}, pose).y, 60, 1e-9);  // nose down
    pose.yaw = 0, pose.roll = 90;
    EXPECT_NEAR(MeshRenderer::project({0, 0, 10}, pose).x, 60, 1e-9);  // top turned right
    pose.roll = 0, pose.scale = 2;
    EXPECT_NEAR(MeshRenderer::project({5, 5, 0}, pose).x, 60, 1e-9);
}

TEST(MeshRenderer, DrawsFacesFacingTheViewWithAnOutline) {
    Mesh plate;
    plate.slab({{-5, -5}, {5, -5}, {5, 5}, {-5, 5}}, 0, 0.1, kGrey, kGrey);
    Canvas canvas(30, 30);
    Pose pose;
    pose.originX = 15, pose.originY = 15;
    MeshRenderer::draw(canvas.cr(), plate, pose);
    canvas.hardenAlpha();
    EXPECT_EQ(canvas.pixel(15, 15).alpha, 1.0);
    // The outline: one pixel beyond the plate's edge is drawn, and dark.
    const Colour edge = canvas.pixel(9, 15);
    EXPECT_EQ(edge.alpha, 1.0);
    EXPECT_LT(edge.red, canvas.pixel(15, 15).red);
    EXPECT_EQ(canvas.pixel(7, 15).alpha, 0.0);

    // Turned upside down, only the plate's underside shows, in its own darker colour.
    Canvas below(30, 30);
    pose.roll = 180;
    MeshRenderer::draw(below.cr(), plate, pose);
    below.hardenAlpha();
    EXPECT_LT(below.pixel(15, 15).red, canvas.pixel(15, 15).red);
}

}  // namespace
}  // namespace cindervane::assetgen
