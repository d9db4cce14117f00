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
#include "ui/SpinEdit.h"
#include "ui/Widgets.h"
#include "ui/kinetra_u.h"

namespace {

const QString kSaveQuestion =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Czy zapisać tę stronę jako plik PDF?"));
const QString kWhitePaperNote = QStringLiteral(
    QT_TRANSLATE_NOOP("kinetra",
                      "Obraz ekranu wydrukowano na białym tle. Można to zmienić w menu głównym, "
                      "w grupie „Widok” (pole „druk na białym tle”)."));
// The date on a table's page, written as the language writes dates.
const QString kDateFormat = QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "dd.MM.yyyy"));

QString Today() {
    return QDate::currentDate().toString(Tr(kDateFormat));
}

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

void TForm1::PrintPage(const PageJob& job, const QString& note) {
    if (!printService_) printService_ = std::make_unique<PrintService>();
    PrintCallbacks callbacks;
    // The pupil learns where the page went.
    callbacks.ShowPrinted = [this, note](const QString& printer) {
        QString text = Tr(kPrintedMessage).arg(printer);
        if (!note.isEmpty()) text += QLatin1Char('\n') + note;
        ShowInformation(this, Tr(kPrintErrorTitle), text);
    };
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
    // Modes 1 and 2 redraw their vessel on white; the others print the screen's picture,
    // unless chosen otherwise on white too.
    const bool copied =
        sim_->S.SimulationMode != kModeDiffusion && sim_->S.SimulationMode != kModeFreePath;
    const bool white = copied && classroom_.WhitePaper->isChecked();
    input.Surface = white ? TonerLightCopy(surface_.Front()) : surface_.Front();
    input.SurfaceSize = DXDraw->size();
    if (const std::optional<PageJob> job = SimulationScreenJob(sim_->S, input))
        PrintPage(*job, white ? Tr(kWhitePaperNote) : QString());
    if (running) BitBtn6Click();
}

TableHeadings TForm1::StudyHeadings() const {
    // A caption the study keeps hidden prints as an empty text.
    const auto heading = [](const QLabel* label) {
        return HeadingCaption{ToCore(label->text()), !label->isHidden()};
    };
    const StudyTablePanel& t = studyTable_;
    return {heading(t.Label102), heading(t.Label105), heading(t.Label103),
            heading(t.Label104), heading(t.Label73),  heading(t.Label74)};
}

void TForm1::BitBtn27Click() {
    // The page shows what the table holds now, drawn or not.
    sim_->S.TableRows = GatherTable(ToCore(freePathTable_.Cells.Texts()));
    const StudyTitle title{
        menu_.ScrollBox3->findChild<QLabel*>(QStringLiteral("ScrollBox3Title"))->text(), Today()};
    PrintPage(
        TableAndChartJob(kTableRowCount, kHyperbola, CurrentChartInput(), StudyHeadings(), title));
}

void TForm1::BitBtn36Click() {
    if (!GatherStudyTable()) return;
    ChartInput input = CurrentChartInput();
    // The study's own quantity, whichever experiment ran last.
    if (studyChartMode_ != 0) input.SimulationMode = studyChartMode_;
    const StudyTitle title{studyTable_.Label101->text(), Today()};
    PrintPage(TableAndChartJob(kTableRowCount, sim_->S.ChartKind, input, StudyHeadings(), title));
}
