#pragma once
// The command-script language as the update script uses it: echo off and on, cls, echo.,
// echo with text, pause, rem, and external command lines.

#include <string>
#include <vector>

struct ScriptStep {
    enum class Kind { Nothing, EchoOff, EchoOn, EchoState, Print, Clear, Pause, Run } kind;
    std::string text;               // Print: the text; Run: the whole command line
    std::vector<std::string> words; // Run: the program and its arguments
    bool echoed;                    // the line is shown before it runs while echo is on
    std::string line;               // as written, without its line end
};

// One step per line; CR LF and LF both end a line.
std::vector<ScriptStep> ParseScript(const std::string& script);
ScriptStep ParseLine(const std::string& line);
// The words of a command line: blanks and tabs separate them, double quotes group them.
std::vector<std::string> SplitCommandLine(const std::string& line);
