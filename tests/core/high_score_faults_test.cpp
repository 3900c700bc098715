// The high score file under every failure: what was saved stays saved. Files the game
// cannot read, pipes, a full disk, a read-only disk, and saves killed at random moments.
// (A score file that is a link is read and replaced through it by the platform's file
// functions, tested with them.)
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <thread>

#include "../test_folder.h"
#include "core/high_score_table.h"

namespace cindervane {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

std::vector<std::uint8_t> readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A table whose ten scores all hold the same number, so a torn file shows at once.
HighScoreTable tableOf(std::int32_t number) {
    HighScoreTable table;
    for (HighScoreEntry& entry : table.entries) {
        entry.nick = {u'A', u'B', u'C', 0};
        entry.score = number;
    }
    return table;
}

std::vector<std::uint8_t> bytesOf(const HighScoreTable& table, const fs::path& scratch) {
    fs::create_directories(scratch);
    saveHighScores(table, scratch);
    return readBytes(scratch / "hscr000.bas");
}

// A data folder (open to a plain user) whose score file holds a table of 777 that nobody
// may read; saved gets the file's bytes.
bool makeUnreadableScoreFile(const TestFolder& folder, const fs::path& data,
                             std::vector<std::uint8_t>& saved) {
    fs::create_directory(data);
    ::chmod(folder.path().c_str(), 0755);
    saved = bytesOf(tableOf(777), data);
    return ::chmod((data / "hscr000.bas").c_str(), 0) == 0;
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Runs the check as a user whom permissions stop: in a child that gives up root first when
// the tests run as root. The check's result is the child's exit code (0 when it held), and
// what it said on stderr comes back in said.
int asPlainUser(const fs::path& folder, const std::function<int()>& check, std::string& said) {
    const fs::path saying = folder.parent_path() / (folder.filename().string() + ".said");
    const pid_t child = ::fork();
    if (child == 0) {
        const int out = ::open(saying.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        ::dup2(out, 2);
        if (::geteuid() == 0 && (::chown(folder.c_str(), kNobody, kNobody) != 0 ||
                                 ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(100);
        ::_exit(check());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    std::ifstream in(saying);
    said.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    fs::remove(saying);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 200;
}

TEST(HighScoreFaults, AnUnreadableFileIsMovedAsideAndNeverWrittenOver) {
    TestFolder folder;
    const fs::path data = folder.path() / "data";
    std::vector<std::uint8_t> saved;
    ASSERT_TRUE(makeUnreadableScoreFile(folder, data, saved));

    std::string said;
    const int result = asPlainUser(
        data,
        [&] {
            HighScoreTable table;
            if (loadHighScores(table, data)) return 1;  // it could not be read
            if (table.entries[0].score != 0) return 2;
            if (!saveHighScores(tableOf(5), data)) return 3;  // the new table has a new file
            return 0;
        },
        said);
    ASSERT_EQ(result, 0) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    const auto names = namesIn(data);
    ASSERT_EQ(names.size(), 2u);
    const fs::path aside = data / names[1];
    EXPECT_EQ(names[1].rfind("hscr000.bas.unreadable-", 0), 0u) << names[1];
    EXPECT_NE(said.find(aside.string()), std::string::npos) << "the message says where: " << said;
    EXPECT_EQ(readBytes(aside), saved);  // the player's scores, untouched
    EXPECT_EQ(readBytes(data / "hscr000.bas"), bytesOf(tableOf(5), folder.path() / "x"));
}

TEST(HighScoreFaults, AnUnreadableFileThatCannotBeMovedKeepsTheNewTableInMemoryOnly) {
    TestFolder folder;
    const fs::path data = folder.path() / "data";
    std::vector<std::uint8_t> saved;
    ASSERT_TRUE(makeUnreadableScoreFile(folder, data, saved));

    std::string said;
    const int result = asPlainUser(
        data,
        [&] {
            // The folder is the player's but closed for writing: nothing can be moved.
            if (::chmod(data.c_str(), 0555) != 0) return 10;
            HighScoreTable table;
            if (loadHighScores(table, data) || !table.keepFile) return 1;
            table.entries[0].score = 900;
            if (saveHighScores(table, data)) return 2;
            return 0;
        },
        said);
    ::chmod(data.c_str(), 0755);
    ASSERT_EQ(result, 0) << said;
    EXPECT_NE(said.find("will not write over"), std::string::npos) << said;
    EXPECT_NE(said.find("not written"), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 2) << said;
    EXPECT_EQ(namesIn(data), std::vector<std::string>{"hscr000.bas"});
    EXPECT_EQ(readBytes(data / "hscr000.bas"), saved);
}

TEST(HighScoreFaults, APipeWhereTheFileShouldBeNeitherHangsNorIsLost) {
    TestFolder folder;
    ASSERT_EQ(::mkfifo((folder.path() / "hscr000.bas").c_str(), 0600), 0);
    HighScoreTable table;
    testing::internal::CaptureStderr();
    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(loadHighScores(table, folder.path()));
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("not a regular file"), std::string::npos) << said;
    EXPECT_TRUE(saveHighScores(tableOf(3), folder.path()));
    const auto names = namesIn(folder.path());
    ASSERT_EQ(names.size(), 2u);
    EXPECT_TRUE(fs::is_fifo(folder.path() / names[1]));  // moved aside, not destroyed
}

// A small file system of its own, where the disk can fill up or turn read-only; tests that
// need one are skipped where mounting is not allowed.
class SmallDisk {
  public:
    SmallDisk() {
        fs::create_directory(folder_.path() / "disk");
        mounted_ = ::mount("tmpfs", path().c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallDisk() {
        if (mounted_) ::umount2(path().c_str(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    fs::path path() const { return folder_.path() / "disk"; }
    bool makeReadOnly() {
        return ::mount("tmpfs", path().c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k") == 0;
    }

  private:
    TestFolder folder_;
    bool mounted_ = false;
};

TEST(HighScoreFaults, AFullDiskLeavesTheOldTableWholeAndNoTemporaryFile) {
    SmallDisk disk;
    if (!disk.mounted()) GTEST_SKIP() << "no permission to mount a small file system";
    ASSERT_TRUE(saveHighScores(tableOf(41), disk.path()));
    {
        std::ofstream filler(disk.path() / "filler", std::ios::binary);
        const std::vector<char> block(1024, 'x');
        for (int i = 0; i < 128 && filler; ++i)
            filler.write(block.data(), static_cast<std::streamsize>(block.size()));
    }
    testing::internal::CaptureStderr();
    EXPECT_FALSE(saveHighScores(tableOf(42), disk.path()));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("No space left"), std::string::npos) << said;
    HighScoreTable table;
    ASSERT_TRUE(loadHighScores(table, disk.path()));
    EXPECT_EQ(table.entries[9].score, 41);
    EXPECT_EQ(namesIn(disk.path()), (std::vector<std::string>{"filler", "hscr000.bas"}));
}

TEST(HighScoreFaults, AReadOnlyDiskStillReadsAndRefusesSavesWithOneLine) {
    SmallDisk disk;
    if (!disk.mounted()) GTEST_SKIP() << "no permission to mount a small file system";
    ASSERT_TRUE(saveHighScores(tableOf(8), disk.path()));
    ASSERT_TRUE(disk.makeReadOnly());
    HighScoreTable table;
    ASSERT_TRUE(loadHighScores(table, disk.path()));
    EXPECT_EQ(table.entries[0].score, 8);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(saveHighScores(tableOf(9), disk.path()));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find("Read-only"), std::string::npos) << said;
}

// Saves killed with SIGKILL at random moments: after each kill the file holds one whole
// table, the last one saved or the one being saved, and the next start leaves no litter.
TEST(HighScoreFaults, AThousandSavesKilledAtRandomMomentsLoseNothing) {
    TestFolder folder;
    const fs::path data = folder.path();
    ASSERT_TRUE(saveHighScores(tableOf(0), data));
    std::mt19937 random(20261206);
    std::int32_t lastSeen = 0;
    int litterSeen = 0;
    constexpr int kKills = 1000;
    for (int kill = 0; kill < kKills; ++kill) {
        const std::int32_t base = (kill + 1) * 1000000;
        // The child says when its first save is done, so that on a loaded machine the kill
        // still comes while it is saving rather than before it has begun.
        int started[2];
        ASSERT_EQ(::pipe(started), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            saveHighScores(tableOf(base), data);
            [[maybe_unused]] const auto said = ::write(started[1], "s", 1);
            for (std::int32_t n = base + 1;; ++n)
                saveHighScores(tableOf(n), data);
        }
        ::close(started[1]);
        char byte = 0;
        [[maybe_unused]] const auto heard = ::read(started[0], &byte, 1);
        ::close(started[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);

        litterSeen += static_cast<int>(namesIn(data).size()) - 1;
        HighScoreTable table;  // the next start
        ASSERT_TRUE(loadHighScores(table, data)) << "kill " << kill;
        const std::int32_t number = table.entries[0].score;
        for (const HighScoreEntry& entry : table.entries)
            ASSERT_EQ(entry.score, number) << "torn file after kill " << kill;
        ASSERT_EQ(readBytes(data / "hscr000.bas").size(), kHighScoreFileSize);
        // Either the table that was there before this child ran, or one it saved.
        ASSERT_TRUE(number == lastSeen || (number >= base && number < base + 1000000))
            << number << " after kill " << kill;
        lastSeen = number;
        ASSERT_EQ(namesIn(data), std::vector<std::string>{"hscr000.bas"}) << "kill " << kill;
    }
    // Most kills land in the middle of a save, leaving a temporary file to clear.
    EXPECT_GT(litterSeen, kKills / 20);
}

}  // namespace
}  // namespace cindervane
