// The two measurement tables: their cells, the check of every keystroke, and the charts drawn
// from them.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/CellRules.h"
#include "engine/Publisher.h"
#include "measure/CoreText.h"
#include "measure/DependencyChart.h"
#include "measure/Language.h"
#include "ui/CellHint.h"
#include "ui/ChartBox.h"
#include "ui/Classroom.h"
#include "ui/Messages.h"
#include "ui/StudiesBinding.h"
#include "ui/Widgets.h"
#include "ui/kinetra_u.h"

void StudiesBinding::ConnectTables() {
    for (const TableCells* table : {&form_.FreePath().Cells, &form_.StudyTable().Cells}) {
        for (QLineEdit* cell : table->cells) {
            QObject::connect(cell, &QLineEdit::textChanged, Context(),
                             [this, cell] { EditChange(cell); });
        }
    }
    for (ChartBox* box : {form_.FreePath().wykr, form_.StudyTable().PaintBox2}) {
        box->SetPaintHandler(
            [this](QWidget* sender, QPainter& painter) { wykrPaint(sender, painter); });
    }
}

void StudiesBinding::EditChange(QLineEdit* cell) {
    const char separator = DecimalSeparator();
    const std::string shown = ToCore(cell->text());
    const std::string text = NormalisedCellText(shown, separator);
    if (text != shown) {
        cell->setText(FromCore(text));  // back here with the text as meant
        return;
    }
    // A bad character inside the text takes the rest of the text with it, as if the check
    // ran again after every change until what is left passes; the settled text is written at
    // once, so that a long pasted text costs one change, not one per character. The note
    // beside the cell says why.
    const std::string checked = SettleCellText(text, separator);
    if (checked == text) return;
    if (const char* hint = CellHintFor(text, separator)) ShowCellHint(cell, Tr(hint));
    cell->setText(FromCore(checked));
}

ChartInput StudiesBinding::CurrentChartInput() const {
    ChartInput input;
    const SimulationState& s = form_.Sim().S;
    input.Rows = s.TableRows;
    input.SimulationMode = s.SimulationMode;
    input.ChartXCaption = s.ChartXCaption;
    // The options stand in the free-path pane only, yet they hold for both tables.
    input.ScaleFromZero = form_.Menu().CheckBox1->isChecked();
    input.DrawCurve = form_.Menu().CheckBox3->isChecked();
    return input;
}

void StudiesBinding::DrawChart(QWidget* box, ChartMemory& memory, int kind) {
    memory.Input = CurrentChartInput();
    memory.Kind = kind;
    box->update();
}

void StudiesBinding::BitBtn28Click() {
    // No check here: an empty table gives an empty chart.
    form_.Sim().S.TableRows = GatherTable(ToCore(form_.FreePath().Cells.Texts()));
    DrawChart(form_.FreePath().wykr, wykrChart_, kHyperbola);
}

bool StudiesBinding::GatherStudyTable() {
    const std::vector<std::string> cells = ToCore(form_.StudyTable().Cells.Texts());
    form_.Sim().S.TableRows = GatherTable(cells);
    if (FirstRowsReady(cells)) return true;
    ShowInformation(&form_, QString::fromUtf8(publisher::kProductTitle), Tr(kFillTableMessage));
    return false;
}

void StudiesBinding::BitBtn35Click() {
    if (!GatherStudyTable()) return;
    DrawChart(form_.StudyTable().PaintBox2, paintBox2Chart_, form_.Sim().S.ChartKind);
    const int studyMode = Core().Shown().StudyChartMode;
    if (studyMode != 0) paintBox2Chart_.Input.SimulationMode = studyMode;
}

void StudiesBinding::wykrPaint(QWidget* box, QPainter& painter) {
    // Each box shows its own last chart, whatever the other box or the table did since.
    const ChartMemory& memory = box == form_.FreePath().wykr ? wykrChart_ : paintBox2Chart_;
    DrawDependencyChart(painter, box->size(), kTableRowCount, memory.Kind, memory.Input);
}

void StudiesBinding::RepaintCharts() const {
    form_.FreePath().wykr->update();
    form_.StudyTable().PaintBox2->update();
}

bool StudiesBinding::GatherFreePathTable() {
    form_.Sim().S.TableRows = GatherTable(ToCore(form_.FreePath().Cells.Texts()));
    for (int i = 1; i <= kTableRowCount; ++i) {
        if (IsFilled(form_.Sim().S.TableRows[i])) return true;
    }
    ShowInformation(&form_, QString::fromUtf8(publisher::kProductTitle), Tr(kFillTableMessage));
    return false;
}

TableHeadings StudiesBinding::StudyHeadings() const {
    // A caption the study keeps hidden prints as an empty text.
    const auto heading = [](const QLabel* label) {
        return HeadingCaption{ToCore(label->text()), !label->isHidden()};
    };
    const StudyTablePanel& t = form_.StudyTable();
    return {heading(t.Label102), heading(t.Label105), heading(t.Label103),
            heading(t.Label104), heading(t.Label73),  heading(t.Label74)};
}

bool StudiesBinding::ClearTable(const TableCells& cells, QWidget* box, ChartMemory& memory) {
    namespace t = classroom_texts;
    if (!AskYesNo(&form_, Tr(t::kClearTable), Tr(t::kClearQuestion))) return false;
    for (QLineEdit* cell : cells.cells)
        cell->clear();
    // The chart of the numbers gone goes with them.
    memory.Input = ChartInput{};
    box->update();
    return true;
}

void StudiesBinding::ClearFreePathTableClick() {
    ClearTable(form_.FreePath().Cells, form_.FreePath().wykr, wykrChart_);
}

void StudiesBinding::ClearStudyTableClick() {
    ClearTable(form_.StudyTable().Cells, form_.StudyTable().PaintBox2, paintBox2Chart_);
}
