#include "ui/jedn_Unit.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "ui/Pictures.h"
#include "ui/SafePaste.h"
#include "ui/Widgets.h"

namespace {

// A word followed by a run of blanks that lines up the explanations.
QString Padded(const char* word, int blanks) {
    return QString::fromUtf8(word) + QString(blanks, QLatin1Char(' '));
}

}  // namespace

QStringList Tjednostki::MemoLines() {
    const QString indent(41, QLatin1Char(' '));
    return {
        QStringLiteral("W programie zastosowano umowne jednostki wielkości fizycznych."),
        QStringLiteral("Oto znaczenie poszczególnych miar wielkości fizycznyc"),
        QString(),
        Padded("DŁUGOŚĆ", 23) + QStringLiteral("wyrażona jest w pikselach"),
        Padded("CZAS", 31) + QStringLiteral("wyrażony jest w sekundach"),
        Padded("OBJĘTOŚC NACZYNIA", 3) +
            QStringLiteral("wyrażona jest w jednostce piksel x piksel. Naczynie jest "
                           "dwuwymiarowe. "),
        indent + QStringLiteral("Wszelkie obliczenia wielkości mierzonych uwzgldniają mniejszą "
                                "liczbę stopni swobody "),
        indent + QStringLiteral("cząsteczek mieszaniny."),
        Padded("PRĘDKOŚĆ", 21) + QStringLiteral("mierzona jest w jednostce liczba pikseli/ms"),
        Padded("MASA", 30) + QStringLiteral("wyrażona jest w jednostce masy atomowej u"),
        Padded("CIŚNIENIE", 23) + QStringLiteral("mierzone jest w jednostce umownej"),
        Padded("TEMPERATURA", 13) + QStringLiteral("mierzone jest w jednostce umownej"),
        QString(),
        QString(),
    };
}

Tjednostki::Tjednostki(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("jednostki"));
    setWindowTitle(QStringLiteral("Jednostki stosowane w programie"));
    setFixedSize(603, 248);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* memo = new SafePlainTextEdit(this);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setFont(ArialPixels(11));
    memo->setGeometry(8, 16, 585, 185);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setPlainText(MemoLines().join(QLatin1Char('\n')));

    auto* exit = new QPushButton(QStringLiteral("Wyjście"), this);
    exit->setObjectName(QStringLiteral("BitBtn1"));
    exit->setGeometry(504, 208, 89, 33);
    const QPixmap glyph = ExitGlyph();
    if (!glyph.isNull()) {
        exit->setIcon(glyph);
        exit->setIconSize(glyph.deviceIndependentSize().toSize());
    }
    connect(exit, &QPushButton::clicked, this, &Tjednostki::BitBtn1Click);
}

void Tjednostki::BitBtn1Click() {
    accept();
}

void Tjednostki::showEvent(QShowEvent* event) {
    // Centred on the screen, whatever window it belongs to.
    if (const QScreen* screen =
            this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    QDialog::showEvent(event);
}
