// The About and Units dialogs: their texts, places and links.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QUrlQuery>

#include "engine/Publisher.h"
#include "ui/Shell.h"
#include "ui/Widgets.h"
#include "ui/jedn_Unit.h"
#include "ui/o_programie_Unit.h"

namespace {

QString Blanks(int n) {
    return QString(n, QLatin1Char(' '));
}

template <typename T = QWidget>
T* Find(QWidget* dialog, const char* name) {
    T* w = dialog->findChild<T*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

}  // namespace

TEST(UnitsDialog, MemoHoldsTheUnitTextBlankForBlank) {
    Tjednostki units;
    const QStringList expected = {
        QStringLiteral("W programie zastosowano umowne jednostki wielkości fizycznych."),
        QStringLiteral("Oto znaczenie poszczególnych miar wielkości fizycznyc"),
        QString(),
        QStringLiteral("DŁUGOŚĆ") + Blanks(23) + QStringLiteral("wyrażona jest w pikselach"),
        QStringLiteral("CZAS") + Blanks(31) + QStringLiteral("wyrażony jest w sekundach"),
        QStringLiteral("OBJĘTOŚC NACZYNIA") + Blanks(3) +
            QStringLiteral(
                "wyrażona jest w jednostce piksel x piksel. Naczynie jest dwuwymiarowe.") +
            Blanks(1),
        Blanks(41) +
            QStringLiteral("Wszelkie obliczenia wielkości mierzonych uwzgldniają mniejszą "
                           "liczbę stopni swobody") +
            Blanks(1),
        Blanks(41) + QStringLiteral("cząsteczek mieszaniny."),
        QStringLiteral("PRĘDKOŚĆ") + Blanks(21) +
            QStringLiteral("mierzona jest w jednostce liczba pikseli/ms"),
        QStringLiteral("MASA") + Blanks(30) +
            QStringLiteral("wyrażona jest w jednostce masy atomowej u"),
        QStringLiteral("CIŚNIENIE") + Blanks(23) +
            QStringLiteral("mierzone jest w jednostce umownej"),
        QStringLiteral("TEMPERATURA") + Blanks(13) +
            QStringLiteral("mierzone jest w jednostce umownej"),
        QString(),
        QString(),
    };
    auto* memo = Find<QPlainTextEdit>(&units, "Memo1");
    QStringList shown;
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next())
        shown << b.text();
    ASSERT_EQ(shown.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        const QString& want = expected[i];
        const QString& got = shown[i];
        EXPECT_EQ(got.size(), want.size()) << "line " << i + 1;
        for (int c = 0; c < std::min(got.size(), want.size()); ++c) {
            if (got[c] != want[c]) {
                ADD_FAILURE() << "line " << i + 1 << " differs at character " << c + 1;
                break;
            }
        }
    }
}

TEST(UnitsDialog, LayoutAndTheMemoKeepsWhatThePupilTyped) {
    Tjednostki units;
    EXPECT_EQ(units.windowTitle(), QStringLiteral("Jednostki stosowane w programie"));
    EXPECT_EQ(units.size(), QSize(603, 248));
    auto* memo = Find<QPlainTextEdit>(&units, "Memo1");
    EXPECT_FALSE(memo->isReadOnly());
    auto* exit = Find<QPushButton>(&units, "BitBtn1");
    EXPECT_EQ(exit->text(), QStringLiteral("Wyjście"));
    EXPECT_FALSE(exit->icon().isNull());

    units.show();
    memo->moveCursor(QTextCursor::End);
    QTest::keyClicks(memo, QStringLiteral("notatka"));
    QTest::mouseClick(exit, Qt::LeftButton);
    EXPECT_FALSE(units.isVisible());
    EXPECT_EQ(units.result(), QDialog::Accepted);
    units.show();
    EXPECT_TRUE(memo->toPlainText().endsWith(QStringLiteral("notatka")));
}

TEST(AboutDialog, ShowsTheProductAuthorsAndAddresses) {
    TFO_programie about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("O programie"));
    EXPECT_EQ(about.size(), QSize(314, 224));
    struct Row {
        const char* name;
        QPoint at;
        QString text;
    };
    const Row rows[] = {
        {"Label13", {8, 8}, QString::fromUtf8(publisher::kProductTitle)},
        {"Label2", {8, 32}, QStringLiteral("Autorzy:")},
        {"Label6", {64, 32}, QString::fromUtf8(publisher::kAuthors[0])},
        {"Label7", {64, 48}, QString::fromUtf8(publisher::kAuthors[1])},
        {"Label3", {64, 64}, QString::fromUtf8(publisher::kAuthors[2])},
        {"Label8", {64, 80}, QString::fromUtf8(publisher::kAuthors[3])},
        {"Label4", {64, 96}, QString::fromUtf8(publisher::kAuthors[4])},
        {"Label1", {8, 112}, QString::fromUtf8(publisher::kNoticeLine)},
        {"Label15", {8, 128}, QStringLiteral("Wersja produktu: 2.0")},
        {"Label16", {8, 144}, QStringLiteral("Rok produkcji: 2003")},
        {"Label5", {8, 176}, QString::fromUtf8(publisher::kWebAddress)},
        {"Label17", {8, 192}, QString::fromUtf8(publisher::kEmailAddress)},
    };
    for (const Row& row : rows) {
        auto* label = Find<QLabel>(&about, row.name);
        EXPECT_EQ(label->pos(), row.at) << row.name;
        EXPECT_EQ(label->text(), row.text) << row.name;
        // Nothing runs past the dialog's right edge.
        EXPECT_LE(label->x() + label->fontMetrics().horizontalAdvance(label->text()), 314)
            << row.name;
    }
    EXPECT_TRUE(Find<QLabel>(&about, "Label13")->font().bold());
    EXPECT_TRUE(Find<QLabel>(&about, "Label5")->font().underline());
    EXPECT_EQ(Find<QLabel>(&about, "Label17")->cursor().shape(), Qt::PointingHandCursor);
    auto* ok = Find<QPushButton>(&about, "Button1");
    EXPECT_EQ(ok->geometry(), QRect(184, 184, 97, 25));
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    // The notice line and the OK button do not overlap the links.
    EXPECT_FALSE(ok->geometry().intersects(Find<QLabel>(&about, "Label5")->geometry()));
}

TEST(AboutDialog, LinksOpenTheWebPageAndAMailWithTheSubject) {
    std::vector<QUrl> opened;
    SetShellOpener([&](const QUrl& url) {
        opened.push_back(url);
        return true;
    });
    TFO_programie about;
    about.show();
    auto click = [&](const char* name) {
        QLabel* label = Find<QLabel>(&about, name);
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    };
    click("Label5");
    click("Label17");
    SetShellOpener(nullptr);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], QUrl(QString::fromUtf8(publisher::kWebUrl)));
    EXPECT_EQ(opened[1].scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(opened[1].path(), QString::fromUtf8(publisher::kEmailAddress));
    EXPECT_EQ(QUrlQuery(opened[1]).queryItemValue(QStringLiteral("subject")),
              QString::fromUtf8(publisher::kMailSubjectWord) + QStringLiteral("2.0"));
    EXPECT_TRUE(about.isVisible());

    QTest::mouseClick(Find<QPushButton>(&about, "Button1"), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
}
