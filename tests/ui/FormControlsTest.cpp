// The typed controls the panel builders hand to the window: every member is the control of its
// name, the numbered accessors count from 1, and the shared helpers draw and behave alike
// wherever they are used.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "ui/ChartBox.h"
#include "ui/MainMenu.h"
#include "ui/Panels.h"
#include "ui/SpinEdit.h"
#include "ui/Widgets.h"

namespace {

using Named = std::vector<std::pair<const QObject*, const char*>>;

// Each member is a distinct control carrying the name it is declared under.
void ExpectNamed(const Named& members) {
    std::set<const QObject*> seen;
    for (const auto& [object, name] : members) {
        SCOPED_TRACE(name);
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(object->objectName(), QLatin1String(name));
        EXPECT_TRUE(seen.insert(object).second) << "two members hold one control";
    }
}

class Builders : public ::testing::Test {
  protected:
    void SetUp() override { stage = std::make_unique<QWidget>(); }
    std::unique_ptr<QWidget> stage;
};

}  // namespace

TEST_F(Builders, ToolButtonsAndPanelsOverTheSurface) {
    const ToolButtons t = BuildToolButtons(stage.get());
    ExpectNamed({{t.BitBtn7, "BitBtn7"},
                 {t.BitBtn6, "BitBtn6"},
                 {t.BitBtn18, "BitBtn18"},
                 {t.BitBtn19, "BitBtn19"},
                 {t.BitBtn1, "BitBtn1"}});

    const InitialConditionsPanel c = BuildInitialConditionsPanel(stage.get());
    ExpectNamed({{c.Panel2, "Panel2"},
                 {c.Image12, "Image12"},
                 {c.SpinEdit1, "SpinEdit1"},
                 {c.SpinEdit2, "SpinEdit2"},
                 {c.SpinEdit3, "SpinEdit3"},
                 {c.SpinEdit4, "SpinEdit4"},
                 {c.Label50, "Label50"},
                 {c.SpinEdit6, "SpinEdit6"},
                 {c.BitBtn3, "BitBtn3"},
                 {c.BitBtn25, "BitBtn25"}});
    for (int n = 1; n <= InitialConditionsPanel::kSizeChoices; ++n)
        EXPECT_EQ(c.RadioButton(n)->objectName(), QStringLiteral("RadioButton%1").arg(n));
    // The eighth size, 15, is the one chosen at start.
    EXPECT_TRUE(c.RadioButton(8)->isChecked());
    EXPECT_EQ(c.RadioButton(8)->text(), QStringLiteral("15"));

    const ExperimentControls e = BuildExperimentPanel(stage.get());
    ExpectNamed({{e.Panel8, "Panel8"},
                 {e.Label49, "Label49"},
                 {e.Label59, "Label59"},
                 {e.Label60, "Label60"},
                 {e.Label61, "Label61"}});
    for (int n = 1; n <= ExperimentControls::kTrackBars; ++n)
        EXPECT_EQ(e.TrackBar(n)->objectName(), QStringLiteral("TrackBar%1").arg(n));
    // The vessel's side is the only bar stepping by 50 from 400.
    EXPECT_EQ(e.TrackBar(4)->minimum(), 400);
    EXPECT_EQ(e.TrackBar(4)->pageStep(), 50);
}

TEST_F(Builders, TablesNumberTheirCellsFromTheirFirstCell) {
    const MainMenuControls menu = BuildMainMenu(stage.get());
    StudyTablePanel study = BuildTablePanel(stage.get());
    const FreePathTable freePath = BuildFreePathTable(menu.FreePathTableArea);
    BuildStudyPanel(study);

    ExpectNamed({{freePath.wykr, "wykr"},         {freePath.BitBtn28, "BitBtn28"},
                 {freePath.BitBtn27, "BitBtn27"}, {study.Button2, "Button2"},
                 {study.Panel11, "Panel11"},      {study.ScrollBox14, "ScrollBox14"},
                 {study.Label101, "Label101"},    {study.Memo75, "Memo75"},
                 {study.Memo34, "Memo34"},        {study.Memo33, "Memo33"},
                 {study.Memo32, "Memo32"},        {study.Memo35, "Memo35"},
                 {study.Memo36, "Memo36"},        {study.Memo37, "Memo37"},
                 {study.Memo38, "Memo38"},        {study.Label102, "Label102"},
                 {study.Label105, "Label105"},    {study.Label103, "Label103"},
                 {study.Label104, "Label104"},    {study.Label73, "Label73"},
                 {study.Label74, "Label74"},      {study.Label115, "Label115"},
                 {study.Label116, "Label116"},    {study.PaintBox2, "PaintBox2"},
                 {study.BitBtn35, "BitBtn35"},    {study.BitBtn36, "BitBtn36"},
                 {study.BitBtn40, "BitBtn40"},    {study.Memo78, "Memo78"},
                 {study.Button1, "Button1"}});
    // The table of the free path sits in the menu's pane, the study's in Panel11.
    EXPECT_TRUE(menu.ScrollBox3->isAncestorOf(freePath.wykr));
    EXPECT_TRUE(study.Panel11->isAncestorOf(study.PaintBox2));

    for (const TableCells* cells :
         {&freePath.Cells, static_cast<const TableCells*>(&study.Cells)}) {
        SCOPED_TRACE(cells->First);
        for (int n = cells->First; n < cells->First + TableCells::kCount; ++n) {
            ASSERT_NE(cells->Edit(n), nullptr);
            EXPECT_EQ(cells->Edit(n)->objectName(), QStringLiteral("Edit%1").arg(n));
            cells->Edit(n)->setText(QString::number(n));
        }
        // Texts run row by row, X before Y, as the table gathers them.
        const QStringList texts = cells->Texts();
        ASSERT_EQ(texts.size(), TableCells::kCount);
        for (int k = 0; k < TableCells::kCount; ++k)
            EXPECT_EQ(texts[k], QString::number(cells->First + k));
        // Row 2's X cell stands under row 1's, its Y cell beside it.
        const QLineEdit* x1 = cells->Edit(cells->First);
        const QLineEdit* x2 = cells->Edit(cells->First + 2);
        const QLineEdit* y2 = cells->Edit(cells->First + 3);
        EXPECT_EQ(x2->x(), x1->x());
        EXPECT_GT(x2->y(), x1->y());
        EXPECT_EQ(y2->y(), x2->y());
        EXPECT_GT(y2->x(), x2->x());
    }
    EXPECT_EQ(freePath.Cells.First, 1);
    EXPECT_EQ(study.Cells.First, 69);
}

TEST_F(Builders, MainMenuMembersAreTheirControls) {
    const MainMenuControls m = BuildMainMenu(stage.get());
    ExpectNamed({
        {m.Panel1, "Panel1"},         {m.BitBtn8, "BitBtn8"},
        {m.BitBtn11, "BitBtn11"},     {m.BitBtn9, "BitBtn9"},
        {m.BitBtn12, "BitBtn12"},     {m.BitBtn16, "BitBtn16"},
        {m.BitBtn17, "BitBtn17"},     {m.BitBtn26, "BitBtn26"},
        {m.BitBtn10, "BitBtn10"},     {m.BitBtn4, "BitBtn4"},
        {m.BitBtn2, "BitBtn2"},       {m.Panel3, "Panel3"},
        {m.Image3, "Image3"},         {m.Label11, "Label11"},
        {m.Label13, "Label13"},       {m.ScrollBox1, "ScrollBox1"},
        {m.BitBtn5, "BitBtn5"},       {m.ScrollBox2, "ScrollBox2"},
        {m.BitBtn21, "BitBtn21"},     {m.Panel4, "Panel4"},
        {m.Image21, "Image21"},       {m.Label20, "Label20"},
        {m.Label22, "Label22"},       {m.Label23, "Label23"},
        {m.ScrollBox4, "ScrollBox4"}, {m.BitBtn24, "BitBtn24"},
        {m.ScrollBox3, "ScrollBox3"}, {m.BitBtn23, "BitBtn23"},
        {m.BitBtn20, "BitBtn20"},     {m.FreePathTableArea, "FreePathTableArea"},
        {m.BitBtn29, "BitBtn29"},     {m.CheckBox1, "CheckBox1"},
        {m.CheckBox2, "CheckBox2"},   {m.CheckBox3, "CheckBox3"},
        {m.Panel6, "Panel6"},         {m.Image22, "Image22"},
        {m.Label26, "Label26"},       {m.ScrollBox6, "ScrollBox6"},
        {m.BitBtn30, "BitBtn30"},     {m.Panel7, "Panel7"},
        {m.Label46, "Label46"},       {m.Label47, "Label47"},
        {m.Label65, "Label65"},       {m.Label75, "Label75"},
        {m.Label76, "Label76"},       {m.ScrollBox8, "ScrollBox8"},
        {m.BitBtn32, "BitBtn32"},     {m.ScrollBox5, "ScrollBox5"},
        {m.Label43, "Label43"},       {m.Memo24, "Memo24"},
        {m.BitBtn13, "BitBtn13"},     {m.Panel9, "Panel9"},
        {m.Label64, "Label64"},       {m.Label97, "Label97"},
        {m.Label98, "Label98"},       {m.Label99, "Label99"},
        {m.Label100, "Label100"},     {m.ScrollBox10, "ScrollBox10"},
        {m.BitBtn15, "BitBtn15"},     {m.ScrollBox13, "ScrollBox13"},
        {m.Label72, "Label72"},       {m.Memo72, "Memo72"},
        {m.BitBtn39, "BitBtn39"},     {m.Panel10, "Panel10"},
        {m.Label69, "Label69"},       {m.ScrollBox12, "ScrollBox12"},
        {m.BitBtn34, "BitBtn34"},
    });
    // The two key guides, picture by picture: restart, parameters, panel, pause, print, exit.
    for (int k = 0; k < 6; ++k) {
        const size_t i = static_cast<size_t>(k);
        ASSERT_NE(m.DiffusionKeyPictures[i], nullptr);
        ASSERT_NE(m.FreePathKeyPictures[i], nullptr);
        EXPECT_EQ(m.DiffusionKeyPictures[i]->objectName(), QStringLiteral("Image%1").arg(15 + k));
        EXPECT_EQ(m.FreePathKeyPictures[i]->objectName(), QStringLiteral("Image%1").arg(36 + k));
    }
}

TEST(BevelPanel, OuterAndInnerBevelsOverTheFace) {
    const auto grab = [](const BevelLook& look) {
        QWidget stage;
        auto* panel = new BevelPanel(&stage, look);
        panel->setGeometry(0, 0, 40, 30);
        const QImage image = panel->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(image.size(), QSize(40, 30));
        return image;
    };
    const auto at = [](const QImage& image, int x, int y) {
        return image.pixel(x, y) | 0xFF000000u;
    };

    const BevelLook classic = ClassicBevel();
    const QImage grey = grab(classic);
    EXPECT_EQ(at(grey, 0, 0), QColor(Qt::white).rgb());
    // The bevels' right and bottom edges stand one pixel inside the panel's, on the face.
    EXPECT_EQ(at(grey, 38, 28), qRgb(64, 64, 64));
    EXPECT_EQ(at(grey, 39, 10), qRgb(212, 208, 200));
    EXPECT_EQ(at(grey, 2, 10), qRgb(128, 128, 128));  // inner, two pixels in
    EXPECT_EQ(at(grey, 36, 10), QColor(Qt::white).rgb());
    EXPECT_EQ(at(grey, 1, 10), qRgb(212, 208, 200));  // face between the bevels
    EXPECT_EQ(at(grey, 20, 15), qRgb(212, 208, 200));

    // A menu panel: its own colour lightened and darkened, `border` pixels of face between.
    const QColor blue(17, 99, 142);
    const BevelLook menu = FaceBevel(blue, 5);
    EXPECT_EQ(menu.Inset, 6);
    const QImage image = grab(menu);
    EXPECT_EQ(at(image, 10, 0), QColor(blue.lighter(160)).rgb());
    EXPECT_EQ(at(image, 38, 10), QColor(blue.darker(210)).rgb());
    EXPECT_EQ(at(image, 6, 10), QColor(blue.darker(210)).rgb());
    EXPECT_EQ(at(image, 32, 10), QColor(blue.lighter(160)).rgb());
    for (int x = 1; x <= 5; ++x)
        EXPECT_EQ(at(image, x, 15), blue.rgb()) << x;
}

TEST(Memo, StyleFitAndWheel) {
    QScrollArea pane;
    pane.resize(300, 100);
    auto* content = new QWidget;
    content->resize(280, 600);
    pane.setWidget(content);

    MemoStyle style;
    style.Font = ArialPixels(12);
    style.Ground = QColor(236, 240, 244);
    style.VerticalBar = Qt::ScrollBarAsNeeded;
    const QString oneLine = QStringLiteral("Jedna linia");
    QPlainTextEdit* shortMemo =
        AddMemo(content, QStringLiteral("Short"), oneLine, QRect(0, 0, 260, 0), style);
    QPlainTextEdit* longMemo =
        AddMemo(content, QStringLiteral("Long"),
                oneLine + QStringLiteral("\n") + oneLine + QStringLiteral("\n") + oneLine,
                QRect(0, 100, 260, 0));
    EXPECT_EQ(shortMemo->objectName(), QStringLiteral("Short"));
    EXPECT_EQ(shortMemo->font().pixelSize(), 12);
    EXPECT_EQ(shortMemo->palette().color(QPalette::Base), style.Ground);
    EXPECT_EQ(shortMemo->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    EXPECT_TRUE(shortMemo->isReadOnly());
    // The default: 11 pixels on white, never a scroll bar of its own.
    EXPECT_EQ(longMemo->font().pixelSize(), 11);
    EXPECT_EQ(longMemo->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(longMemo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    // A height of 0 fits the text: three lines need more than one, a given height stays.
    EXPECT_GT(longMemo->height(), 2 * MemoHeight(oneLine, ArialPixels(11), 260) - 2 * kMemoMargin);
    EXPECT_EQ(AddMemo(content, QStringLiteral("Fixed"), oneLine, QRect(0, 200, 260, 77))->height(),
              77);

    // A memo that shows all of its text scrolls the pane it stands in.
    pane.show();
    QApplication::processEvents();
    ASSERT_GT(pane.verticalScrollBar()->maximum(), 0);
    const int before = pane.verticalScrollBar()->value();
    QWheelEvent wheel(QPointF(5, 5), shortMemo->mapToGlobal(QPointF(5, 5)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(shortMemo->viewport(), &wheel);
    EXPECT_GT(pane.verticalScrollBar()->value(), before);
}

TEST(AddButton, CaptionFontPlaceAndGlyph) {
    QWidget parent;
    QPixmap glyph(16, 12);
    glyph.fill(Qt::red);
    QPushButton* withGlyph = AddButton(&parent, QStringLiteral("B1"), QStringLiteral("Rysuj"),
                                       QRect(3, 4, 120, 30), glyph);
    QPushButton* plain =
        AddButton(&parent, QStringLiteral("B2"), QStringLiteral("Drukuj"), QRect(5, 6, 80, 20));
    EXPECT_EQ(withGlyph->objectName(), QStringLiteral("B1"));
    EXPECT_EQ(withGlyph->text(), QStringLiteral("Rysuj"));
    EXPECT_EQ(withGlyph->geometry(), QRect(3, 4, 120, 30));
    EXPECT_EQ(withGlyph->font().pixelSize(), 12);
    EXPECT_TRUE(withGlyph->font().bold());
    EXPECT_FALSE(withGlyph->icon().isNull());
    EXPECT_EQ(withGlyph->iconSize(), QSize(16, 12));
    EXPECT_TRUE(plain->icon().isNull());
    EXPECT_EQ(plain->geometry(), QRect(5, 6, 80, 20));
}
