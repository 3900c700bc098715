// One PNG for reviewing the play field's readability: every stage's background with its boss,
// its enemy craft, the enemy shots and its ship laid over it at their real size, and under
// each stage the figures of the readability rule (tools/assetgen/readability.h).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tools/assetgen/asset_generator.h"

namespace cindervane::assetgen {

// The rule's figures for one stage.
struct StageFigures {
    int stage = 0;
    double worstShotShare = 1;  // the least readable enemy shot's share of the ground
    std::string worstShot;
    double shipShare = 1;
    double bossHue = -1, backgroundHue = -1, shipHue = -1;
    double backgroundColoured = 0;
    bool bossSharesHue = false;
    bool shipSharesHue = false;
};

// The figures of every stage, from the files made (which must hold every stage's pictures).
std::vector<StageFigures> stageFigures(const std::vector<GeneratedFile>& files);

class StageSheet {
  public:
    explicit StageSheet(const std::vector<GeneratedFile>& files) : files_(files) {}

    bool write(const std::filesystem::path& png, std::string& error) const;

  private:
    const std::vector<GeneratedFile>& files_;
};

}  // namespace cindervane::assetgen
