#pragma once

#include <QString>
#include <QStringList>

#include "core/Languages.h"

// What the command line asks for.
struct LaunchOptions {
    bool Windowed = false;  // full screen unless --window
    QString Language = QStringLiteral("pl");
    bool LanguageChosen = false;  // --lang given; otherwise the system locale decides
    QString Exercise;             // empty: the main menu as usual
};

// The result of reading the command line: either start the program with `Options`, or leave at
// once with `ExitCode`, printing `Output` to standard output and `Error` to standard error.
struct CommandLineOutcome {
    bool Run = true;
    int ExitCode = 0;
    QString Output;
    QString Error;
    LaunchOptions Options;
};

// Needs a QCoreApplication (for the texts of the parser); reads nothing else, so a mistyped
// option changes nothing. The help and the messages are in the language of --lang, or else in
// `system`, the system locale's.
CommandLineOutcome ParseCommandLine(const QStringList& arguments,
                                    Language system = SystemLanguage());

// The program's version as --version shows it.
QString ProgramVersion();
