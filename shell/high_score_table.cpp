// The high score table and its file.
#include "shell/high_score_table.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "platform/durable_file.h"

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

void complain(const char* what, const std::filesystem::path& path, const std::string& why) {
    std::cerr << "cindervane: cannot " << what << " the high score file " << path.string() << " ("
              << why << "); the game goes on with the table in memory\n";
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

bool loadHighScores(HighScoreTable& table, const std::filesystem::path& folder) {
    const std::filesystem::path path = folder / kHighScoreFileName;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        const int openError = errno;
        // A missing file is no error: it is made, empty, and the table keeps its defaults.
        if (openError == ENOENT) {
            if (std::FILE* created = std::fopen(path.c_str(), "wb")) {
                std::fclose(created);
                return true;
            }
            complain("create", path, std::strerror(errno));
            return false;
        }
        complain("open", path, std::strerror(openError));
        return false;
    }
    for (HighScoreEntry& entry : table.entries) {
        // The bytes of a short last record land over the start of the entry being read.
        Record record = encode(entry);
        const std::size_t got = std::fread(record.data(), 1, record.size(), file);
        if (got > 0) entry = decode(record);
        if (got < record.size()) break;
    }
    const bool failed = std::ferror(file) != 0;
    const int readError = errno;
    std::fclose(file);
    if (failed) {
        complain("read", path, std::strerror(readError));
        return false;
    }
    return true;
}

bool saveHighScores(const HighScoreTable& table, const std::filesystem::path& folder) {
    std::array<std::uint8_t, kHighScoreFileSize> bytes{};
    for (std::size_t i = 0; i < table.entries.size(); ++i) {
        const Record record = encode(table.entries[i]);
        std::memcpy(bytes.data() + i * kHighScoreRecordSize, record.data(), record.size());
    }
    const std::filesystem::path path = folder / kHighScoreFileName;
    std::string error;
    if (!platform::writeFileDurably(path, bytes, error)) {
        complain("write", path, error);
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
