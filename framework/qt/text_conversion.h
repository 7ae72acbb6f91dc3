#pragma once
// The program's 8-bit text and the toolkit's strings. Edit controls hold CR LF line ends
// in the program's text and plain line feeds in the toolkit's.

#include <QString>

#include <string>

namespace backend {

QString FromProgramText(const char* text);
std::string ToProgramText(const QString& text);
QString EditTextFromProgram(const char* text);
std::string EditTextToProgram(const QString& text);

} // namespace backend
