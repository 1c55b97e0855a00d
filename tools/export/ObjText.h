// The text of an OBJ or MTL file, built in memory and written at once. Every number takes the shortest form
// that reads back to the same value, so a float or double written here is exact.
#pragma once

#include <charconv>
#include <cstdio>
#include <string>

class ObjText {
public:
    ObjText& operator<<(const char* text) { return text_ += text, *this; }
    ObjText& operator<<(const std::string& text) { return text_ += text, *this; }
    ObjText& operator<<(char c) { return text_ += c, *this; }
    template <typename Number>
    ObjText& operator<<(Number value) {
        char digits[32];
        return text_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr), *this;
    }
    // " x y z" of the three values at `xyz`.
    ObjText& triple(const float* xyz) { return *this << ' ' << xyz[0] << ' ' << xyz[1] << ' ' << xyz[2]; }

    void writeTo(std::FILE* out) const { std::fwrite(text_.data(), 1, text_.size(), out); }

private:
    std::string text_;
};
