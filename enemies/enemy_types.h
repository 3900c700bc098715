// The fifty enemy types: score, hit points, first speeds, guns, coins, and which are bosses.
// Each row reads type, score, hit points, speed x, speed y, guns, coins, coin value, boss,
// parts, item box.
#pragma once

#include <array>
#include <cstdint>

namespace cindervane {

struct EnemyType {
    std::int32_t type;
    std::int32_t score;
    std::int32_t hitPoints;
    std::int32_t speedX;
    std::int32_t speedY;
    std::int32_t gunCount;
    std::int32_t coinCount;
    std::int32_t coinValue;
    bool isBoss;  // starts invulnerable, sets the boss warning, clears the stage
    std::int32_t partCount;
    bool carriesBox;
};

constexpr std::array<EnemyType, 47> kEnemyTypes = {{
    {1, 100000, 600000, 4, 4, 65, 10, 1000, true, 3, false},     // IMG_ENEMY_ALPHAZERO
    {2, 800, 1500, 4, 20, 1, 2, 100, false, 0, false},           // IMG_ENEMY_ARROWIND
    {3, 1000, 3000, 4, 2, 1, 2, 100, false, 0, false},           // IMG_ENEMY_ARROWINDLASER
    {4, 100, 250, 6, 6, 1, 1, 50, false, 0, false},              // IMG_ENEMY_CHOPTER
    {5, 200, 800, 4, 4, 2, 1, 50, false, 0, false},              // IMG_ENEMY_CHOPTERGATTLING
    {6, 200000, 1500000, 4, 4, 34, 20, 1000, true, 0, false},    // IMG_ENEMY_DEATHBRINGER
    {7, 3000, 8000, 3, 5, 5, 0, 0, false, 0, true},              // IMG_ENEMY_EGMIXER
    {8, 5000, 30000, 4, 4, 24, 2, 500, false, 0, false},         // IMG_ENEMY_FLYINGTURRET
    {9, 100, 800, 4, 4, 8, 1, 50, false, 0, false},              // IMG_ENEMY_GASHIING
    {10, 400, 1200, 5, 5, 8, 1, 100, false, 0, false},           // IMG_ENEMY_GASHIINGALPHA
    {11, 800, 2000, 2, 2, 0, 3, 100, false, 0, false},           // IMG_ENEMY_GASHIINGBETA
    {12, 1000, 4000, 5, 5, 3, 1, 500, false, 0, false},          // IMG_ENEMY_GASHIINGGAMMA
    {13, 800, 8500, 5, 5, 1, 1, 500, false, 0, false},           // IMG_ENEMY_KRAPHY
    {14, 1500, 10000, 5, 5, 3, 1, 500, false, 0, false},         // IMG_ENEMY_KRAPHYCANNON
    {15, 1500, 10000, 5, 5, 3, 1, 500, false, 0, false},         // IMG_ENEMY_KRAPHYMISSILE
    {16, 2500, 15000, 5, 5, 5, 1, 1000, false, 0, false},        // IMG_ENEMY_KRAPHYLEADER
    {17, 500, 1000, 6, 6, 1, 2, 100, false, 0, false},           // IMG_ENEMY_LIGHTNING8
    {18, 600, 1500, 6, 6, 3, 3, 100, false, 0, false},           // IMG_ENEMY_LIGHTNING9
    {19, 5000, 16000, 1, 2, 5, 2, 500, false, 0, false},         // IMG_ENEMY_MANTARAYV1
    {20, 8000, 80000, 1, 2, 5, 2, 1000, false, 0, false},        // IMG_ENEMY_MANTARAYV2
    {21, 10000, 150000, 2, 2, 5, 4, 1000, false, 0, false},      // IMG_ENEMY_MANTARAYV3
    {22, 200, 800, 4, 4, 1, 1, 50, false, 0, false},             // IMG_ENEMY_OWLION
    {23, 250, 1500, 4, 4, 1, 1, 100, false, 0, false},           // IMG_ENEMY_OWLIONLASER
    {24, 250, 1500, 4, 4, 3, 1, 100, false, 0, false},           // IMG_ENEMY_OWLIONLEADER
    {25, 250, 1500, 4, 4, 1, 1, 100, false, 0, false},           // IMG_ENEMY_OWLIONNAPALM
    {26, 800, 2000, 5, 5, 5, 3, 100, false, 0, false},           // IMG_ENEMY_OWLIONLEADER
    {27, 15000, 50000, 3, 3, 4, 2, 1000, false, 0, false},       // IMG_ENEMY_OYSTER
    {28, 50000, 200000, 1, 1, 17, 5, 1000, true, 0, false},      // IMG_ENEMY_POSEIDON
    {29, 80000, 500000, 1, 1, 43, 5, 1000, true, 2, false},      // IMG_ENEMY_POSEIDONV2
    {30, 120000, 850000, 1, 4, 45, 10, 1000, true, 4, false},    // IMG_ENEMY_POSEIDONV3
    {31, 80000, 400000, 1, 1, 27, 8, 1000, true, 0, false},      // IMG_ENEMY_RAUDER
    {35, 50, 800, 5, 5, 0, 1, 50, false, 0, false},              // IMG_ENEMY_SCROOP
    {36, 200, 1200, 4, 4, 0, 1, 100, false, 0, false},           // IMG_ENEMY_SCROOPBURU
    {37, 800, 2000, 5, 5, 0, 3, 100, false, 0, false},           // IMG_ENEMY_SCROOPKING
    {38, 120000, 400000, 11, 11, 20, 12, 1000, true, 0, false},  // IMG_ENEMY_SILVERHAWK
    {39, 2000, 2500, 7, 7, 13, 1, 500, false, 0, false},         // IMG_ENEMY_STEINER
    {40, 15000, 8000, 8, 8, 1, 3, 1000, false, 0, false},        // IMG_ENEMY_VAZNA
    {41, 15000, 30000, 4, 4, 6, 3, 1000, false, 0, false},       // IMG_ENEMY_WHITECROSS
    {42, 2000, 3000, 10, 10, 1, 1, 500, false, 0, false},        // IMG_ENEMY_WINDCHART
    {43, 2000, 3000, 10, 10, 1, 1, 500, false, 0, false},        // IMG_ENEMY_WINDCHARTDRILL
    {44, 150000, 1000000, 1, 4, 35, 15, 1000, true, 0, false},   // IMG_ENEMY_WINGEDBEAR
    {45, 15000, 30000, 6, 2, 7, 3, 1000, false, 0, false},       // IMG_ENEMY_WRIDER
    {46, 3000, 8000, 4, 4, 2, 2, 500, false, 0, false},          // IMG_ENEMY_YRIDER
    {47, 500, 3500, 4, 4, 2, 2, 100, false, 0, false},           // IMG_ENEMY_ZAPHONG
    {48, 1000, 6000, 4, 4, 4, 3, 100, false, 0, false},          // IMG_ENEMY_ZAPHONGLASER
    {49, 1000, 3500, 4, 4, 4, 3, 100, false, 0, false},          // IMG_ENEMY_ZAPHONGMISSILE
    {50, 2000, 9000, 4, 4, 6, 1, 500, false, 0, false},          // IMG_ENEMY_ZAPHONGLEADER
}};

// The row of a type, or null for a type that does not exist (0, 32 to 34, above 50).
constexpr const EnemyType* findEnemyType(int type) {
    for (const EnemyType& row : kEnemyTypes)
        if (row.type == type) return &row;
    return nullptr;
}

}  // namespace cindervane
