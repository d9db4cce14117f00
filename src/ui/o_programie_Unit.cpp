#include "ui/o_programie_Unit.h"

#include <QLabel>
#include <QPushButton>

#include "engine/Publisher.h"
#include "ui/Shell.h"
#include "ui/Widgets.h"

namespace {

const QColor kNavy(0, 0, 128);

template <typename Label>
Label* AddLabel(QWidget* parent, const char* name, const QString& text, const QFont& font,
                QPoint at, const QColor& colour = Qt::black) {
    auto* label = new Label(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    label->adjustSize();
    label->move(at);
    return label;
}

}  // namespace

TFO_programie::TFO_programie(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FO_programie"));
    setWindowTitle(QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "O programie")));
    setFixedSize(314, 224);
    setFont(ArialPixels(11));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    AddLabel<QLabel>(this, "Label13", QString::fromUtf8(publisher::kProductTitle),
                     ArialPixels(16, true), {8, 8}, kNavy);
    AddLabel<QLabel>(this, "Label2", QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Autorzy:")),
                     ArialPixels(13), {8, 32});
    const char* authorLabels[] = {"Label6", "Label7", "Label3", "Label8", "Label4"};
    for (int i = 0; i < 5; ++i) {
        AddLabel<QLabel>(this, authorLabels[i], QString::fromUtf8(publisher::kAuthors[i]),
                         ArialPixels(13), {64, 32 + 16 * i});
    }
    AddLabel<QLabel>(this, "Label1", QString::fromUtf8(publisher::kNoticeLine),
                     ArialPixels(13, true), {8, 112});
    AddLabel<QLabel>(this, "Label15",
                     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Wersja produktu: 2.0")),
                     ArialPixels(13), {8, 128});
    AddLabel<QLabel>(this, "Label16",
                     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Rok produkcji: 2003")),
                     ArialPixels(13), {8, 144});

    auto* web = AddLabel<ClickLabel>(this, "Label5", QString::fromUtf8(publisher::kWebAddress),
                                     ArialPixels(13, false, false, true), {8, 176}, kNavy);
    auto* mail = AddLabel<ClickLabel>(this, "Label17", QString::fromUtf8(publisher::kEmailAddress),
                                      ArialPixels(13, false, false, true), {8, 192}, kNavy);
    for (ClickLabel* link : {web, mail}) {
        link->setCursor(Qt::PointingHandCursor);
        link->setAttribute(Qt::WA_TranslucentBackground);
    }
    connect(web, &ClickLabel::clicked, this, &TFO_programie::L);
    connect(mail, &ClickLabel::clicked, this, &TFO_programie::Label17Click);

    auto* ok = new QPushButton(QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "OK")), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setFont(ArialPixels(13));
    ok->setGeometry(184, 184, 97, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TFO_programie::Button1Click);
}

void TFO_programie::L() {
    OpenWithShell(PublisherWebUrl(), this);
}

void TFO_programie::Label17Click() {
    OpenWithShell(PublisherMailUrl(), this);
}

void TFO_programie::Button1Click() {
    accept();
}
