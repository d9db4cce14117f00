// Program start: the main window, the About dialog and the Units dialog, in that order; the main
// window covers the whole screen until it is closed.
#include <QApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>
#include <algorithm>
#include <memory>

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

}  // namespace

int main(int argc, char** argv) {
    ScaleToScreen(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kinetra"));

    // Qt's own dialogs (the file dialog of a saved page, standard buttons) speak Polish too.
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }

    TForm1 Form1;
    TFO_programie FO_programie(&Form1);
    Tjednostki jednostki(&Form1);
    Form1.SetDialogs(&FO_programie, &jednostki);

    // No window manager may be there to size a full-screen window, so give it the screen first.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        Form1.setGeometry(screen->geometry());
    }
    Form1.showFullScreen();
    Form1.activateWindow();
    return app.exec();
}
