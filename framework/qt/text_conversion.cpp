#include "text_conversion.h"

namespace backend {

QString FromProgramText(const char* text) { return QString::fromLocal8Bit(text ? text : ""); }

std::string ToProgramText(const QString& text) { return text.toLocal8Bit().toStdString(); }

QString EditTextFromProgram(const char* text)
{
    QString converted = FromProgramText(text);
    converted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return converted;
}

std::string EditTextToProgram(const QString& text)
{
    QString converted = text;
    converted.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return ToProgramText(converted);
}

} // namespace backend
