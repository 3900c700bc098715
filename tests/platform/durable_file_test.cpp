// Replacing a file durably: links are followed, a killed save's leftovers are cleared at the
// next start while a live save's file is left alone, and unreadable files are moved aside.
#include "platform/durable_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "../test_folder.h"

namespace cindervane::platform {
namespace {

namespace fs = std::filesystem;

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool replace(const fs::path& path, const std::string& text) {
    std::string error;
    const auto* data = reinterpret_cast<const std::uint8_t*>(text.data());
    return writeFileDurably(path, {data, text.size()}, error);
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(DurableFile, ALinkIsFollowedAndStaysALink) {
    TestFolder folder;
    fs::create_directory(folder.path() / "synced");
    std::ofstream(folder.path() / "synced" / "scores") << "old";
    fs::create_symlink("synced/scores", folder.path() / "scores");  // relative, as users make
    fs::create_symlink(folder.path() / "scores", folder.path() / "again");  // a link to a link

    ASSERT_TRUE(replace(folder.path() / "again", "new"));
    EXPECT_TRUE(fs::is_symlink(folder.path() / "scores"));
    EXPECT_TRUE(fs::is_symlink(folder.path() / "again"));
    EXPECT_EQ(readText(folder.path() / "synced" / "scores"), "new");
    EXPECT_EQ(namesIn(folder.path() / "synced"), std::vector<std::string>{"scores"});
}

TEST(DurableFile, AKilledSavesLeftoversGoAtTheNextStartButALiveSavesStay) {
    TestFolder folder;
    const fs::path file = folder.path() / "hscr000.bas";
    std::ofstream(file) << "kept";
    std::ofstream(folder.path() / ".hscr000.bas.AbC123") << "dead";
    std::ofstream(folder.path() / ".hscr000.bas.xyz") << "not ours: wrong length";
    std::ofstream(folder.path() / ".other.bas.AbC123") << "another file's";
    // A save still running holds a lock on its temporary file.
    const fs::path live = folder.path() / ".hscr000.bas.LiVe99";
    std::ofstream(live) << "live";
    const int held = ::open(live.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);

    EXPECT_EQ(removeStaleTemporaries(file), 1);
    EXPECT_EQ(namesIn(folder.path()),
              (std::vector<std::string>{".hscr000.bas.LiVe99", ".hscr000.bas.xyz",
                                        ".other.bas.AbC123", "hscr000.bas"}));
    ::close(held);
    EXPECT_EQ(removeStaleTemporaries(file), 1);
    EXPECT_EQ(readText(file), "kept");
}

TEST(DurableFile, MovingAsideNeverReplacesAnEarlierCopy) {
    TestFolder folder;
    const fs::path file = folder.path() / "hscr000.bas";
    fs::path first;
    fs::path second;
    std::string error;
    std::ofstream(file) << "one";
    ASSERT_TRUE(moveAside(file, first, error)) << error;
    std::ofstream(file) << "two";
    ASSERT_TRUE(moveAside(file, second, error)) << error;
    EXPECT_FALSE(fs::exists(file));
    EXPECT_NE(first, second);
    EXPECT_EQ(first.filename().string().rfind("hscr000.bas.unreadable-", 0), 0u) << first;
    EXPECT_EQ(readText(first) + readText(second), first < second ? "onetwo" : "twoone");
}

}  // namespace
}  // namespace cindervane::platform
