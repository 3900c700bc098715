// The scrolling text pictures of the stage intros and endings, with the row at which each
// text has been read through.
#pragma once

#include <string_view>

namespace cindervane {

struct StageText {
    std::string_view openingSymbol;
    std::string_view openingFile;
    int openingWrap;
    std::string_view closingSymbol;
    std::string_view closingFile;
    int closingWrap;
};

// Stages 1 to 8.
constexpr StageText kStageTexts[] = {
    {"IMG_BGOPEN1", "O0009.BAI", 187, "IMG_BGEND1", "O0068.BAI", 101},
    {"IMG_BGOPEN2", "O0010.BAI", 157, "IMG_BGEND2", "O0069.BAI", 85},
    {"IMG_BGOPEN3", "O0011.BAI", 215, "IMG_BGEND3", "O0070.BAI", 114},
    {"IMG_BGOPEN4", "O0012.BAI", 444, "IMG_BGEND4", "O0007.BAI", 155},
    {"IMG_BGOPEN5", "O0013.BAI", 214, "IMG_BGEND5", "O0008.BAI", 83},
    {"IMG_BGOPEN6", "O0014.BAI", 415, "IMG_BGEND6", "O0071.BAI", 55},
    {"IMG_BGOPEN7", "O0015.BAI", 201, "IMG_BGEND7", "O0072.BAI", 142},
    {"IMG_BGOPEN8", "O0016.BAI", 186, "IMG_BGEND8", "O0073.BAI", 100},
};

}  // namespace cindervane
