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
#include "ui/PrintingBinding.h"
#include "ui/StudiesBinding.h"
#include "ui/kinetra_u.h"

void PrintingBinding::SetExportTexts() {
    namespace t = export_texts;
    form_.Tools().SavePicture->setToolTip(t::SavePictureHint());
    for (QPushButton* button : {form_.FreePath().SaveTable, form_.StudyTable().SaveTable}) {
        button->setText(t::SaveTableCaption());
        button->setToolTip(t::SaveTableHint());
    }
    for (QPushButton* button : {form_.FreePath().SaveChart, form_.StudyTable().SaveChart}) {
        button->setText(t::SaveChartCaption());
        button->setToolTip(t::SaveChartHint());
    }
}

void PrintingBinding::SaveAs(
    const QString& title, const QString& name, const QString& filter,
    const std::function<bool(const QString& path, QIODevice& out)>& write) {
    const QString suggested = exportFolder_.isEmpty() ? name : exportFolder_ + u'/' + name;
    const QString path = AskSaveFileName(&form_, title, suggested, filter);
    if (path.isEmpty()) return;
    exportFolder_ = QFileInfo(path).absolutePath();
    const SaveResult result = SaveFile(path, [&](QIODevice& out) { return write(path, out); });
    if (!result.Ok) {
        ShowError(&form_, export_texts::SaveErrorTitle(),
                  export_texts::SaveFailed(path, result.Reason));
    }
}

void PrintingBinding::SavePictureClick() {
    // The picture of this moment; the dialog's time counts as paused, as printing's does.
    const QImage picture = form_.DrawingSurface().Front();
    PausedMeanwhile([this, &picture] {
        namespace t = export_texts;
        SaveAs(t::PictureDialogTitle(), t::PictureFileName(), t::PictureFilter(),
               [&picture](const QString&, QIODevice& out) { return WritePng(picture, out); });
    });
}

void PrintingBinding::SaveTableFile(const std::string& xHeading, const std::string& yHeading) {
    TableFile table;
    table.XHeading = xHeading;
    table.YHeading = yHeading;
    table.Rows = form_.Sim().S.TableRows;
    const std::string bytes = TableCsv(table);
    namespace t = export_texts;
    SaveAs(t::TableDialogTitle(), t::TableFileName(), t::TableFilter(),
           [&bytes](const QString&, QIODevice& out) { return WriteBytes(bytes, out); });
}

void PrintingBinding::SaveChartFile(int kind) {
    // The chart as it prints, from the rows just gathered.
    const ChartInput input = form_.Studies().CurrentChartInput();
    namespace t = export_texts;
    SaveAs(t::ChartDialogTitle(), t::ChartFileName(), t::ChartFilter(),
           [&input, kind](const QString& path, QIODevice& out) {
               if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
                   return WriteChartPdf(kTableRowCount, kind, input, out);
               }
               return WritePng(RenderChartImage(kTableRowCount, kind, input), out);
           });
}

void PrintingBinding::FreePathSaveTableClick() {
    if (!form_.Studies().GatherFreePathTable()) return;
    const FreePathTable& f = form_.FreePath();
    SaveTableFile(OneLineHeading(ToCore({f.HeadingX1->text(), f.HeadingX2->text()})),
                  OneLineHeading(ToCore({f.HeadingY1->text(), f.HeadingY2->text()})));
}

void PrintingBinding::FreePathSaveChartClick() {
    if (!form_.Studies().GatherFreePathTable()) return;
    SaveChartFile(kHyperbola);
}

void PrintingBinding::StudySaveTableClick() {
    // The same check as drawing and printing the chart.
    if (!form_.Studies().GatherStudyTable()) return;
    const TableHeadings headings = form_.Studies().StudyHeadings();
    SaveTableFile(OneLineHeading({headings.Label102.Shown(), headings.Label105.Shown()}),
                  StudyYHeading(headings));
}

void PrintingBinding::StudySaveChartClick() {
    if (!form_.Studies().GatherStudyTable()) return;
    SaveChartFile(form_.Sim().S.ChartKind);
}
