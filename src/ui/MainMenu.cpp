#include "ui/MainMenu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <array>
#include <tuple>
#include <vector>

#include "core/Languages.h"
#include "core/MenuTexts.h"
#include "measure/CoreText.h"
#include "ui/Pictures.h"
#include "ui/Retranslate.h"
#include "ui/Widgets.h"

namespace {

const QColor kMenuColour(17, 99, 142);
// The topic pages are lighter than the menu so that their black text reads well.
const QColor kTopicColour(214, 228, 240);
const QColor kPaneColour(Qt::white);

constexpr QRect kMenuRect{8, 8, 993, 713};
constexpr QRect kTopicRect{280, 144, 689, 545};
constexpr int kPaneX = 12;
constexpr int kPaneWidth = 665;
constexpr int kLeft = 16;  // left edge of a pane's text column
constexpr int kColumnWidth = 608;

QFont MemoFont() {
    return ArialPixels(11);
}

// A panel of the menu: a bevel of its own colour, `border` pixels of face between the bevels.
BevelPanel* AddMenuPanel(QWidget* parent, const QColor& face, int border) {
    auto* panel = new BevelPanel(parent, FaceBevel(face, border));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    return panel;
}

QLabel* AddPicture(QWidget* parent, const QString& name, const QPixmap& picture, QRect place) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(place);
    if (!picture.isNull()) label->setPixmap(picture);
    return label;
}

// Width a memo needs to show each of its lines unbroken.
int MemoWidth(const QString& text) {
    const QFontMetrics metrics(MemoFont());
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest + 2 * kMemoMargin + 6;
}

int MemoHeightForLines(int lines) {
    return lines * QFontMetrics(MemoFont()).lineSpacing() + 2 * kMemoMargin + 2;
}

// A borderless read-only memo in the menu's font; a height of 0 fits the memo to its text.
QPlainTextEdit* AddMemo(QWidget* parent, const QString& name, const QString& text, QRect place,
                        const QColor& ground) {
    MemoStyle style;
    style.Font = MemoFont();
    style.Ground = ground;
    return AddMemo(parent, name, text, place, style);
}

QPushButton* AddRunButton(QWidget* parent, const QString& name, const QString& caption, int y) {
    const int width = caption == texts::kRunSimulation ? 200 : 140;
    return AddButton(parent, name, caption, QRect(kLeft, y, width, 33), RunGlyph());
}

int Bottom(const QWidget* w) {
    return w->geometry().bottom() + 1;
}

// ---- panes -------------------------------------------------------------------------------

struct Pane {
    QScrollArea* area;
    QWidget* content;
    int width;  // usable width of the content, with room for the vertical scroll bar
};

Pane AddPane(QWidget* topic, const QString& name, int top) {
    auto* area = new QScrollArea(topic);
    area->setObjectName(name);
    area->setGeometry(kPaneX, top, kPaneWidth, kTopicRect.height() - 10 - top);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setWidgetResizable(false);
    area->setFrameShape(QFrame::StyledPanel);
    area->setFrameShadow(QFrame::Sunken);
    QPalette pal = area->palette();
    pal.setColor(QPalette::Window, kPaneColour);
    pal.setColor(QPalette::Base, kPaneColour);
    area->setPalette(pal);
    area->viewport()->setAutoFillBackground(true);

    auto* content = new QWidget;
    content->setObjectName(name + QStringLiteral("Content"));
    content->setAutoFillBackground(true);
    content->setPalette(pal);
    const int scrollBar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
    const int width = kPaneWidth - 2 * area->frameWidth() - scrollBar;
    content->resize(width, 10);
    area->setWidget(content);
    area->hide();
    return {area, content, width};
}

// Ends a pane's content just below its lowest control.
void FinishPane(const Pane& pane, int bottom) {
    pane.content->resize(pane.width, bottom + 16);
}

QLabel* AddPaneTitle(const Pane& pane, const QString& name, const QString& text) {
    auto* title = new QLabel(text, pane.content);
    title->setObjectName(name);
    title->setFont(ArialPixels(16, true));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    title->setGeometry(0, 12, pane.width, QFontMetrics(title->font()).height() + 2);
    return title;
}

struct KeyGuideNames {
    QString restart, parameters, panel, pause, print, exit;
};

// The guide to the tool buttons of a running simulation.
struct KeyGuide {
    int bottom;
    std::array<QLabel*, 6> pictures;  // restart, parameters, panel, pause, print, exit
};

KeyGuide AddKeyGuide(QWidget* content, int top, const QString& prefix, const QString& heading,
                     const QString& parametersOpening, const KeyGuideNames& images, bool pictures) {
    KeyGuide guide{};
    const QFont text = ArialPixels(12);
    AddLabel(content, prefix + QStringLiteral("KeyHeading"), heading, ArialPixels(13, true),
             {kLeft, top});
    auto picture = [&](const QString& name, const QPixmap& pixmap, int y) {
        return AddPicture(content, name, pictures ? pixmap : QPixmap(),
                          QRect(QPoint(24, y), pictures::kKeyButtonSize));
    };
    constexpr int kTextX = 76;
    int y = top + 28;

    guide.pictures[0] = picture(images.restart, KeyButtonPicture(QStringLiteral("BitBtn7")), y);
    AddLabel(content, prefix + QStringLiteral("KeyRestart1"), texts::kKeyRestartLine1, text,
             {kTextX, y + 1});
    AddLabel(content, prefix + QStringLiteral("KeyRestart2"), texts::kKeyRestartLine2, text,
             {kTextX, y + 17});
    y += 33 + 12;

    guide.pictures[1] = picture(images.parameters, KeyButtonPicture(QStringLiteral("BitBtn18")), y);
    auto* memo = AddMemo(content, prefix + QStringLiteral("KeyParameters"),
                         parametersOpening + texts::kKeyParametersRest,
                         QRect(kTextX - kMemoMargin, y - 2, 292, 0), kPaneColour);
    // Two texts in one memo: each is translated on its own.
    memo->setProperty(kTextPartsProperty,
                      QStringList{parametersOpening, texts::kKeyParametersRest});
    auto* panel =
        AddPicture(content, images.panel, pictures ? InitialConditionsPicture() : QPixmap(),
                   QRect(QPoint(376, y), pictures::kPanelMiniSize));
    panel->setProperty(kPanelPictureProperty, true);
    guide.pictures[2] = panel;
    y = std::max(Bottom(memo), Bottom(panel)) + 12;

    const std::pair<const char*, QString> rows[] = {
        {"BitBtn6", texts::kKeyPause},
        {"BitBtn19", texts::kKeyPrint},
        {"BitBtn1", texts::kKeyExit},
    };
    const QString* names[] = {&images.pause, &images.print, &images.exit};
    const char* suffixes[] = {"KeyPause", "KeyPrint", "KeyExit"};
    for (int i = 0; i < 3; ++i) {
        guide.pictures[static_cast<size_t>(3 + i)] =
            picture(*names[i], KeyButtonPicture(QLatin1String(rows[i].first)), y);
        AddLabel(content, prefix + QLatin1String(suffixes[i]), rows[i].second, text,
                 {kTextX, y + 9});
        y += 33 + 8;
    }
    guide.bottom = y;
    return guide;
}

KeyGuideNames OwnKeyGuideNames(const QString& prefix) {
    return {prefix + QStringLiteral("KeyRestartPicture"),
            prefix + QStringLiteral("KeyParametersPicture"),
            prefix + QStringLiteral("KeyPanelPicture"),
            prefix + QStringLiteral("KeyPausePicture"),
            prefix + QStringLiteral("KeyPrintPicture"),
            prefix + QStringLiteral("KeyExitPicture")};
}

// A picture with a narrow memo beside it.
int AddPictureWithMemo(QWidget* content, const QString& pictureName, const QPixmap& pixmap,
                       QPoint at, const QString& memoName, const QString& memoText, int memoWidth) {
    auto* picture = AddPicture(content, pictureName, pixmap,
                               QRect(at, pixmap.deviceIndependentSize().toSize()));
    auto* memo = AddMemo(
        content, memoName, memoText,
        QRect(Bottom(picture) > 0 ? picture->geometry().right() + 6 : at.x(), at.y(), memoWidth, 0),
        kPaneColour);
    return std::max(Bottom(picture), Bottom(memo));
}

void BuildDiffusionPane(QWidget* topic, int top, MainMenuControls& m) {
    const Pane pane = AddPane(topic, QStringLiteral("ScrollBox1"), top);
    m.ScrollBox1 = pane.area;
    QWidget* c = pane.content;
    AddPaneTitle(pane, QStringLiteral("ScrollBox1Title"), texts::kDiffusionPaneTitle);
    int y = 48;
    AddPicture(c, QStringLiteral("Image13"), UnmixedVesselPicture(),
               QRect(QPoint(kLeft, y), pictures::kVesselSize));
    auto* before = AddMemo(c, QStringLiteral("Memo3"), texts::kMemo3,
                           QRect(kLeft + 183 + 4, y - 2, MemoWidth(texts::kMemo3), 0), kPaneColour);
    auto* mixed =
        AddPicture(c, QStringLiteral("Image14"), MixedVesselPicture(),
                   QRect(QPoint(before->geometry().right() + 8, y), pictures::kVesselSize));
    AddMemo(c, QStringLiteral("Memo4"), texts::kMemo4,
            QRect(mixed->geometry().right() + 5, y - 2, MemoWidth(texts::kMemo4), 0), kPaneColour);
    y += pictures::kVesselSize.height() + 14;
    auto* run = AddRunButton(c, QStringLiteral("BitBtn5"), texts::kRunSimulation, y);
    m.BitBtn5 = run;
    // Stored empty: the topic button fills these pictures from the free-path pane's guide.
    const KeyGuide guide = AddKeyGuide(
        c, Bottom(run) + 18, QStringLiteral("ScrollBox1"), texts::kKeyHeading,
        texts::kKeyParametersOpeningPlain,
        {QStringLiteral("Image15"), QStringLiteral("Image16"), QStringLiteral("Image17"),
         QStringLiteral("Image18"), QStringLiteral("Image19"), QStringLiteral("Image20")},
        false);
    m.DiffusionKeyPictures = guide.pictures;
    FinishPane(pane, guide.bottom);
}

void BuildDiffusionChartPane(QWidget* topic, int top, MainMenuControls& m) {
    const Pane pane = AddPane(topic, QStringLiteral("ScrollBox2"), top);
    m.ScrollBox2 = pane.area;
    QWidget* c = pane.content;
    AddPaneTitle(pane, QStringLiteral("ScrollBox2Title"), texts::kDiffusionChartPaneTitle);
    auto* intro = AddMemo(c, QStringLiteral("Memo20"), texts::kMemo20,
                          QRect(kLeft - kMemoMargin, 44, kColumnWidth, 0), kPaneColour);
    auto* questions =
        AddMemo(c, QStringLiteral("Memo22"), texts::kMemo22,
                QRect(kLeft - kMemoMargin, Bottom(intro) + 4, kColumnWidth, 0), kPaneColour);
    auto* run = AddRunButton(c, QStringLiteral("BitBtn21"), texts::kRun, Bottom(questions) + 10);
    m.BitBtn21 = run;
    const int y = AddKeyGuide(c, Bottom(run) + 18, QStringLiteral("ScrollBox2"),
                              texts::kKeyHeadingNoAccents, texts::kKeyParametersOpeningPlain,
                              OwnKeyGuideNames(QStringLiteral("ScrollBox2")), true)
                      .bottom;
    auto* second = AddRunButton(c, QStringLiteral("BitBtn22"), texts::kRun, y + 4);
    FinishPane(pane, Bottom(second));
}

void BuildFreePathIllustrationPane(QWidget* topic, int top, MainMenuControls& m) {
    const Pane pane = AddPane(topic, QStringLiteral("ScrollBox4"), top);
    m.ScrollBox4 = pane.area;
    QWidget* c = pane.content;
    AddPaneTitle(pane, QStringLiteral("ScrollBox4Title"), texts::kFreePathPaneTitle);
    const int x = kLeft + pictures::kFreePathSize.width() + 10;
    int y = AddPictureWithMemo(c, QStringLiteral("Image34"), FreePathPicture(), {kLeft, 48},
                               QStringLiteral("Memo23"), texts::kMemo23, pane.width - x - 4);
    auto* run = AddRunButton(c, QStringLiteral("BitBtn24"), texts::kRunSimulation, y + 12);
    m.BitBtn24 = run;
    const KeyGuide guide = AddKeyGuide(
        c, Bottom(run) + 18, QStringLiteral("ScrollBox4"), texts::kKeyHeading,
        texts::kKeyParametersOpening,
        {QStringLiteral("Image36"), QStringLiteral("Image37"), QStringLiteral("Image38"),
         QStringLiteral("Image39"), QStringLiteral("Image40"), QStringLiteral("Image41")},
        true);
    m.FreePathKeyPictures = guide.pictures;
    FinishPane(pane, guide.bottom);
}

void BuildFreePathStudyPane(QWidget* topic, int top, MainMenuControls& m) {
    namespace area = free_path_area;
    const Pane pane = AddPane(topic, QStringLiteral("ScrollBox3"), top);
    m.ScrollBox3 = pane.area;
    QWidget* c = pane.content;
    auto* title = AddPaneTitle(pane, QStringLiteral("ScrollBox3Title"), texts::kFreePathStudyTitle);
    const QRect column(kLeft - kMemoMargin, 0, kColumnWidth, 0);
    auto* goal = AddMemo(c, QStringLiteral("Memo11"), texts::kMemo11,
                         column.translated(0, Bottom(title) + 8), kPaneColour);
    // Each step's button stands at the right of its instruction.
    const int buttonX = 436;
    const QRect step(kLeft - kMemoMargin, 0, buttonX - kLeft - 6, 0);
    auto* first = AddMemo(c, QStringLiteral("Memo19"), texts::kMemo19,
                          step.translated(0, Bottom(goal) + 4), kPaneColour);
    m.BitBtn23 =
        AddButton(c, QStringLiteral("BitBtn23"), texts::kSetInitialConditions,
                  QRect(buttonX, first->y() + 4, 204, 33), ToolGlyph(QStringLiteral("BitBtn18")));
    auto* second = AddMemo(c, QStringLiteral("Memo21"), texts::kMemo21,
                           step.translated(0, Bottom(first) + 4), kPaneColour);
    m.BitBtn20 = AddButton(c, QStringLiteral("BitBtn20"), texts::kRunSimulation,
                           QRect(buttonX, second->y() + 4, 204, 33), RunGlyph());
    auto* third = AddMemo(c, QStringLiteral("Memo18"), texts::kMemo18,
                          column.translated(0, Bottom(second) + 4), kPaneColour);
    Q_ASSERT(Bottom(third) <= area::kAreaTop);

    auto* tableArea = new QWidget(c);
    tableArea->setObjectName(QStringLiteral("FreePathTableArea"));
    tableArea->setGeometry(0, area::kAreaTop, pane.width, area::kAreaHeight);
    m.FreePathTableArea = tableArea;
    m.BitBtn29 = AddButton(tableArea, QStringLiteral("BitBtn29"), texts::kRunSimulation,
                           area::kRunButton, RunGlyph());

    auto* options = AddMenuPanel(tableArea, QColor(236, 240, 244), 0);
    options->setObjectName(QStringLiteral("Panel5"));
    options->setGeometry(area::kOptions);
    AddLabel(options, QStringLiteral("Panel5Caption"), texts::kOptions, ArialPixels(12, true),
             {10, 6});
    const std::tuple<const char*, QString, QCheckBox**> boxes[] = {
        {"CheckBox1", texts::kScaleFromZero, &m.CheckBox1},
        {"CheckBox2", texts::kStopAfterCollisions, &m.CheckBox2},
        {"CheckBox3", texts::kDrawCurve, &m.CheckBox3},
    };
    int y = 26;
    for (const auto& [name, caption, member] : boxes) {
        auto* box = new QCheckBox(caption, options);
        *member = box;
        box->setObjectName(QLatin1String(name));
        box->setFont(ArialPixels(11));
        box->setChecked(true);
        box->setGeometry(10, y, area::kOptions.width() - 20, 20);
        y += 22;
    }
    FinishPane(pane, Bottom(tableArea) - 8);
}

void BuildWallCollisionPane(QWidget* topic, int top, MainMenuControls& m) {
    const Pane pane = AddPane(topic, QStringLiteral("ScrollBox6"), top);
    m.ScrollBox6 = pane.area;
    QWidget* c = pane.content;
    auto* title = AddPaneTitle(pane, QStringLiteral("ScrollBox6Title"), texts::kWallPaneTitle);
    const QRect column(kLeft - kMemoMargin, 0, kColumnWidth, 0);
    auto* how = AddMemo(c, QStringLiteral("Memo44"), texts::kMemo44,
                        column.translated(0, Bottom(title) + 8), kPaneColour);
    auto* run = AddRunButton(c, QStringLiteral("BitBtn30"), texts::kRun, Bottom(how) + 8);
    m.BitBtn30 = run;
    auto* questions = AddMemo(c, QStringLiteral("Memo45"), texts::kMemo45,
                              column.translated(0, Bottom(run) + 12), kPaneColour);
    FinishPane(pane, Bottom(questions));
}

// A first exercise of the temperature or pressure topic: description, run button, questions.
// Returns the pane and its run button.
std::pair<QScrollArea*, QPushButton*> BuildGaugePane(
    QWidget* topic, int top, const QString& name, const QString& title,
    const QString& descriptionName, const QString& description, const QString& runName,
    const QString& questionsName, const QString& questions) {
    const Pane pane = AddPane(topic, name, top);
    QWidget* c = pane.content;
    auto* heading = AddPaneTitle(pane, name + QStringLiteral("Title"), title);
    const QRect column(kLeft - kMemoMargin, 0, kColumnWidth, 0);
    auto* text = AddMemo(c, descriptionName, description, column.translated(0, Bottom(heading) + 8),
                         kPaneColour);
    auto* run = AddRunButton(c, runName, texts::kRun, Bottom(text) + 8);
    auto* asked =
        AddMemo(c, questionsName, questions, column.translated(0, Bottom(run) + 12), kPaneColour);
    FinishPane(pane, Bottom(asked));
    return {pane.area, run};
}

// The pane of the dependency studies: the chosen study sets its title and description.
struct StudyPane {
    QScrollArea* area;
    QLabel* title;
    QPlainTextEdit* description;
    QPushButton* run;
};

StudyPane BuildStudyPane(QWidget* topic, int top, const QString& name, const QString& titleName,
                         const QString& descriptionName, const QString& runMemoName,
                         const QString& runName) {
    const Pane pane = AddPane(topic, name, top);
    QWidget* c = pane.content;
    auto* title = AddPaneTitle(pane, titleName, QString());
    const QRect column(kLeft - kMemoMargin, 0, kColumnWidth, 0);
    // Room for the longest description a study writes here.
    auto* description =
        AddMemo(c, descriptionName, QString(),
                QRect(kLeft - kMemoMargin, 44, kColumnWidth, MemoHeightForLines(4)), kPaneColour);
    auto* runText = AddMemo(c, runMemoName, texts::kRunSimulationMemo,
                            column.translated(0, Bottom(description) + 4), kPaneColour);
    auto* run = AddRunButton(c, runName, texts::kRunSimulation, Bottom(runText) + 6);
    FinishPane(pane, Bottom(run));
    return {pane.area, title, description, run};
}

void BuildHeatPane(QWidget* topic, int top, MainMenuControls& m) {
    const Pane pane = AddPane(topic, QStringLiteral("ScrollBox12"), top);
    m.ScrollBox12 = pane.area;
    QWidget* c = pane.content;
    auto* title = AddPaneTitle(pane, QStringLiteral("ScrollBox12Title"), texts::kHeatPaneTitle);
    auto* text =
        AddMemo(c, QStringLiteral("Memo71"), texts::kMemo71,
                QRect(kLeft - kMemoMargin, Bottom(title) + 8, kColumnWidth, 0), kPaneColour);
    auto* run = AddRunButton(c, QStringLiteral("BitBtn34"), texts::kRun, Bottom(text) + 8);
    m.BitBtn34 = run;
    FinishPane(pane, Bottom(run));
}

// ---- topic panels ------------------------------------------------------------------------

struct Link {
    const char* name;
    QString caption;
    ClickLabel** member;
    bool continuation = false;  // second line of the link above it
};

// A topic panel's fixed part: its icon and the top of the room left for its panes.
struct Topic {
    QLabel* icon;
    int top;
};

Topic BuildTopic(QWidget* topic, const QString& iconName, const QString& title,
                 const QString& memoName, const QString& memo, const std::vector<Link>& links) {
    auto* icon = AddPicture(topic, iconName, TopicIcon(topic->objectName()),
                            QRect(QPoint(24, 16), pictures::kGlyphSize));
    AddLabel(topic, topic->objectName() + QStringLiteral("Title"), title, ArialPixels(16, true),
             {56, 20});
    auto* intro = AddMemo(topic, memoName, memo, QRect(20, 50, 649, 0), kTopicColour);
    auto* heading =
        AddLabel(topic, topic->objectName() + QStringLiteral("Exercises"), texts::kExercises,
                 ArialPixels(13, true, true), {24, Bottom(intro) + 6});
    int y = Bottom(heading) + 4;
    int x = 40;
    const QFont linkFont = ArialPixels(12, false, true, true);
    for (const Link& link : links) {
        auto* label = new ClickLabel(link.caption, topic);
        *link.member = label;
        label->setObjectName(QLatin1String(link.name));
        label->setFont(linkFont);
        label->setCursor(Qt::PointingHandCursor);
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(pal);
        // Room around the text for the keyboard's focus mark, one pixel less below, where the
        // next link's room begins; the text stays where it was.
        constexpr int kMarkRoom = 2;
        label->setContentsMargins(kMarkRoom, kMarkRoom, kMarkRoom, kMarkRoom - 1);
        label->adjustSize();
        // A continuation line starts under the text of the first line, past its number.
        const int indent =
            link.continuation ? QFontMetrics(linkFont).horizontalAdvance(QStringLiteral("2. ")) : 0;
        label->move(x + indent - kMarkRoom, y - kMarkRoom);
        y = Bottom(label) - (kMarkRoom - 1) + 3;
    }
    return {icon, y + 6};
}

BevelPanel* AddTopicPanel(QWidget* menu, const QString& name) {
    auto* panel = AddMenuPanel(menu, kTopicColour, 1);
    panel->setObjectName(name);
    panel->setGeometry(kTopicRect);
    panel->hide();
    return panel;
}

void BuildTopics(QWidget* menu, MainMenuControls& m) {
    {
        BevelPanel* p = m.Panel3 = AddTopicPanel(menu, QStringLiteral("Panel3"));
        const Topic topic = BuildTopic(
            p, QStringLiteral("Image3"), texts::kDiffusionTitle, QStringLiteral("Memo2"),
            texts::kMemo2,
            {{"Label11", texts::kLabel11, &m.Label11}, {"Label13", texts::kLabel13, &m.Label13}});
        m.Image3 = topic.icon;
        BuildDiffusionPane(p, topic.top, m);
        BuildDiffusionChartPane(p, topic.top, m);
    }
    {
        BevelPanel* p = m.Panel4 = AddTopicPanel(menu, QStringLiteral("Panel4"));
        const Topic topic = BuildTopic(p, QStringLiteral("Image21"), texts::kFreePathTitle,
                                       QStringLiteral("Memo10"), texts::kMemo10,
                                       {{"Label20", texts::kLabel20, &m.Label20},
                                        {"Label22", texts::kLabel22, &m.Label22},
                                        {"Label23", texts::kLabel23, &m.Label23, true}});
        m.Image21 = topic.icon;
        BuildFreePathStudyPane(p, topic.top, m);
        BuildFreePathIllustrationPane(p, topic.top, m);
    }
    {
        BevelPanel* p = m.Panel6 = AddTopicPanel(menu, QStringLiteral("Panel6"));
        const Topic topic =
            BuildTopic(p, QStringLiteral("Image22"), texts::kWallTitle, QStringLiteral("Memo46"),
                       texts::kWallIntro, {{"Label26", texts::kLabel26, &m.Label26}});
        m.Image22 = topic.icon;
        BuildWallCollisionPane(p, topic.top, m);
    }
    {
        BevelPanel* p = m.Panel7 = AddTopicPanel(menu, QStringLiteral("Panel7"));
        const int top = BuildTopic(p, QStringLiteral("Panel7Icon"), texts::kTemperatureTitle,
                                   QStringLiteral("Memo51"), texts::kTemperatureIntro,
                                   {{"Label46", texts::kLabel46, &m.Label46},
                                    {"Label47", texts::kLabel47, &m.Label47},
                                    {"Label65", texts::kLabel65, &m.Label65},
                                    {"Label75", texts::kLabel75, &m.Label75},
                                    {"Label76", texts::kLabel76, &m.Label76}})
                            .top;
        std::tie(m.ScrollBox8, m.BitBtn32) =
            BuildGaugePane(p, top, QStringLiteral("ScrollBox8"), texts::kTemperaturePaneTitle,
                           QStringLiteral("Memo49"), texts::kMemo49, QStringLiteral("BitBtn32"),
                           QStringLiteral("Memo50"), texts::kMemo50);
        const StudyPane study = BuildStudyPane(
            p, top, QStringLiteral("ScrollBox5"), QStringLiteral("Label43"),
            QStringLiteral("Memo24"), QStringLiteral("Memo31"), QStringLiteral("BitBtn13"));
        m.ScrollBox5 = study.area;
        m.Label43 = study.title;
        m.Memo24 = study.description;
        m.BitBtn13 = study.run;
    }
    {
        BevelPanel* p = m.Panel9 = AddTopicPanel(menu, QStringLiteral("Panel9"));
        const int top = BuildTopic(p, QStringLiteral("Panel9Icon"), texts::kPressureTitle,
                                   QStringLiteral("Memo62"), texts::kMemo62,
                                   {{"Label64", texts::kLabel64, &m.Label64},
                                    {"Label97", texts::kLabel97, &m.Label97},
                                    {"Label98", texts::kLabel98, &m.Label98},
                                    {"Label99", texts::kLabel99, &m.Label99},
                                    {"Label100", texts::kLabel100, &m.Label100}})
                            .top;
        std::tie(m.ScrollBox10, m.BitBtn15) =
            BuildGaugePane(p, top, QStringLiteral("ScrollBox10"), texts::kPressurePaneTitle,
                           QStringLiteral("Memo60"), texts::kMemo60, QStringLiteral("BitBtn15"),
                           QStringLiteral("Memo61"), texts::kMemo61);
        const StudyPane study = BuildStudyPane(
            p, top, QStringLiteral("ScrollBox13"), QStringLiteral("Label72"),
            QStringLiteral("Memo72"), QStringLiteral("Memo74"), QStringLiteral("BitBtn39"));
        m.ScrollBox13 = study.area;
        m.Label72 = study.title;
        m.Memo72 = study.description;
        m.BitBtn39 = study.run;
    }
    {
        BevelPanel* p = m.Panel10 = AddTopicPanel(menu, QStringLiteral("Panel10"));
        const int top = BuildTopic(p, QStringLiteral("Panel10Icon"), texts::kHeatTitle,
                                   QStringLiteral("Memo73"), texts::kMemo73,
                                   {{"Label69", texts::kLabel69, &m.Label69}})
                            .top;
        BuildHeatPane(p, top, m);
    }
}

void BuildMenuButtons(QWidget* menu, MainMenuControls& m) {
    const std::tuple<const char*, QString, QPushButton**> buttons[] = {
        {"BitBtn11", texts::kMenuFreePath, &m.BitBtn11},
        {"BitBtn8", texts::kMenuDiffusion, &m.BitBtn8},
        {"BitBtn9", texts::kMenuWalls, &m.BitBtn9},
        {"BitBtn12", texts::kMenuTemperature, &m.BitBtn12},
        {"BitBtn16", texts::kMenuPressure, &m.BitBtn16},
        {"BitBtn17", texts::kMenuHeat, &m.BitBtn17},
        {"BitBtn26", texts::kMenuUnits, &m.BitBtn26},
        {"BitBtn10", texts::kMenuOtherPrograms, &m.BitBtn10},
        {"BitBtn4", texts::kMenuInformation, &m.BitBtn4},
        {"BitBtn2", texts::kMenuExit, &m.BitBtn2},
    };
    int y = 144;
    for (const auto& [name, caption, member] : buttons) {
        const QString objectName = QLatin1String(name);
        auto* button = new QPushButton(caption, menu);
        *member = button;
        button->setObjectName(objectName);
        button->setGeometry(16, y, 249, 33);
        button->setFont(ArialPixels(11, true));
        QPalette pal = button->palette();
        pal.setColor(QPalette::ButtonText, Qt::black);
        button->setPalette(pal);
        button->setIcon(MenuGlyph(objectName));
        button->setIconSize(pictures::kGlyphSize);
        button->setCursor(Qt::PointingHandCursor);
        y += 40;
    }
    // The languages, apart from the topics at the foot of the column, each by its own name so
    // that a pupil finds theirs whatever the window speaks.
    auto* choice = new QComboBox(menu);
    m.LanguageChoice = choice;
    choice->setObjectName(QStringLiteral("LanguageChoice"));
    choice->setGeometry(16, 664, 249, 33);
    choice->setFont(ArialPixels(11, true));
    for (const LanguageInfo& info : Languages())
        choice->addItem(FromCore(info.OwnName), FromCore(info.Id.Code));
    choice->setToolTip(texts::kLanguageHint);
    choice->setAccessibleName(texts::kLanguageName);
    choice->setCursor(Qt::PointingHandCursor);
}

}  // namespace

MainMenuControls BuildMainMenu(QWidget* stage) {
    MainMenuControls m;
    auto* menu = AddMenuPanel(stage, kMenuColour, 5);
    m.Panel1 = menu;
    menu->setObjectName(QStringLiteral("Panel1"));
    menu->setGeometry(kMenuRect);
    AddPicture(menu, QStringLiteral("Image1"), TitleBanner(),
               QRect(QPoint(168, 48), pictures::kBannerSize));
    BuildMenuButtons(menu, m);
    BuildTopics(menu, m);
    return m;
}
