// The high score table and its file.
#include "core/high_score_table.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <vector>

#include "platform/durable_file.h"
#include "platform/regular_file.h"

namespace cindervane {

namespace {

using Record = std::array<std::uint8_t, kHighScoreRecordSize>;

Record encode(const HighScoreEntry& entry) {
    Record record{};
    for (std::size_t i = 0; i < entry.nick.size(); ++i) {
        record[2 * i] = static_cast<std::uint8_t>(entry.nick[i] & 0xFF);
        record[2 * i + 1] = static_cast<std::uint8_t>(entry.nick[i] >> 8);
    }
    const auto score = static_cast<std::uint32_t>(entry.score);
    for (std::size_t i = 0; i < 4; ++i)
        record[8 + i] = static_cast<std::uint8_t>((score >> (8 * i)) & 0xFF);
    return record;
}

HighScoreEntry decode(const Record& record) {
    HighScoreEntry entry;
    for (std::size_t i = 0; i < entry.nick.size(); ++i)
        entry.nick[i] = static_cast<char16_t>(record[2 * i] | (record[2 * i + 1] << 8));
    // What follows the terminator means nothing; a nick without one keeps three characters.
    entry.nick[3] = 0;
    bool ended = false;
    for (char16_t& unit : entry.nick) {
        if (ended) unit = 0;
        ended = ended || unit == 0;
    }
    std::uint32_t score = 0;
    for (std::size_t i = 0; i < 4; ++i)
        score |= static_cast<std::uint32_t>(record[8 + i]) << (8 * i);
    entry.score = static_cast<std::int32_t>(score);
    return entry;
}

void complain(const std::string& what, const std::filesystem::path& path, const std::string& why,
              const std::string& outcome) {
    std::cerr << "cindervane: cannot " << what << " the high score file " << path.string() << " ("
              << why << "); " << outcome << '\n';
}

// Makes the missing file, empty, where a symbolic link to it points if there is one.
bool createEmpty(const std::filesystem::path& path, std::string& why) {
    const int file = ::open(platform::finalTarget(path).c_str(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (file < 0) {
        why = std::strerror(errno);
        return false;
    }
    ::close(file);
    return true;
}

void appendUtf8(std::string& text, char32_t code) {
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (code >> 18));
        text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace

void readHighScoreRecords(HighScoreTable& table, std::span<const std::uint8_t> bytes) {
    std::size_t offset = 0;
    for (HighScoreEntry& entry : table.entries) {
        if (offset >= bytes.size()) break;
        // The bytes of a short last record land over the start of the entry being read.
        Record record = encode(entry);
        const std::size_t got = std::min(record.size(), bytes.size() - offset);
        std::memcpy(record.data(), bytes.data() + offset, got);
        entry = decode(record);
        offset += got;
    }
}

bool loadHighScores(HighScoreTable& table, const std::filesystem::path& folder) {
    const std::filesystem::path path = folder / kHighScoreFileName;
    // Saves that were killed midway leave their temporary files; this start clears them.
    platform::removeStaleTemporaries(path);

    std::vector<std::uint8_t> bytes;
    std::string why;
    switch (platform::readRegularFile(path, kHighScoreFileMostBytes, bytes, why)) {
        case platform::FileRead::Read:
            readHighScoreRecords(table, bytes);
            return true;
        case platform::FileRead::Missing:
            // A missing file is no error: it is made, empty, and the table keeps its defaults.
            if (createEmpty(path, why)) return true;
            complain("create", path, why, "the game goes on with the table in memory");
            return false;
        case platform::FileRead::NotRegular:
        case platform::FileRead::TooLarge:
        case platform::FileRead::Unreadable:
            break;
    }
    // The scores in a file the game cannot read are still the player's: they are never
    // written over. The file goes aside under a dated name, or, when even that cannot be
    // done, the table is kept in memory only.
    std::filesystem::path movedTo;
    std::string moveError;
    if (platform::moveAside(path, movedTo, moveError)) {
        complain("read", path, why, "moved it to " + movedTo.string() + " and started a new table");
        return false;
    }
    table.keepFile = true;
    complain("read", path, why + "; " + moveError,
             "the game goes on with the table in memory and will not write over the file");
    return false;
}

bool saveHighScores(const HighScoreTable& table, const std::filesystem::path& folder) {
    const std::filesystem::path path = folder / kHighScoreFileName;
    if (table.keepFile) {
        std::cerr << "cindervane: the new high score table is not written: " << path.string()
                  << " could not be read and is kept as it is\n";
        return false;
    }
    std::array<std::uint8_t, kHighScoreFileSize> bytes{};
    for (std::size_t i = 0; i < table.entries.size(); ++i) {
        const Record record = encode(table.entries[i]);
        std::memcpy(bytes.data() + i * kHighScoreRecordSize, record.data(), record.size());
    }
    std::string error;
    if (!platform::writeFileDurably(path, bytes, error)) {
        complain("write", path, error, "the game goes on with the table in memory");
        return false;
    }
    return true;
}

std::string nickText(const HighScoreEntry& entry) {
    std::string text;
    for (std::size_t i = 0; i < entry.nick.size() && entry.nick[i] != 0; ++i) {
        const char16_t unit = entry.nick[i];
        if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < entry.nick.size() &&
            entry.nick[i + 1] >= 0xDC00 && entry.nick[i + 1] < 0xE000) {
            appendUtf8(text, 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) +
                                 (static_cast<char32_t>(entry.nick[i + 1]) - 0xDC00));
            ++i;
        } else if (unit >= 0xD800 && unit < 0xE000) {
            appendUtf8(text, 0xFFFD);  // half a pair: not a character
        } else {
            appendUtf8(text, unit);
        }
    }
    return text;
}

}  // namespace cindervane
