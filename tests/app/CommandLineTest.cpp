// The command line: help and version in the chosen or the system's language, the screen mode,
// the language and the exercise to open, and every mistake refused with exit code 2 before
// anything starts.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "app/CommandLine.h"
#include "core/Catalogue.h"
#include "measure/CoreText.h"

namespace {

// As on a Polish system.
CommandLineOutcome Parse(QStringList args, Language system = Language::Polish) {
    args.prepend(QStringLiteral("/usr/bin/kinetra"));
    return ParseCommandLine(args, system);
}

void ExpectRefused(const QStringList& args, const QString& named) {
    const CommandLineOutcome r = Parse(args);
    EXPECT_FALSE(r.Run) << args.join(' ').toStdString();
    EXPECT_EQ(r.ExitCode, 2) << args.join(' ').toStdString();
    EXPECT_TRUE(r.Output.isEmpty());
    EXPECT_TRUE(r.Error.contains(named)) << r.Error.toStdString();
}

}  // namespace

TEST(CommandLine, NoArgumentsStartFullScreenInPolishAtTheMenu) {
    const CommandLineOutcome r = Parse({});
    EXPECT_TRUE(r.Run);
    EXPECT_FALSE(r.Options.Windowed);
    EXPECT_EQ(r.Options.Language, QStringLiteral("pl"));
    EXPECT_TRUE(r.Options.Exercise.isEmpty());
    EXPECT_TRUE(r.Output.isEmpty());
    EXPECT_TRUE(r.Error.isEmpty());
}

TEST(CommandLine, HelpIsPolishAndListsEveryOptionAndExercise) {
    for (const char* flag : {"--help", "-h"}) {
        const CommandLineOutcome r = Parse({QLatin1String(flag)});
        EXPECT_FALSE(r.Run);
        EXPECT_EQ(r.ExitCode, 0);
        EXPECT_TRUE(r.Error.isEmpty());
        EXPECT_TRUE(r.Output.startsWith(QStringLiteral("Użycie: kinetra [opcje]")))
            << r.Output.toStdString();
        EXPECT_TRUE(r.Output.contains(QStringLiteral("Opcje:")));
        EXPECT_FALSE(r.Output.contains(QStringLiteral("Usage")));
        for (const char* option :
             {"--window", "--fullscreen", "--lang <język>", "--exercise <nazwa>", "--version"}) {
            EXPECT_TRUE(r.Output.contains(QString::fromUtf8(option))) << option;
        }
        for (const Exercise& e : Exercises()) {
            EXPECT_TRUE(r.Output.contains(QLatin1String(e.Name))) << e.Name;
        }
    }
}

// --help and every message speak the language of --lang, or else the system's; each language's
// help is whole, the exercises' lines included, with no Polish left in it.
TEST(CommandLine, HelpAndMessagesSpeakTheChosenOrTheSystemsLanguage) {
    const QRegularExpression polishLetters(QStringLiteral("[ąćęłńóśźżĄĆĘŁŃÓŚŹŻ]"));
    for (const LanguageInfo& info : Languages()) {
        const Language language = info.Id;
        const auto t = [language](const char* polish) {
            return FromCore(Translate(language, polish));
        };
        const QString code = FromCore(language.Code);
        for (const CommandLineOutcome& r :
             {Parse({QStringLiteral("--lang"), code, QStringLiteral("--help")}),
              Parse({QStringLiteral("--help")}, language)}) {
            EXPECT_EQ(r.ExitCode, 0);
            EXPECT_TRUE(
                r.Output.startsWith(t("Użycie: %1").arg(QStringLiteral("kinetra ") + t("[opcje]"))))
                << r.Output.toStdString();
            EXPECT_TRUE(r.Output.contains(t("Opcje:")));
            EXPECT_TRUE(r.Output.contains(QStringLiteral("(Українська)")));
            for (const Exercise& e : Exercises())
                EXPECT_TRUE(r.Output.contains(t(e.Description))) << code.toStdString() << e.Name;
            if (language != Language::Polish) {
                EXPECT_FALSE(polishLetters.match(r.Output).hasMatch()) << r.Output.toStdString();
            }
        }
        const CommandLineOutcome version =
            Parse({QStringLiteral("--version"), QStringLiteral("--lang=") + code});
        EXPECT_EQ(version.Output, t("KINETRA, wersja %1").arg(ProgramVersion()) + '\n');
        // A mistake in the system's language, and a wrong --lang does not choose one.
        const CommandLineOutcome wrong = Parse({QStringLiteral("--lang=xx")}, language);
        const QString refusal = t("%1: język „%2” nie jest dostępny; dostępne: %3.")
                                    .arg(QStringLiteral("kinetra"), QStringLiteral("xx"), QString())
                                    .chopped(1);
        EXPECT_TRUE(wrong.Error.startsWith(refusal)) << wrong.Error.toStdString();
    }
    EXPECT_TRUE(Parse({QStringLiteral("--help")}, Language{"uk"})
                    .Output.startsWith(QStringLiteral("Використання: kinetra [параметри]")));
    EXPECT_TRUE(Parse({QStringLiteral("--bogus"), QStringLiteral("--lang"), QStringLiteral("en")})
                    .Error.contains(QStringLiteral("Unknown option “bogus”.")));
}

TEST(CommandLine, VersionNamesTheBuiltVersion) {
    const CommandLineOutcome r = Parse({QStringLiteral("--version")});
    EXPECT_FALSE(r.Run);
    EXPECT_EQ(r.ExitCode, 0);
    EXPECT_EQ(r.Output, QStringLiteral("KINETRA, wersja " KINETRA_TEST_VERSION "\n"));
    EXPECT_EQ(ProgramVersion(), QStringLiteral(KINETRA_TEST_VERSION));
}

TEST(CommandLine, WindowOrFullScreen) {
    EXPECT_TRUE(Parse({QStringLiteral("--window")}).Options.Windowed);
    EXPECT_TRUE(Parse({QStringLiteral("-window")}).Options.Windowed);
    const CommandLineOutcome full = Parse({QStringLiteral("--fullscreen")});
    EXPECT_TRUE(full.Run);
    EXPECT_FALSE(full.Options.Windowed);
    ExpectRefused({QStringLiteral("--window"), QStringLiteral("--fullscreen")},
                  QStringLiteral("--fullscreen"));
}

TEST(CommandLine, EveryLanguageIsOffered) {
    const CommandLineOutcome pl = Parse({QStringLiteral("--lang"), QStringLiteral("pl")});
    EXPECT_TRUE(pl.Run);
    EXPECT_EQ(pl.Options.Language, QStringLiteral("pl"));
    EXPECT_TRUE(pl.Options.LanguageChosen);
    EXPECT_TRUE(Parse({QStringLiteral("--lang=pl")}).Run);
    const CommandLineOutcome en = Parse({QStringLiteral("--lang=en")});
    EXPECT_TRUE(en.Run);
    EXPECT_EQ(en.Options.Language, QStringLiteral("en"));
    EXPECT_TRUE(en.Options.LanguageChosen);
    EXPECT_EQ(Parse({QStringLiteral("--lang"), QStringLiteral("uk")}).Options.Language,
              QStringLiteral("uk"));
    // Without --lang the system locale decides.
    EXPECT_FALSE(Parse({}).Options.LanguageChosen);
    ExpectRefused({QStringLiteral("--lang"), QStringLiteral("EN")}, QStringLiteral("„EN”"));
    ExpectRefused({QStringLiteral("--lang=de")}, QStringLiteral("„de”"));
    ExpectRefused({QStringLiteral("--lang")}, QStringLiteral("lang"));
}

TEST(CommandLine, ExerciseByName) {
    for (const Exercise& e : Exercises()) {
        const CommandLineOutcome r = Parse({QStringLiteral("--exercise"), QLatin1String(e.Name)});
        EXPECT_TRUE(r.Run) << e.Name;
        EXPECT_EQ(r.Options.Exercise, QLatin1String(e.Name));
    }
    ExpectRefused({QStringLiteral("--exercise"), QStringLiteral("Dyfuzja")},
                  QStringLiteral("„Dyfuzja”"));
    ExpectRefused({QStringLiteral("--exercise")}, QStringLiteral("exercise"));
}

TEST(CommandLine, UnknownOptionsAndStrayArgumentsAreRefusedByName) {
    ExpectRefused({QStringLiteral("--bogus")}, QStringLiteral("„bogus”"));
    ExpectRefused({QStringLiteral("-x")}, QStringLiteral("„x”"));
    ExpectRefused({QStringLiteral("--window"), QStringLiteral("--full")}, QStringLiteral("„full”"));
    ExpectRefused({QStringLiteral("plik.txt")}, QStringLiteral("„plik.txt”"));
    // Refused even beside --help: a mistyped shortcut should not pass unseen.
    ExpectRefused({QStringLiteral("--help"), QStringLiteral("--bogus")}, QStringLiteral("„bogus”"));
}

TEST(CommandLine, QtsOwnOptionsPassUnmentioned) {
    const CommandLineOutcome r = Parse({QStringLiteral("-platform"), QStringLiteral("offscreen"),
                                        QStringLiteral("-reverse"), QStringLiteral("--window")});
    EXPECT_TRUE(r.Run);
    EXPECT_TRUE(r.Options.Windowed);
    EXPECT_FALSE(Parse({QStringLiteral("--help")}).Output.contains(QStringLiteral("platform")));
    ExpectRefused({QStringLiteral("-platform")}, QStringLiteral("platform"));
}
