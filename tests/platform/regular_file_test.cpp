// Reading only regular files: pipes, folders and devices are refused at once, without
// waiting; sizes are bounded.
#include "platform/regular_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "../test_folder.h"

namespace cindervane::platform {
namespace {

TEST(RegularFile, ReadsARegularFileWholeThroughALinkToo) {
    TestFolder folder;
    std::ofstream(folder.path() / "f", std::ios::binary) << "abc";
    std::filesystem::create_symlink("f", folder.path() / "link");  // as a synced score file
    std::vector<std::uint8_t> bytes;
    std::string reason;
    ASSERT_EQ(readRegularFile(folder.path() / "link", 3, bytes, reason), FileRead::Read);
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{'a', 'b', 'c'}));
    EXPECT_EQ(readRegularFile(folder.path() / "f", 2, bytes, reason), FileRead::TooLarge);
    EXPECT_TRUE(bytes.empty());
}

TEST(RegularFile, APipeAFolderAndADeviceAreRefusedWithoutWaiting) {
    TestFolder folder;
    ASSERT_EQ(::mkfifo((folder.path() / "pipe").c_str(), 0600), 0);
    std::vector<std::uint8_t> bytes;
    std::string reason;
    // A pipe with no writer would block a plain open for ever.
    EXPECT_EQ(readRegularFile(folder.path() / "pipe", 100, bytes, reason), FileRead::NotRegular);
    EXPECT_EQ(readRegularFile(folder.path(), 100, bytes, reason), FileRead::NotRegular);
    EXPECT_EQ(readRegularFile("/dev/zero", 100, bytes, reason), FileRead::NotRegular);
    EXPECT_EQ(readRegularFile(folder.path() / "none", 100, bytes, reason), FileRead::Missing);
    EXPECT_EQ(readRegularFile(folder.path() / "none" / "deeper", 100, bytes, reason),
              FileRead::Missing);
}

}  // namespace
}  // namespace cindervane::platform
