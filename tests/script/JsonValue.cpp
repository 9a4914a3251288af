#include "JsonValue.h"

#include <charconv>
#include <stdexcept>

namespace quirn::testing {

class JsonReader {
  public:
    explicit JsonReader(std::string_view text) : text_(text) {}

    std::optional<JsonValue> document() {
        auto value = readValue(0);
        skipBlanks();
        if (!value || p_ != text_.size()) return std::nullopt;
        return value;
    }

  private:
    static constexpr int kMaxDepth = 64;

    void skipBlanks() {
        while (p_ < text_.size() &&
               (text_[p_] == ' ' || text_[p_] == '\t' || text_[p_] == '\n' || text_[p_] == '\r'))
            ++p_;
    }

    bool take(char c) {
        skipBlanks();
        if (p_ < text_.size() && text_[p_] == c) {
            ++p_;
            return true;
        }
        return false;
    }

    bool takeWord(std::string_view word) {
        if (text_.substr(p_, word.size()) != word) return false;
        p_ += word.size();
        return true;
    }

    std::optional<JsonValue> readValue(int depth) {
        if (depth > kMaxDepth) return std::nullopt;
        skipBlanks();
        if (p_ >= text_.size()) return std::nullopt;
        JsonValue v;
        const char c = text_[p_];
        if (c == '{') return readObject(depth);
        if (c == '[') return readArray(depth);
        if (c == '"') {
            auto s = readString();
            if (!s) return std::nullopt;
            v.kind_ = JsonValue::Kind::String;
            v.string_ = std::move(*s);
            return v;
        }
        if (takeWord("null")) return v;
        for (const bool truth : {true, false}) {
            if (takeWord(truth ? "true" : "false")) {
                v.kind_ = JsonValue::Kind::Boolean;
                v.boolean_ = truth;
                return v;
            }
        }
        double number = 0;
        const auto [end, ec] =
            std::from_chars(text_.data() + p_, text_.data() + text_.size(), number);
        if (ec != std::errc() || end == text_.data() + p_) return std::nullopt;
        p_ = static_cast<std::size_t>(end - text_.data());
        v.kind_ = JsonValue::Kind::Number;
        v.number_ = number;
        return v;
    }

    std::optional<JsonValue> readObject(int depth) {
        ++p_;
        JsonValue v;
        v.kind_ = JsonValue::Kind::Object;
        if (take('}')) return v;
        do {
            skipBlanks();
            auto key = readString();
            if (!key || !take(':')) return std::nullopt;
            auto member = readValue(depth + 1);
            if (!member) return std::nullopt;
            v.members_.emplace_back(std::move(*key), std::move(*member));
        } while (take(','));
        if (!take('}')) return std::nullopt;
        return v;
    }

    std::optional<JsonValue> readArray(int depth) {
        ++p_;
        JsonValue v;
        v.kind_ = JsonValue::Kind::Array;
        if (take(']')) return v;
        do {
            auto element = readValue(depth + 1);
            if (!element) return std::nullopt;
            v.array_.push_back(std::move(*element));
        } while (take(','));
        if (!take(']')) return std::nullopt;
        return v;
    }

    static void appendUtf8(std::string& out, unsigned code) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    std::optional<std::string> readString() {
        if (p_ >= text_.size() || text_[p_] != '"') return std::nullopt;
        ++p_;
        std::string out;
        while (p_ < text_.size()) {
            const char c = text_[p_++];
            if (c == '"') return out;
            if (static_cast<unsigned char>(c) < 0x20) return std::nullopt;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (p_ >= text_.size()) return std::nullopt;
            const char e = text_[p_++];
            switch (e) {
            case '"':
                out += '"';
                break;
            case '\\':
                out += '\\';
                break;
            case '/':
                out += '/';
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u': {
                // Four hex digits; the driver never needs pairs above the first plane.
                unsigned code = 0;
                if (p_ + 4 > text_.size()) return std::nullopt;
                const auto [end, ec] =
                    std::from_chars(text_.data() + p_, text_.data() + p_ + 4, code, 16);
                if (ec != std::errc() || end != text_.data() + p_ + 4) return std::nullopt;
                p_ += 4;
                appendUtf8(out, code);
                break;
            }
            default:
                return std::nullopt;
            }
        }
        return std::nullopt;
    }

    std::string_view text_;
    std::size_t p_ = 0;
};

namespace {

[[noreturn]] void wrongKind(const char* wanted) {
    throw std::runtime_error(std::string("JSON value is not ") + wanted);
}

} // namespace

bool JsonValue::boolean() const {
    if (kind_ != Kind::Boolean) wrongKind("a Boolean");
    return boolean_;
}
double JsonValue::number() const {
    if (kind_ != Kind::Number) wrongKind("a number");
    return number_;
}
const std::string& JsonValue::string() const {
    if (kind_ != Kind::String) wrongKind("a string");
    return string_;
}
const std::vector<JsonValue>& JsonValue::array() const {
    if (kind_ != Kind::Array) wrongKind("an array");
    return array_;
}
const std::vector<std::pair<std::string, JsonValue>>& JsonValue::members() const {
    if (kind_ != Kind::Object) wrongKind("an object");
    return members_;
}

bool JsonValue::has(std::string_view key) const {
    for (const auto& [name, value] : members())
        if (name == key) return true;
    return false;
}

const JsonValue& JsonValue::operator[](std::string_view key) const {
    for (const auto& [name, value] : members())
        if (name == key) return value;
    throw std::runtime_error("JSON object has no member " + std::string(key));
}

std::vector<int> JsonValue::integers() const {
    std::vector<int> out;
    for (const JsonValue& v : array()) out.push_back(static_cast<int>(v.number()));
    return out;
}

std::optional<JsonValue> JsonValue::parse(std::string_view text) {
    return JsonReader(text).document();
}

} // namespace quirn::testing
