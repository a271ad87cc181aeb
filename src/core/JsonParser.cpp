// SPDX-License-Identifier: MIT
#include "core/JsonParser.h"

namespace orvane {

const JsonValue* JsonValue::member(std::string_view name) const
{
    if (kind != Kind::Object)
        return nullptr;
    for (const JsonValue& value : items) {
        if (value.key == name)
            return &value;
    }
    return nullptr;
}

namespace {

void appendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// A recursive-descent parser over the text; every step returns false at the first fault.
class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    std::optional<JsonValue> parseWhole()
    {
        if (text_.substr(0, 3) == "\xEF\xBB\xBF")
            at_ = 3;
        JsonValue value;
        if (!parseValue(value, 0))
            return std::nullopt;
        skipBlanks();
        if (at_ != text_.size())
            return std::nullopt;
        return value;
    }

private:
    void skipBlanks()
    {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' ||
                                      text_[at_] == '\n' || text_[at_] == '\r'))
            ++at_;
    }

    bool take(char expected)
    {
        skipBlanks();
        if (at_ < text_.size() && text_[at_] == expected) {
            ++at_;
            return true;
        }
        return false;
    }

    bool takeWord(std::string_view word)
    {
        if (text_.substr(at_, word.size()) != word)
            return false;
        at_ += word.size();
        return true;
    }

    bool parseValue(JsonValue& value, int depth)
    {
        if (++values_ > kMaxJsonValues)
            return false;
        skipBlanks();
        if (at_ == text_.size())
            return false;
        switch (text_[at_]) {
        case '{':
            value.kind = JsonValue::Kind::Object;
            return depth < kMaxJsonDepth && parseObject(value, depth + 1);
        case '[':
            value.kind = JsonValue::Kind::Array;
            return depth < kMaxJsonDepth && parseArray(value, depth + 1);
        case '"':
            value.kind = JsonValue::Kind::String;
            return parseString(value.text);
        case 't':
        case 'f':
            value.kind = JsonValue::Kind::Boolean;
            return takeWord(text_[at_] == 't' ? "true" : "false");
        case 'n':
            return takeWord("null");
        default:
            value.kind = JsonValue::Kind::Number;
            return parseNumber();
        }
    }

    bool parseObject(JsonValue& object, int depth)
    {
        ++at_; // {
        if (take('}'))
            return true;
        do {
            skipBlanks();
            std::string key;
            if (at_ == text_.size() || text_[at_] != '"' || !parseString(key) || !take(':'))
                return false;
            object.items.emplace_back();
            object.items.back().key = std::move(key);
            if (!parseValue(object.items.back(), depth))
                return false;
        } while (take(','));
        return take('}');
    }

    bool parseArray(JsonValue& array, int depth)
    {
        ++at_; // [
        if (take(']'))
            return true;
        do {
            array.items.emplace_back();
            if (!parseValue(array.items.back(), depth))
                return false;
        } while (take(','));
        return take(']');
    }

    std::optional<char32_t> hexQuad()
    {
        if (text_.size() - at_ < 4)
            return std::nullopt;
        char32_t code = 0;
        for (int digit = 0; digit < 4; ++digit) {
            const char c = text_[at_++];
            code <<= 4;
            if (c >= '0' && c <= '9')
                code |= static_cast<char32_t>(c - '0');
            else if (c >= 'a' && c <= 'f')
                code |= static_cast<char32_t>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                code |= static_cast<char32_t>(c - 'A' + 10);
            else
                return std::nullopt;
        }
        return code;
    }

    bool parseEscape(std::string& out)
    {
        if (at_ == text_.size())
            return false;
        const char c = text_[at_++];
        constexpr std::string_view kEscaped = "\"\\/bfnrt";
        constexpr std::string_view kMeant = "\"\\/\b\f\n\r\t";
        if (const std::size_t found = kEscaped.find(c); found != std::string_view::npos) {
            out += kMeant[found];
            return true;
        }
        if (c != 'u')
            return false;
        std::optional<char32_t> code = hexQuad();
        if (!code)
            return false;
        if (*code >= 0xD800 && *code < 0xDC00 && text_.substr(at_, 2) == "\\u") {
            const std::size_t pairStart = at_;
            at_ += 2;
            const std::optional<char32_t> low = hexQuad();
            if (!low)
                return false;
            if (*low >= 0xDC00 && *low < 0xE000)
                code = 0x10000 + ((*code - 0xD800) << 10) + (*low - 0xDC00);
            else
                at_ = pairStart; // the next escape stands alone
        }
        appendUtf8(out, *code >= 0xD800 && *code < 0xE000 ? U'\uFFFD' : *code);
        return true;
    }

    bool parseString(std::string& out)
    {
        ++at_; // "
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (c == '"')
                return true;
            if (static_cast<unsigned char>(c) < 0x20)
                return false;
            if (c != '\\')
                out += c;
            else if (!parseEscape(out))
                return false;
        }
        return false;
    }

    bool parseNumber()
    {
        const auto digits = [&] {
            const std::size_t first = at_;
            while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9')
                ++at_;
            return at_ - first;
        };
        if (at_ < text_.size() && text_[at_] == '-')
            ++at_;
        const std::size_t integerStart = at_;
        const std::size_t integerDigits = digits();
        if (integerDigits == 0 || (integerDigits > 1 && text_[integerStart] == '0'))
            return false;
        if (at_ < text_.size() && text_[at_] == '.') {
            ++at_;
            if (digits() == 0)
                return false;
        }
        if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
            ++at_;
            if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-'))
                ++at_;
            return digits() != 0;
        }
        return true;
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::size_t values_ = 0;
};

} // namespace

std::optional<JsonValue> parseJson(std::string_view text)
{
    return Parser(text).parseWhole();
}

} // namespace orvane
