#include "message_text.h"

namespace vantrel {
namespace {

bool IsControl(std::string_view character) {
    const auto first = static_cast<unsigned char>(character[0]);
    if (character.size() == 1) return first < 0x20 || first == 0x7F;
    // C1 controls U+0080..U+009F are encoded C2 80..C2 9F.
    return first == 0xC2 && static_cast<unsigned char>(character[1]) <= 0x9F;
}

void AppendEscaped(std::string_view bytes, std::string& out) {
    constexpr char kHex[] = "0123456789abcdef";
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += "\\x";
        out += kHex[b >> 4];
        out += kHex[b & 0xF];
    }
}

}  // namespace

size_t Utf8SequenceLength(std::string_view text) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
    for (size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    return length;
}

std::string MessageText(std::string_view given) {
    constexpr std::string_view kCut = "…";
    std::string shown;
    size_t characters = 0;
    // The shown text up to 79 characters, and where it stood at 79.
    size_t keptBytes = 0;
    for (size_t at = 0; at < given.size();) {
        const size_t length = Utf8SequenceLength(given.substr(at));
        const std::string_view character = given.substr(at, length == 0 ? 1 : length);
        at += character.size();
        std::string unit;
        if (length == 0 || IsControl(character)) {
            AppendEscaped(character, unit);
        } else {
            unit = character;
        }
        const size_t unitCharacters = length == 0 || IsControl(character) ? unit.size() : 1;
        if (characters + unitCharacters > kMessageTextCharacters) {
            shown.resize(keptBytes);
            return shown + std::string(kCut);
        }
        shown += unit;
        characters += unitCharacters;
        if (characters < kMessageTextCharacters) keptBytes = shown.size();
    }
    return shown;
}

}  // namespace vantrel
