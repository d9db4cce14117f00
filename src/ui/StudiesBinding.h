#pragma once

#include "core/ChartMath.h"
#include "measure/PrintPages.h"
#include "ui/Binding.h"

class QLineEdit;
class QPainter;
class QWidget;
struct TableCells;

// The two measurement tables, their cells and the charts drawn from them, and the eight studies
// of how the pressure and the temperature depend on one quantity: the texts a chosen study
// writes, and its table panel over the running experiment.
class StudiesBinding final : public Binding {
  public:
    explicit StudiesBinding(TForm1& form);

    void Present(const Screen& screen, ScreenChanges& changes) override;
    // The study's texts in the new language; the chart drawn from its table stays.
    void Retranslate();
    void RepaintCharts() const;

    void BitBtn13Click();  // "Uruchom symulację", temperature studies: run, then the table
    void BitBtn39Click();  // "Uruchom symulację", pressure studies: run, then the table
    void BitBtn28Click();  // "Rysuj wykres", free-path table
    void BitBtn35Click();  // "Rysuj wykres", dependency table
    void Button1Click();   // "Ukryj panel"
    void Button2Click();   // "Pokaż tabelę pomiarów"
    void BitBtn40Click();  // "Uruchom symulację" in the table panel
    void ClearFreePathTableClick();
    void ClearStudyTableClick();
    // Every cell of both tables.
    void EditChange(QLineEdit* cell);
    // Both chart boxes.
    void wykrPaint(QWidget* box, QPainter& painter);

    // For printing and saving: the tables gathered, false with a message while the rows a chart
    // needs are not filled.
    bool GatherStudyTable();
    bool GatherFreePathTable();
    ChartInput CurrentChartInput() const;
    TableHeadings StudyHeadings() const;

  private:
    // What a chart box drew last, so that a repaint shows the same chart.
    struct ChartMemory {
        ChartInput Input;
        int Kind = 0;
    };
    void ConnectTables();
    void WriteStudyTexts(int study);
    void DrawChart(QWidget* box, ChartMemory& memory, int kind);
    // After a yes to the question: empty cells and an empty chart. False on a no.
    bool ClearTable(const TableCells& cells, QWidget* box, ChartMemory& memory);

    ChartMemory wykrChart_{{}, kHyperbola};
    ChartMemory paintBox2Chart_;
    uint32_t studyChoices_ = 0;  // the study choices whose texts are shown
};
