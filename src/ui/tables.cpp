// The two measurement tables: their cells, the check of every keystroke, and the charts drawn
// from them.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>

#include "engine/Publisher.h"
#include "measure/DependencyChart.h"
#include "measure/Table.h"
#include "ui/Widgets.h"
#include "ui/ChartBox.h"
#include "ui/MainMenu.h"
#include "ui/Messages.h"
#include "ui/Pictures.h"
#include "ui/StudyTexts.h"
#include "ui/kinetra_u.h"
#include "ui/CellHint.h"

namespace {

constexpr int kFreePathFirstCell = 1;
constexpr int kStudyFirstCell = 69;
constexpr int kCellsPerTable = 2 * kTableRowCount;



QPushButton* AddTableButton(QWidget* parent, const char* name, const QString& caption, QRect place,
                            const QPixmap& glyph = {}) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(ArialPixels(12, true));
    button->setGeometry(place);
    if (!glyph.isNull()) {
        button->setIcon(glyph);
        button->setIconSize(glyph.deviceIndependentSize().toSize());
    }
    return button;
}

// Seventeen numbered rows of an X cell and a Y cell: cells Edit<firstCell> and on, row r's
// X cell being Edit<firstCell + 2 (r - 1)>.
void AddTableRows(QWidget* parent, int firstCell, int numberX, int leftX, int rightX,
                  const std::function<int(int)>& rowTop) {
    const QFont font = ArialPixels(13);
    for (int r = 1; r <= kTableRowCount; ++r) {
        const int top = rowTop(r);
        auto* number = new QLabel(QString::number(r), parent);
        number->setObjectName(QStringLiteral("RowNumber%1").arg(firstCell + 2 * (r - 1)));
        number->setFont(ArialPixels(12));
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        number->setGeometry(numberX, top, leftX - 5 - numberX, 21);
        const std::pair<int, int> cells[] = {{leftX, 73}, {rightX, 169}};
        for (int c = 0; c < 2; ++c) {
            auto* cell = new QLineEdit(parent);
            cell->setObjectName(QStringLiteral("Edit%1").arg(firstCell + 2 * (r - 1) + c));
            cell->setFont(font);
            cell->setGeometry(cells[c].first, top, cells[c].second, 21);
        }
    }
}

QPlainTextEdit* AddMemo(QWidget* parent, const char* name, const QString& text, QRect place) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QLatin1String(name));
    memo->setReadOnly(true);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setFont(ArialPixels(12));
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setFocusPolicy(Qt::NoFocus);
    memo->viewport()->setCursor(Qt::ArrowCursor);
    QPalette pal = memo->palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    memo->setPalette(pal);
    memo->setPlainText(text);
    memo->setGeometry(place);
    return memo;
}

}  // namespace

void TForm1::SetUpTables() {
    BuildFreePathTable();
    BuildStudyPanel();

    for (int first : {kFreePathFirstCell, kStudyFirstCell}) {
        for (int k = first; k < first + kCellsPerTable; ++k) {
            auto* cell = Control<QLineEdit>(qPrintable(QStringLiteral("Edit%1").arg(k)));
            connect(cell, &QLineEdit::textChanged, this, [this, cell] { EditChange(cell); });
        }
    }
    for (const char* box : {"wykr", "PaintBox2"}) {
        Control<ChartBox>(box)->SetPaintHandler(
            [this](QWidget* sender, QPainter& painter) { wykrPaint(sender, painter); });
    }
    const std::pair<const char*, void (TForm1::*)()> buttons[] = {
        {"BitBtn28", &TForm1::BitBtn28Click}, {"BitBtn27", &TForm1::BitBtn27Click},
        {"BitBtn35", &TForm1::BitBtn35Click}, {"BitBtn36", &TForm1::BitBtn36Click},
        {"BitBtn40", &TForm1::BitBtn40Click}, {"Button1", &TForm1::Button1Click},
        {"Button2", &TForm1::Button2Click},   {"BitBtn13", &TForm1::BitBtn13Click},
        {"BitBtn39", &TForm1::BitBtn39Click}, {"BitBtn19", &TForm1::BitBtn19Click},
    };
    for (const auto& [name, handler] : buttons) {
        connect(Control<QPushButton>(name), &QPushButton::clicked, this, handler);
    }
}

void TForm1::BuildFreePathTable() {
    namespace area = free_path_area;
    QWidget* a = Control("FreePathTableArea");
    const QFont heading = ArialPixels(12, true);
    const int firstLine = area::kHeadingY;
    const int secondLine = area::kHeadingY + 16;
    AddLabel(a, QStringLiteral("FreePathHeadingX1"), QStringLiteral("Liczba"), heading,
            {area::kLeftCellX, firstLine});
    AddLabel(a, QStringLiteral("FreePathHeadingX2"), QStringLiteral("cząsteczek N"), heading,
            {area::kLeftCellX, secondLine});
    AddLabel(a, QStringLiteral("FreePathHeadingY1"), QStringLiteral("Średnia droga swobodna "),
            heading, {area::kRightCellX, firstLine});
    AddLabel(a, QStringLiteral("FreePathHeadingY2"), QStringLiteral("s [jedn.]"), heading,
            {area::kRightCellX, secondLine});
    AddTableRows(a, kFreePathFirstCell, area::kRowNumberX, area::kLeftCellX, area::kRightCellX,
                 [](int r) { return area::RowTop(r); });

    AddLabel(a, QStringLiteral("FreePathChartTitle1"),
            QStringLiteral("Wykres zależności średniej drogi swobodnej"), heading,
            {area::kChartTitleX, firstLine});
    AddLabel(a, QStringLiteral("FreePathChartTitle2"),
            QStringLiteral("od liczby cząsteczek w naczyniu"), heading,
            {area::kChartTitleX, secondLine});
    auto* chart = new ChartBox(a);
    chart->setObjectName(QStringLiteral("wykr"));
    chart->setFont(ArialPixels(11));
    chart->setGeometry(area::kChart);
    AddTableButton(a, "BitBtn28", study_texts::kDrawChart, area::kDrawButton);
    AddTableButton(a, "BitBtn27", study_texts::kPrintTable, area::kPrintButton);
}

void TForm1::BuildStudyPanel() {
    namespace t = study_texts;
    QWidget* panel = Control("Panel11");

    auto* pane = new QScrollArea(panel);
    pane->setObjectName(QStringLiteral("ScrollBox14"));
    pane->setGeometry(8, 8, 673, 664);
    pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pane->setFrameShape(QFrame::StyledPanel);
    pane->setFrameShadow(QFrame::Sunken);
    QPalette white = pane->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Base, Qt::white);
    pane->setPalette(white);
    auto* c = new QWidget;
    c->setObjectName(QStringLiteral("ScrollBox14Content"));
    c->setAutoFillBackground(true);
    c->setPalette(white);
    c->resize(673 - 2 * pane->frameWidth(), 664 - 2 * pane->frameWidth());
    pane->setWidget(c);

    AddLabel(c, QStringLiteral("Label101"), QString(), ArialPixels(16, true), {16, 12});
    const std::pair<const char*, const QString*> memos[] = {
        {"Memo75", &t::kMemo75}, {"Memo34", &t::kMemo34}, {"Memo33", &t::kMemo33},
        {"Memo32", &t::kMemo32}, {"Memo35", &t::kMemo35}, {"Memo36", &t::kMemo36},
        {"Memo37", &t::kMemo37}, {"Memo38", &t::kMemo38},
    };
    for (const auto& [name, text] : memos) {
        const int top = QLatin1String(name) == QLatin1String("Memo35") ? 48 : 40;
        AddMemo(c, name, *text, QRect(16, top, 617, 121))->setVisible(*text == t::kMemo75);
    }

    // The y heading reads as one line: quantity, multiplier, raised exponent, unit.
    const QFont heading = ArialPixels(11, true);
    AddLabel(c, QStringLiteral("Label102"), t::kDefaultX1, heading, {24, 180});
    AddLabel(c, QStringLiteral("Label105"), t::kDefaultX2, heading, {24, 196});
    AddLabel(c, QStringLiteral("Label103"), t::kDefaultY, heading, {120, 196});
    AddLabel(c, QStringLiteral("Label104"), t::kMultiplier, heading, {200, 196});
    AddLabel(c, QStringLiteral("Label73"), t::kExponent, ArialPixels(9, true), {224, 188});
    AddLabel(c, QStringLiteral("Label74"), t::kUnit, heading, {240, 196});
    AddTableRows(c, kStudyFirstCell, 4, 32, 112, [](int r) { return 220 + 24 * (r - 1); });

    const QFont chartTitle = ArialPixels(12, true);
    AddLabel(c, QStringLiteral("Label115"), t::kDefaultChart1, chartTitle, {336, 180});
    AddLabel(c, QStringLiteral("Label116"), t::kDefaultChart2, chartTitle, {336, 196});
    auto* chart = new ChartBox(c);
    chart->setObjectName(QStringLiteral("PaintBox2"));
    chart->setFont(ArialPixels(11));
    chart->setGeometry(320, 220, 318, 225);
    AddTableButton(c, "BitBtn35", t::kDrawChart, QRect(320, 452, 168, 26));
    AddTableButton(c, "BitBtn36", t::kPrintTable, QRect(496, 452, 142, 26))
        ->setFont(ArialPixels(11, true));
    AddTableButton(c, "BitBtn40", t::kRunSimulation, QRect(320, 484, 318, 33), RunGlyph());
    AddMemo(c, "Memo78", t::kMemo78, QRect(316, 526, 326, 40));

    auto* hide = new QPushButton(t::kHideTable, panel);
    hide->setObjectName(QStringLiteral("Button1"));
    hide->setFont(ArialPixels(11));
    hide->setGeometry(576, 680, 97, 25);
}

QStringList TForm1::CellTexts(int firstCell) const {
    QStringList texts;
    for (int k = firstCell; k < firstCell + kCellsPerTable; ++k) {
        texts << Control<QLineEdit>(qPrintable(QStringLiteral("Edit%1").arg(k)))->text();
    }
    return texts;
}

void TForm1::EditChange(QLineEdit* cell) {
    const QString text = NormalisedCellText(cell->text());
    if (text != cell->text()) {
        cell->setText(text);  // back here with the text as meant
        return;
    }
    // Writing a different text changes the cell again and brings us back here, so a bad
    // character typed inside the text takes the rest of the text with it, one character at a
    // time, until what is left passes. The note under the cell says why.
    const QString checked = ValidateCellText(text);
    if (checked == text) return;
    ShowCellHint(cell, CellHintFor(text));
    cell->setText(checked);
}

ChartInput TForm1::CurrentChartInput() const {
    ChartInput input;
    input.Rows = sim_->S.TableRows;
    input.SimulationMode = sim_->S.SimulationMode;
    input.ChartXCaption = sim_->S.ChartXCaption;
    // The options stand in the free-path pane only, yet they hold for both tables.
    input.ScaleFromZero = Control<QCheckBox>("CheckBox1")->isChecked();
    input.DrawCurve = Control<QCheckBox>("CheckBox3")->isChecked();
    return input;
}

void TForm1::DrawChart(const char* box, ChartMemory& memory, int kind) {
    memory.Input = CurrentChartInput();
    memory.Kind = kind;
    Control(box)->update();
}

void TForm1::BitBtn28Click() {
    // No check here: an empty table gives an empty chart.
    GatherTable(CellTexts(kFreePathFirstCell), sim_->S);
    DrawChart("wykr", wykrChart_, kHyperbola);
}

void TForm1::BitBtn35Click() {
    const QStringList cells = CellTexts(kStudyFirstCell);
    GatherTable(cells, sim_->S);
    if (!FirstRowsReady(cells)) {
        ShowInformation(this, QString::fromUtf8(publisher::kProductTitle), kFillTableMessage);
        return;
    }
    DrawChart("PaintBox2", paintBox2Chart_, sim_->S.ChartKind);
}

void TForm1::wykrPaint(QWidget* box, QPainter& painter) {
    // Each box shows its own last chart, whatever the other box or the table did since.
    const ChartMemory& memory =
        box->objectName() == QLatin1String("wykr") ? wykrChart_ : paintBox2Chart_;
    DrawDependencyChart(painter, box->size(), kTableRowCount, memory.Kind, memory.Input);
}
