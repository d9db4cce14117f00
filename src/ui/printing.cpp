// Printing: the picture of the running simulation and the two tables with their charts. A page
// the printer does not take is offered to be saved as a PDF file instead.
#include <QCheckBox>
#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

#include "core/CellRules.h"
#include "display/SurfaceView.h"
#include "engine/Modes.h"
#include "engine/Publisher.h"
#include "measure/CoreText.h"
#include "measure/Language.h"
#include "ui/Messages.h"
#include "ui/PrintingBinding.h"
#include "ui/RunControlBinding.h"
#include "ui/SpinEdit.h"
#include "ui/StudiesBinding.h"
#include "ui/Widgets.h"
#include "ui/kinetra_u.h"

namespace {

const QString kSaveQuestion =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Czy zapisać tę stronę jako plik PDF?"));
const QString kWhitePaperNote = QStringLiteral(
    QT_TRANSLATE_NOOP("kinetra",
                      "Obraz ekranu wydrukowano na białym tle. Można to zmienić w menu głównym, "
                      "w grupie „Widok” (pole „druk na białym tle”)."));
// The P key asks before a page goes out.
const QString kPrintKeyQuestion =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Wydrukować obraz symulacji na drukarce „%1”?"));
const QString kPrintKeyQuestionNoPrinter = QStringLiteral(
    QT_TRANSLATE_NOOP("kinetra",
                      "Wydrukować obraz symulacji? Nie znaleziono drukarki domyślnej; stronę "
                      "będzie można zapisać jako plik PDF."));
// The date on a table's page, written as the language writes dates.
const QString kDateFormat = QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "dd.MM.yyyy"));

QString Today() {
    return QDate::currentDate().toString(Tr(kDateFormat));
}

}  // namespace

PrintingBinding::PrintingBinding(TForm1& form) : Binding(form) {
    const ToolButtons& t = form.Tools();
    const FreePathTable& f = form.FreePath();
    const StudyTablePanel& s = form.StudyTable();
    ConnectClicks<PrintingBinding>(this,
                                   {
                                       {t.BitBtn19, &PrintingBinding::BitBtn19Click},
                                       {f.BitBtn27, &PrintingBinding::BitBtn27Click},
                                       {s.BitBtn36, &PrintingBinding::BitBtn36Click},
                                       {t.SavePicture, &PrintingBinding::SavePictureClick},
                                       {f.SaveTable, &PrintingBinding::FreePathSaveTableClick},
                                       {f.SaveChart, &PrintingBinding::FreePathSaveChartClick},
                                       {s.SaveTable, &PrintingBinding::StudySaveTableClick},
                                       {s.SaveChart, &PrintingBinding::StudySaveChartClick},
                                   });
    SetExportTexts();
}

void PrintingBinding::Present(const Screen&, ScreenChanges&) {}

void PrintingBinding::PausedMeanwhile(const std::function<void()>& work) {
    const bool running = Core().Shown().Running;
    if (running) form_.Run().BitBtn6Click();
    work();
    if (running) form_.Run().BitBtn6Click();
}

void PrintingBinding::SetPrintService(std::unique_ptr<PrintService> service) {
    printService_ = std::move(service);
}

void PrintingBinding::PrintPage(const PageJob& job, const QString& note) {
    if (!printService_) printService_ = std::make_unique<PrintService>();
    PrintCallbacks callbacks;
    // The pupil learns where the page went.
    callbacks.ShowPrinted = [this, note](const QString& printer) {
        QString text = Tr(kPrintedMessage).arg(printer);
        if (!note.isEmpty()) text += QLatin1Char('\n') + note;
        ShowInformation(&form_, Tr(kPrintErrorTitle), text);
    };
    callbacks.ShowFailure = [this](const QString& message) {
        ShowError(&form_, Tr(kPrintErrorTitle), message);
    };
    callbacks.ChoosePdfFile = [this](const QString& suggested) {
        if (!AskYesNo(&form_, Tr(kPrintErrorTitle), Tr(kSaveQuestion))) return QString();
        QString path = AskSaveFileName(&form_, Tr(kPdfDialogTitle), suggested, Tr(kPdfFileFilter));
        if (!path.isEmpty() && !path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
            path += QStringLiteral(".pdf");
        }
        return path;
    };
    printService_->Print(job, callbacks);
}

void PrintingBinding::BitBtn19Click() {
    // The time spent printing counts as paused, and the run goes on as it was afterwards,
    // whether the page was printed, saved or dropped.
    PausedMeanwhile([this] { PrintScreen(); });
}

void PrintingBinding::PrintKey() {
    PausedMeanwhile([this] {
        if (!printService_) printService_ = std::make_unique<PrintService>();
        const std::optional<PrinterTarget> printer = printService_->DefaultPrinter();
        const QString question =
            printer ? Tr(kPrintKeyQuestion).arg(printer->Name) : Tr(kPrintKeyQuestionNoPrinter);
        if (AskYesNo(&form_, Tr(kPrintErrorTitle), question)) PrintScreen();
    });
}

void PrintingBinding::PrintScreen() {
    const SimulationState& s = form_.Sim().S;
    ScreenPrintInput input;
    input.Vmax = Core().Value(Setting::MaxSpeed);
    // Modes 1 and 2 redraw their vessel on white; the others print the screen's picture,
    // unless chosen otherwise on white too.
    const bool copied = s.SimulationMode != kModeDiffusion && s.SimulationMode != kModeFreePath;
    const bool white = copied && form_.Classroom().WhitePaper->isChecked();
    const QImage& front = form_.DrawingSurface().Front();
    input.Surface = white ? TonerLightCopy(front) : front;
    input.SurfaceSize = form_.View()->size();
    if (const std::optional<PageJob> job = SimulationScreenJob(s, input))
        PrintPage(*job, white ? Tr(kWhitePaperNote) : QString());
}

void PrintingBinding::BitBtn27Click() {
    // The page shows what the table holds now, drawn or not.
    form_.Sim().S.TableRows = GatherTable(ToCore(form_.FreePath().Cells.Texts()));
    const StudyTitle title{
        form_.Menu().ScrollBox3->findChild<QLabel*>(QStringLiteral("ScrollBox3Title"))->text(),
        Today()};
    StudiesBinding& tables = form_.Studies();
    PrintPage(TableAndChartJob(kTableRowCount, kHyperbola, tables.CurrentChartInput(),
                               tables.StudyHeadings(), title));
}

void PrintingBinding::BitBtn36Click() {
    StudiesBinding& tables = form_.Studies();
    if (!tables.GatherStudyTable()) return;
    ChartInput input = tables.CurrentChartInput();
    // The study's own quantity, whichever experiment ran last.
    const int studyMode = Core().Shown().StudyChartMode;
    if (studyMode != 0) input.SimulationMode = studyMode;
    const StudyTitle title{form_.StudyTable().Label101->text(), Today()};
    PrintPage(TableAndChartJob(kTableRowCount, form_.Sim().S.ChartKind, input,
                               tables.StudyHeadings(), title));
}
