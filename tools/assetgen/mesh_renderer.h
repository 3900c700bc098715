// Draws a craft mesh into a cairo context: one light from the upper left, a slightly tilted
// view that shows the southern walls, flat faces with a soft gradient, and a dark outline
// one pixel wide round the silhouette so the craft reads against every background.
#pragma once

#include <cairo.h>

#include "tools/assetgen/mesh.h"

namespace cindervane::assetgen {

struct Pose {
    double originX = 0;  // where the model's origin lands in the frame
    double originY = 0;
    double scale = 1;
    double yaw = 0;      // degrees about z, clockwise on the screen (180: nose down)
    double roll = 0;     // degrees about the craft's long axis; positive dips the right wing
    double pitch = 0;    // degrees about x; positive lifts the nose
    double outline = 1;  // width of the dark silhouette line in pixels
};

class MeshRenderer {
  public:
    static void draw(cairo_t* cr, const Mesh& mesh, const Pose& pose);
    // Where a model point lands in the frame.
    static Point2 project(const Vec3& point, const Pose& pose);
};

}  // namespace cindervane::assetgen
