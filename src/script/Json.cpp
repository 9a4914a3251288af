#include "script/Json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace quirn::script {
namespace {

// Length of the valid UTF-8 sequence starting at text[p], or 0.
std::size_t utf8Length(std::string_view text, std::size_t p) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(p);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (p + length > text.size()) return 0;
    if (byte(p + 1) < low || byte(p + 1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(p + i) < 0x80 || byte(p + i) > 0xBF) return 0;
    return length;
}

void appendSeparator(std::string& body) {
    if (!body.empty()) body += ',';
}

} // namespace

std::string jsonString(std::string_view utf8) {
    std::string out = "\"";
    for (std::size_t p = 0; p < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[p]);
        if (c >= 0x80) {
            const std::size_t length = utf8Length(utf8, p);
            if (length == 0) {
                out += "\\ufffd";
                ++p;
            } else {
                out.append(utf8.substr(p, length));
                p += length;
            }
            continue;
        }
        ++p;
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20 || c == 0x7F) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

std::string jsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        return std::to_string(static_cast<long long>(value));
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : "null";
}

JsonObject& JsonObject::text(std::string_view key, std::string_view utf8) {
    return raw(key, jsonString(utf8));
}
JsonObject& JsonObject::number(std::string_view key, double value) {
    return raw(key, jsonNumber(value));
}
JsonObject& JsonObject::boolean(std::string_view key, bool value) {
    return raw(key, value ? "true" : "false");
}
JsonObject& JsonObject::null(std::string_view key) {
    return raw(key, "null");
}
JsonObject& JsonObject::raw(std::string_view key, std::string_view json) {
    appendSeparator(body_);
    body_ += jsonString(key);
    body_ += ':';
    body_ += json;
    return *this;
}

JsonArray& JsonArray::text(std::string_view utf8) {
    return raw(jsonString(utf8));
}
JsonArray& JsonArray::number(double value) {
    return raw(jsonNumber(value));
}
JsonArray& JsonArray::raw(std::string_view json) {
    appendSeparator(body_);
    body_ += json;
    return *this;
}

} // namespace quirn::script
