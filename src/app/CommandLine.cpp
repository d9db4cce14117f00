#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHash>
#include <QTranslator>

#include "core/Catalogue.h"
#include "core/Languages.h"
#include "measure/CoreText.h"

#ifndef KINETRA_VERSION
#define KINETRA_VERSION "0"
#endif

namespace {

// The language of the help and the messages: that of --lang when it names one the program
// speaks, else the system's.
Language TextLanguage(const QStringList& arguments, Language system) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        QString code;
        if (a == QLatin1String("--lang") || a == QLatin1String("-lang")) {
            code = arguments.value(i + 1);
        } else if (a.startsWith(QLatin1String("--lang=")) ||
                   a.startsWith(QLatin1String("-lang="))) {
            code = a.section(QLatin1Char('='), 1);
        } else {
            continue;
        }
        if (const auto language = LanguageNamed(ToCore(code))) return *language;
    }
    return system;
}

constexpr const char* kUsage = QT_TRANSLATE_NOOP("kinetra", "Użycie: %1");
constexpr const char* kOptionsShort = QT_TRANSLATE_NOOP("kinetra", "[opcje]");

// The texts of one reading of the command line, in its language.
class Texts {
  public:
    explicit Texts(Language language) : language_(language) {}
    QString operator()(const char* polish) const { return FromCore(Translate(language_, polish)); }

  private:
    Language language_;
};

// The parser's own headings and errors in the program's language, whatever Qt translations are
// installed.
class ParserTexts : public QTranslator {
  public:
    explicit ParserTexts(const Texts& t) : t_(t) {}
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        if (qstrcmp(context, "QCommandLineParser") != 0) return {};
        static const QHash<QByteArray, const char*> texts = {
            {"Usage: %1", kUsage},
            {"Options:", QT_TRANSLATE_NOOP("kinetra", "Opcje:")},
            {"Arguments:", QT_TRANSLATE_NOOP("kinetra", "Argumenty:")},
            {"[options]", kOptionsShort},
            {"Unknown option '%1'.", QT_TRANSLATE_NOOP("kinetra", "Nieznana opcja „%1”.")},
            {"Unknown options: %1.", QT_TRANSLATE_NOOP("kinetra", "Nieznane opcje: %1.")},
            {"Missing value after '%1'.", QT_TRANSLATE_NOOP("kinetra", "Brak wartości po „%1”.")},
            {"Unexpected value after '%1'.",
             QT_TRANSLATE_NOOP("kinetra", "Nieoczekiwana wartość po „%1”.")},
        };
        const char* polish = texts.value(QByteArray(source));
        return polish ? t_(polish) : QString();
    }

  private:
    const Texts& t_;
};

// The languages by their codes, each with its own name: "pl (Polski), en (English)".
QString LanguageList() {
    QStringList list;
    for (const LanguageInfo& info : Languages())
        list << QStringLiteral("%1 (%2)").arg(FromCore(info.Id.Code), FromCore(info.OwnName));
    return list.join(QStringLiteral(", "));
}

QString ExerciseList(const Texts& t) {
    QString text = QLatin1Char('\n') +
                   t(QT_TRANSLATE_NOOP("kinetra", "Ćwiczenia (dla --exercise):")) +
                   QLatin1Char('\n');
    for (const Exercise& exercise : Exercises()) {
        text += QStringLiteral("  %1  %2\n")
                    .arg(QString::fromLatin1(exercise.Name), -24)
                    .arg(t(exercise.Description));
    }
    return text;
}

CommandLineOutcome Stop(int code, const QString& error) {
    CommandLineOutcome outcome;
    outcome.Run = false;
    outcome.ExitCode = code;
    outcome.Error = error;
    return outcome;
}

QString HelpHint(const Texts& t, const QString& program) {
    return t(QT_TRANSLATE_NOOP("kinetra", "Pomoc: %1 --help")).arg(program) + QLatin1Char('\n');
}

}  // namespace

QString ProgramVersion() {
    return QStringLiteral(KINETRA_VERSION);
}

CommandLineOutcome ParseCommandLine(const QStringList& arguments, Language system) {
    const Texts t(TextLanguage(arguments, system));
    ParserTexts parserTexts(t);
    QCoreApplication::installTranslator(&parserTexts);
    struct Uninstall {
        QTranslator* t;
        ~Uninstall() { QCoreApplication::removeTranslator(t); }
    } uninstall{&parserTexts};

    const QString program = QStringLiteral("kinetra");

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(t(QT_TRANSLATE_NOOP(
        "kinetra", "KINETRA – program dydaktyczny o kinetyczno-molekularnej teorii gazów.")));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        t(QT_TRANSLATE_NOOP("kinetra", "Pokazuje tę pomoc i kończy pracę.")));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        t(QT_TRANSLATE_NOOP("kinetra", "Pokazuje wersję programu i kończy pracę.")));
    const QCommandLineOption window(
        QStringLiteral("window"),
        t(QT_TRANSLATE_NOOP("kinetra", "Uruchamia program w zwykłym oknie (F11 przełącza tryb).")));
    const QCommandLineOption fullScreen(
        QStringLiteral("fullscreen"),
        t(QT_TRANSLATE_NOOP("kinetra", "Uruchamia program na pełnym ekranie (domyślnie).")));
    const QCommandLineOption language(
        QStringLiteral("lang"),
        t(QT_TRANSLATE_NOOP("kinetra", "Język programu: %1.")).arg(LanguageList()),
        t(QT_TRANSLATE_NOOP("kinetra", "język")));
    const QString exerciseName = t(QT_TRANSLATE_NOOP("kinetra", "nazwa"));
    const QCommandLineOption exercise(
        QStringLiteral("exercise"),
        t(QT_TRANSLATE_NOOP("kinetra", "Otwiera od razu opis ćwiczenia <%1>.")).arg(exerciseName),
        exerciseName);
    parser.addOptions({help, version, window, fullScreen, language, exercise});
    // Qt reads its own options (-platform offscreen, -style Fusion, ...) from the same command
    // line; they pass here unmentioned.
    for (const char* name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
          "qwindowtitle", "qwindowicon", "style", "stylesheet", "display", "geometry", "session"}) {
        QCommandLineOption qtOption(QLatin1String(name), QString(), QStringLiteral("x"));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }
    for (const char* name : {"reverse", "nograb", "dograb", "sync", "widgetcount"}) {
        QCommandLineOption qtOption{QLatin1String(name)};
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }

    if (!parser.parse(arguments)) {
        return Stop(
            2, QStringLiteral("%1: %2\n%3").arg(program, parser.errorText(), HelpHint(t, program)));
    }
    if (!parser.positionalArguments().isEmpty()) {
        return Stop(2, t(QT_TRANSLATE_NOOP("kinetra", "%1: nieoczekiwany argument „%2”."))
                               .arg(program, parser.positionalArguments().first()) +
                           QLatin1Char('\n') + HelpHint(t, program));
    }
    if (parser.isSet(help)) {
        CommandLineOutcome outcome = Stop(0, {});
        // Qt names the program by the path it was started with; the installed name reads better.
        const QString usage = t(kUsage).arg(program + QLatin1Char(' ') + t(kOptionsShort));
        outcome.Output = usage + QLatin1Char('\n') +
                         parser.helpText().section(QLatin1Char('\n'), 1) + ExerciseList(t);
        return outcome;
    }
    if (parser.isSet(version)) {
        CommandLineOutcome outcome = Stop(0, {});
        outcome.Output =
            t(QT_TRANSLATE_NOOP("kinetra", "KINETRA, wersja %1")).arg(ProgramVersion()) +
            QLatin1Char('\n');
        return outcome;
    }

    CommandLineOutcome outcome;
    if (parser.isSet(window) && parser.isSet(fullScreen)) {
        return Stop(2, t(QT_TRANSLATE_NOOP("kinetra",
                                           "%1: opcji --window i --fullscreen nie można łączyć."))
                               .arg(program) +
                           QLatin1Char('\n'));
    }
    outcome.Options.Windowed = parser.isSet(window);
    if (parser.isSet(language)) {
        const QString wanted = parser.value(language);
        if (!LanguageNamed(ToCore(wanted))) {
            return Stop(2, t(QT_TRANSLATE_NOOP("kinetra",
                                               "%1: język „%2” nie jest dostępny; dostępne: %3."))
                                   .arg(program, wanted, LanguageList()) +
                               QLatin1Char('\n'));
        }
        outcome.Options.Language = wanted;
        outcome.Options.LanguageChosen = true;
    }
    if (parser.isSet(exercise)) {
        const QString name = parser.value(exercise);
        if (!FindExercise(name.toStdString())) {
            return Stop(
                2,
                t(QT_TRANSLATE_NOOP("kinetra", "%1: nie ma ćwiczenia „%2”.")).arg(program, name) +
                    QLatin1Char('\n') + ExerciseList(t));
        }
        outcome.Options.Exercise = name;
    }
    return outcome;
}
