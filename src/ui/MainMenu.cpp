#include "ui/MainMenu.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTextLayout>
#include <QWheelEvent>
#include <QtMath>
#include <vector>

#include "ui/MenuTexts.h"
#include "ui/Pictures.h"
#include "ui/Widgets.h"
#include "ui/SafePaste.h"

namespace {

const QColor kMenuColour(17, 99, 142);
// The topic pages are lighter than the menu so that their black text reads well.
const QColor kTopicColour(214, 228, 240);
const QColor kPaneColour(Qt::white);

constexpr QRect kMenuRect{8, 8, 993, 713};
constexpr QRect kTopicRect{280, 144, 689, 545};
constexpr int kPaneX = 12;
constexpr int kPaneWidth = 665;
constexpr int kMemoMargin = 4;  // QPlainTextEdit's document margin
constexpr int kLeft = 16;       // left edge of a pane's text column
constexpr int kColumnWidth = 608;


QFont MemoFont() {
    return ArialPixels(11);
}

// A panel in the classic look: a raised outer bevel, `border` pixels of face, a lowered inner
// bevel.
class BevelPanel : public QFrame {
  public:
    BevelPanel(QWidget* parent, const QColor& face, int border)
        : QFrame(parent), face_(face), border_(border) {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, face);
        setPalette(pal);
        setFrameShape(QFrame::Panel);
        setFrameShadow(QFrame::Sunken);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), face_);
        const QColor light = face_.lighter(160);
        const QColor dark = face_.darker(210);
        QRect r = rect().adjusted(0, 0, -1, -1);
        DrawBevel(p, r, light, dark);
        r.adjust(border_ + 1, border_ + 1, -border_ - 1, -border_ - 1);
        DrawBevel(p, r, dark, light);
    }

  private:

    QColor face_;
    int border_;
};


QLabel* AddPicture(QWidget* parent, const QString& name, const QPixmap& picture, QRect place) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(place);
    if (!picture.isNull()) label->setPixmap(picture);
    return label;
}

// Height a read-only plain-text memo needs to show `text` whole at the given width.
int MemoHeight(const QString& text, const QFont& font, int width) {
    const qreal lineWidth = width - 2 * kMemoMargin;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    qreal height = 0;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(lineWidth);
            height += line.height();
        }
        layout.endLayout();
    }
    return qCeil(height) + 2 * kMemoMargin + 2;
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

// A read-only text. A memo short enough to show whole hands the mouse wheel to the pane it
// stands in, so that turning the wheel anywhere over a pane scrolls it.
class Memo : public SafePlainTextEdit {
  public:
    using SafePlainTextEdit::SafePlainTextEdit;

  protected:
    void wheelEvent(QWheelEvent* event) override {
        if (verticalScrollBar()->maximum() > 0) {
            QPlainTextEdit::wheelEvent(event);
            return;
        }
        for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
            if (auto* pane = qobject_cast<QAbstractScrollArea*>(w)) {
                QCoreApplication::sendEvent(pane->verticalScrollBar(), event);
                return;
            }
        }
        event->ignore();
    }
};

// A borderless read-only memo; a height of 0 fits the memo to its text.
QPlainTextEdit* AddMemo(QWidget* parent, const QString& name, const QString& text, QRect place,
                        const QColor& ground) {
    auto* memo = new Memo(parent);
    memo->setObjectName(name);
    memo->setReadOnly(true);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setFont(MemoFont());
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setFocusPolicy(Qt::NoFocus);
    memo->viewport()->setCursor(Qt::ArrowCursor);
    QPalette pal = memo->palette();
    pal.setColor(QPalette::Base, ground);
    pal.setColor(QPalette::Text, Qt::black);
    memo->setPalette(pal);
    memo->setPlainText(text);
    if (place.height() == 0) place.setHeight(MemoHeight(text, MemoFont(), place.width()));
    memo->setGeometry(place);
    return memo;
}

QPushButton* AddButton(QWidget* parent, const QString& name, const QString& caption, QRect place,
                       const QPixmap& glyph = {}) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(ArialPixels(12, true));
    button->setGeometry(place);
    if (!glyph.isNull()) {
        button->setIcon(glyph);
        button->setIconSize(glyph.deviceIndependentSize().toSize());
    }
    return button;
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

// The guide to the tool buttons of a running simulation. Returns the bottom of the block.
int AddKeyGuide(QWidget* content, int top, const QString& prefix, const QString& heading,
                const QString& parametersOpening, const KeyGuideNames& images, bool pictures) {
    const QFont text = ArialPixels(12);
    AddLabel(content, prefix + QStringLiteral("KeyHeading"), heading, ArialPixels(13, true),
             {kLeft, top});
    auto picture = [&](const QString& name, const QPixmap& pixmap, int y) {
        return AddPicture(content, name, pictures ? pixmap : QPixmap(),
                          QRect(QPoint(24, y), pictures::kKeyButtonSize));
    };
    constexpr int kTextX = 76;
    int y = top + 28;

    picture(images.restart, KeyButtonPicture(QStringLiteral("BitBtn7")), y);
    AddLabel(content, prefix + QStringLiteral("KeyRestart1"), texts::kKeyRestartLine1, text,
             {kTextX, y + 1});
    AddLabel(content, prefix + QStringLiteral("KeyRestart2"), texts::kKeyRestartLine2, text,
             {kTextX, y + 17});
    y += 33 + 12;

    picture(images.parameters, KeyButtonPicture(QStringLiteral("BitBtn18")), y);
    auto* memo = AddMemo(content, prefix + QStringLiteral("KeyParameters"),
                         parametersOpening + texts::kKeyParametersRest,
                         QRect(kTextX - kMemoMargin, y - 2, 292, 0), kPaneColour);
    auto* panel =
        AddPicture(content, images.panel, pictures ? InitialConditionsPicture() : QPixmap(),
                   QRect(QPoint(376, y), pictures::kPanelMiniSize));
    y = std::max(Bottom(memo), Bottom(panel)) + 12;

    const std::pair<const char*, QString> rows[] = {
        {"BitBtn6", texts::kKeyPause},
        {"BitBtn19", texts::kKeyPrint},
        {"BitBtn1", texts::kKeyExit},
    };
    const QString* names[] = {&images.pause, &images.print, &images.exit};
    const char* suffixes[] = {"KeyPause", "KeyPrint", "KeyExit"};
    for (int i = 0; i < 3; ++i) {
        picture(*names[i], KeyButtonPicture(QLatin1String(rows[i].first)), y);
        AddLabel(content, prefix + QLatin1String(suffixes[i]), rows[i].second, text,
                 {kTextX, y + 9});
        y += 33 + 8;
    }
    return y;
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

void BuildDiffusionPane(QWidget* topic, int top) {
    const Pane pane = AddPane(topic, QStringLiteral("ScrollBox1"), top);
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
    // Stored empty: the topic button fills these pictures from the free-path pane's guide.
    y = AddKeyGuide(
        c, Bottom(run) + 18, QStringLiteral("ScrollBox1"), texts::kKeyHeading,
        texts::kKeyParametersOpeningPlain,
        {QStringLiteral("Image15"), QStringLiteral("Image16"), QStringLiteral("Image17"),
         QStringLiteral("Image18"), QStringLiteral("Image19"), QStringLiteral("Image20")},
        false);
    FinishPane(pane, y);
}

void BuildDiffusionChartPane(QWidget* topic, int top) {
    const Pane pane = AddPane(topic, QStringLiteral("ScrollBox2"), top);
    QWidget* c = pane.content;
    AddPaneTitle(pane, QStringLiteral("ScrollBox2Title"), texts::kDiffusionChartPaneTitle);
    auto* intro = AddMemo(c, QStringLiteral("Memo20"), texts::kMemo20,
                          QRect(kLeft - kMemoMargin, 44, kColumnWidth, 0), kPaneColour);
    auto* questions =
        AddMemo(c, QStringLiteral("Memo22"), texts::kMemo22,
                QRect(kLeft - kMemoMargin, Bottom(intro) + 4, kColumnWidth, 0), kPaneColour);
    auto* run = AddRunButton(c, QStringLiteral("BitBtn21"), texts::kRun, Bottom(questions) + 10);
    int y = AddKeyGuide(c, Bottom(run) + 18, QStringLiteral("ScrollBox2"),
                        texts::kKeyHeadingNoAccents, texts::kKeyParametersOpeningPlain,
                        OwnKeyGuideNames(QStringLiteral("ScrollBox2")), true);
    auto* second = AddRunButton(c, QStringLiteral("BitBtn22"), texts::kRun, y + 4);
    FinishPane(pane, Bottom(second));
}

void BuildFreePathIllustrationPane(QWidget* topic, int top) {
    const Pane pane = AddPane(topic, QStringLiteral("ScrollBox4"), top);
    QWidget* c = pane.content;
    AddPaneTitle(pane, QStringLiteral("ScrollBox4Title"), texts::kFreePathPaneTitle);
    const int x = kLeft + pictures::kFreePathSize.width() + 10;
    int y = AddPictureWithMemo(c, QStringLiteral("Image34"), FreePathPicture(), {kLeft, 48},
                               QStringLiteral("Memo23"), texts::kMemo23, pane.width - x - 4);
    auto* run = AddRunButton(c, QStringLiteral("BitBtn24"), texts::kRunSimulation, y + 12);
    y = AddKeyGuide(
        c, Bottom(run) + 18, QStringLiteral("ScrollBox4"), texts::kKeyHeading,
        texts::kKeyParametersOpening,
        {QStringLiteral("Image36"), QStringLiteral("Image37"), QStringLiteral("Image38"),
         QStringLiteral("Image39"), QStringLiteral("Image40"), QStringLiteral("Image41")},
        true);
    FinishPane(pane, y);
}

void BuildFreePathStudyPane(QWidget* topic, int top) {
    namespace area = free_path_area;
    const Pane pane = AddPane(topic, QStringLiteral("ScrollBox3"), top);
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
    AddButton(c, QStringLiteral("BitBtn23"), texts::kSetInitialConditions,
              QRect(buttonX, first->y() + 4, 204, 33), ToolGlyph(QStringLiteral("BitBtn18")));
    auto* second = AddMemo(c, QStringLiteral("Memo21"), texts::kMemo21,
                           step.translated(0, Bottom(first) + 4), kPaneColour);
    AddButton(c, QStringLiteral("BitBtn20"), texts::kRunSimulation,
              QRect(buttonX, second->y() + 4, 204, 33), RunGlyph());
    auto* third = AddMemo(c, QStringLiteral("Memo18"), texts::kMemo18,
                          column.translated(0, Bottom(second) + 4), kPaneColour);
    Q_ASSERT(Bottom(third) <= area::kAreaTop);

    auto* tableArea = new QWidget(c);
    tableArea->setObjectName(QStringLiteral("FreePathTableArea"));
    tableArea->setGeometry(0, area::kAreaTop, pane.width, area::kAreaHeight);
    AddButton(tableArea, QStringLiteral("BitBtn29"), texts::kRunSimulation, area::kRunButton,
              RunGlyph());

    auto* options = new BevelPanel(tableArea, QColor(236, 240, 244), 0);
    options->setObjectName(QStringLiteral("Panel5"));
    options->setGeometry(area::kOptions);
    AddLabel(options, QStringLiteral("Panel5Caption"), texts::kOptions, ArialPixels(12, true), {10, 6});
    const std::pair<const char*, QString> boxes[] = {
        {"CheckBox1", texts::kScaleFromZero},
        {"CheckBox2", texts::kStopAfterCollisions},
        {"CheckBox3", texts::kDrawCurve},
    };
    int y = 26;
    for (const auto& [name, caption] : boxes) {
        auto* box = new QCheckBox(caption, options);
        box->setObjectName(QLatin1String(name));
        box->setFont(ArialPixels(11));
        box->setChecked(true);
        box->setGeometry(10, y, area::kOptions.width() - 20, 20);
        y += 22;
    }
    FinishPane(pane, Bottom(tableArea) - 8);
}

void BuildWallCollisionPane(QWidget* topic, int top) {
    const Pane pane = AddPane(topic, QStringLiteral("ScrollBox6"), top);
    QWidget* c = pane.content;
    auto* title = AddPaneTitle(pane, QStringLiteral("ScrollBox6Title"), texts::kWallPaneTitle);
    const QRect column(kLeft - kMemoMargin, 0, kColumnWidth, 0);
    auto* how = AddMemo(c, QStringLiteral("Memo44"), texts::kMemo44,
                        column.translated(0, Bottom(title) + 8), kPaneColour);
    auto* run = AddRunButton(c, QStringLiteral("BitBtn30"), texts::kRun, Bottom(how) + 8);
    auto* questions = AddMemo(c, QStringLiteral("Memo45"), texts::kMemo45,
                              column.translated(0, Bottom(run) + 12), kPaneColour);
    FinishPane(pane, Bottom(questions));
}

// A first exercise of the temperature or pressure topic: description, run button, questions.
void BuildGaugePane(QWidget* topic, int top, const QString& name, const QString& title,
                    const QString& descriptionName, const QString& description,
                    const QString& runName, const QString& questionsName,
                    const QString& questions) {
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
}

// The pane of the dependency studies: the chosen study sets its title and description.
void BuildStudyPane(QWidget* topic, int top, const QString& name, const QString& titleName,
                    const QString& descriptionName, const QString& runMemoName,
                    const QString& runName) {
    const Pane pane = AddPane(topic, name, top);
    QWidget* c = pane.content;
    AddPaneTitle(pane, titleName, QString());
    const QRect column(kLeft - kMemoMargin, 0, kColumnWidth, 0);
    // Room for the longest description a study writes here.
    auto* description =
        AddMemo(c, descriptionName, QString(),
                QRect(kLeft - kMemoMargin, 44, kColumnWidth, MemoHeightForLines(4)), kPaneColour);
    auto* runText = AddMemo(c, runMemoName, texts::kRunSimulationMemo,
                            column.translated(0, Bottom(description) + 4), kPaneColour);
    auto* run = AddRunButton(c, runName, texts::kRunSimulation, Bottom(runText) + 6);
    FinishPane(pane, Bottom(run));
}

void BuildHeatPane(QWidget* topic, int top) {
    const Pane pane = AddPane(topic, QStringLiteral("ScrollBox12"), top);
    QWidget* c = pane.content;
    auto* title = AddPaneTitle(pane, QStringLiteral("ScrollBox12Title"), texts::kHeatPaneTitle);
    auto* text =
        AddMemo(c, QStringLiteral("Memo71"), texts::kMemo71,
                QRect(kLeft - kMemoMargin, Bottom(title) + 8, kColumnWidth, 0), kPaneColour);
    auto* run = AddRunButton(c, QStringLiteral("BitBtn34"), texts::kRun, Bottom(text) + 8);
    FinishPane(pane, Bottom(run));
}

// ---- topic panels ------------------------------------------------------------------------

struct Link {
    const char* name;
    QString caption;
    bool continuation = false;  // second line of the link above it
};

// Builds a topic panel's fixed part and returns the top of the room left for its panes.
int BuildTopic(QWidget* topic, const QString& iconName, const QString& title,
               const QString& memoName, const QString& memo, const std::vector<Link>& links) {
    AddPicture(topic, iconName, TopicIcon(topic->objectName()),
               QRect(QPoint(24, 16), pictures::kGlyphSize));
    AddLabel(topic, topic->objectName() + QStringLiteral("Title"), title, ArialPixels(16, true),
             {56, 20});
    auto* intro = AddMemo(topic, memoName, memo, QRect(20, 50, 649, 0), kTopicColour);
    auto* heading = AddLabel(topic, topic->objectName() + QStringLiteral("Exercises"),
                             texts::kExercises, ArialPixels(13, true, true), {24, Bottom(intro) + 6});
    int y = Bottom(heading) + 4;
    int x = 40;
    const QFont linkFont = ArialPixels(12, false, true, true);
    for (const Link& link : links) {
        auto* label = new ClickLabel(link.caption, topic);
        label->setObjectName(QLatin1String(link.name));
        label->setFont(linkFont);
        label->setCursor(Qt::PointingHandCursor);
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(pal);
        label->adjustSize();
        // A continuation line starts under the text of the first line, past its number.
        const int indent =
            link.continuation ? QFontMetrics(linkFont).horizontalAdvance(QStringLiteral("2. ")) : 0;
        label->move(x + indent, y);
        y = Bottom(label) + 3;
    }
    return y + 6;
}

QFrame* AddTopicPanel(QWidget* menu, const QString& name) {
    auto* panel = new BevelPanel(menu, kTopicColour, 1);
    panel->setObjectName(name);
    panel->setGeometry(kTopicRect);
    panel->hide();
    return panel;
}

void BuildTopics(QWidget* menu) {
    {
        QFrame* p = AddTopicPanel(menu, QStringLiteral("Panel3"));
        const int top =
            BuildTopic(p, QStringLiteral("Image3"), texts::kDiffusionTitle, QStringLiteral("Memo2"),
                       texts::kMemo2, {{"Label11", texts::kLabel11}, {"Label13", texts::kLabel13}});
        BuildDiffusionPane(p, top);
        BuildDiffusionChartPane(p, top);
    }
    {
        QFrame* p = AddTopicPanel(menu, QStringLiteral("Panel4"));
        const int top = BuildTopic(p, QStringLiteral("Image21"), texts::kFreePathTitle,
                                   QStringLiteral("Memo10"), texts::kMemo10,
                                   {{"Label20", texts::kLabel20},
                                    {"Label22", texts::kLabel22},
                                    {"Label23", texts::kLabel23, true}});
        BuildFreePathStudyPane(p, top);
        BuildFreePathIllustrationPane(p, top);
    }
    {
        QFrame* p = AddTopicPanel(menu, QStringLiteral("Panel6"));
        const int top =
            BuildTopic(p, QStringLiteral("Image22"), texts::kWallTitle, QStringLiteral("Memo46"),
                       texts::kWallIntro, {{"Label26", texts::kLabel26}});
        BuildWallCollisionPane(p, top);
    }
    {
        QFrame* p = AddTopicPanel(menu, QStringLiteral("Panel7"));
        const int top = BuildTopic(p, QStringLiteral("Panel7Icon"), texts::kTemperatureTitle,
                                   QStringLiteral("Memo51"), texts::kWallIntro,
                                   {{"Label46", texts::kLabel46},
                                    {"Label47", texts::kLabel47},
                                    {"Label65", texts::kLabel65},
                                    {"Label75", texts::kLabel75},
                                    {"Label76", texts::kLabel76}});
        BuildGaugePane(p, top, QStringLiteral("ScrollBox8"), texts::kTemperaturePaneTitle,
                       QStringLiteral("Memo49"), texts::kMemo49, QStringLiteral("BitBtn32"),
                       QStringLiteral("Memo50"), texts::kMemo50);
        BuildStudyPane(p, top, QStringLiteral("ScrollBox5"), QStringLiteral("Label43"),
                       QStringLiteral("Memo24"), QStringLiteral("Memo31"),
                       QStringLiteral("BitBtn13"));
    }
    {
        QFrame* p = AddTopicPanel(menu, QStringLiteral("Panel9"));
        const int top = BuildTopic(p, QStringLiteral("Panel9Icon"), texts::kPressureTitle,
                                   QStringLiteral("Memo62"), texts::kMemo62,
                                   {{"Label64", texts::kLabel64},
                                    {"Label97", texts::kLabel97},
                                    {"Label98", texts::kLabel98},
                                    {"Label99", texts::kLabel99},
                                    {"Label100", texts::kLabel100}});
        BuildGaugePane(p, top, QStringLiteral("ScrollBox10"), texts::kPressurePaneTitle,
                       QStringLiteral("Memo60"), texts::kMemo60, QStringLiteral("BitBtn15"),
                       QStringLiteral("Memo61"), texts::kMemo61);
        BuildStudyPane(p, top, QStringLiteral("ScrollBox13"), QStringLiteral("Label72"),
                       QStringLiteral("Memo72"), QStringLiteral("Memo74"),
                       QStringLiteral("BitBtn39"));
    }
    {
        QFrame* p = AddTopicPanel(menu, QStringLiteral("Panel10"));
        const int top =
            BuildTopic(p, QStringLiteral("Panel10Icon"), texts::kHeatTitle,
                       QStringLiteral("Memo73"), texts::kMemo73, {{"Label69", texts::kLabel69}});
        BuildHeatPane(p, top);
    }
}

void BuildMenuButtons(QWidget* menu) {
    const std::pair<const char*, QString> buttons[] = {
        {"BitBtn11", texts::kMenuFreePath},   {"BitBtn8", texts::kMenuDiffusion},
        {"BitBtn9", texts::kMenuWalls},       {"BitBtn12", texts::kMenuTemperature},
        {"BitBtn16", texts::kMenuPressure},   {"BitBtn17", texts::kMenuHeat},
        {"BitBtn26", texts::kMenuUnits},      {"BitBtn10", texts::kMenuOtherPrograms},
        {"BitBtn4", texts::kMenuInformation}, {"BitBtn2", texts::kMenuExit},
    };
    int y = 144;
    for (const auto& [name, caption] : buttons) {
        const QString objectName = QLatin1String(name);
        auto* button = new QPushButton(caption, menu);
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
}

}  // namespace

QWidget* BuildMainMenu(QWidget* stage) {
    auto* menu = new BevelPanel(stage, kMenuColour, 5);
    menu->setObjectName(QStringLiteral("Panel1"));
    menu->setGeometry(kMenuRect);
    AddPicture(menu, QStringLiteral("Image1"), TitleBanner(),
               QRect(QPoint(168, 48), pictures::kBannerSize));
    BuildMenuButtons(menu);
    BuildTopics(menu);
    return menu;
}
