// The main window's layout at start and the menu's shows and hides.
#include <QCheckBox>
#include <QDialog>
#include <QScrollArea>
#include <QTimer>
#include <map>

#include "FormTest.h"
#include "core/Catalogue.h"
#include "engine/Publisher.h"
#include "ui/jedn_Unit.h"
#include "ui/o_programie_Unit.h"

namespace {

// In the order of TopicId.
const char* const kTopics[] = {"Panel3", "Panel4", "Panel6", "Panel7", "Panel9", "Panel10"};
const char* const kPanes[] = {"ScrollBox1",  "ScrollBox2", "ScrollBox3", "ScrollBox4",
                              "ScrollBox5",  "ScrollBox6", "ScrollBox8", "ScrollBox10",
                              "ScrollBox12", "ScrollBox13"};

QImage Picture(QLabel* label) {
    return label->pixmap().toImage();
}

}  // namespace

using Navigation = FormTest;

TEST_F(Navigation, WindowIsFramelessBlackAndNotAboveOtherPrograms) {
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    // The browser and the mail program that the menu opens must be able to come to the front.
    EXPECT_FALSE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(form->Stage()->size(), QSize(1024, 768));

    form->setGeometry(0, 0, 1280, 1024);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->Stage()->pos(), QPoint(128, 128));
}

TEST_F(Navigation, StartsAtTheMenuWithEverythingElseHidden) {
    EXPECT_TRUE(Shown("Panel1"));
    for (const char* name :
         {"Panel2", "Panel8", "Panel11", "Button2", "Label50", "SpinEdit6", "BitBtn25"}) {
        EXPECT_TRUE(W(name)->isHidden()) << name;
    }
    for (const char* name : kTopics)
        EXPECT_FALSE(Shown(name)) << name;
    for (const char* name : kPanes)
        EXPECT_TRUE(W(name)->isHidden()) << name;
    EXPECT_FALSE(form->Timer().Enabled());
    EXPECT_EQ(form->Sim().S.SimulationMode, 0);
    EXPECT_EQ(Hint("BitBtn6"), QStringLiteral("Pauza"));
}

TEST_F(Navigation, ToolButtonsLieInOneRowUnderTheMenuPanels) {
    const std::pair<const char*, const char*> buttons[] = {
        {"BitBtn7", "Zacznij od nowa"}, {"BitBtn6", "Pauza"},   {"BitBtn18", "Parametry"},
        {"BitBtn19", "Drukuj"},         {"BitBtn1", "Wyjście"},
    };
    int x = 752;
    for (const auto& [name, hint] : buttons) {
        EXPECT_EQ(W(name)->geometry(), QRect(x, 64, 41, 33)) << name;
        EXPECT_EQ(Hint(name), QString::fromUtf8(hint)) << name;
        EXPECT_FALSE(W<QPushButton>(name)->icon().isNull()) << name;
        x += 40;
    }
    // Stacking order, lowest first; the model choice's small panel goes with the experiment
    // panel above it, the heat transport's own after it.
    const char* order[] = {"DXDraw",      "BitBtn7",     "BitBtn6", "BitBtn18", "BitBtn19",
                           "BitBtn1",     "SavePicture", "Panel1",  "Panel2",   "Panel8",
                           "Panel8Model", "HeatModel",   "Button2", "Panel11"};
    QStringList children;
    for (QObject* child : form->Stage()->children()) {
        if (!child->objectName().isEmpty()) children << child->objectName();
    }
    QStringList expected;
    for (const char* name : order)
        expected << QLatin1String(name);
    EXPECT_EQ(children, expected);
    // The menu covers the tool buttons.
    const QPoint centre = W("BitBtn6")->geometry().center();
    EXPECT_TRUE(W("Panel1")->isAncestorOf(form->Stage()->childAt(centre)) ||
                form->Stage()->childAt(centre) == W("Panel1"));
}

TEST_F(Navigation, EveryControlNameIsUsedOnce) {
    std::map<QString, int> count;
    for (QObject* child : form->Stage()->findChildren<QObject*>()) {
        const QString name = child->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_"))) ++count[name];
    }
    for (const auto& [name, n] : count)
        EXPECT_EQ(n, 1) << name.toStdString();
}

TEST_F(Navigation, TopicButtonsAndLinksShowTheCoresPagesAndPanelSettings) {
    // Topic button and link of every exercise, in the order of the catalogue.
    const std::pair<const char*, const char*> links[] = {
        {"BitBtn8", "Label11"},  {"BitBtn8", "Label13"},  {"BitBtn11", "Label20"},
        {"BitBtn11", "Label22"}, {"BitBtn9", "Label26"},  {"BitBtn12", "Label46"},
        {"BitBtn12", "Label47"}, {"BitBtn12", "Label65"}, {"BitBtn12", "Label75"},
        {"BitBtn12", "Label76"}, {"BitBtn16", "Label64"}, {"BitBtn16", "Label97"},
        {"BitBtn16", "Label98"}, {"BitBtn16", "Label99"}, {"BitBtn16", "Label100"},
        {"BitBtn17", "Label69"},
    };
    const char* icons[] = {"Image3", "Image21", "Image22", "Image22", "Image21", "Image21"};
    ASSERT_EQ(std::size(links), Exercises().size());
    for (size_t i = 0; i < std::size(links); ++i) {
        const Exercise& e = Exercises()[i];
        SCOPED_TRACE(e.Name);
        Click(links[i].first);
        Click(links[i].second);
        for (size_t t = 0; t < std::size(kTopics); ++t)
            EXPECT_EQ(Shown(kTopics[t]), t == static_cast<size_t>(e.Topic)) << kTopics[t];
        EXPECT_TRUE(form->Navigation().PaneOf(e.Pane)->isVisible());
        if (e.Hides) {
            EXPECT_TRUE(form->Navigation().PaneOf(*e.Hides)->isHidden());
        }
        EXPECT_EQ(Picture(W<QLabel>("Image12")),
                  Picture(W<QLabel>(icons[static_cast<size_t>(e.Topic)])));
        EXPECT_EQ(Spin("SpinEdit2")->maximum(), form->Core().Shown().WidestVessel);
        EXPECT_EQ(!W("SpinEdit6")->isHidden(), form->Core().Shown().CollisionLimit);
    }
}

TEST_F(Navigation, DiffusionTopicFillsItsKeyGuideFromTheFreePathPane) {
    const char* sources[] = {"Image36", "Image37", "Image38", "Image39", "Image40", "Image41"};
    const char* targets[] = {"Image15", "Image16", "Image17", "Image18", "Image19", "Image20"};
    auto expectFilled = [&] {
        for (int i = 0; i < 6; ++i) {
            const QImage source = Picture(W<QLabel>(sources[i]));
            EXPECT_FALSE(source.isNull()) << sources[i];
            EXPECT_EQ(Picture(W<QLabel>(targets[i])), source) << targets[i];
        }
    };
    for (const char* target : targets)
        EXPECT_TRUE(W<QLabel>(target)->pixmap().isNull());
    Click("BitBtn8");
    expectFilled();
    // Opened by name from the command line, the page shows the same pictures.
    form = std::make_unique<TForm1>(&clock);
    ASSERT_TRUE(form->OpenExercise(QStringLiteral("dyfuzja")));
    expectFilled();
}

TEST_F(Navigation, SecondRunButtonOfTheChartPaneRunsTheExerciseAsTheFirst) {
    Click("BitBtn8");
    Click("Label13");
    W<QScrollArea>("ScrollBox2")->ensureWidgetVisible(W("BitBtn22"));
    Click("BitBtn22");
    EXPECT_EQ(form->Sim().S.SimulationMode, kModeDiffusionChart);
    EXPECT_TRUE(Shown("Panel2"));
    EXPECT_FALSE(Shown("Panel1"));
    EXPECT_FALSE(form->Timer().Enabled());
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(Navigation, OtherProgramsOpensThePublishersPage) {
    Click("BitBtn10");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl(QString::fromUtf8(publisher::kWebUrl)));
    EXPECT_TRUE(Shown("Panel1"));
}

TEST_F(Navigation, InformationAndUnitsOpenTheirDialogsModally) {
    TFO_programie about(form.get());
    Tjednostki units(form.get());
    form->SetDialogs(&about, &units);
    for (auto [button, dialog] : {std::pair<const char*, QDialog*>{"BitBtn4", &about},
                                  std::pair<const char*, QDialog*>{"BitBtn26", &units}}) {
        QWidget* active = nullptr;
        bool modal = false;
        QTimer::singleShot(0, [&, dialog = dialog] {
            active = QApplication::activeModalWidget();
            modal = dialog->isModal();
            dialog->reject();
        });
        Click(button);
        EXPECT_EQ(active, dialog) << button;
        EXPECT_TRUE(modal) << button;
        EXPECT_FALSE(dialog->isVisible()) << button;
    }
}

TEST_F(Navigation, MenuExitClosesTheWindow) {
    Click("BitBtn2");
    EXPECT_FALSE(form->isVisible());
}
