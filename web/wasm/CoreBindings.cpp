// embind of the core: the whole program's run control with the page as its front-end, the
// settings, the catalogue and every text by name in a chosen language, the table cells' rules
// and the chart's arithmetic. The page shows, asks and forwards; the core decides.
#include <emscripten/bind.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "PrintBindings.h"
#include "TextMetrics.h"
#include "WebProgram.h"
#include "core/Catalogue.h"
#include "core/CellRules.h"
#include "core/ChartMath.h"
#include "core/Languages.h"
#include "core/MenuTexts.h"
#include "core/PageTexts.h"
#include "core/RunTexts.h"
#include "core/Settings.h"
#include "core/StudyTexts.h"
#include "engine/Experiment.h"
#include "engine/ModeTable.h"
#include "engine/Placement.h"
#include "engine/Publisher.h"

using namespace emscripten;

namespace {

// Every text a page builds its screens from, by a name the page uses.
const std::map<std::string, const char*>& NamedTexts() {
    static const std::map<std::string, const char*> table = {
        {"menuFreePath", texts::kMenuFreePath},
        {"menuDiffusion", texts::kMenuDiffusion},
        {"menuWalls", texts::kMenuWalls},
        {"menuTemperature", texts::kMenuTemperature},
        {"menuPressure", texts::kMenuPressure},
        {"menuHeat", texts::kMenuHeat},
        {"menuUnits", texts::kMenuUnits},
        {"menuOtherPrograms", texts::kMenuOtherPrograms},
        {"menuInformation", texts::kMenuInformation},
        {"menuExit", texts::kMenuExit},
        {"languageName", texts::kLanguageName},
        {"languageHint", texts::kLanguageHint},
        {"exercises", texts::kExercises},
        {"diffusionTitle", texts::kDiffusionTitle},
        {"freePathTitle", texts::kFreePathTitle},
        {"wallTitle", texts::kWallTitle},
        {"temperatureTitle", texts::kTemperatureTitle},
        {"pressureTitle", texts::kPressureTitle},
        {"heatTitle", texts::kHeatTitle},
        {"label11", texts::kLabel11},
        {"label13", texts::kLabel13},
        {"label20", texts::kLabel20},
        {"label22", texts::kLabel22},
        {"label23", texts::kLabel23},
        {"label26", texts::kLabel26},
        {"label46", texts::kLabel46},
        {"label47", texts::kLabel47},
        {"label65", texts::kLabel65},
        {"label75", texts::kLabel75},
        {"label76", texts::kLabel76},
        {"label64", texts::kLabel64},
        {"label97", texts::kLabel97},
        {"label98", texts::kLabel98},
        {"label99", texts::kLabel99},
        {"label100", texts::kLabel100},
        {"label69", texts::kLabel69},
        {"memo2", texts::kMemo2},
        {"memo10", texts::kMemo10},
        {"wallIntro", texts::kWallIntro},
        {"temperatureIntro", texts::kTemperatureIntro},
        {"memo62", texts::kMemo62},
        {"memo73", texts::kMemo73},
        {"diffusionPaneTitle", texts::kDiffusionPaneTitle},
        {"diffusionChartPaneTitle", texts::kDiffusionChartPaneTitle},
        {"freePathPaneTitle", texts::kFreePathPaneTitle},
        {"freePathStudyTitle", texts::kFreePathStudyTitle},
        {"wallPaneTitle", texts::kWallPaneTitle},
        {"temperaturePaneTitle", texts::kTemperaturePaneTitle},
        {"pressurePaneTitle", texts::kPressurePaneTitle},
        {"heatPaneTitle", texts::kHeatPaneTitle},
        {"runSimulation", texts::kRunSimulation},
        {"run", texts::kRun},
        {"setInitialConditions", texts::kSetInitialConditions},
        {"runSimulationMemo", texts::kRunSimulationMemo},
        {"memo3", texts::kMemo3},
        {"memo4", texts::kMemo4},
        {"memo20", texts::kMemo20},
        {"memo22", texts::kMemo22},
        {"memo23", texts::kMemo23},
        {"memo11", texts::kMemo11},
        {"memo19", texts::kMemo19},
        {"memo21", texts::kMemo21},
        {"memo18", texts::kMemo18},
        {"options", texts::kOptions},
        {"scaleFromZero", texts::kScaleFromZero},
        {"stopAfterCollisions", texts::kStopAfterCollisions},
        {"drawCurve", texts::kDrawCurve},
        {"memo44", texts::kMemo44},
        {"memo45", texts::kMemo45},
        {"memo49", texts::kMemo49},
        {"memo50", texts::kMemo50},
        {"memo60", texts::kMemo60},
        {"memo61", texts::kMemo61},
        {"memo71", texts::kMemo71},
        {"keyHeading", texts::kKeyHeading},
        {"keyHeadingNoAccents", texts::kKeyHeadingNoAccents},
        {"keyRestartLine1", texts::kKeyRestartLine1},
        {"keyRestartLine2", texts::kKeyRestartLine2},
        {"keyParametersOpeningPlain", texts::kKeyParametersOpeningPlain},
        {"keyParametersOpening", texts::kKeyParametersOpening},
        {"keyParametersRest", texts::kKeyParametersRest},
        {"keyPause", texts::kKeyPause},
        {"keyPrint", texts::kKeyPrint},
        {"keyExit", texts::kKeyExit},
        {"run.pauseHint", run_texts::kPauseHint},
        {"run.resumeHint", run_texts::kResumeHint},
        {"run.errorTitle", run_texts::kErrorTitle},
        {"run.invalidValue", run_texts::kInvalidValue},
        {"run.tooFewCollisions", run_texts::kTooFewCollisions},
        {"run.tooManyParticles", run_texts::kTooManyParticles},
        {"run.heatTransportFailed", run_texts::kHeatTransportFailed},
        {"run.vesselTooSmall", run_texts::kVesselTooSmall},
        {"run.placingNote", run_texts::kPlacingNote},
        {"run.stopNote", run_texts::kStopNote},
        {"study.hideTable", study_texts::kHideTable},
        {"study.showTable", study_texts::kShowTable},
        {"study.drawChart", study_texts::kDrawChart},
        {"study.printTable", study_texts::kPrintTable},
        {"study.runSimulation", study_texts::kRunSimulation},
        {"study.memo78", study_texts::kMemo78},
        {"study.defaultX1", study_texts::kDefaultX1},
        {"study.defaultX2", study_texts::kDefaultX2},
        {"study.defaultY", study_texts::kDefaultY},
        {"study.multiplier", study_texts::kMultiplier},
        {"study.exponent", study_texts::kExponent},
        {"study.unit", study_texts::kUnit},
        {"study.defaultChart1", study_texts::kDefaultChart1},
        {"study.defaultChart2", study_texts::kDefaultChart2},
        {"study.pressureHeading", study_texts::kPressureHeading},
        {"study.temperatureHeading", study_texts::kTemperatureHeading},
        {"page.restart", page_texts::kRestart},
        {"page.parameters", page_texts::kParameters},
        {"page.print", page_texts::kPrint},
        {"page.exit", page_texts::kExit},
        {"page.savePicture", page_texts::kSavePicture},
        {"page.particleSize", page_texts::kParticleSize},
        {"page.mixtureCount", page_texts::kMixtureCount},
        {"page.vesselWidth", page_texts::kVesselWidth},
        {"page.vesselHeight", page_texts::kVesselHeight},
        {"page.maxSpeed", page_texts::kMaxSpeed},
        {"page.collisions", page_texts::kCollisions},
        {"page.unitsWord", page_texts::kUnitsWord},
        {"page.start", page_texts::kStart},
        {"page.close", page_texts::kClose},
        {"page.cancel", page_texts::kCancel},
        {"page.model", page_texts::kModel},
        {"page.collisionModel", page_texts::kCollisionModel},
        {"page.described", page_texts::kDescribed},
        {"page.describedHint", page_texts::kDescribedHint},
        {"page.exact", page_texts::kExact},
        {"page.exactHint", page_texts::kExactHint},
        {"page.histogram", page_texts::kHistogram},
        {"page.histogramHint", page_texts::kHistogramHint},
        {"page.count", page_texts::kCount},
        {"page.meanSpeed", page_texts::kMeanSpeed},
        {"page.mass", page_texts::kMass},
        {"page.freePathX1", page_texts::kFreePathX1},
        {"page.freePathX2", page_texts::kFreePathX2},
        {"page.freePathY1", page_texts::kFreePathY1},
        {"page.freePathY2", page_texts::kFreePathY2},
        {"page.freePathChart1", page_texts::kFreePathChart1},
        {"page.freePathChart2", page_texts::kFreePathChart2},
        {"page.view", page_texts::kView},
        {"page.velocityLines", page_texts::kVelocityLines},
        {"page.largeView", page_texts::kLargeView},
        {"page.labelUndetermined", page_texts::kLabelUndetermined},
        {"page.heatSettings", page_texts::kHeatSettings},
        {"page.heatMaxSpeed", page_texts::kHeatMaxSpeed},
        {"page.heatSpeedFactor", page_texts::kHeatSpeedFactor},
        {"page.heatMass", page_texts::kHeatMass},
        {"page.heatDefaults", page_texts::kHeatDefaults},
        {"page.heatHint", page_texts::kHeatHint},
        {"page.clearTable", page_texts::kClearTable},
        {"page.clearQuestion", page_texts::kClearQuestion},
        {"page.unitsTitle", page_texts::kUnitsTitle},
        {"page.aboutTitle", page_texts::kAboutTitle},
        {"page.authors", page_texts::kAuthors},
        {"page.version", page_texts::kVersion},
        {"page.year", page_texts::kYear},
        {"page.ok", page_texts::kOk},
        {"page.saveTable", page_texts::kSaveTable},
        {"page.saveTableHint", page_texts::kSaveTableHint},
        {"page.saveChart", page_texts::kSaveChart},
        {"page.saveChartHint", page_texts::kSaveChartHint},
        {"page.chartDialogTitle", page_texts::kChartDialogTitle},
        {"page.chartFilter", page_texts::kChartFilter},
        {"page.tableFile", page_texts::kTableFile},
        {"page.chartFile", page_texts::kChartFile},
        {"page.pictureFile", page_texts::kPictureFile},
        {"page.diffusionJob", page_texts::kDiffusionJob},
        {"page.freePathJob", page_texts::kFreePathJob},
        {"page.wallJob", page_texts::kWallJob},
        {"page.heatJob", page_texts::kHeatJob},
        {"page.pressureJob", page_texts::kPressureJob},
        {"page.tableJob", page_texts::kTableJob},
        {"page.dateFormat", page_texts::kDateFormat},
        {"page.printedCount", page_texts::kPrintedCount},
        {"page.printedFreePath", page_texts::kPrintedFreePath},
        {"page.whitePaper", page_texts::kWhitePaper},
        {"page.whitePaperHint", page_texts::kWhitePaperHint},
    };
    return table;
}

Language LanguageOf(const std::string& code) {
    return LanguageNamed(code).value_or(Language::Polish);
}

std::string Tr(const std::string& code, const char* source) {
    return source ? Translate(LanguageOf(code), source) : std::string();
}

// ---- the program

val ScreenOf(const WebProgram& p) {
    const Screen& s = p.Control().Shown();
    val o = val::object();
    o.set("menu", s.Menu);
    o.set("topic", s.Topic ? static_cast<int>(*s.Topic) : -1);
    val panes = val::array();
    for (bool shown : s.Panes)
        panes.call<void>("push", shown);
    o.set("panes", panes);
    o.set("setUp", s.SetUp);
    o.set("setUpClose", s.SetUpClose);
    o.set("backToRun", s.BackToRun);
    o.set("setUpTitle", Tr(std::string(p.CurrentLanguage().Code), s.SetUpTitle));
    o.set("picture", static_cast<int>(s.Picture));
    o.set("widestVessel", s.WidestVessel);
    o.set("collisionLimit", s.CollisionLimit);
    o.set("experimentPanel", s.ExperimentPanel);
    o.set("heatModel", s.HeatModel);
    o.set("studyTable", s.StudyTable);
    o.set("studyTableButton", s.StudyTableButton);
    o.set("study", s.Study);
    o.set("studyChoices", s.StudyChoices);
    o.set("studyChartMode", s.StudyChartMode);
    o.set("exactNote", s.ExactNote);
    o.set("parametersEnabled", s.ParametersEnabled);
    o.set("printEnabled", s.PrintEnabled);
    o.set("running", s.Running);
    o.set("windowActive", s.WindowActive);
    o.set("offersResume", s.OffersResume);
    o.set("stopNote", s.StopNote);
    o.set("placing", s.Placing);
    o.set("toolsUncovered", s.ToolsUncovered());
    o.set("phase", static_cast<int>(PhaseOf(s)));
    o.set("exact", s.Model == GasModel::Exact);
    o.set("histogram", s.Histogram);
    val captions = val::object();
    // Each caption: null for its start text until first written, then the value written last.
    const ExperimentCaptionTexts words = WordCaptions(s.Captions, p.Texts());
    captions.set("count", s.CountCaption ? val(words.ParticleCount) : val::null());
    captions.set("meanSpeed", s.SpeedCaption ? val(words.MeanSpeed) : val::null());
    captions.set("mass", s.MassCaption ? val(words.ParticleMass) : val::null());
    captions.set("side", s.SideCaption ? val(words.VesselSide) : val::null());
    o.set("captions", captions);
    o.set("mode", static_cast<int>(p.Control().Sim().S.SimulationMode));
    o.set("collisions", p.Control().Sim().C.CollisionLimit);
    return o;
}

val Messages(WebProgram& p) {
    val list = val::array();
    for (const ToldMessage& m : p.TakeMessages()) {
        val o = val::object();
        o.set("error", m.error);
        o.set("title", m.title);
        o.set("text", m.text);
        list.call<void>("push", o);
    }
    return list;
}

val Words(const WebProgram& p) {
    const auto& words = p.Commands().Words();
    return val(typed_memory_view(words.size(), words.data()));
}

val Texts(const WebProgram& p) {
    const auto& texts = p.Commands().Texts();
    return val(typed_memory_view(texts.size(), reinterpret_cast<const uint8_t*>(texts.data())));
}

void SetNow(WebProgram& p, double now) {
    p.SetNow(now);
}
void ChooseTopic(WebProgram& p, int topic) {
    p.Control().ChooseTopic(static_cast<TopicId>(topic));
}
void ChooseExercise(WebProgram& p, int index) {
    const auto exercises = Exercises();
    if (index < 0 || index >= static_cast<int>(exercises.size())) return;
    p.Control().ChooseExercise(exercises[static_cast<size_t>(index)]);
}
bool OpenExercise(WebProgram& p, const std::string& name) {
    return p.Control().OpenExercise(name);
}
void RunPane(WebProgram& p, int pane) {
    p.Control().Run(static_cast<PaneId>(pane));
}
void ShowSetUp(WebProgram& p) {
    p.Control().ShowSetUp();
}
void CloseSetUp(WebProgram& p) {
    p.Control().CloseSetUp();
}
void Start(WebProgram& p) {
    p.Control().Start();
}
void PauseOrResume(WebProgram& p) {
    p.Control().PauseOrResume();
}
void Restart(WebProgram& p) {
    p.Control().Restart();
}
void OpenParameters(WebProgram& p) {
    p.Control().OpenParameters();
}
void ReturnToRun(WebProgram& p) {
    p.Control().ReturnToRun();
}
void LeaveToMenu(WebProgram& p) {
    p.Control().LeaveToMenu();
}
bool Escape(WebProgram& p) {
    return p.Control().Escape();
}
void HideStudyTable(WebProgram& p) {
    p.Control().HideStudyTable();
}
void ShowStudyTable(WebProgram& p) {
    p.Control().ShowStudyTable();
}
void WindowActive(WebProgram& p, bool active) {
    p.Control().WindowActive(active);
}
void SettingTyped(WebProgram& p, int setting, const std::string& text) {
    p.Control().SettingTyped(static_cast<Setting>(setting), text);
}
void SettingChosen(WebProgram& p, int setting, int value) {
    p.Control().SettingChosen(static_cast<Setting>(setting), value);
}
int Value(const WebProgram& p, int setting) {
    return p.Control().Value(static_cast<Setting>(setting));
}
void ParticleCountChanged(WebProgram& p, int v) {
    p.Control().ParticleCountChanged(v);
}
void SpeedFactorChanged(WebProgram& p, int v) {
    p.Control().SpeedFactorChanged(v);
}
void ParticleMassChanged(WebProgram& p, int v) {
    p.Control().ParticleMassChanged(v);
}
void VesselSideChanged(WebProgram& p, int v) {
    p.Control().VesselSideChanged(v);
}
void HeatSettingsChanged(WebProgram& p, int maxSpeed, int factor, int mass) {
    p.Control().HeatSettingsChanged(maxSpeed, factor, mass);
}
void HeatDefaults(WebProgram& p) {
    p.Control().HeatDefaults();
}
void ModelChosen(WebProgram& p, bool exact, bool histogram) {
    p.Control().ModelChosen(exact ? GasModel::Exact : GasModel::Described, histogram);
}
void ViewChosen(WebProgram& p, bool lines, bool large, bool labels) {
    ViewOptions v;
    v.VelocityLines = lines;
    v.LargeView = large;
    v.LabelUndetermined = labels;
    p.Control().ViewChosen(v);
}
bool SetLanguage(WebProgram& p, const std::string& code) {
    const auto language = LanguageNamed(code);
    if (!language) return false;
    p.SetLanguage(*language);
    return true;
}
std::string LanguageCode(const WebProgram& p) {
    return std::string(p.CurrentLanguage().Code);
}
// The printed page of the run on screen (PrintBindings.h), in the language of the code.
val VesselPage(const WebProgram& p, int vmax, const std::string& code) {
    return VesselPageOf(p.Control().Sim().S, vmax, code);
}

double RunMilliseconds(WebProgram& p) {
    const SimulationState& s = p.Control().Sim().S;
    return static_cast<double>(s.ClockNow - s.ClockStart - s.PausedTotal);
}

// ---- languages, texts, catalogue

val LanguageList() {
    val list = val::array();
    for (const LanguageInfo& info : Languages()) {
        val o = val::object();
        o.set("code", std::string(info.Id.Code));
        o.set("name", std::string(info.OwnName));
        o.set("decimal", std::string(1, info.Decimal));
        list.call<void>("push", o);
    }
    return list;
}

// Every named text in the language, as one object.
val TextsIn(const std::string& code) {
    val o = val::object();
    for (const auto& [name, source] : NamedTexts())
        o.set(name, Tr(code, source));
    val units = val::array();
    for (const char* line : page_texts::kUnitsLines)
        units.call<void>("push", Tr(code, line));
    o.set("unitsLines", units);
    val rows = val::array();
    for (const auto& row : page_texts::kUnitsRows) {
        val pair = val::array();
        pair.call<void>("push", Tr(code, row[0]));
        pair.call<void>("push", Tr(code, row[1]));
        rows.call<void>("push", pair);
    }
    o.set("unitsRows", rows);
    o.set("product", std::string(publisher::kProductTitle));
    o.set("notice", Tr(code, publisher::kNoticeLine));
    o.set("webAddress", std::string(publisher::kWebAddress));
    o.set("webUrl", std::string(publisher::kWebUrl));
    o.set("email", std::string(publisher::kEmailAddress));
    val authors = val::array();
    for (const char* author : publisher::kAuthors)
        authors.call<void>("push", std::string(author));
    o.set("authorNames", authors);
    o.set("fillTable", Tr(code, kFillTableMessage));
    return o;
}

val CatalogueIn(const std::string& code) {
    val topics = val::array();
    for (const Topic& t : Topics()) {
        val o = val::object();
        o.set("id", static_cast<int>(t.Id));
        o.set("menuCaption", Tr(code, t.MenuCaption));
        o.set("title", Tr(code, t.Title));
        o.set("introduction", Tr(code, t.Introduction));
        topics.call<void>("push", o);
    }
    val exercises = val::array();
    for (const Exercise& e : Exercises()) {
        val o = val::object();
        o.set("name", std::string(e.Name));
        o.set("topic", static_cast<int>(e.Topic));
        o.set("link", Tr(code, e.Link));
        o.set("linkContinued", e.LinkContinued ? val(Tr(code, e.LinkContinued)) : val::null());
        o.set("pane", static_cast<int>(e.Pane));
        o.set("mode", static_cast<int>(e.RunMode));
        o.set("run", static_cast<int>(e.Run));
        o.set("study", e.Study);
        exercises.call<void>("push", o);
    }
    val studies = val::array();
    for (const Study& s : Studies()) {
        val o = val::object();
        o.set("pressure", s.Pressure);
        o.set("title", Tr(code, s.Title));
        o.set("description", Tr(code, s.Description));
        o.set("headingX1", Tr(code, s.HeadingX1));
        o.set("headingX2", Tr(code, s.HeadingX2));
        o.set("chartTitle1", Tr(code, s.ChartTitle1));
        o.set("chartTitle2", Tr(code, s.ChartTitle2));
        o.set("chartXCaption", std::string(s.ChartXCaption ? s.ChartXCaption : ""));
        o.set("curve", static_cast<int>(s.Curve));
        o.set("instruction", Tr(code, s.Instruction));
        o.set("exactNote", Tr(code, s.ExactNote));
        studies.call<void>("push", o);
    }
    val o = val::object();
    o.set("topics", topics);
    o.set("exercises", exercises);
    o.set("studies", studies);
    return o;
}

val SettingRanges() {
    val list = val::array();
    for (int k = 0; k < kSettingCount; ++k) {
        const SettingRange r = RangeOf(static_cast<Setting>(k));
        val o = val::object();
        o.set("minimum", r.Minimum);
        o.set("maximum", r.Maximum);
        o.set("start", r.Start);
        list.call<void>("push", o);
    }
    return list;
}

// ---- cells

char Separator(const std::string& s) {
    return s.empty() ? ',' : s[0];
}
std::string SettleCell(const std::string& text, const std::string& separator) {
    return SettleCellText(NormalisedCellText(text, Separator(separator)), Separator(separator));
}
// The note's text in the language, or empty when no character was rejected.
std::string CellNote(const std::string& text, const std::string& separator,
                     const std::string& code) {
    const char* note =
        CellHintFor(NormalisedCellText(text, Separator(separator)), Separator(separator));
    return note ? Tr(code, note) : std::string();
}
// A cell's number as the tables read it (-1 for none); embind passes no string_view.
double CellNumber(const std::string& text) {
    return CellValue(text);
}
bool RowsReady(const std::vector<std::string>& cells) {
    return FirstRowsReady(cells);
}
bool AnyTyped(const std::vector<std::string>& cells) {
    return AnyCellTyped(cells);
}

}  // namespace

EMSCRIPTEN_BINDINGS(core) {
    // The cells' texts go in as the engine's StringList (Bindings.cpp).
    class_<WebProgram>("Program")
        .constructor<>()
        .function("screen", &ScreenOf)
        .function("messages", &Messages)
        .function("takeCleared", &WebProgram::TakeCleared)
        .function("frame", &WebProgram::Frame)
        .function("redraw", &WebProgram::Redraw)
        .function("words", &Words)
        .function("texts", &Texts)
        .function("setNow", &SetNow)
        .function("chooseTopic", &ChooseTopic)
        .function("chooseExercise", &ChooseExercise)
        .function("openExercise", &OpenExercise)
        .function("run", &RunPane)
        .function("showSetUp", &ShowSetUp)
        .function("closeSetUp", &CloseSetUp)
        .function("start", &Start)
        .function("pauseOrResume", &PauseOrResume)
        .function("restart", &Restart)
        .function("openParameters", &OpenParameters)
        .function("returnToRun", &ReturnToRun)
        .function("leaveToMenu", &LeaveToMenu)
        .function("escape", &Escape)
        .function("hideStudyTable", &HideStudyTable)
        .function("showStudyTable", &ShowStudyTable)
        .function("windowActive", &WindowActive)
        .function("settingTyped", &SettingTyped)
        .function("settingChosen", &SettingChosen)
        .function("value", &Value)
        .function("particleCountChanged", &ParticleCountChanged)
        .function("speedFactorChanged", &SpeedFactorChanged)
        .function("particleMassChanged", &ParticleMassChanged)
        .function("vesselSideChanged", &VesselSideChanged)
        .function("heatSettingsChanged", &HeatSettingsChanged)
        .function("heatDefaults", &HeatDefaults)
        .function("modelChosen", &ModelChosen)
        .function("viewChosen", &ViewChosen)
        .function("setLanguage", &SetLanguage)
        .function("language", &LanguageCode)
        .function("runMilliseconds", &RunMilliseconds)
        .function("vesselPage", &VesselPage);

    function("languages", &LanguageList);
    function("textsIn", &TextsIn);
    function("catalogueIn", &CatalogueIn);
    function("settingRanges", &SettingRanges);
    function("particleSizeOfChoice", &ParticleSizeOfChoice);
    function("settleCell", &SettleCell);
    function("cellNote", &CellNote);
    function("cellValue", &CellNumber);
    function("rowsReady", &RowsReady);
    function("anyCellTyped", &AnyTyped);
}
