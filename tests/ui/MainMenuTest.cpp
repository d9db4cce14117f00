// The main menu's content: every named control with its kind, place, size and text, the
// visibility at start, and layout faults a pupil would see (clipped text, overlaps, memos that
// hide part of their text).
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QWheelEvent>
#include <memory>

#include "ui/MainMenu.h"
#include "ui/Widgets.h"

namespace {

class MainMenuTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        stage_ = new QWidget;
        stage_->resize(1024, 768);
        menu_ = BuildMainMenu(stage_).Panel1;
        stage_->show();
        QApplication::processEvents();
    }
    static void TearDownTestSuite() {
        delete stage_;
        stage_ = nullptr;
        menu_ = nullptr;
    }

    template <typename T>
    static T* Find(const char* name) {
        T* found = menu_->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    static QFrame* ShowTopic(const char* panel) {
        for (QFrame* topic : TopicPanels())
            topic->hide();
        auto* topic = Find<QFrame>(panel);
        topic->show();
        QApplication::processEvents();
        return topic;
    }

    // Shows one pane of one topic, hiding the other topics, and lets the layout settle.
    static QScrollArea* ShowPane(const char* panel, const char* pane) {
        for (QFrame* topic : TopicPanels())
            topic->hide();
        auto* topic = Find<QFrame>(panel);
        auto* area = Find<QScrollArea>(pane);
        for (QScrollArea* other : topic->findChildren<QScrollArea*>())
            other->hide();
        topic->show();
        area->show();
        QApplication::processEvents();
        return area;
    }

    static std::vector<QFrame*> TopicPanels() {
        std::vector<QFrame*> panels;
        for (const char* name : {"Panel3", "Panel4", "Panel6", "Panel7", "Panel9", "Panel10"})
            panels.push_back(menu_->findChild<QFrame*>(QLatin1String(name)));
        return panels;
    }

    static QWidget* stage_;
    static QWidget* menu_;
};

QWidget* MainMenuTest::stage_ = nullptr;
QWidget* MainMenuTest::menu_ = nullptr;

struct PaneOf {
    const char* panel;
    const char* pane;
};
const PaneOf kPanes[] = {
    {"Panel3", "ScrollBox1"},   {"Panel3", "ScrollBox2"},  {"Panel4", "ScrollBox3"},
    {"Panel4", "ScrollBox4"},   {"Panel6", "ScrollBox6"},  {"Panel7", "ScrollBox8"},
    {"Panel7", "ScrollBox5"},   {"Panel9", "ScrollBox10"}, {"Panel9", "ScrollBox13"},
    {"Panel10", "ScrollBox12"},
};

bool IsArial(const QFont& font, int pixels) {
    return QFontInfo(font).family() == QFontInfo(QFont(QStringLiteral("Arial"))).family() &&
           font.pixelSize() == pixels;
}

TEST_F(MainMenuTest, MenuPanelIsASteelBlueFrameOnTheStage) {
    auto* panel = qobject_cast<QFrame*>(menu_);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->objectName(), QStringLiteral("Panel1"));
    EXPECT_EQ(panel->parentWidget(), stage_);
    EXPECT_EQ(panel->geometry(), QRect(8, 8, 993, 713));
    EXPECT_TRUE(panel->isVisible());
    // The face between the bevels is painted in the menu's colour.
    const QImage picture = panel->grab().toImage();
    EXPECT_EQ(QColor(picture.pixel(3, 3)), QColor(17, 99, 142));
    EXPECT_EQ(QColor(picture.pixel(600, 600)), QColor(17, 99, 142));
    // The bevels differ from the face.
    EXPECT_NE(QColor(picture.pixel(0, 300)), QColor(17, 99, 142));
    EXPECT_NE(QColor(picture.pixel(6, 300)), QColor(17, 99, 142));

    auto* banner = Find<QLabel>("Image1");
    ASSERT_NE(banner, nullptr);
    EXPECT_EQ(banner->geometry(), QRect(168, 48, 712, 56));
    EXPECT_EQ(banner->pixmap().deviceIndependentSize().toSize(), QSize(712, 56));
}

TEST_F(MainMenuTest, TenMenuButtonsInOrder) {
    const std::pair<const char*, const char*> buttons[] = {
        {"BitBtn11", "Droga swobodna"},
        {"BitBtn8", "Dyfuzja"},
        {"BitBtn9", "Zderzenia ze ściankami naczynia"},
        {"BitBtn12", "Temperatura"},
        {"BitBtn16", "Ciśnienie"},
        {"BitBtn17", "Transport ciepła"},
        {"BitBtn26", "O jednostkach"},
        {"BitBtn10", "Inne programy"},
        {"BitBtn4", "Informacje"},
        {"BitBtn2", "Wyjście"},
    };
    int y = 144;
    for (const auto& [name, caption] : buttons) {
        SCOPED_TRACE(name);
        auto* button = Find<QPushButton>(name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->parentWidget(), menu_);
        EXPECT_EQ(button->geometry(), QRect(16, y, 249, 33));
        EXPECT_EQ(button->text(), QString::fromUtf8(caption));
        EXPECT_TRUE(IsArial(button->font(), 11));
        EXPECT_TRUE(button->font().bold());
        EXPECT_EQ(button->palette().color(QPalette::ButtonText), QColor(Qt::black));
        EXPECT_FALSE(button->icon().isNull());
        EXPECT_EQ(button->iconSize(), QSize(25, 25));
        EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_LE(button->sizeHint().width(), button->width());
        EXPECT_TRUE(button->isVisible());
        y += 40;
    }
}

TEST_F(MainMenuTest, TopicPanelsHiddenWithIconTitleAndIntroduction) {
    struct Topic {
        const char* panel;
        const char* icon;
        const char* title;
        const char* memo;
        const char* opening;
    };
    const Topic topics[] = {
        {"Panel3", "Image3", "DYFUZJA", "Memo2",
         "Dyfuzja jest to nieodwracalny proces zachodzący samorzutnie na skutek bezładnego ruchu "
         "cząsteczek substancji, polegający na wyrównywaniu się stężeń składników mieszaniny "
         "substancji."},
        {"Panel4", "Image21", "DROGA SWOBODNA", "Memo10",
         "Symulacja pozwala zrozumieć pojęcie drogi swobodnej cząsteczki gazu."},
        {"Panel6", "Image22", "ZDERZENIA ZE ŚCIANKAMI NACZYNIA", "Memo46",
         "Na skutek ruchu cieplnego cząsteczek gazu w zamkniętym naczyniu następują zderzenia ze "
         "ściankami naczynia."},
        {"Panel7", "Panel7Icon", "POJĘCIE TEMPERATURY", "Memo51",
         "Temperatura gazu jest związana z ruchem cieplnym jego cząsteczek."},
        {"Panel9", "Panel9Icon", "POJĘCIE CIŚNIENIA", "Memo62",
         "Cząsteczki gazu zamknięte w naczyniu znajdują się w nieustannym ruchu, w wyniku którego "
         "ulegają zderzeniom ze ściankami naczynia."},
        {"Panel10", "Panel10Icon", "TRANSPORT CIEPŁA", "Memo73",
         "Symulacja ilustruje zjawisko wyrównywania się temperatur gazów zamkniętych w "
         "zamkniętym pojemniku rozdzielonych przegrodą."},
    };
    auto* fresh = new QWidget;
    std::unique_ptr<QWidget> owner(fresh);
    QWidget* freshMenu = BuildMainMenu(fresh).Panel1;
    for (const Topic& t : topics) {
        SCOPED_TRACE(t.panel);
        auto* panel = Find<QFrame>(t.panel);
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->parentWidget(), menu_);
        EXPECT_EQ(panel->geometry(), QRect(280, 144, 689, 545));
        EXPECT_TRUE(freshMenu->findChild<QWidget*>(QLatin1String(t.panel))->isHidden());

        auto* icon = panel->findChild<QLabel*>(QLatin1String(t.icon));
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->geometry(), QRect(24, 16, 25, 25));
        EXPECT_FALSE(icon->pixmap().isNull());

        auto* title = panel->findChild<QLabel*>(QLatin1String(t.panel) + QStringLiteral("Title"));
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(title->text(), QString::fromUtf8(t.title));
        EXPECT_EQ(title->pos(), QPoint(56, 20));
        EXPECT_TRUE(IsArial(title->font(), 16));
        EXPECT_TRUE(title->font().bold());

        auto* memo = panel->findChild<QPlainTextEdit*>(QLatin1String(t.memo));
        ASSERT_NE(memo, nullptr);
        EXPECT_TRUE(memo->toPlainText().startsWith(QString::fromUtf8(t.opening)));
        EXPECT_TRUE(memo->isReadOnly());
        EXPECT_EQ(memo->frameShape(), QFrame::NoFrame);
        EXPECT_TRUE(IsArial(memo->font(), 11));
        EXPECT_EQ(memo->palette().color(QPalette::Base), panel->palette().color(QPalette::Window));

        auto* heading =
            panel->findChild<QLabel*>(QLatin1String(t.panel) + QStringLiteral("Exercises"));
        ASSERT_NE(heading, nullptr);
        EXPECT_EQ(heading->text(), QStringLiteral("Ćwiczenia:"));
        EXPECT_TRUE(heading->font().bold() && heading->font().italic());
        EXPECT_TRUE(IsArial(heading->font(), 13));
    }
    EXPECT_EQ(Find<QPlainTextEdit>("Memo73")->toPlainText(),
              QStringLiteral("Symulacja ilustruje zjawisko wyrównywania się temperatur gazów "
                             "zamkniętych w zamkniętym pojemniku rozdzielonych przegrodą."));
    EXPECT_TRUE(Find<QPlainTextEdit>("Memo10")->toPlainText().endsWith(
        QStringLiteral("Symulacja nie uwzględnia siły ciężkości.")));
}

TEST_F(MainMenuTest, ExerciseLinksAreClickableItalicUnderlinedAndExact) {
    struct Link {
        const char* panel;
        const char* name;
        const char* caption;
    };
    const Link links[] = {
        {"Panel3", "Label11", "1. Ilustracja zjawiska dyfuzji"},
        {"Panel3", "Label13", "2. Ilustracja zjawiska dyfuzji - wykres"},
        {"Panel4", "Label20", "1. Ilustracja zjawiska"},
        {"Panel4", "Label22", "2. Badanie zależności średniej drogi"},
        {"Panel4", "Label23", "swobodnej od ilości cząsteczek"},
        {"Panel6", "Label26", "1. Pomiar liczby zderzeń ze ściankaminaczynia"},
        {"Panel7", "Label46", "1. Od czego zależy temeratura?"},
        {"Panel7", "Label47", "2. Badanie zależności temperatury od  liczby cząsteczek gazu"},
        {"Panel7", "Label65",
         "3. Badanie zależności temperatury od  średniej prędkości cząsteczek gazu"},
        {"Panel7", "Label75", "4. Badanie zależności temperatury od  masy cząsteczek gazu"},
        {"Panel7", "Label76", "5. Badanie zależności temperatury od  wielkości naczynia"},
        {"Panel9", "Label64", "1. Od czego zależy ciśnienie gazu?"},
        {"Panel9", "Label97", "2. Badanie zależności ciśnienia od  liczby cząsteczek gazu"},
        {"Panel9", "Label98",
         "3. Badanie zależności ciśnienia od  średniej prędkości cząsteczek gazu"},
        {"Panel9", "Label99", "4. Badanie zależności ciśnienia od  masy cząsteczek gazu"},
        {"Panel9", "Label100", "5. Badanie zależności ciśnienia od  wielkości naczynia"},
        {"Panel10", "Label69", "Ilustracja zjawiska transportu ciepła"},
    };
    const char* previousPanel = "";
    int previousBottom = 0;
    for (const Link& l : links) {
        SCOPED_TRACE(l.name);
        auto* panel = Find<QFrame>(l.panel);
        auto* label = panel->findChild<ClickLabel*>(QLatin1String(l.name));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromUtf8(l.caption));
        EXPECT_TRUE(IsArial(label->font(), 12));
        EXPECT_TRUE(label->font().italic());
        EXPECT_TRUE(label->font().underline());
        EXPECT_FALSE(label->font().bold());
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::black));
        EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_GE(label->width(), label->sizeHint().width());
        // Links of a page stand one under the other.
        if (qstrcmp(previousPanel, l.panel) == 0) {
            EXPECT_GE(label->y(), previousBottom);
        }
        previousPanel = l.panel;
        previousBottom = label->geometry().bottom();

        ShowTopic(l.panel);
        QSignalSpy clicked(label, &ClickLabel::clicked);
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(4, label->height() / 2));
        EXPECT_EQ(clicked.count(), 1);
    }
    // The second line of the free-path study link starts under the first line's text.
    EXPECT_GT(Find<QLabel>("Label23")->x(), Find<QLabel>("Label22")->x());
}

TEST_F(MainMenuTest, PanesAreWhiteHiddenScrollBoxesBelowTheLinks) {
    auto* fresh = new QWidget;
    std::unique_ptr<QWidget> owner(fresh);
    QWidget* freshMenu = BuildMainMenu(fresh).Panel1;
    for (const PaneOf& p : kPanes) {
        SCOPED_TRACE(p.pane);
        auto* panel = Find<QFrame>(p.panel);
        auto* area = panel->findChild<QScrollArea*>(QLatin1String(p.pane));
        ASSERT_NE(area, nullptr);
        EXPECT_EQ(area->parentWidget(), panel);
        EXPECT_TRUE(freshMenu->findChild<QWidget*>(QLatin1String(p.pane))->isHidden());
        EXPECT_EQ(area->width(), 665);
        EXPECT_TRUE(panel->rect().adjusted(2, 2, -2, -2).contains(area->geometry()));
        EXPECT_EQ(area->widget()->palette().color(QPalette::Window), QColor(Qt::white));
        for (ClickLabel* link : panel->findChildren<ClickLabel*>())
            EXPECT_GT(area->y(), link->geometry().bottom()) << link->objectName().toStdString();
        // Nothing is cut at the right: the content fits beside the vertical scroll bar.
        const int scrollBar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        EXPECT_LE(area->widget()->width(), area->width() - 2 * area->frameWidth() - scrollBar);

        ShowPane(p.panel, p.pane);
        const QImage picture = area->viewport()->grab().toImage();
        EXPECT_EQ(QColor(picture.pixel(picture.width() - 3, picture.height() - 3)),
                  QColor(Qt::white));
    }
}

TEST_F(MainMenuTest, PaneTitlesCentredAtTheTop) {
    const std::pair<const char*, const char*> titles[] = {
        {"ScrollBox1", "Ilustracja zjawiska dyfuzji"},
        {"ScrollBox2", "Ilustracja zjawiska dyfuzji - wykres"},
        {"ScrollBox4", "DROGA SWOBODNA - Ilustracja zjawiska"},
        {"ScrollBox3", " Badanie zależności średniej drogi swobodnej od ilości cząsteczek gazu"},
        {"ScrollBox6", "Pomiar liczby zderzeń ze ściankami naczynia"},
        {"ScrollBox8", "Pojęcie temperatury"},
        {"ScrollBox10", "Od czego zależy ciśnienie gazu?"},
        {"ScrollBox12", "Ilustracja zjawiska transportu ciepła"},
    };
    for (const auto& [pane, title] : titles) {
        SCOPED_TRACE(pane);
        auto* area = Find<QScrollArea>(pane);
        auto* label =
            area->widget()->findChild<QLabel*>(QLatin1String(pane) + QStringLiteral("Title"));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromUtf8(title));
        EXPECT_EQ(label->y(), 12);
        EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
        EXPECT_EQ(label->x(), 0);
        EXPECT_EQ(label->width(), area->widget()->width());
        EXPECT_TRUE(IsArial(label->font(), 16));
        EXPECT_TRUE(label->font().bold());
    }
    // The dependency panes get their titles from the chosen study.
    for (const char* name : {"Label43", "Label72"}) {
        auto* label = Find<QLabel>(name);
        EXPECT_EQ(label->y(), 12);
        EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
        EXPECT_TRUE(IsArial(label->font(), 16));
    }
    EXPECT_EQ(Find<QLabel>("Label43")->parentWidget(), Find<QScrollArea>("ScrollBox5")->widget());
    EXPECT_EQ(Find<QLabel>("Label72")->parentWidget(), Find<QScrollArea>("ScrollBox13")->widget());
}

TEST_F(MainMenuTest, RunButtonsInTheirPanes) {
    struct Button {
        const char* pane;
        const char* name;
        const char* caption;
    };
    const Button buttons[] = {
        {"ScrollBox1", "BitBtn5", "Uruchom symulację"},
        {"ScrollBox2", "BitBtn21", "Uruchom"},
        {"ScrollBox2", "BitBtn22", "Uruchom"},
        {"ScrollBox4", "BitBtn24", "Uruchom symulację"},
        {"ScrollBox3", "BitBtn23", "Ustal parametry początkowe"},
        {"ScrollBox3", "BitBtn20", "Uruchom symulację"},
        {"ScrollBox3", "BitBtn29", "Uruchom symulację"},
        {"ScrollBox6", "BitBtn30", "Uruchom"},
        {"ScrollBox8", "BitBtn32", "Uruchom"},
        {"ScrollBox5", "BitBtn13", "Uruchom symulację"},
        {"ScrollBox10", "BitBtn15", "Uruchom"},
        {"ScrollBox13", "BitBtn39", "Uruchom symulację"},
        {"ScrollBox12", "BitBtn34", "Uruchom"},
    };
    for (const Button& b : buttons) {
        SCOPED_TRACE(b.name);
        auto* area = Find<QScrollArea>(b.pane);
        auto* button = area->widget()->findChild<QPushButton*>(QLatin1String(b.name));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QString::fromUtf8(b.caption));
        EXPECT_LE(button->sizeHint().width(), button->width());
    }
    // The second "Uruchom" of the diffusion chart stands below the key guide.
    EXPECT_GT(Find<QPushButton>("BitBtn22")->y(), Find<QLabel>("ScrollBox2KeyExit")->y());
    EXPECT_LT(Find<QPushButton>("BitBtn21")->y(), Find<QLabel>("ScrollBox2KeyHeading")->y());
}

TEST_F(MainMenuTest, PaneMemosBeginWithTheirSentences) {
    const std::pair<const char*, const char*> openings[] = {
        {"Memo20", "Jeszcze raz spójrz na ilustrację zjawiska dyfuzji."},
        {"Memo23",
         "Cząsteczki gazu/cieczy zamknięte w naczyniu poruszają się chaotycznie zderzając się "
         "ze sobą."},
        {"Memo44",
         "Ustaw parametry układu doświadczalnego tak, aby w możliwie dużym naczyniu zmieścić "
         "dużą ilość cząsteczek."},
        {"Memo45",
         "Teraz powtórz doświadczenie dla innych parametrów początkowych układu pomiarowego i "
         "odpowiedz na pytania:"},
        {"Memo49",
         "W tym ćwiczeniu można obserwować zachowanie wirtualnego termometru w zależności od "
         "zmiany różnych parametrów."},
        {"Memo50", "Spróbuj odpowiedzieć na pytania:"},
        {"Memo60",
         "W tym ćwiczeniu można obserwować zachowanie wirtualnego manometru w zależności od "
         "zmiany różnych parametrów\nukładu."},
        {"Memo61", "Spróbuj odpowiedzieć na pytania:"},
        {"Memo71", "Jeden z gazów ma wyższą temperaturę."},
    };
    for (const auto& [name, opening] : openings) {
        SCOPED_TRACE(name);
        auto* memo = Find<QPlainTextEdit>(name);
        ASSERT_NE(memo, nullptr);
        EXPECT_TRUE(memo->toPlainText().startsWith(QString::fromUtf8(opening)));
        EXPECT_TRUE(memo->isReadOnly());
        EXPECT_EQ(memo->frameShape(), QFrame::NoFrame);
        EXPECT_TRUE(IsArial(memo->font(), 11));
    }
    EXPECT_TRUE(Find<QPlainTextEdit>("Memo71")->toPlainText().endsWith(
        QStringLiteral("Symulacja nie uwzględnia siły ciężkości.")));
    EXPECT_EQ(Find<QPlainTextEdit>("Memo22")->toPlainText(),
              QStringLiteral("1) Jak mierzyć szybkość dyfuzji?\n"
                             "2) Od czego zależy tempo zachodzenia zjawiska?\n"
                             "3) Czy osiagnięty zostaje stan równowagi stałej?\n"
                             "4) Czy możliwy jest powrót do stanu początkowego mieszaniny "
                             "substancji?"));
    EXPECT_EQ(Find<QPlainTextEdit>("Memo31")->toPlainText(),
              QStringLiteral("    Uruchom symulację. "));
    EXPECT_EQ(Find<QPlainTextEdit>("Memo74")->toPlainText(),
              QStringLiteral("    Uruchom symulację. "));
    // Question memos number their questions 1 to 5.
    for (const char* name : {"Memo45", "Memo50", "Memo61"}) {
        const QStringList lines = Find<QPlainTextEdit>(name)->toPlainText().split('\n');
        ASSERT_EQ(lines.size(), 6) << name;
        for (int i = 1; i <= 5; ++i)
            EXPECT_TRUE(lines[i].startsWith(QString::number(i) + QStringLiteral(". "))) << name;
    }
}

TEST_F(MainMenuTest, NarrowDiffusionMemosBesideTheirPictures) {
    auto* before = Find<QPlainTextEdit>("Memo3");
    auto* after = Find<QPlainTextEdit>("Memo4");
    // Broken into short lines; read as one text they begin with the quoted sentences.
    EXPECT_TRUE(before->toPlainText().replace('\n', ' ').startsWith(QStringLiteral(
        "W lewej części naczynia znajdują się tylko cząsteczki jednej substancji, natomiast w "
        "prawej części naczynia znajdują się jedynie cząsteczki drugiej substancji.")));
    EXPECT_TRUE(after->toPlainText().replace('\n', ' ').startsWith(
        QStringLiteral("Po pewnym czasie obserwujemy wymieszanie się cząsteczek obu substancji.")));
    EXPECT_GT(before->toPlainText().count('\n'), 4);
    auto* unmixed = Find<QLabel>("Image13");
    auto* mixed = Find<QLabel>("Image14");
    EXPECT_EQ(unmixed->size(), QSize(183, 183));
    EXPECT_EQ(mixed->size(), QSize(183, 183));
    EXPECT_GT(before->x(), unmixed->geometry().right());
    EXPECT_GT(mixed->x(), before->geometry().right());
    EXPECT_GT(after->x(), mixed->geometry().right());
    EXPECT_LT(before->y(), unmixed->geometry().bottom());
    // No line of the narrow memos is broken again by the memo itself.
    for (QPlainTextEdit* memo : {before, after}) {
        const QFontMetrics metrics(memo->font());
        for (const QString& line : memo->toPlainText().split('\n'))
            EXPECT_LT(metrics.horizontalAdvance(line),
                      memo->viewport()->width() - 2 * memo->document()->documentMargin())
                << line.toStdString();
    }
}

TEST_F(MainMenuTest, EveryMemoShowsAllOfItsText) {
    for (const PaneOf& p : kPanes) {
        ShowPane(p.panel, p.pane);
        QWidget* panel = Find<QFrame>(p.panel);
        for (QPlainTextEdit* memo : panel->findChildren<QPlainTextEdit*>()) {
            if (!memo->isVisibleTo(panel) || memo->toPlainText().isEmpty()) continue;
            EXPECT_EQ(memo->verticalScrollBar()->maximum(), 0) << memo->objectName().toStdString();
            EXPECT_EQ(memo->horizontalScrollBar()->maximum(), 0)
                << memo->objectName().toStdString();
        }
    }
}

TEST_F(MainMenuTest, StudyPanesHoldTheLongestStudyTexts) {
    // The studies write one-line descriptions and titles into these panes; the longest of each
    // must be shown whole.
    const QString longest = QStringLiteral(
        "Zbadamy czy i jak zależy temperatura gazu od liczby cząsteczek zbajdujących się w "
        "zamkniętym naczyniu. Doświadczenie będzie polegało na pomiarze temperatury dla różnej "
        "liczby cząsteczek w każdym powtórzeniu doświadczenia.");
    const QString longestTitle =
        QStringLiteral("Badanie zależności temperatury od średniej prędkości cząsteczek gazu");
    for (const auto& [panel, pane, memoName, titleName] :
         {std::tuple{"Panel7", "ScrollBox5", "Memo24", "Label43"},
          std::tuple{"Panel9", "ScrollBox13", "Memo72", "Label72"}}) {
        SCOPED_TRACE(pane);
        ShowPane(panel, pane);
        auto* memo = Find<QPlainTextEdit>(memoName);
        auto* title = Find<QLabel>(titleName);
        memo->setPlainText(longest);
        title->setText(longestTitle);
        QApplication::processEvents();
        EXPECT_EQ(memo->verticalScrollBar()->maximum(), 0);
        EXPECT_LE(title->sizeHint().width(), title->width());
        memo->clear();
        title->clear();
    }
}

TEST_F(MainMenuTest, LabelsAreNotClippedAndControlsDoNotOverlap) {
    for (const PaneOf& p : kPanes) {
        SCOPED_TRACE(p.pane);
        ShowPane(p.panel, p.pane);
        QWidget* content = Find<QScrollArea>(p.pane)->widget();
        std::vector<QWidget*> parts;
        for (QObject* child : content->children())
            if (auto* w = qobject_cast<QWidget*>(child)) parts.push_back(w);
        for (QWidget* w : parts) {
            EXPECT_TRUE(content->rect().contains(w->geometry())) << w->objectName().toStdString();
            if (auto* label = qobject_cast<QLabel*>(w);
                label && label->pixmap().isNull() && !label->text().isEmpty()) {
                EXPECT_GE(label->width(), label->sizeHint().width())
                    << label->objectName().toStdString();
            }
        }
        for (std::size_t i = 0; i < parts.size(); ++i)
            for (std::size_t j = i + 1; j < parts.size(); ++j)
                EXPECT_FALSE(parts[i]->geometry().intersects(parts[j]->geometry()))
                    << parts[i]->objectName().toStdString() << " / "
                    << parts[j]->objectName().toStdString();
    }
    // The topic pages themselves: nothing leaves the page, and the page's parts do not overlap.
    for (QFrame* panel : TopicPanels()) {
        SCOPED_TRACE(panel->objectName().toStdString());
        std::vector<QWidget*> parts;
        for (QObject* child : panel->children())
            if (auto* w = qobject_cast<QWidget*>(child); w && !qobject_cast<QScrollArea*>(w))
                parts.push_back(w);
        for (QWidget* w : parts)
            EXPECT_TRUE(panel->rect().adjusted(2, 2, -2, -2).contains(w->geometry()))
                << w->objectName().toStdString();
        for (std::size_t i = 0; i < parts.size(); ++i)
            for (std::size_t j = i + 1; j < parts.size(); ++j)
                EXPECT_FALSE(parts[i]->geometry().intersects(parts[j]->geometry()))
                    << parts[i]->objectName().toStdString() << " / "
                    << parts[j]->objectName().toStdString();
    }
}

TEST_F(MainMenuTest, KeyGuidesWithTheirExactLines) {
    struct Guide {
        const char* pane;
        const char* heading;
        const char* parameters;
    };
    const Guide guides[] = {
        {"ScrollBox1",
         "Można używać nastpujących klawiszy:", "Ustawienie warunków poczatkowych układu."},
        {"ScrollBox2",
         "Mozna uzywać nastpujących klawiszy:", "Ustawienie warunków poczatkowych układu."},
        {"ScrollBox4",
         "Można używać nastpujących klawiszy:", "Ustawienie warunków początkowych układu."},
    };
    for (const Guide& g : guides) {
        SCOPED_TRACE(g.pane);
        QWidget* content = Find<QScrollArea>(g.pane)->widget();
        auto text = [&](const char* part) {
            auto* w = content->findChild<QWidget*>(QLatin1String(g.pane) + QLatin1String(part));
            EXPECT_NE(w, nullptr) << part;
            if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
            if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) return memo->toPlainText();
            return QString();
        };
        EXPECT_EQ(text("KeyHeading"), QString::fromUtf8(g.heading));
        EXPECT_EQ(text("KeyRestart1"),
                  QStringLiteral("Rozpoczęcie symulacji od początku dla danych warunków"));
        EXPECT_EQ(text("KeyRestart2"), QStringLiteral("początkowych"));
        EXPECT_TRUE(text("KeyParameters").startsWith(QString::fromUtf8(g.parameters)));
        EXPECT_EQ(text("KeyPause"), QStringLiteral("Zatrzymanie symulacji (pauza)"));
        EXPECT_EQ(text("KeyPrint"), QStringLiteral("Możliwość wydruku zrzutu ekranu"));
        EXPECT_EQ(text("KeyExit"),
                  QStringLiteral("Opuszczenie symulacji i przejście do menu głównego"));
        // The two lines of the restart entry stand one under the other.
        EXPECT_GT(
            content->findChild<QLabel*>(QLatin1String(g.pane) + QStringLiteral("KeyRestart2"))->y(),
            content->findChild<QLabel*>(QLatin1String(g.pane) + QStringLiteral("KeyRestart1"))
                ->geometry()
                .bottom());
    }
}

TEST_F(MainMenuTest, KeyGuidePicturesFilledOnlyWhereStored) {
    const char* shared[] = {"Image36", "Image37", "Image38", "Image39", "Image40", "Image41"};
    const char* copies[] = {"Image15", "Image16", "Image17", "Image18", "Image19", "Image20"};
    const QSize sizes[] = {{40, 33}, {40, 33}, {257, 201}, {40, 33}, {40, 33}, {40, 33}};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(shared[i]);
        auto* source = Find<QLabel>(shared[i]);
        auto* copy = Find<QLabel>(copies[i]);
        ASSERT_TRUE(source && copy);
        EXPECT_EQ(source->parentWidget(), Find<QScrollArea>("ScrollBox4")->widget());
        EXPECT_EQ(copy->parentWidget(), Find<QScrollArea>("ScrollBox1")->widget());
        EXPECT_EQ(source->size(), sizes[i]);
        EXPECT_EQ(copy->size(), sizes[i]);
        EXPECT_EQ(source->pixmap().deviceIndependentSize().toSize(), sizes[i]);
        EXPECT_TRUE(copy->pixmap().isNull());
        // Same places in both guides, so a copied picture lands beside its own text.
        EXPECT_EQ(source->x(), copy->x());
    }
    for (const char* part : {"Restart", "Parameters", "Panel", "Pause", "Print", "Exit"}) {
        auto* picture = Find<QLabel>(
            (QStringLiteral("ScrollBox2Key") + QLatin1String(part) + QStringLiteral("Picture"))
                .toLatin1()
                .constData());
        ASSERT_NE(picture, nullptr);
        EXPECT_FALSE(picture->pixmap().isNull()) << part;
    }
    // The parameters entry shows the panel's picture beside its text.
    EXPECT_GT(Find<QLabel>("Image38")->x(),
              Find<QPlainTextEdit>("ScrollBox4KeyParameters")->geometry().right());
}

TEST_F(MainMenuTest, FreePathStudyLeavesRoomForTableAndChart) {
    namespace area = free_path_area;
    QWidget* content = Find<QScrollArea>("ScrollBox3")->widget();
    auto* room = content->findChild<QWidget*>(QStringLiteral("FreePathTableArea"));
    ASSERT_NE(room, nullptr);
    EXPECT_EQ(room->parentWidget(), content);
    EXPECT_EQ(room->pos(), QPoint(0, area::kAreaTop));
    EXPECT_LE(room->geometry().bottom(), content->height());

    // The places the table and chart will take, in the area's coordinates.
    std::vector<QRect> reserved{area::kChart, area::kDrawButton, area::kPrintButton};
    for (int r = 1; r <= 17; ++r) {
        reserved.emplace_back(area::kLeftCellX, area::RowTop(r), area::kLeftCellWidth,
                              area::kCellHeight);
        reserved.emplace_back(area::kRightCellX, area::RowTop(r), area::kRightCellWidth,
                              area::kCellHeight);
        EXPECT_EQ(area::RowTop(r) + area::kAreaTop, 364 + 24 * (r - 1));
    }
    reserved.emplace_back(0, area::kHeadingY, room->width(), 34);  // headings and chart title
    for (const QRect& place : reserved)
        EXPECT_TRUE(room->rect().contains(place)) << place.x() << "," << place.y();
    for (QObject* child : room->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w) continue;
        for (const QRect& place : reserved)
            EXPECT_FALSE(w->geometry().intersects(place)) << w->objectName().toStdString();
    }
    EXPECT_GE(area::kRightCellX, area::kLeftCellX + area::kLeftCellWidth);
    EXPECT_GE(area::kChart.left(), area::kRightCellX + area::kRightCellWidth);
    EXPECT_EQ(area::kChart.size(), QSize(318, 225));
    // The instructions end above the table.
    for (const char* name : {"Memo11", "Memo19", "Memo21", "Memo18", "BitBtn23", "BitBtn20"})
        EXPECT_LE(Find<QWidget>(name)->geometry().bottom(), area::kAreaTop) << name;
    EXPECT_EQ(Find<QPushButton>("BitBtn29")->geometry(), area::kRunButton);
}

TEST_F(MainMenuTest, FreePathOptionsAllChecked) {
    auto* options = Find<QFrame>("Panel5");
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->geometry(), free_path_area::kOptions);
    EXPECT_EQ(Find<QLabel>("Panel5Caption")->text(), QStringLiteral("Opcje"));
    const std::pair<const char*, const char*> boxes[] = {
        {"CheckBox1", "Skaluj wykres od zera"},
        {"CheckBox2", "Zatrzymuj symulację po określonej liczbie zderzeń"},
        {"CheckBox3", "Rysuj krzywą "},
    };
    int previous = 0;
    for (const auto& [name, caption] : boxes) {
        auto* box = options->findChild<QCheckBox*>(QLatin1String(name));
        ASSERT_NE(box, nullptr) << name;
        EXPECT_EQ(box->text(), QString::fromUtf8(caption));
        EXPECT_TRUE(box->isChecked());
        EXPECT_GE(box->width(), box->sizeHint().width()) << name;
        EXPECT_GT(box->y(), previous);
        EXPECT_TRUE(options->rect().contains(box->geometry())) << name;
        previous = box->y();
    }
}

TEST_F(MainMenuTest, FreePathInstructionsExplainTheStudy) {
    const QString steps = Find<QPlainTextEdit>("Memo11")->toPlainText() +
                          Find<QPlainTextEdit>("Memo19")->toPlainText() +
                          Find<QPlainTextEdit>("Memo21")->toPlainText() +
                          Find<QPlainTextEdit>("Memo18")->toPlainText();
    // The buttons and readings the pupil is sent to exist under those names.
    for (const char* word :
         {"Ustal parametry początkowe", "Uruchom symulację", "Start", "Śr. droga swob.",
          "Rysuj wykres", "hiperbol", "Zatrzymuj symulację po określonej liczbie zderzeń"})
        EXPECT_TRUE(steps.contains(QString::fromUtf8(word))) << word;
}

TEST_F(MainMenuTest, WheelOverAMemoScrollsThePane) {
    QScrollArea* area = ShowPane("Panel4", "ScrollBox4");
    area->verticalScrollBar()->setValue(0);
    auto* memo = Find<QPlainTextEdit>("Memo23");
    QWheelEvent wheel(QPointF(10, 10), memo->mapToGlobal(QPointF(10, 10)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(memo->viewport(), &wheel);
    EXPECT_GT(area->verticalScrollBar()->value(), 0);
}

}  // namespace
