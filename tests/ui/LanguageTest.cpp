// The program in every language: every screen walked with the window switched to a language
// must show no Polish letter (outside Polish) and no text too large for its box, and switching
// the language in the middle of a run keeps the table and the run as they were.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLocale>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>

#include "FakePrinter.h"
#include "FormTest.h"
#include "RecordingCanvas.h"
#include "core/Catalogue.h"
#include "core/CellRules.h"
#include "core/TranslationTable.h"
#include "engine/Modes.h"
#include "engine/Publisher.h"
#include "measure/CoreText.h"
#include "measure/Language.h"
#include "measure/PrintService.h"
#include "ui/Keyboard.h"
#include "ui/Pictures.h"
#include "ui/Retranslate.h"
#include "ui/Widgets.h"
#include "ui/jedn_Unit.h"
#include "ui/o_programie_Unit.h"
#include "ui/texts/PolishTexts.h"

namespace {

const QRegularExpression kPolishLetters(QStringLiteral("[ąćęłńóśźżĄĆĘŁŃÓŚŹŻ]"));

bool HasPolishLetters(const QString& text) {
    return kPolishLetters.match(text).hasMatch();
}

// Widest line of a caption in the widget's font.
int TextWidth(const QWidget* w, const QString& text) {
    const QFontMetrics metrics(w->font());
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// Where a label's words lie in its parent (empty for a picture).
QRect InkOf(const QLabel* label) {
    if (label->text().isEmpty()) return {};
    const QFontMetrics metrics(label->font());
    QRect ink =
        metrics.boundingRect(QRect(0, 0, 4000, 4000), Qt::AlignLeft | Qt::AlignTop, label->text());
    if (label->alignment() & Qt::AlignHCenter) ink.moveLeft((label->width() - ink.width()) / 2);
    if (label->alignment() & Qt::AlignRight) ink.moveLeft(label->width() - ink.width());
    return ink.translated(label->pos()).adjusted(1, 1, -1, -1);
}

// The screen as the pupil sees it: every visible caption, memo and hint, with what is wrong.
class ScreenCheck {
  public:
    // In Polish only the boxes are checked; in any other language the words too.
    explicit ScreenCheck(QString where, bool polish = false)
        : where_(std::move(where)), polish_(polish) {}

    void Look(QWidget* root) {
        if (!root->isVisible()) return;
        LookAt(root);
        for (QWidget* w : root->findChildren<QWidget*>()) {
            if (w->isVisibleTo(root)) LookAt(w);
        }
        // A caption that grew to hold its English words must not run into its neighbour.
        QList<QWidget*> parents{root};
        parents << root->findChildren<QWidget*>();
        for (QWidget* parent : parents) {
            if (!parent->isVisibleTo(root) && parent != root) continue;
            const QList<QLabel*> labels = parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
            for (qsizetype i = 0; i < labels.size(); ++i) {
                for (qsizetype j = i + 1; j < labels.size(); ++j) {
                    const QRect a = InkOf(labels[i]);
                    const QRect b = InkOf(labels[j]);
                    if (labels[i]->isVisibleTo(root) && labels[j]->isVisibleTo(root) &&
                        !a.isEmpty() && !b.isEmpty() && a.intersects(b)) {
                        Fault(labels[i]->objectName() + QStringLiteral(" runs into ") +
                                  labels[j]->objectName(),
                              labels[i]->text() + QStringLiteral(" / ") + labels[j]->text());
                    }
                }
            }
        }
    }

    void LookAtSurface(const RecordingCanvas& canvas) {
        for (const RecordingCanvas::Text& t : canvas.texts) {
            const QString text = QString::fromStdString(t.text);
            if (!polish_ && HasPolishLetters(text)) Fault(QStringLiteral("surface"), text);
            const QFontMetrics metrics(ArialPixels(qRound(t.size * 4.0 / 3.0), true));
            if (t.x + metrics.horizontalAdvance(text) > 1024)
                Fault(QStringLiteral("surface, off the edge"), text);
        }
    }

    const QStringList& Faults() const { return faults_; }

  private:
    void Fault(const QString& what, const QString& text) {
        faults_ << QStringLiteral("%1: %2: %3").arg(where_, what, text.left(80));
    }

    void Words(const QWidget* w, const QString& text) {
        if (!polish_ && HasPolishLetters(text)) Fault(w->objectName(), text);
    }

    void LookAt(QWidget* w) {
        // The authors' names keep their own letters.
        if (w->parentWidget() && w->parentWidget()->objectName() == QLatin1String("FO_programie") &&
            QStringList{"Label6", "Label7", "Label3", "Label8", "Label4"}.contains(
                w->objectName())) {
            return;
        }
        if (!w->toolTip().isEmpty()) Words(w, w->toolTip());
        if (w->isWindow()) Words(w, w->windowTitle());
        if (auto* label = qobject_cast<QLabel*>(w)) {
            Words(w, label->text());
            if (!label->wordWrap() && !label->text().isEmpty() &&
                TextWidth(label, label->text()) > label->width() + 1) {
                Fault(w->objectName() + QStringLiteral(" too narrow"), label->text());
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            Words(w, button->text());
            int room = button->width() - 8;
            if (!button->icon().isNull()) room -= button->iconSize().width() + 4;
            if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) room -= 16;
            if (!button->text().isEmpty() && TextWidth(button, button->text()) > room)
                Fault(w->objectName() + QStringLiteral(" too narrow"), button->text());
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            Words(w, group->title());
            if (TextWidth(group, group->title()) > group->width() - 16)
                Fault(w->objectName() + QStringLiteral(" too narrow"), group->title());
        } else if (auto* choice = qobject_cast<QComboBox*>(w)) {
            // Every entry beside the arrow, a language's long own name too.
            for (int i = 0; i < choice->count(); ++i) {
                if (TextWidth(choice, choice->itemText(i)) > choice->width() - 32)
                    Fault(w->objectName() + QStringLiteral(" too narrow"), choice->itemText(i));
            }
        } else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) {
            const QString text = memo->toPlainText();
            Words(w, text);
            if (memo->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff &&
                MemoHeight(text, memo->font(), memo->width()) > memo->height() + 2) {
                Fault(w->objectName() + QStringLiteral(" too short"), text);
            }
        }
    }

    QString where_;
    bool polish_ = false;
    QStringList faults_;
};

// The run button of each exercise's pane.
const char* RunButtonOf(const QString& exercise) {
    static const std::pair<const char*, const char*> buttons[] = {
        {"dyfuzja", "BitBtn5"},         {"dyfuzja-wykres", "BitBtn21"},
        {"droga-swobodna", "BitBtn24"}, {"droga-swobodna-badanie", "BitBtn20"},
        {"zderzenia", "BitBtn30"},      {"temperatura", "BitBtn32"},
        {"cisnienie", "BitBtn15"},      {"transport-ciepla", "BitBtn34"},
    };
    for (const auto& [name, button] : buttons) {
        if (exercise == QLatin1String(name)) return button;
    }
    return exercise.startsWith(QLatin1String("temperatura")) ? "BitBtn13" : "BitBtn39";
}

class Languages : public FormTest {
  protected:
    void SetUp() override {
        FormTest::SetUp();
        about = new TFO_programie(form.get());
        units = new Tjednostki(form.get());
        form->SetDialogs(about, units);
    }
    void TearDown() override {
        SetCurrentLanguage(Language::Polish);
        FormTest::TearDown();
    }

    // A few ticks of the running simulation, a frame apart on the hand-driven clock.
    void RunFrames(int frames) {
        for (int i = 0; i < frames; ++i) {
            clock.Advance(17);
            form->DXTimer1Timer(1);
        }
    }

    void Check(const QString& where) {
        ScreenCheck check(where, CurrentLanguage() == Language::Polish);
        check.Look(form.get());
        for (QWidget* dialog : {static_cast<QWidget*>(about), static_cast<QWidget*>(units)})
            check.Look(dialog);
        RecordingCanvas surface;
        Render(form->Sim(), CurrentSurfaceTexts(), surface);
        check.LookAtSurface(surface);
        faults << check.Faults();
        // For a person to look at: KINETRA_SCREENSHOTS=<folder> keeps a picture of each screen.
        const QString folder = qEnvironmentVariable("KINETRA_SCREENSHOTS");
        if (!folder.isEmpty()) {
            const QString file = FileName(where).chopped(4);
            form->grab().save(folder + QLatin1Char('/') + file + QStringLiteral(".png"));
            for (QWidget* dialog : {static_cast<QWidget*>(about), static_cast<QWidget*>(units)}) {
                if (dialog->isVisible())
                    dialog->grab().save(folder + QLatin1Char('/') + file + QLatin1Char('_') +
                                        dialog->objectName() + QStringLiteral(".png"));
            }
        }
    }

    // A dialog on screen, its words and boxes checked like the window's; kept as a picture
    // under KINETRA_SCREENSHOTS too.
    void CheckDialog(QWidget* dialog, const QString& where) {
        ScreenCheck check(where, CurrentLanguage() == Language::Polish);
        check.Look(dialog);
        faults << check.Faults();
        const QString folder = qEnvironmentVariable("KINETRA_SCREENSHOTS");
        if (!folder.isEmpty()) dialog->grab().save(folder + QLatin1Char('/') + FileName(where));
    }

    // Named by the language and the place: uk_cisnienie-liczba_paused.png.
    static QString FileName(QString where) {
        where.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9-]+")), QStringLiteral("_"));
        return FromCore(CurrentLanguage().Code) + QLatin1Char('_') + where + QStringLiteral(".png");
    }

    // Scrolls a pane to its foot, where the buttons under its table lie.
    void ScrollDown(const char* pane) {
        QScrollBar* bar = W<QScrollArea>(pane)->verticalScrollBar();
        bar->setValue(bar->maximum());
    }

    // Starts the exercise's simulation as the pupil does, up to its first frames.
    void RunExercise(const QString& name) {
        Click(RunButtonOf(name));
        if (Shown("Panel2")) {
            Check(name + QStringLiteral(", initial conditions"));
            Click("BitBtn3");
        }
        if (name == QLatin1String("transport-ciepla")) {
            ASSERT_TRUE(QTest::qWaitFor([this] { return !form->HeatPlacement().Busy(); }, 600'000));
        }
        RunFrames(30);
    }

    TFO_programie* about = nullptr;
    Tjednostki* units = nullptr;
    QStringList faults;
};

TEST(EnglishTexts, TheSurfaceTablePiecesAreEnglishWithThePoint) {
    ASSERT_TRUE(SetCurrentLanguage(Language::English));
    const SurfaceTexts& t = CurrentSurfaceTexts();
    EXPECT_EQ(t.Decimal, '.');
    EXPECT_EQ(t.DiffusionTitle, "DIFFUSION");
    for (const std::string* piece :
         {&t.Units, &t.CountN1, &t.MeanSpeedLine, &t.PartAxis, &t.MeanFreePath, &t.WallsTitle2,
          &t.TemperatureTitle, &t.PressureTitle, &t.PressureUnsettled, &t.LeftTemperature,
          &t.Undetermined, &t.CaptionMeanSpeed, &t.CaptionMass, &t.SpeedHistogram, &t.ExactModel}) {
        EXPECT_FALSE(HasPolishLetters(QString::fromStdString(*piece))) << *piece;
    }
    EXPECT_EQ(Tr("Dyfuzja"), QStringLiteral("Diffusion"));
    EXPECT_EQ(SourceOf(QStringLiteral("Diffusion")), QStringLiteral("Dyfuzja"));
    EXPECT_EQ(DecimalSeparator(), '.');

    ASSERT_TRUE(SetCurrentLanguage(Language::Polish));
    EXPECT_EQ(&CurrentSurfaceTexts(), &PolishSurfaceTexts());
    EXPECT_EQ(Tr("Dyfuzja"), QStringLiteral("Dyfuzja"));
    EXPECT_EQ(DecimalSeparator(), ',');
}

// The core's catalogue and Qt's translator give every text alike, in every language.
TEST(EnglishTexts, TheCoresTranslationsAreQts) {
    for (const TranslationTable& table : TranslationTables()) {
        ASSERT_TRUE(SetCurrentLanguage(*LanguageNamed(table.Code)));
        for (const TranslationEntry& e : table.Entries) {
            const std::string source(e.Source);
            EXPECT_EQ(Tr(source.c_str()), FromCore(Translate(CurrentLanguage(), source)))
                << table.Code << ": " << source;
        }
    }
    ASSERT_TRUE(SetCurrentLanguage(Language::Polish));
    EXPECT_EQ(Tr(CellHintFor("1,2,3")), QStringLiteral("Tylko jeden przecinek"));
}

class EveryLanguage : public Languages, public ::testing::WithParamInterface<LanguageInfo> {};

TEST_P(EveryLanguage, EveryScreenIsInTheLanguageAndEveryTextFitsItsBox) {
    const Language language = GetParam().Id;
    const bool polish = language == Language::Polish;
    ASSERT_TRUE(form->SetLanguage(language));
    Check(QStringLiteral("menu"));
    EXPECT_EQ(W<QComboBox>("LanguageChoice")->currentText(), FromCore(GetParam().OwnName));
    const QString twoAndAHalf =
        QStringLiteral("2") + QLatin1Char(DecimalSeparator()) + QLatin1Char('5');

    for (const Exercise& exercise : Exercises()) {
        const QString name = QLatin1String(exercise.Name);
        ASSERT_TRUE(form->OpenExercise(name));
        Check(name);
        // The buttons under the free path's table and the heat transport's settings.
        if (name == QLatin1String("droga-swobodna-badanie")) {
            ScrollDown("ScrollBox3");
            Check(name + QStringLiteral(", under the table"));
        } else if (name == QLatin1String("transport-ciepla")) {
            ScrollDown("ScrollBox12");
            Check(name + QStringLiteral(", settings"));
        }
        RunExercise(name);
        Check(name + QStringLiteral(", running"));
        if (Shown("Panel11")) {
            // A table of the study with two rows, its chart drawn.
            W<QLineEdit>("Edit69")->setText(QStringLiteral("100"));
            W<QLineEdit>("Edit70")->setText(twoAndAHalf);
            W<QLineEdit>("Edit71")->setText(QStringLiteral("200"));
            W<QLineEdit>("Edit72")->setText(QStringLiteral("5"));
            Click("BitBtn35");
            Check(name + QStringLiteral(", table and chart"));
        }
        Click("BitBtn6");  // paused: the hint offers to resume
        Check(name + QStringLiteral(", paused"));
        Click("BitBtn1");
    }
    // The dialogs of the menu, shown without their modal loop.
    about->show();
    units->show();
    Check(QStringLiteral("dialogs"));
    about->hide();
    units->hide();
    // A message box's words too.
    W<QLineEdit>("Edit69")->clear();
    ASSERT_TRUE(form->OpenExercise(QStringLiteral("cisnienie-liczba")));
    Click("BitBtn39");
    Click("BitBtn35");
    ASSERT_FALSE(recorder.messages.empty());
    for (const auto& message : recorder.messages) {
        EXPECT_TRUE(polish || !HasPolishLetters(message.text)) << message.text.toStdString();
        EXPECT_TRUE(polish || !HasPolishLetters(message.title)) << message.title.toStdString();
    }

    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, EveryLanguage, ::testing::ValuesIn(::Languages()),
                         [](const ::testing::TestParamInfo<LanguageInfo>& info) {
                             return std::string(info.param.Id.Code);
                         });

// Every caption, memo and hint of the window and its dialogs, in creation order.
QStringList AllTexts(const QList<QWidget*>& roots) {
    QStringList texts;
    for (QWidget* root : roots) {
        QList<QWidget*> widgets = root->findChildren<QWidget*>();
        widgets.prepend(root);
        for (QWidget* w : widgets) {
            if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
            if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) texts << memo->toPlainText();
            if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
            texts << w->toolTip() << w->accessibleName() << w->windowTitle();
        }
    }
    return texts;
}

TEST_F(Languages, EveryCaptionChangesOrIsItsOwnTranslationAndSwitchingBackRestoresIt) {
    const QList<QWidget*> roots{form.get(), about, units};
    const QStringList polish = AllTexts(roots);
    // The menu's choice offers every language by its own name.
    auto* choice = W<QComboBox>("LanguageChoice");
    ASSERT_EQ(choice->count(), static_cast<int>(::Languages().size()));
    for (int i = 0; i < choice->count(); ++i)
        EXPECT_EQ(choice->itemText(i),
                  FromCore(::Languages()[static_cast<std::size_t>(i)].OwnName));
    EXPECT_EQ(choice->currentText(), QStringLiteral("Polski"));

    const QStringList names{QStringLiteral("KINETRA"), QString::fromUtf8(publisher::kWebAddress),
                            QString::fromUtf8(publisher::kEmailAddress)};
    const QRegularExpression letters(QStringLiteral("[A-Za-z]{2}"));
    for (std::size_t next = 1; next < ::Languages().size(); ++next) {
        // The pupil picks the next language in the choice with the arrow key.
        choice->setFocus();
        QTest::keyClick(choice, Qt::Key_Down);
        const LanguageInfo& info = ::Languages()[next];
        ASSERT_EQ(CurrentLanguage(), info.Id);
        EXPECT_EQ(choice->currentText(), FromCore(info.OwnName));
        const QStringList shown = AllTexts(roots);
        ASSERT_EQ(shown.size(), polish.size());

        // A text left as it was must be one the translation keeps on purpose ("Start", "N"), or
        // a name: a word forgotten by the translation tools would stay Polish.
        QTranslator translation;
        ASSERT_TRUE(
            translation.load(QStringLiteral(":/i18n/kinetra_%1.qm").arg(FromCore(info.Id.Code))));
        for (qsizetype i = 0; i < polish.size(); ++i) {
            const QString& text = polish[i];
            if (shown[i] != text || !letters.match(text).hasMatch() || names.contains(text))
                continue;
            bool author = false;
            for (const char* name : publisher::kAuthors)
                author = author || text == QString::fromUtf8(name);
            if (author) continue;
            EXPECT_FALSE(translation.translate("kinetra", text.toUtf8().constData()).isEmpty())
                << info.Id.Code << ": not translated: " << text.toStdString();
        }
    }

    // Back to the first of the choice, Polish, every text as it was.
    QTest::keyClick(choice, Qt::Key_Home);
    EXPECT_EQ(CurrentLanguage(), Language::Polish);
    const QStringList back = AllTexts(roots);
    ASSERT_EQ(back.size(), polish.size());
    for (qsizetype i = 0; i < back.size(); ++i)
        EXPECT_EQ(back[i].toStdString(), polish[i].toStdString()) << i;
    EXPECT_EQ(choice->currentText(), QStringLiteral("Polski"));
}

TEST_F(Languages, ThePagesPictureOfTheSetUpPanelIsTheRealPanelInTheirLanguage) {
    // The panel as the pupil meets it for the diffusion, without the focus, halved.
    const auto realPanel = [this] {
        OpenDiffusionPanel();
        if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
        const QImage whole = W("Panel2")->grab().toImage();
        form->Escape();
        return whole.scaled(257, 201, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_ARGB32);
    };
    const auto picture = [] {
        return InitialConditionsPicture().toImage().convertToFormat(QImage::Format_ARGB32);
    };
    const QImage polish = picture();
    EXPECT_EQ(polish, realPanel());
    ASSERT_TRUE(form->SetLanguage(Language::English));
    const QImage english = picture();
    EXPECT_NE(english, polish);
    EXPECT_EQ(english, realPanel());
    // Every page that shows it shows it in English, the diffusion's borrowed one too.
    Click("BitBtn8");
    int shown = 0;
    for (QLabel* label : form->findChildren<QLabel*>()) {
        if (!label->property(kPanelPictureProperty).toBool() || label->pixmap().isNull()) continue;
        ++shown;
        EXPECT_EQ(label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32), english)
            << label->objectName().toStdString();
    }
    EXPECT_EQ(shown, 3);
}

TEST_F(Languages, SwitchingMidRunKeepsTheTableAndTheRunningSimulation) {
    ASSERT_TRUE(form->OpenExercise(QStringLiteral("temperatura-predkosc")));
    Click("BitBtn13");
    ASSERT_TRUE(form->Timer().Enabled());
    QTest::keyClicks(W<QLineEdit>("Edit69"), QStringLiteral("12,5"));
    QTest::keyClicks(W<QLineEdit>("Edit70"), QStringLiteral("300"));
    QTest::keyClicks(W<QLineEdit>("Edit71"), QStringLiteral(",25"));
    RunFrames(20);
    const SimulationState before = form->Sim().S;

    // F12 switches while the menu is hidden under the run.
    new KeyboardControl(form.get(), {});
    QTest::keyClick(W("Panel11"), Qt::Key_F12);
    ASSERT_EQ(CurrentLanguage(), Language::English);
    EXPECT_TRUE(form->Timer().Enabled());
    // A screen reader's description, put together from pieces, follows too.
    EXPECT_EQ(W("BitBtn6")->accessibleDescription(), QStringLiteral("Key: space"));
    // The study's texts, the name taken from its link included, are English too.
    EXPECT_EQ(
        W<QLabel>("Label101")->text(),
        QStringLiteral(" How the temperature depends on the mean speed of the gas particles"));
    EXPECT_EQ(W<QLabel>("Label103")->text(), QStringLiteral("Temperature"));
    EXPECT_FALSE(HasPolishLetters(W<QLabel>("Label105")->text()));
    EXPECT_TRUE(Shown("Panel11"));
    EXPECT_EQ(W<QLineEdit>("Edit69")->text(), QStringLiteral("12.5"));
    EXPECT_EQ(W<QLineEdit>("Edit70")->text(), QStringLiteral("300"));
    EXPECT_EQ(W<QLineEdit>("Edit71")->text(), QStringLiteral("0.25"));
    // The switch moves no particle and restarts nothing.
    const SimulationState& now = form->Sim().S;
    EXPECT_EQ(now.SimulationMode, before.SimulationMode);
    EXPECT_EQ(now.ParticleCount, before.ParticleCount);
    EXPECT_EQ(now.ClockStart, before.ClockStart);
    for (int i = 1; i <= now.ParticleCount; ++i) {
        ASSERT_EQ(now.PosX[i], before.PosX[i]) << i;
        ASSERT_EQ(now.VelY[i], before.VelY[i]) << i;
    }
    // The English cells take the point and map a comma to it; the values are the same.
    QTest::keyClicks(W<QLineEdit>("Edit72"), QStringLiteral("7,5"));
    EXPECT_EQ(W<QLineEdit>("Edit72")->text(), QStringLiteral("7.5"));
    Click("BitBtn35");
    EXPECT_DOUBLE_EQ(form->Sim().S.TableRows[1].X, 12.5);
    EXPECT_DOUBLE_EQ(form->Sim().S.TableRows[1].Y, 300.0);
    EXPECT_DOUBLE_EQ(form->Sim().S.TableRows[2].X, 0.25);
    EXPECT_DOUBLE_EQ(form->Sim().S.TableRows[2].Y, 7.5);

    // The run goes on, its numbers written with the point.
    RunFrames(5);
    EXPECT_GT(form->Sim().S.ClockNow, before.ClockNow);
    RecordingCanvas surface;
    Render(form->Sim(), CurrentSurfaceTexts(), surface);
    const QRegularExpression decimalComma(QStringLiteral("\\d,\\d"));
    int decimals = 0;
    for (const RecordingCanvas::Text& t : surface.texts) {
        const QString text = QString::fromStdString(t.text);
        EXPECT_FALSE(decimalComma.match(text).hasMatch()) << t.text;
        if (text.contains(QRegularExpression(QStringLiteral("\\d\\.\\d")))) ++decimals;
    }
    EXPECT_GT(decimals, 0);

    // F12 goes on through every language, with its separator in the cells, and after the last
    // comes Polish again.
    for (std::size_t next = 2; next <= ::Languages().size(); ++next) {
        QTest::keyClick(W("Panel11"), Qt::Key_F12);
        const LanguageInfo& info = ::Languages()[next % ::Languages().size()];
        ASSERT_EQ(CurrentLanguage(), info.Id);
        EXPECT_EQ(W<QLineEdit>("Edit69")->text(),
                  QStringLiteral("12") + QLatin1Char(info.Decimal) + QLatin1Char('5'));
        EXPECT_EQ(W<QComboBox>("LanguageChoice")->currentText(), FromCore(info.OwnName));
        EXPECT_TRUE(form->Timer().Enabled());
    }
    EXPECT_EQ(CurrentLanguage(), Language::Polish);
}

TEST_F(Languages, TheClearQuestionAndTheSaveDialogsAreEnglishOnScreen) {
    ASSERT_TRUE(form->SetLanguage(Language::English));
    ASSERT_TRUE(form->OpenExercise(QStringLiteral("temperatura-predkosc")));
    Click("BitBtn13");
    W<QLineEdit>("Edit69")->setText(QStringLiteral("12.5"));
    W<QLineEdit>("Edit70")->setText(QStringLiteral("300"));
    W<QLineEdit>("Edit71")->setText(QStringLiteral("25"));
    W<QLineEdit>("Edit72")->setText(QStringLiteral("600"));
    // The real boxes and dialogs, answered as they appear.
    SetMessageSink(nullptr);

    QString question;
    WhenShown<QMessageBox>([&](QMessageBox* box) {
        question = box->text();
        // Qt may give the button a shortcut letter of its own.
        EXPECT_EQ(box->button(QMessageBox::Yes)->text().remove(QLatin1Char('&')),
                  QStringLiteral("Yes"));
        CheckDialog(box, QStringLiteral("clear the table, question"));
        box->button(QMessageBox::No)->click();
    });
    Click("ClearStudyTable");
    EXPECT_EQ(question, QStringLiteral("Do you really want to remove all the numbers from the "
                                       "measurement table?"));
    EXPECT_EQ(W<QLineEdit>("Edit69")->text(), QStringLiteral("12.5"));

    struct Offer {
        QString title, file, filters;
    };
    std::vector<Offer> offers;
    for (const char* button : {"StudySaveTable", "StudySaveChart", "SavePicture"}) {
        WhenShown<QFileDialog>([&, button](QFileDialog* dialog) {
            offers.push_back({dialog->windowTitle(),
                              QFileInfo(dialog->selectedFiles().value(0)).fileName(),
                              dialog->nameFilters().join(QStringLiteral(";;"))});
            EXPECT_EQ(dialog->labelText(QFileDialog::FileName), QStringLiteral("File name:"));
            CheckDialog(dialog, QStringLiteral("save dialog of ") + QLatin1String(button));
            dialog->reject();
        });
        Click(button);
    }
    ASSERT_EQ(offers.size(), 3U);
    EXPECT_EQ(offers[0].title, QStringLiteral("Save the measurement table"));
    EXPECT_EQ(offers[0].file, QStringLiteral("measurements.csv"));
    EXPECT_EQ(offers[0].filters, QStringLiteral("CSV file (*.csv)"));
    EXPECT_EQ(offers[1].title, QStringLiteral("Save the chart"));
    EXPECT_EQ(offers[1].file, QStringLiteral("chart.png"));
    EXPECT_EQ(offers[1].filters, QStringLiteral("PNG picture (*.png);;PDF page (*.pdf)"));
    EXPECT_EQ(offers[2].title, QStringLiteral("Save the picture of the simulation"));
    EXPECT_EQ(offers[2].file, QStringLiteral("simulation.png"));
    EXPECT_EQ(offers[2].filters, QStringLiteral("PNG picture (*.png)"));
    SetMessageSink(&recorder);

    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

// The words Qt itself puts into the save dialog: its hints and its question before replacing a
// file. The program takes them from the system for the language it starts in; a switch must
// bring the other language's.
TEST_F(Languages, QtsOwnWordsInTheSaveDialogFollowTheSwitch) {
    UseQtTexts(Language::Polish);  // as the program starts on a Polish system
    const char* replace = "%1 already exists.\nDo you want to replace it?";
    const QString polishQuestion = QFileDialog::tr(replace);
    ASSERT_TRUE(HasPolishLetters(polishQuestion)) << "no Polish texts of Qt on this system";
    ASSERT_TRUE(form->OpenExercise(QStringLiteral("temperatura-predkosc")));
    Click("BitBtn13");
    SetMessageSink(nullptr);
    auto hintOfNewFolder = [this] {
        QString hint;
        WhenShown<QFileDialog>([&](QFileDialog* dialog) {
            if (auto* b = dialog->findChild<QToolButton*>(QStringLiteral("newFolderButton")))
                hint = b->toolTip();
            dialog->reject();
        });
        Click("SavePicture");
        return hint;
    };
    EXPECT_TRUE(HasPolishLetters(hintOfNewFolder()));

    ASSERT_TRUE(form->SetLanguage(Language::English));
    EXPECT_EQ(QFileDialog::tr(replace), QLatin1String(replace));
    EXPECT_EQ(hintOfNewFolder(), QStringLiteral("Create New Folder"));
    EXPECT_EQ(QLocale().language(), QLocale::English);

    // And Ukrainian's, from Qt's own Ukrainian file.
    const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
    ASSERT_TRUE(form->SetLanguage(Language{"uk"}));
    EXPECT_TRUE(QFileDialog::tr(replace).contains(cyrillic))
        << QFileDialog::tr(replace).toStdString();
    EXPECT_TRUE(hintOfNewFolder().contains(cyrillic));
    EXPECT_EQ(QLocale().language(), QLocale::Ukrainian);

    ASSERT_TRUE(form->SetLanguage(Language::Polish));
    EXPECT_EQ(QFileDialog::tr(replace), polishQuestion);
    EXPECT_TRUE(HasPolishLetters(hintOfNewFolder()));
    EXPECT_EQ(QLocale().language(), QLocale::Polish);
    SetMessageSink(&recorder);
}

// A printer that takes every page, keeping its job titles.
class AcceptingPrinter final : public PrintBackend {
  public:
    std::optional<PrinterTarget> DefaultPrinter() override {
        return A4Printer(QStringLiteral("Room 12"), 50);
    }
    int Submit(const PrinterTarget&, const QString&, const QString& title, QString*) override {
        titles << title;
        return static_cast<int>(titles.size());
    }
    QStringList titles;
};

TEST_F(Languages, PrintingTellsWhereThePageWentAndNamesItsJobInEnglish) {
    auto backend = std::make_unique<AcceptingPrinter>();
    AcceptingPrinter* printer = backend.get();
    form->SetPrintService(std::make_unique<PrintService>(std::move(backend)));
    ASSERT_TRUE(form->SetLanguage(Language::English));

    // A screen copy on white paper: the word after the page says how to change that.
    ASSERT_TRUE(form->OpenExercise(QStringLiteral("zderzenia")));
    RunExercise(QStringLiteral("zderzenia"));
    Click("BitBtn19");
    // A study's table, named after the study.
    Click("BitBtn1");
    ASSERT_TRUE(form->OpenExercise(QStringLiteral("cisnienie-liczba")));
    Click("BitBtn39");
    W<QLineEdit>("Edit69")->setText(QStringLiteral("100"));
    W<QLineEdit>("Edit70")->setText(QStringLiteral("2.5"));
    W<QLineEdit>("Edit71")->setText(QStringLiteral("200"));
    W<QLineEdit>("Edit72")->setText(QStringLiteral("5"));
    Click("BitBtn36");

    ASSERT_EQ(printer->titles.size(), 2);
    EXPECT_EQ(printer->titles[0],
              QStringLiteral("Simulation printout Collisions with the walls of the vessel"));
    EXPECT_TRUE(printer->titles[1].startsWith(
        QStringLiteral("Measurement table printout - How the pressure")))
        << printer->titles[1].toStdString();
    ASSERT_EQ(recorder.messages.size(), 2U);
    EXPECT_EQ(recorder.messages[0].title, QStringLiteral("Printing"));
    EXPECT_TRUE(recorder.messages[0].text.startsWith(
        QStringLiteral("The page has been sent to the printer “Room 12”.\nThe screen picture")))
        << recorder.messages[0].text.toStdString();
    for (const auto& message : recorder.messages) {
        EXPECT_FALSE(HasPolishLetters(message.text)) << message.text.toStdString();
        EXPECT_FALSE(HasPolishLetters(message.title)) << message.title.toStdString();
    }
    for (const QString& title : printer->titles)
        EXPECT_FALSE(HasPolishLetters(title)) << title.toStdString();
}

TEST_F(Languages, TheFreePathStopNoteIsWrittenAgainInTheOtherLanguage) {
    ASSERT_TRUE(form->OpenExercise(QStringLiteral("droga-swobodna-badanie")));
    Click("BitBtn20");
    Click("BitBtn3");
    // As if the tracked particle had met its collisions.
    form->Sim().S.PathCount = 302;
    form->DXTimer1Timer(0);
    auto* note = W<QLabel>("StopNote");
    ASSERT_TRUE(note->isVisible());
    EXPECT_TRUE(note->text().startsWith(QStringLiteral("Symulację zatrzymano po 301 zderzeniach")));

    ASSERT_TRUE(form->SetLanguage(Language::English));
    EXPECT_EQ(note->text(),
              QStringLiteral("The simulation stopped after 301 collisions of the tracked particle. "
                             "To go on, press the “Resume” button."));
    Check(QStringLiteral("free path, stopped by itself"));
    ASSERT_TRUE(form->SetLanguage(Language::Polish));
    EXPECT_TRUE(note->text().startsWith(QStringLiteral("Symulację zatrzymano po 301 zderzeniach")));
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

TEST_F(Languages, SwitchingKeepsTheStudysChartAsDrawn) {
    ASSERT_TRUE(form->OpenExercise(QStringLiteral("temperatura-predkosc")));
    Click("BitBtn13");
    QWidget* box = W("PaintBox2");
    const QImage empty = box->grab().toImage();
    W<QLineEdit>("Edit69")->setText(QStringLiteral("100"));
    W<QLineEdit>("Edit70")->setText(QStringLiteral("5"));
    W<QLineEdit>("Edit71")->setText(QStringLiteral("200"));
    W<QLineEdit>("Edit72")->setText(QStringLiteral("9"));
    Click("BitBtn35");
    const QImage drawn = box->grab().toImage();
    ASSERT_NE(drawn, empty);
    ASSERT_TRUE(form->SetLanguage(Language::English));
    ASSERT_TRUE(form->SetLanguage(Language::Polish));
    EXPECT_EQ(box->grab().toImage(), drawn);
}

}  // namespace
