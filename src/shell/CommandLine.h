#pragma once
#include "shell/UiLanguage.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

class QCommandLineParser;

namespace sorvat {

// The options and the file argument of the windowed program, described in
// the interface language (so describe them after the translations are
// installed).
void DescribeCommandLine(QCommandLineParser& parser);

// The language a command line asks for: the "--lang" value when given,
// otherwise the locale's. A value other than "ja" and "en" is kept in
// `refusedValue`, and the locale's language is chosen.
struct LanguageChoice {
    UiLanguage language = UiLanguage::Japanese;
    std::optional<QString> refusedValue;
};
LanguageChoice LanguageOfCommandLine(const QStringList& arguments, const QLocale& locale);

// The error line for a refused "--lang" value, in the interface language.
QString UnknownLanguageMessage(const QString& value);

// "--desktop": the fixed files go to the per-user state directory.
bool StartedFromDesktop(const QCommandLineParser& parser);

// The program name and the positional arguments as the system's bytes, taken
// from `argv` (after the window system took out its own options) in the
// order of the parser's `positional`. Qt's decoded arguments would lose a
// file name that is not UTF-8.
std::vector<std::string> ProgramArguments(int argc, char* argv[], const QStringList& positional);

} // namespace sorvat
