// Saving to files: the two tables as CSV for a spreadsheet, their charts as a PNG picture or a
// PDF page drawn as on paper, and the picture of the running simulation as PNG.
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include "core/TableCsv.h"
#include "engine/Publisher.h"
#include "measure/CoreText.h"
#include "measure/Export.h"
#include "ui/ExportTexts.h"
#include "ui/Messages.h"
#include "ui/kinetra_u.h"

void TForm1::ConnectExporting() {
    ConnectClicks({
        {tools_.SavePicture, &TForm1::SavePictureClick},
        {freePathTable_.SaveTable, &TForm1::FreePathSaveTableClick},
        {freePathTable_.SaveChart, &TForm1::FreePathSaveChartClick},
        {studyTable_.SaveTable, &TForm1::StudySaveTableClick},
        {studyTable_.SaveChart, &TForm1::StudySaveChartClick},
    });
    SetExportTexts();
}

void TForm1::SetExportTexts() {
    namespace t = export_texts;
    tools_.SavePicture->setToolTip(t::SavePictureHint());
    for (QPushButton* button : {freePathTable_.SaveTable, studyTable_.SaveTable}) {
        button->setText(t::SaveTableCaption());
        button->setToolTip(t::SaveTableHint());
    }
    for (QPushButton* button : {freePathTable_.SaveChart, studyTable_.SaveChart}) {
        button->setText(t::SaveChartCaption());
        button->setToolTip(t::SaveChartHint());
    }
}

void TForm1::SaveAs(const QString& title, const QString& name, const QString& filter,
                    const std::function<bool(const QString& path, QIODevice& out)>& write) {
    const QString suggested = exportFolder_.isEmpty() ? name : exportFolder_ + u'/' + name;
    const QString path = AskSaveFileName(this, title, suggested, filter);
    if (path.isEmpty()) return;
    exportFolder_ = QFileInfo(path).absolutePath();
    const SaveResult result = SaveFile(path, [&](QIODevice& out) { return write(path, out); });
    if (!result.Ok) {
        ShowError(this, export_texts::SaveErrorTitle(),
                  export_texts::SaveFailed(path, result.Reason));
    }
}

void TForm1::SavePictureClick() {
    // The picture of this moment; the dialog's time counts as paused, as printing's does.
    const QImage picture = surface_.Front();
    const bool running = DXTimer1.Enabled();
    if (running) BitBtn6Click();
    namespace t = export_texts;
    SaveAs(t::PictureDialogTitle(), t::PictureFileName(), t::PictureFilter(),
           [&picture](const QString&, QIODevice& out) { return WritePng(picture, out); });
    if (running) BitBtn6Click();
}

bool TForm1::GatherFreePathTable() {
    sim_->S.TableRows = GatherTable(ToCore(freePathTable_.Cells.Texts()));
    for (int i = 1; i <= kTableRowCount; ++i) {
        if (IsFilled(sim_->S.TableRows[i])) return true;
    }
    ShowInformation(this, QString::fromUtf8(publisher::kProductTitle), Tr(kFillTableMessage));
    return false;
}

void TForm1::SaveTableFile(const std::string& xHeading, const std::string& yHeading) {
    TableFile table;
    table.XHeading = xHeading;
    table.YHeading = yHeading;
    table.Rows = sim_->S.TableRows;
    const std::string bytes = TableCsv(table);
    namespace t = export_texts;
    SaveAs(t::TableDialogTitle(), t::TableFileName(), t::TableFilter(),
           [&bytes](const QString&, QIODevice& out) { return WriteBytes(bytes, out); });
}

void TForm1::SaveChartFile(int kind) {
    // The chart as it prints, from the rows just gathered.
    const ChartInput input = CurrentChartInput();
    namespace t = export_texts;
    SaveAs(t::ChartDialogTitle(), t::ChartFileName(), t::ChartFilter(),
           [&input, kind](const QString& path, QIODevice& out) {
               if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
                   return WriteChartPdf(kTableRowCount, kind, input, out);
               }
               return WritePng(RenderChartImage(kTableRowCount, kind, input), out);
           });
}

void TForm1::FreePathSaveTableClick() {
    if (!GatherFreePathTable()) return;
    const FreePathTable& f = freePathTable_;
    SaveTableFile(OneLineHeading(ToCore({f.HeadingX1->text(), f.HeadingX2->text()})),
                  OneLineHeading(ToCore({f.HeadingY1->text(), f.HeadingY2->text()})));
}

void TForm1::FreePathSaveChartClick() {
    if (!GatherFreePathTable()) return;
    SaveChartFile(kHyperbola);
}

void TForm1::StudySaveTableClick() {
    // The same check as drawing and printing the chart.
    if (!GatherStudyTable()) return;
    const TableHeadings headings = StudyHeadings();
    SaveTableFile(OneLineHeading({headings.Label102.Shown(), headings.Label105.Shown()}),
                  StudyYHeading(headings));
}

void TForm1::StudySaveChartClick() {
    if (!GatherStudyTable()) return;
    SaveChartFile(sim_->S.ChartKind);
}
