// The painters of every picture, gathered by subject. Each art file lists the files it draws
// in a table of its own; the painter table looks through them all.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "tools/assetgen/painter_table.h"

namespace cindervane::assetgen {

struct PainterRow {
    std::string_view file;
    Painter painter;
};

std::span<const PainterRow> shipPainters();        // the player's ships and charge aura
std::span<const PainterRow> fighterPainters();     // enemy fighters, jets and bikes
std::span<const PainterRow> dronePainters();       // enemy drones, insects and kites
std::span<const PainterRow> gunshipPainters();     // large enemy craft
std::span<const PainterRow> poseidonPainters();    // the Poseidon bosses and their sections
std::span<const PainterRow> bossPainters();        // the single-bodied bosses
std::span<const PainterRow> omegaPainters();       // the stage 8 boss and its sections
std::span<const PainterRow> shotPainters();        // projectiles and beams
std::span<const PainterRow> effectPainters();      // explosions, sparks, coins, item box
std::span<const PainterRow> screenPainters();      // menus, panels, shop, keyboard, logos
std::span<const PainterRow> captionPainters();     // play captions
std::span<const PainterRow> storyPainters();       // story pictures and scrolling texts
std::span<const PainterRow> backgroundPainters();  // stage backgrounds

// Every group above, for the painter table and the tests.
inline std::array<std::span<const PainterRow>, 13> painterGroups() {
    return {shipPainters(),      fighterPainters(), dronePainters(),   gunshipPainters(),
            poseidonPainters(),  bossPainters(),    omegaPainters(),   shotPainters(),
            effectPainters(),    screenPainters(),  captionPainters(), storyPainters(),
            backgroundPainters()};
}

}  // namespace cindervane::assetgen
