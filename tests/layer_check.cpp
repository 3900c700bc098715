// The layer check: reads the layer lines of the CMakeLists.txt files, then every include and
// link of each layer.
#include "layer_check.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <regex>

namespace cindervane::layers {

namespace fs = std::filesystem;

namespace {

bool isSource(const fs::path& path) {
    const std::string extension = path.extension().string();
    return extension == ".h" || extension == ".cpp";
}

// Every source file under a folder, in a fixed order so that reports read the same each run.
std::vector<fs::path> sourcesUnder(const fs::path& folder) {
    std::vector<fs::path> files;
    if (!fs::is_directory(folder)) return files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file() && isSource(entry.path())) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::map<std::string, int> ranksByName(const std::vector<Layer>& layers) {
    std::map<std::string, int> ranks;
    for (const Layer& layer : layers)
        ranks[layer.name] = layer.rank;
    return ranks;
}

std::string where(const fs::path& root, const fs::path& file, int line) {
    return fs::relative(file, root).generic_string() + ":" + std::to_string(line);
}

}  // namespace

std::vector<Layer> readLayers(const fs::path& root) {
    static const std::regex kLayerLine(R"(^# Layer (\d+) of \d+, ([a-z_]+):)");
    std::vector<Layer> layers;
    for (const auto& entry : fs::directory_iterator(root)) {
        const fs::path lists = entry.path() / "CMakeLists.txt";
        if (!entry.is_directory() || !fs::is_regular_file(lists)) continue;
        std::ifstream in(lists);
        std::string first;
        std::getline(in, first);
        std::smatch match;
        if (std::regex_search(first, match, kLayerLine))
            layers.push_back({match[2].str(), std::stoi(match[1].str())});
    }
    std::sort(layers.begin(), layers.end(),
              [](const Layer& a, const Layer& b) { return a.rank < b.rank; });
    return layers;
}

std::vector<std::string> upwardIncludes(const fs::path& root, const std::vector<Layer>& layers) {
    static const std::regex kInclude(R"(^\s*#\s*include\s*"([^/"]+)/)");
    const std::map<std::string, int> ranks = ranksByName(layers);
    std::vector<std::string> faults;
    for (const Layer& layer : layers) {
        for (const fs::path& file : sourcesUnder(root / layer.name)) {
            std::ifstream in(file);
            std::string text;
            for (int line = 1; std::getline(in, text); ++line) {
                std::smatch match;
                if (!std::regex_search(text, match, kInclude)) continue;
                const auto found = ranks.find(match[1].str());
                if (found == ranks.end() || found->second <= layer.rank) continue;
                faults.push_back(where(root, file, line) + ": " + layer.name + " includes " +
                                 found->first + ", a higher layer: " + text);
            }
        }
    }
    return faults;
}

std::vector<std::string> upwardLinks(const fs::path& root, const std::vector<Layer>& layers) {
    static const std::regex kLibrary(R"(\bcv_([a-z_]+))");
    const std::map<std::string, int> ranks = ranksByName(layers);
    std::vector<std::string> faults;
    for (const Layer& layer : layers) {
        const fs::path lists = root / layer.name / "CMakeLists.txt";
        std::ifstream in(lists);
        std::string text;
        bool inLink = false;
        for (int line = 1; std::getline(in, text); ++line) {
            if (text.find("target_link_libraries(") != std::string::npos) inLink = true;
            if (inLink) {
                for (std::sregex_iterator it(text.begin(), text.end(), kLibrary), end; it != end;
                     ++it) {
                    const auto found = ranks.find((*it)[1].str());
                    if (found == ranks.end() || found->second <= layer.rank) continue;
                    faults.push_back(where(root, lists, line) + ": " + layer.name + " links cv_" +
                                     found->first + ", a higher layer");
                }
            }
            if (text.find(')') != std::string::npos) inLink = false;
        }
    }
    return faults;
}

std::vector<std::string> sdlIncludesOutsidePlatform(const fs::path& root,
                                                    const std::vector<std::string>& folders) {
    static const std::regex kSdl(R"(^\s*#\s*include\s*[<"](SDL2/)?SDL[_a-z0-9]*\.h[>"])");
    std::vector<std::string> faults;
    for (const std::string& folder : folders) {
        for (const fs::path& file : sourcesUnder(root / folder)) {
            const std::string relative = fs::relative(file, root).generic_string();
            if (relative.starts_with("platform/") || relative.starts_with("tests/platform/"))
                continue;
            std::ifstream in(file);
            std::string text;
            for (int line = 1; std::getline(in, text); ++line)
                if (std::regex_search(text, kSdl))
                    faults.push_back(where(root, file, line) + ": SDL outside platform/: " + text);
        }
    }
    return faults;
}

}  // namespace cindervane::layers
