// The high score table and its file: the 120-byte layout, reading records one by one,
// short and long files, and files that cannot be read or written.
#include "core/high_score_table.h"

#include <gtest/gtest.h>
#include <fstream>
#include <iterator>
#include <vector>

#include "../test_folder.h"

namespace cindervane {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

HighScoreEntry entry(std::u16string_view nick, std::int32_t score) {
    HighScoreEntry result;
    for (std::size_t i = 0; i < nick.size() && i < 3; ++i)
        result.nick[i] = nick[i];
    result.score = score;
    return result;
}

// A record as the file holds it: three nick characters (0 for none), the terminator, then
// the score, little-endian.
void addRecord(std::vector<std::uint8_t>& bytes, const char (&nick)[4], std::uint32_t score) {
    for (char c : nick)
        bytes.insert(bytes.end(), {static_cast<std::uint8_t>(c), 0});
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<std::uint8_t>(score >> shift));
}

bool sameTable(const HighScoreTable& a, const HighScoreTable& b) {
    for (int i = 0; i < HighScoreTable::kEntryCount; ++i)
        if (a.entries[i].nick != b.entries[i].nick || a.entries[i].score != b.entries[i].score)
            return false;
    return true;
}

std::vector<std::string> filesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& item : fs::directory_iterator(folder))
        names.push_back(item.path().filename().string());
    return names;
}

TEST(HighScoreFile, WritesExactly120LittleEndianBytesAndReadsThemBack) {
    TestFolder folder;
    HighScoreTable table;
    table.entries[0] = entry(u"ABC", 0x01020304);
    table.entries[1] = entry(u"Z9", 450);
    table.entries[2] = entry(u"\u00e9\u4e2d", -5);
    ASSERT_TRUE(saveHighScores(table, folder.path()));
    const auto bytes = readBytes(folder.path() / "hscr000.bas");
    ASSERT_EQ(bytes.size(), 120u);
    const std::vector<std::uint8_t> first(bytes.begin(), bytes.begin() + 12);
    EXPECT_EQ(first, (std::vector<std::uint8_t>{'A', 0, 'B', 0, 'C', 0, 0, 0, 4, 3, 2, 1}));
    EXPECT_EQ(bytes[24], 0xE9);
    EXPECT_EQ(bytes[27], 0x4E);
    EXPECT_EQ(bytes[35], 0xFF);  // -5, two's complement

    HighScoreTable read;
    ASSERT_TRUE(loadHighScores(read, folder.path()));
    EXPECT_TRUE(sameTable(read, table));
    EXPECT_EQ(nickText(read.entries[2]), "\u00e9\u4e2d");
    EXPECT_EQ(filesIn(folder.path()), std::vector<std::string>{"hscr000.bas"});
}

TEST(HighScoreFile, AMissingFileIsCreatedEmptyAndTheDefaultsStay) {
    TestFolder folder;
    HighScoreTable table;
    ASSERT_TRUE(loadHighScores(table, folder.path()));
    EXPECT_TRUE(sameTable(table, HighScoreTable{}));
    EXPECT_TRUE(fs::exists(folder.path() / "hscr000.bas"));
    EXPECT_EQ(fs::file_size(folder.path() / "hscr000.bas"), 0u);
}

TEST(HighScoreFile, AShortFileFillsWholeRecordsAndLaysItsTailOverTheNextEntry) {
    TestFolder folder;
    // 30 bytes: two whole records, then the first three nick code units of a third.
    std::vector<std::uint8_t> bytes;
    addRecord(bytes, "AAA", 900);
    addRecord(bytes, {'B', 'B', 0, 0}, 800);
    bytes.insert(bytes.end(), {'C', 0, 'D', 0, 'E', 0});
    writeBytes(folder.path() / "hscr000.bas", bytes);

    HighScoreTable table;
    table.entries[2] = entry(u"XYZ", 777);
    table.entries[3] = entry(u"QQQ", 555);
    ASSERT_TRUE(loadHighScores(table, folder.path()));
    EXPECT_EQ(nickText(table.entries[0]), "AAA");
    EXPECT_EQ(table.entries[0].score, 900);
    EXPECT_EQ(nickText(table.entries[1]), "BB");
    EXPECT_EQ(table.entries[1].score, 800);
    EXPECT_EQ(nickText(table.entries[2]), "CDE");
    EXPECT_EQ(table.entries[2].score, 777);  // the short read stopped before the score
    EXPECT_EQ(nickText(table.entries[3]), "QQQ");
    EXPECT_EQ(table.entries[3].score, 555);
}

TEST(HighScoreFile, ALongFileIsReadOnlyAsFarAsTenRecords) {
    TestFolder folder;
    std::vector<std::uint8_t> bytes;
    for (char c = 'A'; c < 'Q'; ++c)
        addRecord(bytes, {c, 'X', 'X', 0}, 1000 - (c - 'A'));
    bytes.resize(200);
    writeBytes(folder.path() / "hscr000.bas", bytes);
    HighScoreTable table;
    ASSERT_TRUE(loadHighScores(table, folder.path()));
    EXPECT_EQ(nickText(table.entries[9]), "JXX");
    EXPECT_EQ(table.entries[9].score, 991);
}

TEST(HighScoreFile, WhatFollowsTheTerminatorIsIgnored) {
    TestFolder folder;
    std::vector<std::uint8_t> bytes = {'A', 0, 0,   0, 'Q', 0, 'R', 0, 1, 0, 0, 0,
                                       'S', 0, 'T', 0, 'U', 0, 'V', 0, 2, 0, 0, 0};
    writeBytes(folder.path() / "hscr000.bas", bytes);
    HighScoreTable table;
    ASSERT_TRUE(loadHighScores(table, folder.path()));
    EXPECT_EQ(table.entries[0].nick, (std::array<char16_t, 4>{u'A', 0, 0, 0}));
    EXPECT_EQ(nickText(table.entries[1]), "STU");  // never more than three characters
}

TEST(HighScoreFile, ADataFolderThatIsAFileLeavesTheTableInMemoryWithOneLine) {
    TestFolder folder;
    const fs::path notAFolder = folder.path() / "scores";
    writeBytes(notAFolder, {1, 2, 3});
    HighScoreTable table;
    table.entries[0] = entry(u"KEP", 12345);

    testing::internal::CaptureStderr();
    EXPECT_FALSE(loadHighScores(table, notAFolder));
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find("hscr000.bas"), std::string::npos) << said;
    EXPECT_EQ(table.entries[0].score, 12345);

    testing::internal::CaptureStderr();
    EXPECT_FALSE(saveHighScores(table, notAFolder));
    said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_EQ(readBytes(notAFolder), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST(HighScoreFile, AFileThatCannotReplaceItsTargetLeavesNothingBehind) {
    TestFolder folder;
    fs::create_directory(folder.path() / "hscr000.bas");  // in the way of the rename
    testing::internal::CaptureStderr();
    EXPECT_FALSE(saveHighScores(HighScoreTable{}, folder.path()));
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(filesIn(folder.path()), std::vector<std::string>{"hscr000.bas"});
    EXPECT_TRUE(fs::is_directory(folder.path() / "hscr000.bas"));

    HighScoreTable table;  // and reading a folder is a failure, not a crash
    testing::internal::CaptureStderr();
    EXPECT_FALSE(loadHighScores(table, folder.path()));
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(sameTable(table, HighScoreTable{}));
}

TEST(HighScoreFile, NicksBecomeUtf8ForDumps) {
    EXPECT_EQ(nickText(entry(u"", 0)), "");
    EXPECT_EQ(nickText(entry(u"A1Z", 0)), "A1Z");
    HighScoreEntry pair;
    pair.nick = {0xD83D, 0xDE80, u'X', 0};  // one character outside the basic plane
    EXPECT_EQ(nickText(pair), "\U0001F680X");
    HighScoreEntry half;
    half.nick = {0xDC00, u'A', 0, 0};
    EXPECT_EQ(nickText(half), "\uFFFDA");
}

}  // namespace
}  // namespace cindervane
