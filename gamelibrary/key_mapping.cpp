// Turning a key code into the game's key number.
#include "gamelibrary/key_mapping.h"

namespace cindervane {

std::optional<MappedKey> mapKey(const platform::KeyList& keys, std::uint64_t wParam) {
    // The list compares the low 16 bits as a signed value, the fixed codes as unsigned.
    const auto code = static_cast<std::uint16_t>(wParam & 0xFFFF);
    const auto signedCode = static_cast<std::int16_t>(code);
    if (signedCode == keys.vkUp) return MappedKey{0, keys.ptUp};
    if (signedCode == keys.vkDown) return MappedKey{1, keys.ptDown};
    if (signedCode == keys.vkLeft) return MappedKey{2, keys.ptLeft};
    if (signedCode == keys.vkRight) return MappedKey{3, keys.ptRight};
    if (signedCode == keys.vkA) return MappedKey{4, keys.ptA};
    if (signedCode == keys.vkB) return MappedKey{5, keys.ptB};
    if (signedCode == keys.vkC) return MappedKey{6, keys.ptC};
    if (signedCode == keys.vkStart) return MappedKey{7, keys.ptStart};
    if (code == 0xC0) return MappedKey{8, keys.ptStart};
    if (code == 0xC1) return MappedKey{9, keys.ptStart};
    if (code == 0x72) return MappedKey{4, keys.ptA};  // F3 is always A
    if (code == 0x73) return MappedKey{5, keys.ptB};  // F4 is always B
    return std::nullopt;
}

}  // namespace cindervane
