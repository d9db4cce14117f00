// Program start: reads the command line, then creates the main window, the About dialog and the
// Units dialog, in that order; the main window covers the whole screen (or, when asked, sits in
// a window) until it is closed.
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "app/CommandLine.h"
#include "measure/CoreText.h"
#include "measure/Language.h"
#include "ui/Keyboard.h"
#include "ui/ScreenMode.h"
#include "ui/jedn_Unit.h"
#include "ui/kinetra_u.h"
#include "ui/o_programie_Unit.h"

namespace {

// The program is drawn for 1024 x 768. On a larger screen everything is scaled up by the
// largest factor that still fits, measured before the real application exists because the
// factor must be known when it starts.
void ScaleToScreen(int argc, char** argv) {
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) return;
    double factor = 1.0;
    {
        QGuiApplication probe(argc, argv);
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QSize size = screen->size();
            factor = std::min(size.width() / 1024.0, size.height() / 768.0);
        }
    }
    if (factor > 1.0) qputenv("QT_SCALE_FACTOR", QByteArray::number(factor, 'g', 6));
}

// Read before any window system is touched, so that --help and --version work anywhere.
CommandLineOutcome ReadCommandLine(int argc, char** argv) {
    QCoreApplication reader(argc, argv);
    return ParseCommandLine(QCoreApplication::arguments());
}

}  // namespace

int main(int argc, char** argv) {
    const CommandLineOutcome command = ReadCommandLine(argc, argv);
    if (!command.Run) {
        std::fputs(command.Output.toUtf8().constData(), stdout);
        std::fputs(command.Error.toUtf8().constData(), stderr);
        return command.ExitCode;
    }

    ScaleToScreen(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kinetra"));
    QApplication::setApplicationVersion(ProgramVersion());

    const Language language =
        command.Options.LanguageChosen
            ? LanguageNamed(ToCore(command.Options.Language)).value_or(Language::Polish)
            : SystemLanguage();
    // Qt's own dialogs (the file dialog of a saved page, standard buttons) speak the program's
    // language too.
    UseQtTexts(language);

    TForm1 Form1;
    TFO_programie FO_programie(&Form1);
    Tjednostki jednostki(&Form1);
    Form1.SetDialogs(&FO_programie, &jednostki);
    KeyboardControl::NameButtons(&FO_programie);
    KeyboardControl::NameButtons(&jednostki);
    if (language != Language::Polish && !Form1.SetLanguage(language)) {
        const QString failure = FromCore(
            Translate(language, QT_TRANSLATE_NOOP("kinetra",
                                                  "kinetra: nie udało się wczytać tekstów "
                                                  "wybranego języka; program zostaje polski.")));
        std::fputs((failure + QLatin1Char('\n')).toUtf8().constData(), stderr);
    }

    auto* screenMode = new ScreenMode(&Form1);
    new KeyboardControl(&Form1, [screenMode] { screenMode->Toggle(); });
    if (!command.Options.Exercise.isEmpty()) Form1.OpenExercise(command.Options.Exercise);

    if (command.Options.Windowed) {
        screenMode->ShowWindowed();
    } else {
        screenMode->ShowFullScreen();
    }
    return app.exec();
}
