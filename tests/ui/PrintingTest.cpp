// Printing from the window through a printer of the test's own: the simulation picture in every
// mode, the two tables, the pause kept around printing, and a page the printer refuses being
// saved as a PDF file where the user chooses.
#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QPageSize>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "FakePrinter.h"
#include "TableFormTest.h"
#include "measure/PrintPages.h"

namespace {

// A default printer that keeps each page it is sent.
class PaperTray final : public PrintBackend {
  public:
    explicit PaperTray(ManualClock& clock) : clock_(clock) {}
    std::optional<PrinterTarget> DefaultPrinter() override {
        if (!present) return std::nullopt;
        return A4Printer(QStringLiteral("Sala 12"), 100);
    }
    int Submit(const PrinterTarget&, const QString& pdfPath, const QString& title,
               QString* error) override {
        clock_.Advance(printingMs);  // printing takes a while
        if (!accept) {
            if (error) *error = QStringLiteral("client-error-not-possible");
            return 0;
        }
        QFile file(pdfPath);
        if (file.open(QIODevice::ReadOnly)) pages.push_back({title, file.readAll()});
        return static_cast<int>(pages.size());
    }
    struct Page {
        QString title;
        QByteArray pdf;
    };
    std::vector<Page> pages;
    bool present = true;
    bool accept = true;
    int printingMs = 0;

  private:
    ManualClock& clock_;
};

bool HavePoppler() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

QString WriteTemp(const QTemporaryDir& dir, const QByteArray& pdf) {
    const QString path = dir.filePath(QStringLiteral("page.pdf"));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(pdf);
    return path;
}

// The text of a PDF page, words in reading order.
QString PdfText(const QByteArray& pdf) {
    QTemporaryDir dir;
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {WriteTemp(dir, pdf), QStringLiteral("-")});
    if (!p.waitForFinished(30000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The page as a picture at 20 dots per inch.
QImage PdfPicture(const QByteArray& pdf) {
    QTemporaryDir dir;
    QProcess p;
    const QString out = dir.filePath(QStringLiteral("page"));
    p.start(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("20"), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), WriteTemp(dir, pdf), out});
    if (!p.waitForFinished(30000)) return {};
    return QImage(out + QStringLiteral(".png"));
}

// Share of inked (not white) pixels in a part of a picture given in fractions of its size.
double InkedShare(const QImage& image, double left, double top, double right, double bottom) {
    const QRect r(int(image.width() * left), int(image.height() * top),
                  int(image.width() * (right - left)), int(image.height() * (bottom - top)));
    int inked = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x)
            inked += qGray(image.pixel(x, y)) < 245;
    }
    return double(inked) / (r.width() * r.height());
}

}  // namespace

class Printing : public TableFormTest {
  protected:
    void SetUp() override {
        TableFormTest::SetUp();
        ASSERT_TRUE(HavePoppler()) << "pdftotext and pdftoppm (poppler-utils) read the pages";
        auto backend = std::make_unique<PaperTray>(clock);
        tray = backend.get();
        form->SetPrintService(std::make_unique<PrintService>(std::move(backend)));
    }
    // A run of the given mode started with the pupil's buttons (topic, exercise, run), with a
    // few frames drawn.
    void Run(int mode) {
        const char* const clicks[][3] = {
            {"BitBtn8", "Label11", "BitBtn5"},   {"BitBtn11", "Label20", "BitBtn24"},
            {"BitBtn8", "Label13", "BitBtn21"},  {"BitBtn9", "Label26", "BitBtn30"},
            {"BitBtn12", "Label46", "BitBtn32"}, {"BitBtn17", "Label69", "BitBtn34"},
            {"BitBtn16", "Label64", "BitBtn15"},
        };
        for (const char* name : clicks[mode - 1])
            Click(name);
        if (mode <= 4) {
            Spin("SpinEdit1")->SetValue(60);
            Click("BitBtn3");
        }
        // The heat transport places its particles off the window's thread.
        ASSERT_TRUE(QTest::qWaitFor([this] { return !form->HeatPlacement().Busy(); }, 600'000));
        ASSERT_EQ(S().SimulationMode, mode);
        ASSERT_TRUE(form->Timer().Enabled());
        for (int i = 0; i < 3; ++i) {
            clock.Advance(16);
            form->DXTimer1Timer(1);
        }
    }
    void TypeFreePathTable() {
        TypeRow(1, 1, QStringLiteral("100"), QStringLiteral("61,5"));
        TypeRow(1, 2, QStringLiteral("200"), QStringLiteral("30,25"));
        TypeRow(1, 3, QStringLiteral("400"), QStringLiteral("15,75"));
    }

    PaperTray* tray = nullptr;
};

TEST_F(Printing, DrukujPrintsThePageOfEachModeAndNothingInTheTemperatureMode) {
    const struct {
        int mode;
        QString title;
        const char* heading;  // of a redrawn page; a copied picture has no text
    } modes[] = {
        {1, kDiffusionJobTitle, "DYFUZJA"},
        {2, kFreePathJobTitle, "DROGA SWOBODNA"},
        {3, kDiffusionJobTitle, nullptr},
        {4, kWallCollisionsJobTitle, nullptr},
        {5, QString(), nullptr},
        {6, kHeatTransportJobTitle, nullptr},
        {7, kPressureJobTitle, nullptr},
    };
    // The screen's own picture, as it is on screen.
    W<QCheckBox>("WhitePaper")->setChecked(false);
    for (const auto& m : modes) {
        SCOPED_TRACE(m.mode);
        Run(m.mode);
        tray->pages.clear();
        answers.shown.clear();
        form->Printing().BitBtn19Click();
        if (m.mode == 5) {
            EXPECT_TRUE(answers.shown.empty());
            EXPECT_TRUE(tray->pages.empty());
        } else if (tray->pages.size() == 1) {
            // The pupil is told where the page went.
            ASSERT_EQ(answers.shown.size(), 1u);
            EXPECT_EQ(answers.shown[0].kind, MessageKind::Information);
            EXPECT_TRUE(answers.shown[0].text.startsWith(
                QStringLiteral("Strona została wysłana do drukarki „Sala 12”.")));
            EXPECT_EQ(tray->pages[0].title, m.title);
            const QString text = PdfText(tray->pages[0].pdf);
            if (m.heading) {
                EXPECT_TRUE(text.contains(QString::fromUtf8(m.heading))) << text.toStdString();
                EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("N\\s+=\\s+60\\s"))))
                    << text.toStdString();
            } else {
                // The surface's picture: half the page wide, centred, a tenth of it down; the
                // page around it stays white.
                EXPECT_TRUE(text.trimmed().isEmpty());
                const QImage page = PdfPicture(tray->pages[0].pdf);
                EXPECT_GT(InkedShare(page, 0.27, 0.12, 0.73, 0.25), 0.5);
                EXPECT_EQ(InkedShare(page, 0.0, 0.0, 0.2, 0.08), 0.0);
                EXPECT_EQ(InkedShare(page, 0.8, 0.5, 1.0, 1.0), 0.0);
            }
        } else {
            ADD_FAILURE() << tray->pages.size() << " pages printed";
        }
        Click("BitBtn1");
    }
}

TEST_F(Printing, ScreenCopiesGoOnWhitePaperUnlessChosenOtherwise) {
    EXPECT_TRUE(W<QCheckBox>("WhitePaper")->isChecked());
    Run(7);
    form->Printing().BitBtn19Click();
    ASSERT_EQ(tray->pages.size(), 1u);
    ASSERT_EQ(answers.shown.size(), 1u);
    // The note says so and where to change it.
    EXPECT_TRUE(answers.shown[0].text.contains(QStringLiteral("„Widok”")));
    QImage page = PdfPicture(tray->pages[0].pdf);
    // The picture's place is mostly white now: the black ground is gone.
    EXPECT_LT(InkedShare(page, 0.27, 0.12, 0.73, 0.25), 0.5);
    EXPECT_GT(InkedShare(page, 0.27, 0.12, 0.73, 0.25), 0.0);
    // What is on screen is untouched.
    EXPECT_EQ(form->DrawingSurface().Front().pixel(5, 5), qRgb(0, 0, 0));

    answers.shown.clear();
    W<QCheckBox>("WhitePaper")->setChecked(false);
    form->Printing().BitBtn19Click();
    ASSERT_EQ(tray->pages.size(), 2u);
    ASSERT_EQ(answers.shown.size(), 1u);
    EXPECT_FALSE(answers.shown[0].text.contains(QStringLiteral("„Widok”")));
    page = PdfPicture(tray->pages[1].pdf);
    EXPECT_GT(InkedShare(page, 0.27, 0.12, 0.73, 0.25), 0.5);
}

TEST_F(Printing, PrintingWhileRunningCountsAsPausedAndTheRunGoesOn) {
    Run(7);
    tray->printingMs = 2500;
    const int64_t pausedBefore = S().PausedTotal;
    form->Printing().BitBtn19Click();
    ASSERT_EQ(tray->pages.size(), 1u);
    EXPECT_EQ(S().PausedTotal, pausedBefore + 2500);
    EXPECT_TRUE(form->Timer().Enabled());
    EXPECT_EQ(Hint("BitBtn6"), QStringLiteral("Pauza"));

    // Paused, it stays paused, and the pause already running is not counted twice.
    Click("BitBtn6");
    const int64_t pauseStart = S().PauseStart;
    form->Printing().BitBtn19Click();
    EXPECT_EQ(tray->pages.size(), 2u);
    EXPECT_FALSE(form->Timer().Enabled());
    EXPECT_EQ(Hint("BitBtn6"), QStringLiteral("Wznów"));
    EXPECT_EQ(S().PauseStart, pauseStart);
    EXPECT_EQ(S().PausedTotal, pausedBefore + 2500);
    Click("BitBtn6");
    EXPECT_EQ(S().PausedTotal, pausedBefore + 2500 + 2500);
}

TEST_F(Printing, TheFreePathTablePrintsWhatItsCellsHoldNow) {
    S().SimulationMode = 2;
    TypeFreePathTable();
    Click("BitBtn11");
    Click("Label22");
    Click("BitBtn28");
    // Changed after the chart was drawn: the page still shows the cells as they are.
    TypeRow(1, 2, QStringLiteral("250"), QStringLiteral("24,5"));
    Click("BitBtn27");
    ASSERT_EQ(tray->pages.size(), 1u);
    const QString study =
        QStringLiteral("Badanie zależności średniej drogi swobodnej od ilości cząsteczek gazu");
    EXPECT_EQ(tray->pages[0].title, kTableJobTitle + study);
    const QString text = PdfText(tray->pages[0].pdf);
    const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    EXPECT_TRUE(text.contains(today)) << text.toStdString();
    EXPECT_TRUE(text.simplified().contains(study)) << text.toStdString();
    for (const char* word : {"Liczba cząsteczek", "Średnia droga swobodna [jednostka]", "61,5",
                             "250", "24,5", "15,75"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(word))) << word << "\n" << text.toStdString();
    }
    EXPECT_FALSE(text.contains(QStringLiteral("30,25")));
    EXPECT_EQ(S().TableRows[2], (TableRow{250.0, 24.5}));
    ASSERT_EQ(answers.shown.size(), 1u);
    EXPECT_EQ(answers.shown[0].kind, MessageKind::Information);
}

TEST_F(Printing, TheStudyTableChecksItsFirstRowsAndPrintsItsHeadings) {
    Click("BitBtn16");
    Click("Label97");
    Click("BitBtn39");
    TypeRow(69, 1, QStringLiteral("100"), QStringLiteral("0,0243"));
    Click("BitBtn36");
    EXPECT_TRUE(tray->pages.empty());
    ASSERT_EQ(answers.shown.size(), 1u);
    EXPECT_EQ(answers.shown[0].text, QStringLiteral("Proszę wypełnić tabelę pomiarów"));

    answers.shown.clear();
    TypeRow(69, 2, QStringLiteral("300"), QStringLiteral("0,0731"));
    Click("BitBtn36");
    ASSERT_EQ(tray->pages.size(), 1u);
    ASSERT_EQ(answers.shown.size(), 1u);
    EXPECT_EQ(answers.shown[0].kind, MessageKind::Information);
    EXPECT_EQ(
        tray->pages[0].title,
        kTableJobTitle + QStringLiteral("Badanie zależności ciśnienia od  liczby cząsteczek gazu"));
    QString text = PdfText(tray->pages[0].pdf);
    for (const char* word : {"Liczba cząsteczek N", "Ciśnienie x 10", "-26", "[jedn.]", "0,0243",
                             "0,0731", "p[jedn.]"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(word))) << word << "\n" << text.toStdString();
    }

    // The temperature's heading has no power of ten.
    Click("BitBtn1");
    Click("BitBtn12");
    Click("Label47");
    Click("BitBtn13");
    Click("BitBtn36");
    ASSERT_EQ(tray->pages.size(), 2u);
    text = PdfText(tray->pages[1].pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Temperatura"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("T[jedn.]")));
    EXPECT_FALSE(text.contains(QStringLiteral("x 10")));
    EXPECT_FALSE(text.contains(QStringLiteral("-26")));
}

TEST_F(Printing, ARefusedPageIsOfferedAsAPdfAndTheRunGoesOnAsItWas) {
    QTemporaryDir dir;
    Run(7);
    tray->accept = false;
    answers.yes << true;
    answers.files << dir.filePath(QStringLiteral("manometr"));
    form->Printing().BitBtn19Click();
    ASSERT_EQ(answers.shown.size(), 1u);
    EXPECT_EQ(answers.shown[0].kind, MessageKind::Error);
    EXPECT_TRUE(answers.shown[0].text.startsWith(
        QStringLiteral("Nie udało się wysłać strony do drukarki „Sala 12”.")));
    ASSERT_EQ(answers.questions.size(), 1);
    EXPECT_TRUE(answers.questions[0].contains(QStringLiteral("PDF")));
    EXPECT_EQ(answers.suggestedFiles, QStringList{kPressureJobTitle + QStringLiteral(".pdf")});
    const QString saved = dir.filePath(QStringLiteral("manometr.pdf"));
    ASSERT_TRUE(QFile::exists(saved));
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF"));
    EXPECT_TRUE(form->Timer().Enabled());

    // Without a printer and declined: nothing is saved, the file dialog is not even shown, and
    // a paused run stays paused.
    answers.shown.clear();
    answers.questions.clear();
    answers.suggestedFiles.clear();
    tray->present = false;
    Click("BitBtn6");
    form->Printing().BitBtn19Click();
    ASSERT_EQ(answers.shown.size(), 1u);
    EXPECT_EQ(answers.shown[0].text, kNoPrinterMessage);
    EXPECT_EQ(answers.questions.size(), 1);
    EXPECT_TRUE(answers.suggestedFiles.isEmpty());
    EXPECT_FALSE(form->Timer().Enabled());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("manometr.pdf")});
}
