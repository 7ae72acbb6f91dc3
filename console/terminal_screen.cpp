#include "terminal_screen.h"

void TerminalScreen::Feed(const std::string& bytes)
{
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        if (m_escape == Escape::Start) {
            m_escape = ch == '[' ? Escape::Sequence : Escape::None;
            continue;
        }
        if (m_escape == Escape::Sequence) {
            // A control sequence ends with its first byte in 0x40..0x7E; colours and
            // cursor moves are not shown.
            if (byte >= 0x40 && byte <= 0x7E)
                m_escape = Escape::None;
            continue;
        }
        switch (ch) {
        case '\x1b': m_escape = Escape::Start; break;
        case '\r': m_column = 0; break;
        case '\n': NewLine(); break;
        case '\b':
            if (m_column > 0)
                --m_column;
            break;
        case '\t':
            do
                Put(' ');
            while (m_column % 8 != 0);
            break;
        default:
            if (byte >= 0x20 && byte != 0x7F)
                Put(ch);
        }
    }
}

void TerminalScreen::Put(char ch)
{
    std::string& line = m_lines.back();
    if (m_column < line.size())
        line[m_column] = ch;
    else
        line.append(m_column - line.size(), ' ').push_back(ch);
    ++m_column;
}

void TerminalScreen::NewLine()
{
    m_lines.emplace_back();
    m_column = 0;
    if (m_lines.size() > m_maxLines)
        m_lines.erase(m_lines.begin());
}

void TerminalScreen::Clear()
{
    m_lines.assign(1, std::string());
    m_column = 0;
}

std::string TerminalScreen::Text() const
{
    std::string text;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (i > 0)
            text += '\n';
        text += m_lines[i];
    }
    return text;
}
