#pragma once

#include <QString>
#include <QStringList>

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

// Needs a QCoreApplication (for the Polish texts of the parser); reads nothing else, so a
// mistyped option changes nothing.
CommandLineOutcome ParseCommandLine(const QStringList& arguments);

// The program's version as --version shows it.
QString ProgramVersion();
