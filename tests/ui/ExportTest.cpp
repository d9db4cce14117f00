// Saving from the window: the tables as CSV byte for byte, their charts as the picture
// and the page that print, the simulation picture, failures shown with the file's name and
// reason, Qt's own save dialog asking before it replaces a file, and the texts following the
// language.
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "ReadOnlyFolder.h"
#include "TableFormTest.h"
#include "measure/Export.h"
#include "measure/Language.h"

namespace {

constexpr int kFreePath = 1;
constexpr int kStudy = 69;

QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString PdfText(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    return p.waitForFinished(30000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

}  // namespace

class Exporting : public TableFormTest {
  protected:
    // Answers the save dialogs with files in a folder of the test's own, and lets a test look
    // at the window while a dialog is open.
    class Files : public Answers {
      public:
        QString SaveFileName(QWidget* parent, const QString& title, const QString& suggested,
                             const QString& filter) override {
            titles << title;
            filters << filter;
            if (whileOpen) whileOpen();
            return Answers::SaveFileName(parent, title, suggested, filter);
        }
        QStringList titles;
        QStringList filters;
        std::function<void()> whileOpen;
    };

    void SetUp() override {
        TableFormTest::SetUp();
        SetMessageSink(&files);
        ASSERT_TRUE(dir.isValid());
    }
    QString Path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    void Answer(const QString& path) { files.files << path; }
    std::vector<QString> Errors() const {
        std::vector<QString> out;
        for (const auto& m : files.shown)
            if (m.kind == MessageKind::Error) out.push_back(m.text);
        return out;
    }
    void ShowFreePathStudy() {
        Click("BitBtn11");
        Click("Label22");
        W<QScrollArea>("ScrollBox3")->ensureWidgetVisible(W("FreePathSaveTable"));
    }
    // A pressure study running, its table panel open.
    void RunPressureStudy(const char* link) {
        Click("BitBtn16");
        Click(link);
        Click("BitBtn39");
        ASSERT_TRUE(Shown("Panel11"));
    }

    Files files;
    QTemporaryDir dir;
};

TEST_F(Exporting, FreePathTableReadsBackAsItsFilledRows) {
    TypeRow(kFreePath, 1, QStringLiteral("100"), QStringLiteral("61,5"));
    TypeRow(kFreePath, 2, QStringLiteral("150"), QString());  // half filled: left out
    TypeRow(kFreePath, 4, QStringLiteral("200"), QStringLiteral("30,25"));
    TypeRow(kFreePath, 9, QStringLiteral("1000000"), QStringLiteral("0,000001"));
    TypeRow(kFreePath, 17, QStringLiteral("3"), QStringLiteral("7,"));
    ShowFreePathStudy();
    Answer(Path("pomiary.csv"));
    Click("FreePathSaveTable");

    EXPECT_EQ(files.suggestedFiles, QStringList({QStringLiteral("pomiary.csv")}));
    EXPECT_EQ(files.filters, QStringList({QStringLiteral("Plik CSV (*.csv)")}));
    EXPECT_TRUE(files.shown.empty());
    // The file's form is the core's (TableCsv); here, that the window hands it the right rows
    // and headings.
    EXPECT_EQ(Read(Path("pomiary.csv")),
              "Liczba cząsteczek N,Średnia droga swobodna s [jedn.]\r\n100,61.5\r\n"
              "200,30.25\r\n1000000,0.000001\r\n3,7\r\n");
    // What was saved is what the table's chart and page show.
    EXPECT_EQ(S().TableRows[4], (TableRow{200, 30.25}));

    // The next save starts in the folder of the last one.
    Answer(QString());
    Click("FreePathSaveTable");
    EXPECT_EQ(files.suggestedFiles.value(1), Path("pomiary.csv"));
}

TEST_F(Exporting, StudyTableHeadingsFollowTheStudyAndAreQuotedWhenNeeded) {
    RunPressureStudy("Label98");
    TypeRow(kStudy, 1, QStringLiteral("50"), QStringLiteral("1,5"));
    TypeRow(kStudy, 2, QStringLiteral("100"), QStringLiteral("6"));
    TypeRow(kStudy, 3, QString(), QStringLiteral("9"));
    TypeRow(kStudy, 5, QStringLiteral("150"), QStringLiteral("13,5"));
    Answer(Path("cisnienie.csv"));
    Click("StudySaveTable");
    const QByteArray rows = "50,1.5\r\n100,6\r\n150,13.5\r\n";
    EXPECT_EQ(Read(Path("cisnienie.csv")),
              "Śr. prędkość cząsteczek Vśr,Ciśnienie x 10^-26 [jedn.]\r\n" + rows);

    // A temperature study has no power of ten; a heading with a comma, as a translation may
    // have it, comes back whole.
    Click("Button1");
    Click("BitBtn1");
    Click("BitBtn12");
    Click("Label47");
    W<QLabel>("Label102")->setText(QStringLiteral("Number, \"N\""));
    Answer(Path("temperatura.csv"));
    form->Printing().StudySaveTableClick();
    EXPECT_EQ(Read(Path("temperatura.csv")),
              "\"Number, \"\"N\"\" cząsteczek N\",Temperatura [jedn.]\r\n" + rows);
    EXPECT_TRUE(files.shown.empty());
}

TEST_F(Exporting, TablesNeedTheirRowsBeforeAnythingIsAsked) {
    // The dependency table needs its first two rows, as for drawing and printing.
    TypeRow(kStudy, 1, QStringLiteral("5"), QStringLiteral("1"));
    TypeRow(kStudy, 2, QStringLiteral("05"), QString());
    form->Printing().StudySaveTableClick();
    form->Printing().StudySaveChartClick();
    // The free-path table needs one filled row.
    TypeRow(kFreePath, 3, QStringLiteral("5"), QString());
    form->Printing().FreePathSaveTableClick();
    form->Printing().FreePathSaveChartClick();
    EXPECT_TRUE(files.suggestedFiles.isEmpty());
    ASSERT_EQ(files.shown.size(), 4u);
    for (const auto& m : files.shown)
        EXPECT_EQ(m.text, QStringLiteral("Proszę wypełnić tabelę pomiarów"));
}

TEST_F(Exporting, ChartIsSavedAsItPrintsAsAPictureOrAPage) {
    RunPressureStudy("Label98");  // the parabola
    TypeRow(kStudy, 1, QStringLiteral("50"), QStringLiteral("1,5"));
    TypeRow(kStudy, 2, QStringLiteral("100"), QStringLiteral("6"));
    TypeRow(kStudy, 4, QStringLiteral("150"), QStringLiteral("13,5"));
    Answer(Path("wykres.png"));
    Click("StudySaveChart");
    EXPECT_EQ(files.filters,
              QStringList({QStringLiteral("Obraz PNG (*.png);;Strona PDF (*.pdf)")}));

    ChartInput expected;
    expected.Rows.Fill({-1.0, -1.0});
    expected.Rows[1] = {50, 1.5};
    expected.Rows[2] = {100, 6};
    expected.Rows[4] = {150, 13.5};
    expected.SimulationMode = 7;
    expected.ChartXCaption = "Vśr [jedn.]";
    const QImage saved(Path("wykres.png"));
    ASSERT_EQ(saved.size(), kChartPictureSize);
    EXPECT_TRUE(saved.convertToFormat(QImage::Format_RGB32) ==
                RenderChartImage(kTableRowCount, kParabola, expected));

    // The same chart as a page, chosen by the name's ending.
    Answer(Path("wykres.PDF"));
    Click("StudySaveChart");
    EXPECT_TRUE(Read(Path("wykres.PDF")).startsWith("%PDF-"));
    if (!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        const QString text = PdfText(Path("wykres.PDF"));
        EXPECT_TRUE(text.contains(QStringLiteral("p[jedn.]"))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("Vśr [jedn.]"))) << text.toStdString();
    }
    EXPECT_TRUE(files.shown.empty());
}

TEST_F(Exporting, SimulationPictureIsTheSurfaceAndTheDialogTimeCountsAsPaused) {
    // Under the menu and the set-up panel the button cannot be reached; in a run it can.
    const auto reachable = [this] {
        const QPoint centre = W("SavePicture")->geometry().center();
        return form->Stage()->childAt(centre) == W("SavePicture");
    };
    EXPECT_FALSE(reachable());
    OpenDiffusionPanel();
    EXPECT_FALSE(reachable());
    Click("BitBtn3");
    EXPECT_TRUE(reachable());
    for (int i = 0; i < 5; ++i) {
        clock.Advance(16);
        form->DXTimer1Timer(1);
    }
    const QImage surface = form->DrawingSurface().Front().copy();
    const int64_t pausedBefore = S().PausedTotal;
    bool runningWhileOpen = true;
    files.whileOpen = [&] {
        runningWhileOpen = form->Timer().Enabled();
        clock.Advance(4000);  // the pupil looks for a folder
    };
    Answer(Path("symulacja.png"));
    Click("SavePicture");

    EXPECT_EQ(files.suggestedFiles, QStringList({QStringLiteral("symulacja.png")}));
    EXPECT_FALSE(runningWhileOpen);
    EXPECT_TRUE(form->Timer().Enabled());
    EXPECT_EQ(S().PausedTotal, pausedBefore + 4000);
    const QImage saved(Path("symulacja.png"));
    ASSERT_FALSE(saved.isNull());
    EXPECT_TRUE(saved.convertToFormat(QImage::Format_RGB32) ==
                surface.convertToFormat(QImage::Format_RGB32));

    // Paused, it stays paused.
    Click("BitBtn6");
    files.whileOpen = nullptr;
    Answer(QString());
    Click("SavePicture");
    EXPECT_FALSE(form->Timer().Enabled());
    EXPECT_EQ(Hint("BitBtn6"), QStringLiteral("Wznów"));
}

TEST_F(Exporting, AFileThatCannotBeWrittenIsReportedWithItsNameAndReason) {
    QTemporaryDir locked;
    const QString folder = ReadOnlyFolder(locked);
    ASSERT_FALSE(CanCreateIn(folder));
    TypeRow(kFreePath, 1, QStringLiteral("100"), QStringLiteral("61,5"));
    const QString path = QDir(folder).filePath(QStringLiteral("pomiary.csv"));
    for (auto save :
         {&PrintingBinding::FreePathSaveTableClick, &PrintingBinding::FreePathSaveChartClick}) {
        files.shown.clear();
        Answer(path);
        (form->Printing().*save)();
        EXPECT_FALSE(QFile::exists(path));
        ASSERT_EQ(Errors().size(), 1u);
        const auto& m = files.shown.back();
        EXPECT_EQ(m.title, QStringLiteral("Zapisywanie pliku"));
        EXPECT_TRUE(m.text.startsWith(QStringLiteral("Nie udało się zapisać pliku „%1”.\nPowód: ")
                                          .arg(QDir::toNativeSeparators(path))))
            << m.text.toStdString();
        // The system's reason follows, not the generic one.
        EXPECT_GT(m.text.size(), m.text.indexOf(QStringLiteral("Powód: ")) + 8);
        EXPECT_FALSE(m.text.endsWith(QStringLiteral("błąd zapisu")));
    }
}

TEST_F(Exporting, ButtonsLeaveTheDescribedControlsWhereTheyWere) {
    // Panel11: under the memo, in the columns of the draw and print buttons.
    EXPECT_EQ(W("StudySaveTable")->geometry(), QRect(320, 574, 168, 26));
    EXPECT_EQ(W("StudySaveChart")->geometry(), QRect(496, 574, 142, 26));
    EXPECT_EQ(W("Memo78")->geometry(), QRect(316, 526, 326, 40));
    EXPECT_EQ(W("BitBtn36")->geometry(), QRect(496, 452, 142, 26));
    // The free-path pane: below the options box, inside the pane's grown content.
    QWidget* area = W("FreePathTableArea");
    EXPECT_EQ(W("BitBtn27")->geometry(), QRect(475, 277, 155, 30));
    EXPECT_EQ(W("Panel5")->geometry(), QRect(312, 353, 318, 97));
    const QRect options = W("Panel5")->geometry().translated(area->pos());
    const QRect table = W("FreePathSaveTable")->geometry();
    EXPECT_EQ(table.top(), options.bottom() + 1 + 8);
    EXPECT_EQ(table.left(), 312);
    EXPECT_EQ(W("FreePathSaveChart")->geometry().right(), 629);
    EXPECT_GE(area->parentWidget()->height(), W("FreePathSaveChart")->geometry().bottom() + 1);
    // Every caption fits its button.
    for (const char* name :
         {"StudySaveTable", "StudySaveChart", "FreePathSaveTable", "FreePathSaveChart"}) {
        auto* b = W<QPushButton>(name);
        EXPECT_LT(b->fontMetrics().horizontalAdvance(b->text()), b->width() - 6) << name;
    }
}

TEST(SaveDialog, IsQtsOwnAndAsksBeforeItReplacesAFile) {
    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("wykres.png"));
    {
        QFile f(existing);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old");
    }
    bool checked = false;
    QString question;
    bool openAfterNo = false;
    WhenShown<QFileDialog>([&](QFileDialog* d) {
        EXPECT_TRUE(d->testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_FALSE(d->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Zapisz wykres"));
        EXPECT_EQ(d->defaultSuffix(), QStringLiteral("png"));
        // Choosing the other type changes the name's ending, and back.
        auto* types = d->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        if (types) {
            QTest::keyClick(types, Qt::Key_Down);
            EXPECT_EQ(QFileInfo(d->selectedFiles().value(0)).fileName(),
                      QStringLiteral("wykres.pdf"));
            EXPECT_EQ(d->defaultSuffix(), QStringLiteral("pdf"));
            QTest::keyClick(types, Qt::Key_Up);
        } else {
            ADD_FAILURE() << "no file type box";
        }
        EXPECT_EQ(d->selectedFiles().value(0), existing);
        // A name without an ending gets the type's.
        d->selectFile(QStringLiteral("nowy"));
        EXPECT_EQ(d->selectedFiles().value(0), dir.filePath(QStringLiteral("nowy.png")));
        d->selectFile(QStringLiteral("wykres.png"));
        checked = true;

        WhenShown<QMessageBox>([&](QMessageBox* box) {
            question = box->text();
            box->button(QMessageBox::No)->click();
        });
        static_cast<QDialog*>(d)->accept();  // as the save button does
        openAfterNo = d->isVisible();
        WhenShown<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
        static_cast<QDialog*>(d)->accept();  // as the save button does
    });
    const QString chosen = AskSaveFileName(nullptr, QStringLiteral("Zapisz wykres"), existing,
                                           QStringLiteral("Obraz PNG (*.png);;Strona PDF (*.pdf)"));
    EXPECT_TRUE(checked);
    EXPECT_TRUE(question.contains(QStringLiteral("wykres.png"))) << question.toStdString();
    EXPECT_TRUE(openAfterNo);
    EXPECT_EQ(chosen, existing);
}

TEST_F(Exporting, CaptionsFollowTheLanguage) {
    struct Back {
        ~Back() { SetCurrentLanguage(Language::Polish); }
    } back;
    ASSERT_TRUE(form->SetLanguage(Language::English));
    EXPECT_EQ(W<QPushButton>("StudySaveTable")->text(), QStringLiteral("Save table (CSV)"));
    EXPECT_EQ(W<QPushButton>("FreePathSaveChart")->text(), QStringLiteral("Save chart (PNG/PDF)"));
    EXPECT_EQ(Hint("SavePicture"), QStringLiteral("Save the picture"));
    EXPECT_EQ(Hint("FreePathSaveTable"),
              QStringLiteral("Save the measurements of the table in a CSV file for a spreadsheet"));
    ASSERT_TRUE(form->SetLanguage(Language::Polish));
    EXPECT_EQ(W<QPushButton>("FreePathSaveTable")->text(), QStringLiteral("Zapisz tabelę (CSV)"));
    EXPECT_EQ(Hint("StudySaveChart"),
              QStringLiteral("Zapisz wykres jako obraz PNG albo stronę PDF"));
    EXPECT_EQ(Hint("SavePicture"), QStringLiteral("Zapisz obraz"));
}
