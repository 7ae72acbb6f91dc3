#pragma once
// Text of 8-bit characters, as every string of the program is.

#include <cstddef>
#include <string>

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}
    CString(const char* text, std::size_t length) : m_text(text, length) {}
    explicit CString(std::string text) : m_text(std::move(text)) {}

    // printf conventions: %s, %d, %u and the rest of them.
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    const char* GetString() const { return m_text.c_str(); }
    operator const char*() const { return m_text.c_str(); }
    const std::string& Str() const { return m_text; }

    CString Left(int count) const { return CString(m_text.substr(0, static_cast<std::size_t>(count))); }
    // Index of the last occurrence of ch, or -1.
    int ReverseFind(char ch) const;

    CString& operator+=(const CString& more) { m_text += more.m_text; return *this; }
    CString& operator+=(const char* more) { m_text += more; return *this; }
    CString& operator+=(char ch) { m_text += ch; return *this; }

    friend CString operator+(CString left, const CString& right) { return left += right; }
    friend CString operator+(CString left, const char* right) { return left += right; }
    friend CString operator+(const char* left, const CString& right) { return CString(left) += right; }
    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, const char* b) { return a.m_text == b; }

private:
    std::string m_text;
};
