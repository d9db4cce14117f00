#pragma once

#include <QStringList>
#include <array>

class BevelPanel;
class ChartBox;
class ClickLabel;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSlider;
class QWidget;
class SpinEdit;

// The controls the main window's handlers use, by panel. Each builder creates its panel's
// controls, gives every one its object name and fills in its struct; the window keeps the
// structs and never looks a control up by name. Members carry the object names of their
// controls.

// The row of tool buttons over the surface.
class ModelChoice;

struct ToolButtons {
    QPushButton* BitBtn7 = nullptr;   // restart
    QPushButton* BitBtn6 = nullptr;   // pause / resume
    QPushButton* BitBtn18 = nullptr;  // parameters
    QPushButton* BitBtn19 = nullptr;  // print
    QPushButton* BitBtn1 = nullptr;   // back to the menu

    // Beside the row: the picture saved as a file.
    QPushButton* SavePicture = nullptr;
};

// The initial-conditions panel Panel2.
struct InitialConditionsPanel {
    BevelPanel* Panel2 = nullptr;
    QLabel* Image12 = nullptr;  // the topic's icon
    SpinEdit* SpinEdit1 = nullptr;
    SpinEdit* SpinEdit2 = nullptr;
    SpinEdit* SpinEdit3 = nullptr;
    SpinEdit* SpinEdit4 = nullptr;
    QLabel* Label50 = nullptr;  // caption of SpinEdit6
    SpinEdit* SpinEdit6 = nullptr;
    QPushButton* BitBtn3 = nullptr;   // "Start"
    QPushButton* BitBtn25 = nullptr;  // "Zamknij", over Start
    ModelChoice* Model = nullptr;     // gas model and histogram, under the title
    static constexpr int kSizeChoices = 9;
    // RadioButton1 .. RadioButton9, the particle sizes.
    QRadioButton* RadioButton(int n) const { return radioButtons[static_cast<size_t>(n - 1)]; }
    std::array<QRadioButton*, kSizeChoices> radioButtons{};
};

// The experiment panel Panel8: four track bars, each under its caption.
struct ExperimentControls {
    BevelPanel* Panel8 = nullptr;
    QLabel* Label49 = nullptr;         // over TrackBar1, the particle count
    QLabel* Label59 = nullptr;         // over TrackBar2, the mean speed
    QLabel* Label60 = nullptr;         // over TrackBar3, the mass
    QLabel* Label61 = nullptr;         // over TrackBar4, the vessel's side
    ModelChoice* Model = nullptr;      // gas model and histogram, on a small panel below
    ModelChoice* HeatModel = nullptr;  // gas model on the heat-transport screen
    static constexpr int kTrackBars = 4;
    // TrackBar1 .. TrackBar4.
    QSlider* TrackBar(int n) const { return trackBars[static_cast<size_t>(n - 1)]; }
    std::array<QSlider*, kTrackBars> trackBars{};
};

// The main menu Panel1 with its topic panels, their exercise links and panes.
struct MainMenuControls {
    BevelPanel* Panel1 = nullptr;
    // Menu buttons.
    QPushButton* BitBtn8 = nullptr;       // "Dyfuzja"
    QPushButton* BitBtn11 = nullptr;      // "Droga swobodna"
    QPushButton* BitBtn9 = nullptr;       // "Zderzenia ze ściankami naczynia"
    QPushButton* BitBtn12 = nullptr;      // "Temperatura"
    QPushButton* BitBtn16 = nullptr;      // "Ciśnienie"
    QPushButton* BitBtn17 = nullptr;      // "Transport ciepła"
    QPushButton* BitBtn26 = nullptr;      // "O jednostkach"
    QPushButton* BitBtn10 = nullptr;      // "Inne programy"
    QPushButton* BitBtn4 = nullptr;       // "Informacje"
    QPushButton* BitBtn2 = nullptr;       // "Wyjście"
    QComboBox* LanguageChoice = nullptr;  // "Polski", "English", ...

    // Diffusion.
    BevelPanel* Panel3 = nullptr;
    QLabel* Image3 = nullptr;
    ClickLabel* Label11 = nullptr;
    ClickLabel* Label13 = nullptr;
    QScrollArea* ScrollBox1 = nullptr;  // illustration
    QPushButton* BitBtn5 = nullptr;
    // Image15 .. Image20: the key guide's pictures, stored empty.
    std::array<QLabel*, 6> DiffusionKeyPictures{};
    QScrollArea* ScrollBox2 = nullptr;  // with the concentration chart
    QPushButton* BitBtn21 = nullptr;

    // Free path.
    BevelPanel* Panel4 = nullptr;
    QLabel* Image21 = nullptr;
    ClickLabel* Label20 = nullptr;
    ClickLabel* Label22 = nullptr;
    ClickLabel* Label23 = nullptr;      // second line of Label22
    QScrollArea* ScrollBox4 = nullptr;  // illustration
    QPushButton* BitBtn24 = nullptr;
    // Image36 .. Image41: the key guide's pictures.
    std::array<QLabel*, 6> FreePathKeyPictures{};
    QScrollArea* ScrollBox3 = nullptr;  // study with its table
    QPushButton* BitBtn23 = nullptr;    // "Ustal parametry początkowe"
    QPushButton* BitBtn20 = nullptr;
    QWidget* FreePathTableArea = nullptr;
    QPushButton* BitBtn29 = nullptr;
    QCheckBox* CheckBox1 = nullptr;  // "Skaluj wykres od zera"
    QCheckBox* CheckBox2 = nullptr;  // stop after the chosen collisions
    QCheckBox* CheckBox3 = nullptr;  // "Rysuj krzywą "

    // Collisions with the walls.
    BevelPanel* Panel6 = nullptr;
    QLabel* Image22 = nullptr;
    ClickLabel* Label26 = nullptr;
    QScrollArea* ScrollBox6 = nullptr;
    QPushButton* BitBtn30 = nullptr;

    // Temperature.
    BevelPanel* Panel7 = nullptr;
    ClickLabel* Label46 = nullptr;
    ClickLabel* Label47 = nullptr;
    ClickLabel* Label65 = nullptr;
    ClickLabel* Label75 = nullptr;
    ClickLabel* Label76 = nullptr;
    QScrollArea* ScrollBox8 = nullptr;
    QPushButton* BitBtn32 = nullptr;
    QScrollArea* ScrollBox5 = nullptr;  // the chosen study
    QLabel* Label43 = nullptr;
    QPlainTextEdit* Memo24 = nullptr;
    QPushButton* BitBtn13 = nullptr;

    // Pressure.
    BevelPanel* Panel9 = nullptr;
    ClickLabel* Label64 = nullptr;
    ClickLabel* Label97 = nullptr;
    ClickLabel* Label98 = nullptr;
    ClickLabel* Label99 = nullptr;
    ClickLabel* Label100 = nullptr;
    QScrollArea* ScrollBox10 = nullptr;
    QPushButton* BitBtn15 = nullptr;
    QScrollArea* ScrollBox13 = nullptr;  // the chosen study
    QLabel* Label72 = nullptr;
    QPlainTextEdit* Memo72 = nullptr;
    QPushButton* BitBtn39 = nullptr;

    // Heat transport.
    BevelPanel* Panel10 = nullptr;
    ClickLabel* Label69 = nullptr;
    QScrollArea* ScrollBox12 = nullptr;
    QPushButton* BitBtn34 = nullptr;
};

// The 34 cells of a table, Edit<First> .. Edit<First + 33>; row r's X cell is
// Edit<First + 2 (r - 1)>, its Y cell the next.
struct TableCells {
    static constexpr int kCount = 34;
    int First = 1;
    QLineEdit* Edit(int n) const { return cells[static_cast<size_t>(n - First)]; }
    QStringList Texts() const;
    std::array<QLineEdit*, kCount> cells{};
};

// The measurement table of the free-path study, inside the pane ScrollBox3.
struct FreePathTable {
    TableCells Cells;  // Edit1 .. Edit34
    ChartBox* wykr = nullptr;
    QPushButton* BitBtn28 = nullptr;  // "Rysuj wykres"
    QPushButton* BitBtn27 = nullptr;  // "Drukuj tabelę i wykres"
    // Column headings, each in two lines.
    QLabel* HeadingX1 = nullptr;
    QLabel* HeadingX2 = nullptr;
    QLabel* HeadingY1 = nullptr;
    QLabel* HeadingY2 = nullptr;
    // Below the pane's table area: the table and the chart saved as files.
    QPushButton* SaveTable = nullptr;
    QPushButton* SaveChart = nullptr;
};

// The table panel Panel11 of the dependency studies, and its button Button2.
struct StudyTablePanel {
    QPushButton* Button2 = nullptr;  // "Pokaż tabelę pomiarów"
    BevelPanel* Panel11 = nullptr;
    QScrollArea* ScrollBox14 = nullptr;
    QLabel* Label101 = nullptr;  // the study's name
    // One instruction per study; the study shows its own.
    QPlainTextEdit* Memo75 = nullptr;
    QPlainTextEdit* Memo34 = nullptr;
    QPlainTextEdit* Memo33 = nullptr;
    QPlainTextEdit* Memo32 = nullptr;
    QPlainTextEdit* Memo35 = nullptr;
    QPlainTextEdit* Memo36 = nullptr;
    QPlainTextEdit* Memo37 = nullptr;
    QPlainTextEdit* Memo38 = nullptr;
    // Column headings: x in two lines, y as quantity, multiplier, raised exponent and unit.
    QLabel* Label102 = nullptr;
    QLabel* Label105 = nullptr;
    QLabel* Label103 = nullptr;
    QLabel* Label104 = nullptr;
    QLabel* Label73 = nullptr;
    QLabel* Label74 = nullptr;
    TableCells Cells;            // Edit69 .. Edit102
    QLabel* Label115 = nullptr;  // chart title, two lines
    QLabel* Label116 = nullptr;
    ChartBox* PaintBox2 = nullptr;
    QPushButton* BitBtn35 = nullptr;  // "Rysuj wykres"
    QPushButton* BitBtn36 = nullptr;  // "Drukuj tabelę i wykres"
    QPushButton* BitBtn40 = nullptr;  // "Uruchom symulację"
    QPlainTextEdit* Memo78 = nullptr;
    QLabel* ExactNote = nullptr;     // what the exact model teaches, while it runs
    QPushButton* Button1 = nullptr;  // "Ukryj panel"
    // Under Memo78: the table and the chart saved as files.
    QPushButton* SaveTable = nullptr;
    QPushButton* SaveChart = nullptr;

    std::array<QPlainTextEdit*, 8> InstructionMemos() const {
        return {Memo75, Memo34, Memo33, Memo32, Memo35, Memo36, Memo37, Memo38};
    }
};
