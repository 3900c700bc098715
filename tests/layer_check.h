// The layer check: the game is a stack of libraries, each in a folder whose CMakeLists.txt
// opens with "# Layer N of M, name: ...", and each may use only the layers below it. These
// functions read a source tree and list every place that breaks the rule, one line each,
// naming the file and line.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace cindervane::layers {

struct Layer {
    std::string name;  // the folder, and the library cv_<name>
    int rank = 0;      // 1 at the bottom
};

// The layers the tree's CMakeLists.txt files declare, bottom first. A CMakeLists.txt whose
// first line is not a layer line is not a layer (the tools, the tests).
std::vector<Layer> readLayers(const std::filesystem::path& root);

// Every `#include "folder/..."` in a layer's sources whose folder is a higher layer, as
// "path:line: layer includes higher-layer: text".
std::vector<std::string> upwardIncludes(const std::filesystem::path& root,
                                        const std::vector<Layer>& layers);

// Every cv_<layer> that a layer's CMakeLists.txt links and that is a higher layer, as
// "path:line: layer links cv_higher-layer, a higher layer".
std::vector<std::string> upwardLinks(const std::filesystem::path& root,
                                     const std::vector<Layer>& layers);

// Every include of an SDL header in the given folders (relative to root) outside platform/
// and its own tests (tests/platform/).
std::vector<std::string> sdlIncludesOutsidePlatform(const std::filesystem::path& root,
                                                    const std::vector<std::string>& folders);

}  // namespace cindervane::layers
