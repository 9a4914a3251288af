#include "script/Json.h"

#include "core/text/TextCodec.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace quirn::script {
namespace {

void appendSeparator(std::string& body) {
    if (!body.empty()) body += ',';
}

} // namespace

std::string jsonString(std::string_view utf8) {
    std::string out = "\"";
    for (std::size_t p = 0; p < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[p]);
        if (c >= 0x80) {
            const std::size_t start = p;
            if (nextUtf8(utf8, p))
                out.append(utf8.substr(start, p - start));
            else
                out += "\\ufffd";
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
