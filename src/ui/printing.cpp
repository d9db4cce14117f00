// Printing: the picture of the running simulation and the two tables with their charts. A page
// the printer does not take is offered to be saved as a PDF file instead.
#include <QLabel>
#include <QPushButton>

#include "display/SurfaceView.h"
#include "engine/Publisher.h"
#include "measure/Language.h"
#include "measure/Table.h"
#include "ui/Messages.h"
#include "ui/SpinEdit.h"
#include "ui/Widgets.h"
#include "ui/kinetra_u.h"

namespace {

const QString kSaveQuestion =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Czy zapisać tę stronę jako plik PDF?"));

}  // namespace

void TForm1::ConnectPrinting() {
    ConnectClicks({
        {tools_.BitBtn19, &TForm1::BitBtn19Click},
        {freePathTable_.BitBtn27, &TForm1::BitBtn27Click},
        {studyTable_.BitBtn36, &TForm1::BitBtn36Click},
    });
}

void TForm1::SetPrintService(std::unique_ptr<PrintService> service) {
    printService_ = std::move(service);
}

void TForm1::PrintPage(const PageJob& job) {
    if (!printService_) printService_ = std::make_unique<PrintService>();
    PrintCallbacks callbacks;
    callbacks.ShowFailure = [this](const QString& message) {
        ShowError(this, Tr(kPrintErrorTitle), message);
    };
    callbacks.ChoosePdfFile = [this](const QString& suggested) {
        if (!AskYesNo(this, Tr(kPrintErrorTitle), Tr(kSaveQuestion))) return QString();
        QString path = AskSaveFileName(this, Tr(kPdfDialogTitle), suggested, Tr(kPdfFileFilter));
        if (!path.isEmpty() && !path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
            path += QStringLiteral(".pdf");
        }
        return path;
    };
    printService_->Print(job, callbacks);
}

void TForm1::BitBtn19Click() {
    // The time spent printing counts as paused, and the run goes on as it was afterwards,
    // whether the page was printed, saved or dropped.
    const bool running = DXTimer1.Enabled();
    if (running) BitBtn6Click();
    ScreenPrintInput input;
    input.Vmax = conditions_.SpinEdit4->Value();
    input.Surface = surface_.Front();
    input.SurfaceSize = DXDraw->size();
    if (const std::optional<PageJob> job = SimulationScreenJob(sim_->S, input)) PrintPage(*job);
    if (running) BitBtn6Click();
}

TableHeadings TForm1::StudyHeadings() const {
    // A caption the study keeps hidden prints as an empty text.
    const auto heading = [](const QLabel* label) {
        return HeadingCaption{label->text(), !label->isHidden()};
    };
    const StudyTablePanel& t = studyTable_;
    return {heading(t.Label102), heading(t.Label105), heading(t.Label103),
            heading(t.Label104), heading(t.Label73),  heading(t.Label74)};
}

void TForm1::BitBtn27Click() {
    // The page shows what the table holds now, drawn or not.
    GatherTable(freePathTable_.Cells.Texts(), sim_->S);
    PrintPage(TableAndChartJob(kTableRowCount, kHyperbola, CurrentChartInput(), StudyHeadings()));
}

void TForm1::BitBtn36Click() {
    if (!GatherStudyTable()) return;
    PrintPage(
        TableAndChartJob(kTableRowCount, sim_->S.ChartKind, CurrentChartInput(), StudyHeadings()));
}
