#pragma once
// What a console window shows: lines of text that output from a terminal program writes
// into, carriage returns overwriting, line feeds moving on.

#include <string>
#include <vector>

class TerminalScreen {
public:
    explicit TerminalScreen(std::size_t maxLines = 5000) : m_maxLines(maxLines) {}

    void Feed(const std::string& bytes);
    void Clear();
    // Every line, joined by line feeds.
    std::string Text() const;
    const std::vector<std::string>& Lines() const { return m_lines; }

private:
    void Put(char ch);
    void NewLine();

    std::vector<std::string> m_lines{std::string()};
    std::size_t m_column = 0;
    std::size_t m_maxLines;
    enum class Escape { None, Start, Sequence } m_escape = Escape::None;
};
