#include "ui/jedn_Unit.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "measure/Language.h"

#include "ui/Pictures.h"
#include "ui/SafePaste.h"
#include "ui/Widgets.h"

namespace {

// The memo's font; the English headings are lined up in it.
QFont MemoFont() {
    return ArialPixels(11);
}

// Where the explanations start, as the Polish blanks put them.
int ExplanationColumn() {
    return QFontMetrics(MemoFont()).horizontalAdvance(QStringLiteral("OBJĘTOŚC NACZYNIA   "));
}

// A word followed by a run of blanks that lines up the explanations. The Polish runs are the
// program's own; a translated word gets as many blanks as reach the same column.
QString Padded(const char* word, int blanks) {
    if (CurrentLanguage() == Language::Polish)
        return QString::fromUtf8(word) + QString(blanks, QLatin1Char(' '));
    const QString shown = Tr(word);
    const QFontMetrics metrics(MemoFont());
    const int gap = ExplanationColumn() - metrics.horizontalAdvance(shown);
    const int blank = metrics.horizontalAdvance(QLatin1Char(' '));
    return shown + QString(std::max(1, (gap + blank - 1) / blank), QLatin1Char(' '));
}

QString Indent() {
    if (CurrentLanguage() == Language::Polish) return QString(41, QLatin1Char(' '));
    return Padded("", 0);
}

}  // namespace

QStringList Tjednostki::MemoLines() {
    const QString indent = Indent();
    return {
        Tr(QT_TRANSLATE_NOOP("kinetra",
                             "W programie zastosowano umowne jednostki wielkości fizycznych.")),
        Tr(QT_TRANSLATE_NOOP("kinetra", "Oto znaczenie poszczególnych miar wielkości fizycznyc")),
        QString(),
        Padded(QT_TRANSLATE_NOOP("kinetra", "DŁUGOŚĆ"), 23) +
            Tr(QT_TRANSLATE_NOOP("kinetra", "wyrażona jest w pikselach")),
        Padded(QT_TRANSLATE_NOOP("kinetra", "CZAS"), 31) +
            Tr(QT_TRANSLATE_NOOP("kinetra", "wyrażony jest w sekundach")),
        Padded(QT_TRANSLATE_NOOP("kinetra", "OBJĘTOŚC NACZYNIA"), 3) +
            Tr(QT_TRANSLATE_NOOP("kinetra",
                                 "wyrażona jest w jednostce piksel x piksel. Naczynie jest "
                                 "dwuwymiarowe. ")),
        indent +
            Tr(QT_TRANSLATE_NOOP("kinetra",
                                 "Wszelkie obliczenia wielkości mierzonych uwzgldniają mniejszą "
                                 "liczbę stopni swobody ")),
        indent + Tr(QT_TRANSLATE_NOOP("kinetra", "cząsteczek mieszaniny.")),
        Padded(QT_TRANSLATE_NOOP("kinetra", "PRĘDKOŚĆ"), 21) +
            Tr(QT_TRANSLATE_NOOP("kinetra", "mierzona jest w jednostce liczba pikseli/ms")),
        Padded(QT_TRANSLATE_NOOP("kinetra", "MASA"), 30) +
            Tr(QT_TRANSLATE_NOOP("kinetra", "wyrażona jest w jednostce masy atomowej u")),
        Padded(QT_TRANSLATE_NOOP("kinetra", "CIŚNIENIE"), 23) +
            Tr(QT_TRANSLATE_NOOP("kinetra", "mierzone jest w jednostce umownej")),
        Padded(QT_TRANSLATE_NOOP("kinetra", "TEMPERATURA"), 13) +
            Tr(QT_TRANSLATE_NOOP("kinetra", "mierzone jest w jednostce umownej")),
        QString(),
        QString(),
    };
}

Tjednostki::Tjednostki(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("jednostki"));
    setWindowTitle(QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Jednostki stosowane w programie")));
    setFixedSize(603, 248);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* memo = new SafePlainTextEdit(this);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setFont(MemoFont());
    memo->setGeometry(8, 16, 585, 185);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setPlainText(MemoLines().join(QLatin1Char('\n')));

    auto* exit = new QPushButton(QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Wyjście")), this);
    exit->setObjectName(QStringLiteral("BitBtn1"));
    exit->setGeometry(504, 208, 89, 33);
    const QPixmap glyph = ExitGlyph();
    if (!glyph.isNull()) {
        exit->setIcon(glyph);
        exit->setIconSize(glyph.deviceIndependentSize().toSize());
    }
    connect(exit, &QPushButton::clicked, this, &Tjednostki::BitBtn1Click);
}

void Tjednostki::Retranslate() {
    // The memo takes what the pupil typed in it; a change of language gives the text afresh.
    findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))
        ->setPlainText(MemoLines().join(QLatin1Char('\n')));
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
