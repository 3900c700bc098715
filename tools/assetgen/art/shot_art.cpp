// Projectiles: the player's machine gun tracers, pulse cannon, homing missiles, blue laser
// columns and the hyper beam; the enemies' round shots, missiles, napalm, pulse bolts and red
// lasers. Player fire is warm white, yellow and cyan; enemy fire is red, pink and magenta, so
// both read against every background and against each other.
#include <cmath>

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/art/craft_kit.h"
#include "tools/assetgen/random.h"

namespace cindervane::assetgen {

namespace {

// A dark rim round a bolt, so it reads over bright clouds and over red deserts alike.
void boltRim(cairo_t* cr, double cx, double top, double bottom, double width, const Colour& outer) {
    roundedRectangle(cr, cx - width / 2 - 1, top - 1, width + 2, bottom - top + 2, width / 2 + 1);
    setColour(cr, scaled(outer, 0.3));
    cairo_fill(cr);
}

// A glowing capsule along the frame's middle: outer colour, then a hot core.
void energyBolt(cairo_t* cr, double cx, double top, double bottom, double width,
                const Colour& outer, const Colour& core) {
    const double length = bottom - top;
    for (int layer = 0; layer < 3; ++layer) {
        const double w = width * (1.0 - layer * 0.3);
        const double inset = layer * length * 0.08;
        const Colour c = layer == 0 ? outer : layer == 1 ? mix(outer, core, 0.5) : core;
        roundedRectangle(cr, cx - w / 2, top + inset, w, length - 2 * inset, w / 2);
        setColour(cr, c);
        cairo_fill(cr);
    }
}

// A bolt tilted by an angle (degrees, clockwise from straight up).
void tiltedBolt(Canvas& canvas, double angle, double length, double width, const Colour& outer,
                const Colour& core) {
    cairo_t* cr = canvas.cr();
    cairo_save(cr);
    cairo_translate(cr, canvas.width() / 2.0, canvas.height() / 2.0);
    cairo_rotate(cr, angle * M_PI / 180);
    if (width >= 4) boltRim(cr, 0, -length / 2 + 1, length / 2 - 1, width - 1, outer);
    energyBolt(cr, 0, -length / 2 + (width >= 4 ? 1 : 0), length / 2 - (width >= 4 ? 1 : 0),
               width >= 4 ? width - 1 : width, outer, core);
    cairo_restore(cr);
}

const Colour kTracerOuter = rgb(0xFF9A20);
const Colour kTracerCore = rgb(0xFFFAD0);
const Colour kHeavyOuter = rgb(0xFF5A30);
const Colour kEnemyRed = rgb(0xE8202C);
const Colour kEnemyPink = rgb(0xFF70B0);
const Colour kWhiteHot = rgb(0xFFF4F8);

// --- Player machine guns ---

void paintMachineGunV1(Canvas& canvas, int) {
    energyBolt(canvas.cr(), 2.5, 1, 9, 3, kTracerOuter, kTracerCore);
}

void paintMachineGunV2(Canvas& canvas, int) {
    for (double x : {3.0, 7.0})
        boltRim(canvas.cr(), x, 2, 18, 3.0, kHeavyOuter);
    energyBolt(canvas.cr(), 3, 2, 18, 3.0, kHeavyOuter, kTracerCore);
    energyBolt(canvas.cr(), 7, 2, 18, 3.0, kHeavyOuter, kTracerCore);
}

void paintMachineGunLeftV1(Canvas& canvas, int) {
    tiltedBolt(canvas, -20, 10, 3.2, kTracerOuter, kTracerCore);
}

void paintMachineGunRightV1(Canvas& canvas, int) {
    tiltedBolt(canvas, 20, 10, 3.2, kTracerOuter, kTracerCore);
}

void paintMachineGunLeftV2(Canvas& canvas, int) {
    tiltedBolt(canvas, -20, 20, 5, kHeavyOuter, kTracerCore);
}

void paintMachineGunRightV2(Canvas& canvas, int) {
    tiltedBolt(canvas, 20, 20, 5, kHeavyOuter, kTracerCore);
}

// --- Player pulse cannon: stacked rings of plasma, longer with each grade ---

void paintPulse(Canvas& canvas, int rings) {
    cairo_t* cr = canvas.cr();
    const double w = canvas.width(), h = canvas.height();
    const double step = (h - 4) / rings;
    for (int i = 0; i < rings; ++i) {
        const double y = 2 + i * step;
        const double t = 1.0 - i / double(rings);  // the front ring is the brightest
        const double halfWidth = (w / 2 - 1.5) * (0.7 + 0.3 * t);
        for (int layer = 0; layer < 2; ++layer) {
            cairo_new_path(cr);
            cairo_move_to(cr, w / 2 - halfWidth, y + step * 0.95);
            cairo_curve_to(cr, w / 2 - halfWidth, y, w / 2 + halfWidth, y, w / 2 + halfWidth,
                           y + step * 0.95);
            cairo_set_line_width(cr, layer == 0 ? 3.4 : 1.6);
            setColour(cr, layer == 0 ? mix(rgb(0x1878FF), rgb(0x30D0FF), t)
                                     : mix(rgb(0x90F0FF), kWhiteHot, t));
            cairo_stroke(cr);
        }
    }
    glow(cr, w / 2, 4 + step * 0.3, w * 0.35, rgb(0xE0FFFF));
}

void paintPulseV1(Canvas& canvas, int) {
    paintPulse(canvas, 3);
}
void paintPulseV2(Canvas& canvas, int) {
    paintPulse(canvas, 5);
}
void paintPulseV3(Canvas& canvas, int) {
    paintPulse(canvas, 7);
}

// --- The homing missile, nose up; it is turned as it steers ---

void paintHomingMissile(Canvas& canvas, int) {
    cairo_t* cr = canvas.cr();
    engineFlame(cr, {7.5, 10.5}, 3, 4, 90, kTracerCore, kTracerOuter);
    Mesh mesh;
    mesh.slab({{1, 2}, {3.6, 5}, {3.6, 6.5}, {1, 5}}, 0, 0.6, metal(0xC83030), metal(0xC83030));
    mesh.mirrorX();
    mesh.loft({{-6, ellipseHalf(0.3, 0.8, 0.2, 3)},
               {-4, ellipseHalf(1.4, 1.5, -0.5, 3)},
               {4, ellipseHalf(1.5, 1.5, -0.5, 3)},
               {5, ellipseHalf(1.0, 1.0, -0.3, 3)}},
              metal(0xE8E8EC));
    mesh.loft({{-6.3, ellipseHalf(0.3, 0.8, 0.2, 3)}, {-4, ellipseHalf(1.45, 1.55, -0.5, 3)}},
              metal(0xD03030), false);
    Pose pose = centredPose(canvas);
    pose.originY -= 0.5;
    pose.outline = 0.6;
    MeshRenderer::draw(cr, mesh, pose);
}

// --- Enemy shots ---

void paintParticle(Canvas& canvas, int) {
    cairo_t* cr = canvas.cr();
    fillCircle(cr, 5, 5, 4, scaled(kEnemyRed, 0.3));
    fillCircle(cr, 5, 5, 3.4, kEnemyRed);
    fillCircle(cr, 5, 5, 2.3, kEnemyPink);
    fillCircle(cr, 4.4, 4.4, 1.2, kWhiteHot);
}

// The enemies' missile flies down the screen: flame on top, warhead at the bottom.
void paintEnemyMissile(Canvas& canvas, int) {
    cairo_t* cr = canvas.cr();
    // Five pixels wide: the outer columns stay clear, so the missile is a dark-edged body
    // three pixels wide with its hot exhaust and bright warhead down the middle.
    cairo_rectangle(cr, 1, 1, 3, 21);
    setColour(cr, rgb(0x1A1C22));
    cairo_fill(cr);
    cairo_rectangle(cr, 2, 1, 1, 5);
    setColour(cr, kTracerCore);
    cairo_fill(cr);
    cairo_rectangle(cr, 2, 6, 1, 12);
    setColour(cr, rgb(0xB8BEC8));
    cairo_fill(cr);
    cairo_rectangle(cr, 2, 18, 1, 4);
    setColour(cr, kEnemyPink);
    cairo_fill(cr);
}

void paintNapalm(Canvas& canvas, int) {
    cairo_t* cr = canvas.cr();
    Random random(1707);
    // A falling blob of fire with a smoky trail above it, a pixel clear of the frame's sides
    // for its dark rim.
    for (int i = 0; i < 9; ++i) {
        const double y = 4 + i * 2.6;
        const double r = 1.0 + i * 0.18;
        fillCircle(cr, 4 + random.range(-0.4, 0.4), y, r,
                   mix(rgb(0xC03010), rgb(0xFF9020), i / 8.0));
    }
    fillCircle(cr, 4, 28.5, 2.7, rgb(0xFF7010));
    fillCircle(cr, 4, 29, 2.0, rgb(0xFFD040));
    fillCircle(cr, 3.8, 29.2, 1.2, kWhiteHot);
}

void paintPulseBeam(Canvas& canvas, double width) {
    cairo_t* cr = canvas.cr();
    const double w = canvas.width(), h = canvas.height();
    boltRim(cr, w / 2, 2.5, h - 2.5, width - 2, rgb(0xB020C0));
    energyBolt(cr, w / 2, 2.5, h - 2.5, width - 2, rgb(0xB020C0), rgb(0xFFC0FF));
    glow(cr, w / 2, h - 5, w * 0.45, rgb(0xFFE0FF));
}

void paintPulseBeamV1(Canvas& canvas, int) {
    paintPulseBeam(canvas, 8);
}
void paintPulseBeamV2(Canvas& canvas, int) {
    paintPulseBeam(canvas, 9);
}
void paintPulseBeamV3(Canvas& canvas, int) {
    paintPulseBeam(canvas, 11);
}

void paintRedLaser(Canvas& canvas, double width) {
    boltRim(canvas.cr(), canvas.width() / 2.0, 2.5, canvas.height() - 2.5, width - 2, kEnemyRed);
    energyBolt(canvas.cr(), canvas.width() / 2.0, 2.5, canvas.height() - 2.5, width - 2, kEnemyRed,
               rgb(0xFFD0D0));
}

void paintRedLaserV1(Canvas& canvas, int) {
    paintRedLaser(canvas, 4.6);
}
void paintRedLaserV2(Canvas& canvas, int) {
    paintRedLaser(canvas, 6.4);
}
void paintRedLaserV3(Canvas& canvas, int) {
    paintRedLaser(canvas, 7.6);
}

// --- Columns that stand where they are fired and flash out over their frames ---

// One frame of a laser column: full width at first, then thinning as it fades.
void laserColumn(Canvas& canvas, int frame, int frames, double maxWidth, const Colour& outer,
                 const Colour& core) {
    cairo_t* cr = canvas.cr();
    const double w = canvas.width(), h = canvas.height();
    const double fade = frame / double(frames);
    const double width = maxWidth * (1.0 - fade * 0.55);
    energyBolt(cr, w / 2, 2, h - 2, width, mix(outer, scaled(outer, 0.7), fade),
               mix(core, outer, fade * 0.6));
    // Bright knots along the column.
    Random random(4000 + frame);
    for (int i = 0; i < 8; ++i) {
        const double y = random.range(10, h - 10);
        const double r = width * random.range(0.3, 0.45);
        fillCircle(cr, w / 2, y, r, mix(kWhiteHot, core, fade));
    }
}

void paintLaserBlueV1(Canvas& canvas, int frame) {
    laserColumn(canvas, frame, 3, 7, rgb(0x2080FF), rgb(0xC8F0FF));
}
void paintLaserBlueV2(Canvas& canvas, int frame) {
    laserColumn(canvas, frame, 3, 10, rgb(0x2090FF), rgb(0xE0F8FF));
}
void paintLaserBlueV3(Canvas& canvas, int frame) {
    laserColumn(canvas, frame, 3, 13, rgb(0x30A0FF), kWhiteHot);
}
void paintLaserRedV4(Canvas& canvas, int frame) {
    laserColumn(canvas, frame, 3, 12, kEnemyRed, rgb(0xFFE0E0));
}

// A thin aiming line, then a brighter one: the warning before a big shot.
void paintLaserLine(Canvas& canvas, int frame) {
    cairo_t* cr = canvas.cr();
    const double w = canvas.width(), h = canvas.height();
    // Dashes on whole pixels, three wide with a white-hot middle column.
    const double middle = std::floor(w / 2);
    for (double y = 2; y < h - 2; y += 8) {
        cairo_rectangle(cr, middle - 1, y, 3, 5);
        setColour(cr, frame ? rgb(0xFF8090) : rgb(0xE04050));
        cairo_fill(cr);
        cairo_rectangle(cr, middle, y, 1, 5);
        setColour(cr, frame ? kWhiteHot : rgb(0xFFD8E0));
        cairo_fill(cr);
    }
    if (frame) energyBolt(cr, middle + 0.5, 2, h - 2, 1.6, rgb(0xFF4050), rgb(0xFFC0C8));
}

void paintLaserRedSuper(Canvas& canvas, int frame) {
    cairo_t* cr = canvas.cr();
    const double w = canvas.width(), h = canvas.height();
    const double pulse = frame ? 1.0 : 0.86;
    energyBolt(cr, w / 2, 2, h - 2, 60 * pulse, rgb(0x901020), rgb(0xFF3040));
    energyBolt(cr, w / 2, 4, h - 4, 36 * pulse, rgb(0xFF3040), rgb(0xFFB0B0));
    energyBolt(cr, w / 2, 6, h - 6, 14 * pulse, rgb(0xFFC0C0), kWhiteHot);
    Random random(4100 + frame);
    for (int i = 0; i < 14; ++i) {
        const double y = random.range(8, h - 8);
        const double x = w / 2 + random.range(-22, 22) * pulse;
        fillCircle(cr, x, y, random.range(1, 2.2), rgb(0xFFD0D0));
    }
}

// --- The hyper beam: a head at the ship and body segments stacked above it ---
//
// The body segments carry the same profile across their top and bottom rows, so any number
// of them stacked (and the head's top row) join without a seam. Within a segment a bright
// ring travels upwards between the two frames.

Colour beamColour(double across, double glowLevel) {
    // across: 0 at the beam's middle, 1 at its edge.
    const Colour edge = rgb(0xFF5010), middle = rgb(0xFFC030), core = kWhiteHot;
    Colour c = across < 0.35 ? mix(core, middle, across / 0.35)
                             : mix(middle, edge, (across - 0.35) / 0.65);
    return scaled(c, 1.0 + glowLevel * 0.5);
}

// Brightness of the travelling ring at a row phase 0..1 within a segment; the ring wraps
// round, so the last row of one segment runs on into the first row of the next.
double beamRing(double phase, int frame) {
    double d = std::abs(phase - (frame ? 0.25 : 0.75));
    d = std::min(d, 1.0 - d);
    return std::exp(-std::pow(d * 4, 2));
}

void paintBeamRows(Canvas& canvas, int frame, int rows, int firstRow, int segmentRows) {
    cairo_t* cr = canvas.cr();
    const double w = canvas.width();
    const double frameHalf = w / 2 - 1;
    for (int row = firstRow; row < firstRow + rows; ++row) {
        const double phase = ((row % segmentRows) + 0.5) / segmentRows;
        const double ring = beamRing(phase, frame);
        const double half = frameHalf * (0.76 + 0.08 * ring);
        const int steps = 16;
        for (int s = 0; s < steps; ++s) {
            const double a = -half + 2 * half * s / steps;
            const double across = std::abs(a + half / steps) / half;
            cairo_rectangle(cr, w / 2 + a, row - firstRow, 2 * half / steps + 0.05, 1);
            setColour(cr, beamColour(across, ring));
            cairo_fill(cr);
        }
    }
}

void paintBeamBody(Canvas& canvas, int frame) {
    paintBeamRows(canvas, frame, canvas.height(), 0, canvas.height());
}

// The head: the beam's foot, a blazing orb on the ship's wing, with the beam rising from its
// top row.
void paintBeamHead(Canvas& canvas, int frame) {
    cairo_t* cr = canvas.cr();
    const double w = canvas.width(), h = canvas.height();
    paintBeamRows(canvas, frame, static_cast<int>(h * 0.5), 0, 10);
    const double r = w / 2 - 1.5;
    const double cy = h - 1 - r * 0.9;
    glow(cr, w / 2, cy, r * (frame ? 1.0 : 0.94), rgb(0xFF7020));
    fillCircle(cr, w / 2, cy, r * 0.72, rgb(0xFF8C20));
    fillCircle(cr, w / 2, cy, r * 0.55, rgb(0xFFC840));
    fillCircle(cr, w / 2, cy - r * 0.05, r * 0.36, kWhiteHot);
    Random random(4200 + frame);
    for (int i = 0; i < 6; ++i) {
        const double a = random.range(0, 2 * M_PI);
        fillCircle(cr, w / 2 + std::cos(a) * r * 0.8, cy + std::sin(a) * r * 0.8,
                   random.range(0.8, 1.8), rgb(0xFFE080));
    }
}

// Enemy fire carries a dark rim a pixel wide round its whole shape, so its hot core reads
// over dark ground and its rim over bright ground on every stage.
template <Painter paint>
void rimmed(Canvas& canvas, int frame) {
    paint(canvas, frame);
    canvas.darkRim(0.15);
}

constexpr PainterRow kShotPainters[] = {
    {"A0001.BAI", paintHomingMissile},
    {"A0018.BAI", rimmed<paintParticle>},
    {"A0016.BAI", rimmed<paintEnemyMissile>},
    {"A0013.BAI", paintMachineGunV1},
    {"A0014.BAI", paintMachineGunV2},
    {"A0009.BAI", paintMachineGunLeftV1},
    {"A0010.BAI", paintMachineGunLeftV2},
    {"A0011.BAI", paintMachineGunRightV1},
    {"A0012.BAI", paintMachineGunRightV2},
    {"A0017.BAI", rimmed<paintNapalm>},
    {"A0022.BAI", paintPulseV1},
    {"A0023.BAI", paintPulseV2},
    {"A0024.BAI", paintPulseV3},
    {"A0019.BAI", rimmed<paintPulseBeamV1>},
    {"A0020.BAI", rimmed<paintPulseBeamV2>},
    {"A0021.BAI", rimmed<paintPulseBeamV3>},
    {"A0002.BAI", paintLaserBlueV1},
    {"A0003.BAI", paintLaserBlueV2},
    {"A0004.BAI", paintLaserBlueV3},
    {"A0005.BAI", rimmed<paintRedLaserV1>},
    {"A0006.BAI", rimmed<paintRedLaserV2>},
    {"A0007.BAI", rimmed<paintRedLaserV3>},
    {"A0025.BAI", paintBeamHead},
    {"A0026.BAI", paintBeamBody},
    {"A0027.BAI", paintBeamHead},
    {"A0028.BAI", paintBeamBody},
    {"A0029.BAI", paintBeamHead},
    {"A0030.BAI", paintBeamBody},
    {"A0008.BAI", rimmed<paintLaserRedV4>},
    {"A0031.BAI", rimmed<paintLaserLine>},
    {"A0032.BAI", rimmed<paintLaserRedSuper>},
};

}  // namespace

std::span<const PainterRow> shotPainters() {
    return kShotPainters;
}

}  // namespace cindervane::assetgen
