// A temporary folder for one test, removed with everything in it afterwards.
#pragma once

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace cindervane {

class TestFolder {
  public:
    TestFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "cv-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TestFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// Links the pictures and sounds the build generated (beside the test programs) into the
// folder, all but those left out, so that a test can take some of them away.
inline void linkGeneratedAssets(const std::filesystem::path& into,
                                const std::vector<std::string>& leftOut = {}) {
    namespace fs = std::filesystem;
    fs::create_directories(into);
    for (const auto& entry :
         fs::directory_iterator(fs::read_symlink("/proc/self/exe").parent_path())) {
        const std::string name = entry.path().filename().string();
        const std::string extension = entry.path().extension().string();
        if ((extension == ".BAI" || extension == ".BAS") &&
            std::find(leftOut.begin(), leftOut.end(), name) == leftOut.end())
            fs::create_symlink(entry.path(), into / name);
    }
}

}  // namespace cindervane
