#include "script_steps.h"

#include <cctype>

namespace {

std::string Lower(std::string text)
{
    for (char& ch : text)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return text;
}

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

} // namespace

std::vector<std::string> SplitCommandLine(const std::string& line)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false, quoted = false;
    for (const char ch : line) {
        if (ch == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (IsBlank(ch) && !quoted) {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += ch;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(word);
    return words;
}

namespace {

ScriptStep ParseCommand(const std::string& rawLine);

} // namespace

ScriptStep ParseLine(const std::string& rawLine)
{
    ScriptStep step = ParseCommand(rawLine);
    step.line = rawLine;
    while (!step.line.empty() && (step.line.back() == '\r' || step.line.back() == '\n'))
        step.line.pop_back();
    return step;
}

namespace {

ScriptStep ParseCommand(const std::string& rawLine)
{
    std::string line = rawLine;
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.pop_back();
    std::size_t first = 0;
    while (first < line.size() && IsBlank(line[first]))
        ++first;
    bool echoed = true;
    if (first < line.size() && line[first] == '@') {
        echoed = false;
        ++first;
    }
    line.erase(0, first);
    if (line.empty())
        return {ScriptStep::Kind::Nothing, {}, {}, false, {}};

    std::size_t nameEnd = 0;
    while (nameEnd < line.size() && !IsBlank(line[nameEnd]) && line[nameEnd] != '.')
        ++nameEnd;
    const std::string name = Lower(line.substr(0, nameEnd));
    const std::string rest = line.substr(nameEnd);
    if (name == "echo") {
        if (!rest.empty() && rest[0] == '.')
            return {ScriptStep::Kind::Print, rest.substr(1), {}, echoed, {}};
        std::string argument = rest.empty() ? rest : rest.substr(1); // one separator goes
        std::string trimmed = argument;
        while (!trimmed.empty() && IsBlank(trimmed.back()))
            trimmed.pop_back();
        while (!trimmed.empty() && IsBlank(trimmed.front()))
            trimmed.erase(0, 1);
        if (trimmed.empty())
            return {ScriptStep::Kind::EchoState, {}, {}, echoed, {}};
        if (Lower(trimmed) == "off")
            return {ScriptStep::Kind::EchoOff, {}, {}, echoed, {}};
        if (Lower(trimmed) == "on")
            return {ScriptStep::Kind::EchoOn, {}, {}, echoed, {}};
        return {ScriptStep::Kind::Print, argument, {}, echoed, {}};
    }
    if (name == "cls" && Lower(line).find_first_not_of(" \t", 3) == std::string::npos)
        return {ScriptStep::Kind::Clear, {}, {}, echoed, {}};
    if (name == "pause" && Lower(line).find_first_not_of(" \t", 5) == std::string::npos)
        return {ScriptStep::Kind::Pause, {}, {}, echoed, {}};
    if (name == "rem")
        return {ScriptStep::Kind::Nothing, {}, {}, echoed, {}};
    return {ScriptStep::Kind::Run, line, SplitCommandLine(line), echoed, {}};
}

} // namespace

std::vector<ScriptStep> ParseScript(const std::string& script)
{
    std::vector<ScriptStep> steps;
    std::size_t start = 0;
    while (start < script.size()) {
        std::size_t end = script.find('\n', start);
        if (end == std::string::npos)
            end = script.size();
        steps.push_back(ParseLine(script.substr(start, end - start)));
        start = end + 1;
    }
    return steps;
}
