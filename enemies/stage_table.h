// The eight stages: the pictures each stage loads (its background, the intro of the stage
// after it, its ending picture and the shop that follows it), the ship variant it is flown
// with, and its boss.
#pragma once

#include <cstdint>
#include <string_view>

namespace cindervane {

struct StagePicture {
    std::string_view symbol;
    std::string_view file;
};

struct StageRow {
    std::string_view name;
    StagePicture background;
    StagePicture nextIntro;
    StagePicture ending;
    StagePicture shop;
    std::int32_t shipKind;  // 32 Red Phoenix, 33 Red Phoenix V, 34 Red Phoenix X
    std::int32_t bossType;
    std::int32_t bossTick;
};

// Stages 1 to 8.
constexpr StageRow kStages[] = {
    {"Earth",
     {"IMG_BG_EARTH", "B0001.BAI"},
     {"IMG_INTRO_ST2", "O0053.BAI"},
     {"IMG_END_REDPHOENIX", "O0060.BAI"},
     {"IMG_SHOP_UPSHOPA", "O0064.BAI"},
     32,
     28,
     2105},
    {"Space",
     {"IMG_BG_SPACE", "B0007.BAI"},
     {"IMG_INTRO_ST3", "O0054.BAI"},
     {"IMG_END_REDPHOENIX", "O0060.BAI"},
     {"IMG_SHOP_UPSHOPA", "O0064.BAI"},
     32,
     31,
     2915},
    {"Mars",
     {"IMG_BG_MARS", "B0003.BAI"},
     {"IMG_INTRO_ST4", "O0055.BAI"},
     {"IMG_END_REDPHOENIX", "O0060.BAI"},
     {"IMG_SHOP_UPSHOPV", "O0065.BAI"},
     32,
     29,
     3200},
    {"Jupiter",
     {"IMG_BG_JUPITER", "B0002.BAI"},
     {"IMG_INTRO_ST5", "O0056.BAI"},
     {"IMG_END_ST4", "O0063.BAI"},
     {"IMG_SHOP_UPSHOPV", "O0065.BAI"},
     33,
     38,
     2320},
    {"Saturnus",
     {"IMG_BG_SATURNUS", "B0006.BAI"},
     {"IMG_INTRO_ST6", "O0057.BAI"},
     {"IMG_END_REDPHOENIXV", "O0061.BAI"},
     {"IMG_SHOP_UPSHOPX", "O0066.BAI"},
     33,
     44,
     2669},
    {"Uranus",
     {"IMG_BG_URANUS", "B0008.BAI"},
     {"IMG_INTRO_ST7", "O0058.BAI"},
     {"IMG_END_REDPHOENIXX", "O0062.BAI"},
     {"IMG_SHOP_UPSHOPX", "O0066.BAI"},
     34,
     30,
     2340},
    {"Neptunus",
     {"IMG_BG_NEPTUNUS", "B0004.BAI"},
     {"IMG_INTRO_ST8", "O0059.BAI"},
     {"IMG_END_REDPHOENIXX", "O0062.BAI"},
     {"IMG_SHOP_UPSHOPX", "O0066.BAI"},
     34,
     6,
     3900},
    {"Pluto",
     {"IMG_BG_PLUTO", "B0005.BAI"},
     {"IMG_INTRO_ST8", "O0059.BAI"},
     {"IMG_END_REDPHOENIXX", "O0062.BAI"},
     {"IMG_SHOP_UPSHOPX", "O0066.BAI"},
     34,
     1,
     4510},
};

}  // namespace cindervane
