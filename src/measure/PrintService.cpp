#include "measure/PrintService.h"
#include "measure/Language.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <algorithm>

namespace {

class CupsPrintBackend final : public PrintBackend {
  public:
    std::optional<PrinterTarget> DefaultPrinter() override {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) return std::nullopt;
        const QPrinter printer(info, QPrinter::HighResolution);
        PrinterTarget target;
        target.Name = info.printerName();
        target.Layout = printer.pageLayout();
        target.Resolution = printer.resolution();
        target.Stopped = info.state() == QPrinter::Error || info.state() == QPrinter::Aborted;
        return target;
    }

    int Submit(const PrinterTarget& printer, const QString& pdfPath, const QString& title,
               QString* error) override {
        // The options argument is a cups_option_t*; with no options a null pointer is passed.
        using PrintFile = int (*)(const char*, const char*, const char*, int, void*);
        using LastError = const char* (*)();
        QLibrary cups(QStringLiteral("cups"), 2);
        const auto printFile = reinterpret_cast<PrintFile>(cups.resolve("cupsPrintFile"));
        const auto lastError = reinterpret_cast<LastError>(cups.resolve("cupsLastErrorString"));
        if (!printFile) {
            if (error) *error = QStringLiteral("libcups: ") + cups.errorString();
            return 0;
        }
        // A name may carry an instance after a slash; the scheduler knows the queue alone.
        const QByteArray queue = printer.Name.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
        const int job = printFile(queue.constData(), QFile::encodeName(pdfPath).constData(),
                                  title.toUtf8().constData(), 0, nullptr);
        if (job <= 0 && error && lastError) *error = QString::fromUtf8(lastError());
        return std::max(job, 0);
    }
};

// Pages are laid out in device pixels: wall bands, pen widths, arrow heads and text offsets are
// counted in pixels. At 300 dots per inch they come out as on a classroom laser printer; at a
// PDF queue's 1200 they would shrink to hairlines.
constexpr int kPageResolution = 300;

QString WithDetails(const QString& message, const QString& details) {
    if (details.isEmpty()) return message;
    return message + Tr(QT_TRANSLATE_NOOP("kinetra", "\n\nSzczegóły: ")) + details;
}

}  // namespace

std::unique_ptr<PrintBackend> MakeCupsPrintBackend() {
    return std::make_unique<CupsPrintBackend>();
}

PrintService::PrintService(std::unique_ptr<PrintBackend> backend) : backend_(std::move(backend)) {}

bool PrintService::WritePdf(const PageJob& job, const QString& path,
                            const std::optional<PrinterTarget>& like) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setColorMode(QPrinter::Color);
    printer.setDocName(job.Title);
    printer.setCreator(QStringLiteral("KINETRA"));
    if (like) {
        printer.setPageLayout(like->Layout);
        printer.setResolution(
            std::min(like->Resolution > 0 ? like->Resolution : kPageResolution, kPageResolution));
    } else {
        printer.setResolution(kPageResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Portrait);
    }
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    if (job.Draw) job.Draw(painter, QSize(printer.width(), printer.height()));
    if (!painter.end()) return false;
    return QFileInfo(path).size() > 0;
}

PrintOutcome PrintService::Print(const PageJob& job, const PrintCallbacks& callbacks) {
    const std::optional<PrinterTarget> target = backend_->DefaultPrinter();
    QString failure;
    if (!target) {
        failure = Tr(kNoPrinterMessage);
    } else if (target->Stopped) {
        failure = Tr(kPrinterStoppedMessage).arg(target->Name);
    } else {
        QTemporaryFile file(QDir::tempPath() + QStringLiteral("/kinetra-XXXXXX.pdf"));
        QString details;
        if (!file.open()) {
            details = file.errorString();
        } else {
            file.close();
            if (!WritePdf(job, file.fileName(), target)) {
                details =
                    Tr(QT_TRANSLATE_NOOP("kinetra", "nie udało się przygotować strony w pliku ")) +
                    file.fileName();
            } else if (backend_->Submit(*target, file.fileName(), job.Title, &details) > 0) {
                if (callbacks.ShowPrinted) callbacks.ShowPrinted(target->Name);
                return PrintOutcome::Printed;
            }
        }
        failure = WithDetails(Tr(kPrintJobFailedMessage).arg(target->Name), details);
    }

    if (callbacks.ShowFailure) callbacks.ShowFailure(failure);
    QString suggested = job.Title + QStringLiteral(".pdf");
    while (callbacks.ChoosePdfFile) {
        const QString path = callbacks.ChoosePdfFile(suggested);
        if (path.isEmpty()) break;
        if (WritePdf(job, path, target)) return PrintOutcome::SavedAsPdf;
        if (callbacks.ShowFailure) callbacks.ShowFailure(Tr(kPdfSaveFailedMessage).arg(path));
        suggested = path;
    }
    return PrintOutcome::NotSaved;
}
