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

// The languages the program speaks, by their codes.
const QStringList kLanguages = [] {
    QStringList codes;
    for (const LanguageInfo& info : Languages())
        codes << FromCore(info.Id.Code);
    return codes;
}();

// The parser's own headings and errors in Polish, whatever Qt translations are installed.
class ParserTexts : public QTranslator {
  public:
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        if (qstrcmp(context, "QCommandLineParser") != 0) return {};
        static const QHash<QByteArray, QString> texts = {
            {"Usage: %1", QStringLiteral("Użycie: %1")},
            {"Options:", QStringLiteral("Opcje:")},
            {"Arguments:", QStringLiteral("Argumenty:")},
            {"[options]", QStringLiteral("[opcje]")},
            {"Unknown option '%1'.", QStringLiteral("Nieznana opcja „%1”.")},
            {"Unknown options: %1.", QStringLiteral("Nieznane opcje: %1.")},
            {"Missing value after '%1'.", QStringLiteral("Brak wartości po „%1”.")},
            {"Unexpected value after '%1'.", QStringLiteral("Nieoczekiwana wartość po „%1”.")},
        };
        return texts.value(QByteArray(source));
    }
};

QString ExerciseList() {
    QString text = QStringLiteral("\nĆwiczenia (dla --exercise):\n");
    for (const Exercise& exercise : Exercises()) {
        text += QStringLiteral("  %1  %2\n")
                    .arg(QString::fromLatin1(exercise.Name), -24)
                    .arg(QString::fromUtf8(exercise.Description));
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

QString HelpHint(const QString& program) {
    return QStringLiteral("Pomoc: %1 --help\n").arg(program);
}

}  // namespace

QString ProgramVersion() {
    return QStringLiteral(KINETRA_VERSION);
}

CommandLineOutcome ParseCommandLine(const QStringList& arguments) {
    ParserTexts polish;
    QCoreApplication::installTranslator(&polish);
    struct Uninstall {
        QTranslator* t;
        ~Uninstall() { QCoreApplication::removeTranslator(t); }
    } uninstall{&polish};

    const QString program = QStringLiteral("kinetra");

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("KINETRA – program dydaktyczny o kinetyczno-molekularnej teorii gazów."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Pokazuje tę pomoc i kończy pracę."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Pokazuje wersję programu i kończy pracę."));
    const QCommandLineOption window(
        QStringLiteral("window"),
        QStringLiteral("Uruchamia program w zwykłym oknie (F11 przełącza tryb)."));
    const QCommandLineOption fullScreen(
        QStringLiteral("fullscreen"),
        QStringLiteral("Uruchamia program na pełnym ekranie (domyślnie)."));
    const QCommandLineOption language(
        QStringLiteral("lang"),
        QStringLiteral("Język programu: %1.").arg(kLanguages.join(QStringLiteral(", "))),
        QStringLiteral("język"));
    const QCommandLineOption exercise(QStringLiteral("exercise"),
                                      QStringLiteral("Otwiera od razu opis ćwiczenia <nazwa>."),
                                      QStringLiteral("nazwa"));
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
            2, QStringLiteral("%1: %2\n%3").arg(program, parser.errorText(), HelpHint(program)));
    }
    if (!parser.positionalArguments().isEmpty()) {
        return Stop(2, QStringLiteral("%1: nieoczekiwany argument „%2”.\n%3")
                           .arg(program, parser.positionalArguments().first(), HelpHint(program)));
    }
    if (parser.isSet(help)) {
        CommandLineOutcome outcome = Stop(0, {});
        // Qt names the program by the path it was started with; the installed name reads better.
        const QString usage = QCoreApplication::translate("QCommandLineParser", "Usage: %1")
                                  .arg(program + QStringLiteral(" [opcje]"));
        outcome.Output = usage + QLatin1Char('\n') +
                         parser.helpText().section(QLatin1Char('\n'), 1) + ExerciseList();
        return outcome;
    }
    if (parser.isSet(version)) {
        CommandLineOutcome outcome = Stop(0, {});
        outcome.Output = QStringLiteral("KINETRA, wersja %1\n").arg(ProgramVersion());
        return outcome;
    }

    CommandLineOutcome outcome;
    if (parser.isSet(window) && parser.isSet(fullScreen)) {
        return Stop(
            2,
            QStringLiteral("%1: opcji --window i --fullscreen nie można łączyć.\n").arg(program));
    }
    outcome.Options.Windowed = parser.isSet(window);
    if (parser.isSet(language)) {
        const QString wanted = parser.value(language);
        if (!kLanguages.contains(wanted)) {
            return Stop(2, QStringLiteral("%1: język „%2” nie jest dostępny; dostępne: %3.\n")
                               .arg(program, wanted, kLanguages.join(QStringLiteral(", "))));
        }
        outcome.Options.Language = wanted;
        outcome.Options.LanguageChosen = true;
    }
    if (parser.isSet(exercise)) {
        const QString name = parser.value(exercise);
        if (!FindExercise(name.toStdString())) {
            return Stop(2, QStringLiteral("%1: nie ma ćwiczenia „%2”.\n%3")
                               .arg(program, name, ExerciseList()));
        }
        outcome.Options.Exercise = name;
    }
    return outcome;
}
