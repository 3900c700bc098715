// Text from outside (file names, script lines, the command line) made safe to print: any
// byte that is not a plain printable character is written as \xNN, so no escape sequence
// in a damaged or hostile input ever reaches the terminal.
#pragma once

#include <string>
#include <string_view>

namespace cindervane::platform {

inline std::string printable(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F) {
            out += c;
        } else {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        }
    }
    return out;
}

}  // namespace cindervane::platform
