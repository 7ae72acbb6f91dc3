#include "framework/cstring.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    if (length < 0) {
        va_end(again);
        m_text.clear();
        return;
    }
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, again);
    va_end(again);
    m_text.assign(buffer.data(), static_cast<std::size_t>(length));
}

int CString::ReverseFind(char ch) const
{
    const auto at = m_text.rfind(ch);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}
