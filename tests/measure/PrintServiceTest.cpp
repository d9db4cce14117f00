#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPageSize>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include "measure/PrintService.h"

namespace {

// A table page whose list carries a number found nowhere else.
PageJob MarkedPage(double marker) {
    ChartInput in;
    in.Rows.Fill({-1.0, -1.0});
    in.Rows[1] = {100, 12.5};
    in.Rows[2] = {200, marker};
    in.Rows[3] = {300, 4.25};
    in.SimulationMode = 2;
    return TableAndChartJob(17, 1, in, {});
}

// The text of a PDF file, or empty if it cannot be read.
QString PdfText(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

bool HavePdfToText() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

class FakeBackend final : public PrintBackend {
  public:
    std::optional<PrinterTarget> Printer;
    bool Accept = true;
    int Submitted = 0;
    QString SubmittedTitle;
    QByteArray SubmittedPdf;

    std::optional<PrinterTarget> DefaultPrinter() override { return Printer; }
    int Submit(const PrinterTarget&, const QString& pdfPath, const QString& title,
               QString* error) override {
        ++Submitted;
        SubmittedTitle = title;
        QFile f(pdfPath);
        if (f.open(QIODevice::ReadOnly)) SubmittedPdf = f.readAll();
        if (!Accept && error) *error = QStringLiteral("client-error-not-possible");
        return Accept ? 17 : 0;
    }
};

PrinterTarget Queue(bool stopped = false) {
    PrinterTarget t;
    t.Name = QStringLiteral("Pracownia");
    t.Layout = QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5));
    t.Resolution = 300;
    t.Stopped = stopped;
    return t;
}

// Records what the window would show and answers the file dialog from a list.
struct Window {
    QStringList Messages;
    QStringList Suggested;
    QStringList Answers;
    QStringList Printers;  // told that the page went there
    PrintCallbacks Callbacks() {
        return {[this](const QString& m) { Messages << m; },
                [this](const QString& s) {
                    Suggested << s;
                    return Answers.isEmpty() ? QString() : Answers.takeFirst();
                },
                [this](const QString& printer) { Printers << printer; }};
    }
};

}  // namespace

TEST(PrintService, AcceptedJobIsOnePdfPageWithTheTitleAndNoQuestions) {
    auto backend = std::make_unique<FakeBackend>();
    FakeBackend& fake = *backend;
    fake.Printer = Queue();
    PrintService service(std::move(backend));
    Window window;
    EXPECT_EQ(service.Print(MarkedPage(8765.4321), window.Callbacks()), PrintOutcome::Printed);
    EXPECT_EQ(fake.Submitted, 1);
    EXPECT_EQ(fake.SubmittedTitle, kDiffusionJobTitle);
    EXPECT_TRUE(fake.SubmittedPdf.startsWith("%PDF"));
    EXPECT_TRUE(fake.SubmittedPdf.contains("/MediaBox [0 0 420"));  // A5 width in points
    EXPECT_TRUE(window.Messages.isEmpty());
    EXPECT_TRUE(window.Suggested.isEmpty());
    EXPECT_EQ(window.Printers, QStringList{QStringLiteral("Pracownia")});
}

TEST(PrintService, WithoutAPrinterThePageIsSavedAsPdfWhereTheUserChooses) {
    QTemporaryDir dir;
    auto backend = std::make_unique<FakeBackend>();
    PrintService service(std::move(backend));
    Window window;
    const QString path = dir.filePath(QStringLiteral("strona.pdf"));
    window.Answers << path;
    EXPECT_EQ(service.Print(MarkedPage(8765.4321), window.Callbacks()), PrintOutcome::SavedAsPdf);
    EXPECT_EQ(window.Messages, QStringList{kNoPrinterMessage});
    EXPECT_EQ(window.Suggested, QStringList{kDiffusionJobTitle + ".pdf"});
    EXPECT_TRUE(window.Printers.isEmpty());
    ASSERT_TRUE(QFile::exists(path));
    ASSERT_TRUE(HavePdfToText()) << "pdftotext (poppler-utils) is needed to read the page";
    EXPECT_TRUE(PdfText(path).contains("8765,4321"));
}

TEST(PrintService, RefusedOrStoppedQueueIsReportedAndDecliningSavesNothing) {
    auto backend = std::make_unique<FakeBackend>();
    FakeBackend& fake = *backend;
    fake.Printer = Queue();
    fake.Accept = false;
    PrintService service(std::move(backend));
    Window window;
    EXPECT_EQ(service.Print(MarkedPage(1), window.Callbacks()), PrintOutcome::NotSaved);
    ASSERT_EQ(window.Messages.size(), 1);
    EXPECT_TRUE(window.Messages[0].startsWith(kPrintJobFailedMessage.arg("Pracownia")));
    EXPECT_TRUE(window.Messages[0].contains("client-error-not-possible"));
    EXPECT_EQ(window.Suggested.size(), 1);

    fake.Printer = Queue(true);
    fake.Submitted = 0;
    Window stopped;
    EXPECT_EQ(service.Print(MarkedPage(1), stopped.Callbacks()), PrintOutcome::NotSaved);
    EXPECT_EQ(fake.Submitted, 0);
    EXPECT_EQ(stopped.Messages, QStringList{kPrinterStoppedMessage.arg("Pracownia")});
    EXPECT_TRUE(window.Printers.isEmpty());
    EXPECT_TRUE(stopped.Printers.isEmpty());
}

TEST(PrintService, AFileThatCannotBeWrittenIsReportedAndTheUserAskedAgain) {
    QTemporaryDir dir;
    auto backend = std::make_unique<FakeBackend>();
    backend->Printer = Queue();
    backend->Accept = false;
    PrintService service(std::move(backend));
    Window window;
    const QString bad = dir.filePath(QStringLiteral("brak/strona.pdf"));
    const QString good = dir.filePath(QStringLiteral("strona.pdf"));
    window.Answers << bad << good;
    EXPECT_EQ(service.Print(MarkedPage(1), window.Callbacks()), PrintOutcome::SavedAsPdf);
    ASSERT_EQ(window.Messages.size(), 2);
    EXPECT_EQ(window.Messages[1], kPdfSaveFailedMessage.arg(bad));
    EXPECT_EQ(window.Suggested, (QStringList{kDiffusionJobTitle + ".pdf", bad}));
    QFile saved(good);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray pdf = saved.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 420"));  // the printer's paper is kept
}

// The real CUPS backend, keeping a copy of what it sends and the job's number.
class KeepingBackend final : public PrintBackend {
  public:
    explicit KeepingBackend(QString copy) : copy_(std::move(copy)) {}
    int Job = 0;
    std::optional<PrinterTarget> DefaultPrinter() override { return cups_->DefaultPrinter(); }
    int Submit(const PrinterTarget& printer, const QString& pdfPath, const QString& title,
               QString* error) override {
        QFile::copy(pdfPath, copy_);
        Job = cups_->Submit(printer, pdfPath, title, error);
        return Job;
    }

  private:
    QString copy_;
    std::unique_ptr<PrintBackend> cups_ = MakeCupsPrintBackend();
};

// A page rasterised in grey at 100 dpi.
QImage Raster(const QString& pdf, const QString& stem) {
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-gray"),
             QStringLiteral("-singlefile"), pdf, stem});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
    return QImage(stem + QStringLiteral(".pgm")).convertToFormat(QImage::Format_Grayscale8);
}

// Dark pixels of a with no darkish pixel within one pixel in b: ink that b lacks.
int InkMissing(const QImage& a, const QImage& b) {
    int missing = 0;
    for (int y = 1; y + 1 < a.height(); ++y) {
        for (int x = 1; x + 1 < a.width(); ++x) {
            if (qGray(a.pixel(x, y)) >= 100) continue;
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy) {
                for (int dx = -1; dx <= 1 && !near; ++dx) {
                    near = qGray(b.pixel(x + dx, y + dy)) < 160;
                }
            }
            missing += !near;
        }
    }
    return missing;
}

// Through the real default CUPS queue that scripts/test sets up. cups-pdf writes each job as a
// PDF file into ~/PDF of the submitting user, or into its spool directory for anonymous jobs,
// named after the title and the job's number. Its files are re-made by Ghostscript without a
// text layer, so the page is compared as a picture with the one that was sent.
TEST(PrintServiceEndToEnd, PageComesOutOfTheDefaultQueue) {
    if (qEnvironmentVariableIsEmpty("KINETRA_PRINT_QUEUE")) {
        GTEST_SKIP() << "no print queue: KINETRA_PRINT_QUEUE is not set (scripts/test sets up a "
                        "CUPS queue \"PDF\" and sets it)";
    }
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        << "pdftoppm (poppler-utils) is needed to read the page";
    const passwd* user = getpwuid(getuid());
    ASSERT_NE(user, nullptr);
    const QStringList folders{QString::fromLocal8Bit(user->pw_dir) + QStringLiteral("/PDF"),
                              QStringLiteral("/var/spool/cups-pdf/ANONYMOUS")};
    QTemporaryDir work;
    const QString sent = work.filePath(QStringLiteral("sent.pdf"));
    auto backend = std::make_unique<KeepingBackend>(sent);
    KeepingBackend& keeping = *backend;
    PrintService service(std::move(backend));
    Window window;
    ASSERT_EQ(service.Print(MarkedPage(1303.326), window.Callbacks()), PrintOutcome::Printed)
        << window.Messages.join(QStringLiteral(" | ")).toStdString();
    ASSERT_GT(keeping.Job, 0);

    const QString suffix = QStringLiteral("job_%1.pdf").arg(keeping.Job);
    QString found;
    for (int tries = 0; tries < 600 && found.isEmpty(); ++tries) {
        for (const QString& folder : folders) {
            for (const QFileInfo& f : QDir(folder).entryInfoList({"*" + suffix}, QDir::Files)) {
                // cups-pdf writes in place: wait until the file is complete.
                if (f.size() > 0 && !Raster(f.filePath(), work.filePath("probe")).isNull()) {
                    found = f.filePath();
                }
            }
        }
        if (found.isEmpty()) QThread::msleep(100);
    }
    ASSERT_FALSE(found.isEmpty()) << "no file *" << suffix.toStdString() << " in "
                                  << folders.join(", ").toStdString() << " within 60 s";
    const QImage printed = Raster(found, work.filePath(QStringLiteral("printed")));
    const QImage original = Raster(sent, work.filePath(QStringLiteral("sent")));
    ASSERT_FALSE(original.isNull());
    ASSERT_EQ(printed.size(), original.size());
    EXPECT_LE(InkMissing(original, printed), 5);
    EXPECT_LE(InkMissing(printed, original), 5);
    // The page is not empty: the list's numbers and the chart's axes are on it.
    int ink = 0;
    for (int y = 0; y < printed.height(); ++y) {
        for (int x = 0; x < printed.width(); ++x)
            ink += qGray(printed.pixel(x, y)) < 100;
    }
    EXPECT_GT(ink, 1000);
    QFile::remove(found);
}

TEST(PrintService, PagesAreLaidOutAtThreeHundredDotsPerInchWhateverThePrinterOffers) {
    for (int printerDpi : {1200, 600, 300}) {
        auto backend = std::make_unique<FakeBackend>();
        backend->Printer = Queue();
        backend->Printer->Layout =
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
        backend->Printer->Resolution = printerDpi;
        PrintService service(std::move(backend));
        QSize drawnOn;
        PageJob job{kDiffusionJobTitle, [&](QPainter&, QSize page) { drawnOn = page; }};
        Window window;
        ASSERT_EQ(service.Print(job, window.Callbacks()), PrintOutcome::Printed);
        // A4 is 8.27 inches wide: 2480 pixels at 300 dots per inch.
        EXPECT_NEAR(drawnOn.width(), 2480, 2) << printerDpi;
    }
}
