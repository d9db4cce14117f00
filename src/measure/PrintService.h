#pragma once

#include <QPageLayout>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "measure/PrintPages.h"

// Messages for the pupil or teacher when a page could not be printed. %1 is the printer's name.
inline const QString kNoPrinterMessage = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "Nie można wydrukować strony, ponieważ nie znaleziono drukarki domyślnej.\n"
    "Proszę sprawdzić, czy drukarka jest włączona i ustawiona w systemie jako domyślna.\n"
    "Za chwilę można zapisać tę stronę jako plik PDF i wydrukować ją później."));
inline const QString kPrinterStoppedMessage = QStringLiteral(
    QT_TRANSLATE_NOOP("kinetra",
                      "Drukarka „%1” jest wstrzymana albo zgłasza błąd, dlatego strona nie została "
                      "wydrukowana.\n"
                      "Za chwilę można zapisać tę stronę jako plik PDF i wydrukować ją później."));
inline const QString kPrintJobFailedMessage = QStringLiteral(
    QT_TRANSLATE_NOOP("kinetra",
                      "Nie udało się wysłać strony do drukarki „%1”.\n"
                      "Za chwilę można zapisać tę stronę jako plik PDF i wydrukować ją później."));
inline const QString kPdfSaveFailedMessage =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra",
                                     "Nie udało się zapisać pliku „%1”.\n"
                                     "Proszę wybrać inny folder lub inną nazwę pliku."));
inline const QString kPrintedMessage =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Strona została wysłana do drukarki „%1”."));
inline const QString kPrintErrorTitle = QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Drukowanie"));
inline const QString kPdfDialogTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Zapisz stronę jako plik PDF"));
inline const QString kPdfFileFilter =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Pliki PDF (*.pdf)"));

// A printer the system offers as its default.
struct PrinterTarget {
    QString Name;
    QPageLayout Layout;  // its default paper, orientation and margins
    int Resolution = 0;  // dots per inch at high resolution
    bool Stopped = false;
};

// The system's printing, replaceable in tests.
class PrintBackend {
  public:
    virtual ~PrintBackend() = default;
    virtual std::optional<PrinterTarget> DefaultPrinter() = 0;
    // Sends a finished PDF file as one job and gives the job's number, or 0 with a reason when
    // the system refuses it.
    virtual int Submit(const PrinterTarget& printer, const QString& pdfPath, const QString& title,
                       QString* error) = 0;
};

// CUPS: the default destination, and jobs handed to the scheduler with their result checked
// (Qt's own CUPS path ignores a refused job, and the page would be lost without a word).
std::unique_ptr<PrintBackend> MakeCupsPrintBackend();

// How the window takes part when printing fails: it shows the message, then asks where to
// save the page (an empty name means the user declined).
struct PrintCallbacks {
    std::function<void(const QString& message)> ShowFailure;
    std::function<QString(const QString& suggestedName)> ChoosePdfFile;
    // The page was accepted by this printer.
    std::function<void(const QString& printer)> ShowPrinted;
};

enum class PrintOutcome {
    Printed,     // the job was accepted by the default printer
    SavedAsPdf,  // printing failed and the page was saved where the user chose
    NotSaved,    // printing failed and the user declined to save it
};

// Prints one page to the default printer without a dialog. A page that cannot be printed is
// not lost: the failure is reported and the same page can be saved as a PDF file instead; if
// saving fails, the user is told and asked again.
class PrintService {
  public:
    explicit PrintService(std::unique_ptr<PrintBackend> backend = MakeCupsPrintBackend());
    PrintOutcome Print(const PageJob& job, const PrintCallbacks& callbacks);
    // The printer a page would go to now, if the system has a default one.
    std::optional<PrinterTarget> DefaultPrinter() { return backend_->DefaultPrinter(); }

    // Draws the page into a PDF file at high resolution, on the given paper or, without one,
    // on A4. False if the file could not be written.
    static bool WritePdf(const PageJob& job, const QString& path,
                         const std::optional<PrinterTarget>& like);

  private:
    std::unique_ptr<PrintBackend> backend_;
};
