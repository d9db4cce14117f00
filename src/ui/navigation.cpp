// The main menu: topic pages, exercise panes, the dialogs, the publisher's page, the exit.
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

#include "core/CellRules.h"
#include "core/MenuTexts.h"
#include "measure/CoreText.h"
#include "measure/Language.h"
#include "ui/ExportTexts.h"
#include "ui/Messages.h"
#include "ui/NavigationBinding.h"
#include "ui/Shell.h"
#include "ui/Widgets.h"
#include "ui/jedn_Unit.h"
#include "ui/kinetra_u.h"
#include "ui/o_programie_Unit.h"

namespace {

using Handler = void (NavigationBinding::*)();

const char* const kEndQuestion =
    QT_TRANSLATE_NOOP("kinetra",
                      "Tabela pomiarów zawiera wpisane wartości, które po zakończeniu programu "
                      "zostaną utracone. Można je najpierw zapisać przyciskiem „%1” pod tabelą.\n"
                      "Czy zakończyć program?");

// The topic pages in the order of TopicId.
std::array<BevelPanel*, kTopicCount> TopicPanels(const MainMenuControls& m) {
    return {m.Panel3, m.Panel4, m.Panel6, m.Panel7, m.Panel9, m.Panel10};
}

}  // namespace

NavigationBinding::NavigationBinding(TForm1& form) : Binding(form) {
    const MainMenuControls& m = form.Menu();
    ConnectClicks<NavigationBinding>(this, {
                                               {m.BitBtn8, &NavigationBinding::BitBtn8Click},
                                               {m.BitBtn11, &NavigationBinding::BitBtn11Click},
                                               {m.BitBtn9, &NavigationBinding::BitBtn9Click},
                                               {m.BitBtn12, &NavigationBinding::BitBtn12Click},
                                               {m.BitBtn16, &NavigationBinding::BitBtn16Click},
                                               {m.BitBtn17, &NavigationBinding::BitBtn17Click},
                                               {m.BitBtn26, &NavigationBinding::BitBtn26Click},
                                               {m.BitBtn10, &NavigationBinding::BitBtn10Click},
                                               {m.BitBtn4, &NavigationBinding::BitBtn4Click},
                                               {m.BitBtn2, &NavigationBinding::BitBtn2Click},
                                           });
    const std::pair<ClickLabel*, Handler> links[] = {
        {m.Label11, &NavigationBinding::Label11Click},
        {m.Label13, &NavigationBinding::Label13Click},
        {m.Label20, &NavigationBinding::Label20Click},
        {m.Label22, &NavigationBinding::Label22Click},
        {m.Label23, &NavigationBinding::Label23Click},
        {m.Label26, &NavigationBinding::Label26Click},
        {m.Label46, &NavigationBinding::Label46Click},
        {m.Label47, &NavigationBinding::Label47Click},
        {m.Label65, &NavigationBinding::Label65Click},
        {m.Label75, &NavigationBinding::Label75Click},
        {m.Label76, &NavigationBinding::Label76Click},
        {m.Label64, &NavigationBinding::Label64Click},
        {m.Label97, &NavigationBinding::Label97Click},
        {m.Label98, &NavigationBinding::Label98Click},
        {m.Label99, &NavigationBinding::Label99Click},
        {m.Label100, &NavigationBinding::Label100Click},
        {m.Label69, &NavigationBinding::Label69Click},
    };
    for (const auto& [link, handler] : links) {
        QObject::connect(link, &ClickLabel::clicked, Context(),
                         [this, h = handler] { (this->*h)(); });
    }
}

QScrollArea* NavigationBinding::PaneOf(PaneId pane) const {
    const MainMenuControls& m = form_.Menu();
    // In the order of PaneId.
    QScrollArea* const panes[] = {m.ScrollBox1,  m.ScrollBox2, m.ScrollBox4, m.ScrollBox3,
                                  m.ScrollBox6,  m.ScrollBox8, m.ScrollBox5, m.ScrollBox10,
                                  m.ScrollBox13, m.ScrollBox12};
    return panes[static_cast<size_t>(pane)];
}

void NavigationBinding::Present(const Screen& screen, ScreenChanges& changes) {
    const MainMenuControls& m = form_.Menu();
    if (screen.Picture != picture_) {
        picture_ = screen.Picture;
        QLabel* const pictures[] = {nullptr, m.Image3, m.Image21, m.Image22};
        form_.Conditions().Image12->setPixmap(pictures[static_cast<size_t>(picture_)]->pixmap());
    }
    changes.Show(m.Panel1, screen.Menu, true);
    const auto topics = TopicPanels(m);
    for (size_t i = 0; i < topics.size(); ++i)
        changes.Show(topics[i], screen.Topic && static_cast<size_t>(*screen.Topic) == i);
    for (int i = 0; i < kPaneCount; ++i) {
        const auto pane = static_cast<PaneId>(i);
        changes.Show(PaneOf(pane), screen.PaneShown(pane));
    }
}

void NavigationBinding::SetDialogs(TFO_programie* about, Tjednostki* units) {
    about_ = about;
    units_ = units;
}

bool NavigationBinding::OpenExercise(const QString& name) {
    bool opened = false;
    Dispatch([this, &opened, &name] { opened = Core().OpenExercise(name.toStdString()); });
    return opened;
}

void NavigationBinding::ChooseTopic(TopicId topic) {
    Dispatch([this, topic] { Core().ChooseTopic(topic); });
}

void NavigationBinding::ChooseExercise(const char* name) {
    const Exercise* exercise = FindExercise(name);
    if (exercise) Dispatch([this, exercise] { Core().ChooseExercise(*exercise); });
}

void NavigationBinding::BitBtn8Click() {
    ChooseTopic(TopicId::Diffusion);
    // The diffusion pane's key guide is stored empty and borrows the free-path pane's pictures.
    const MainMenuControls& m = form_.Menu();
    for (size_t i = 0; i < m.DiffusionKeyPictures.size(); ++i)
        m.DiffusionKeyPictures[i]->setPixmap(m.FreePathKeyPictures[i]->pixmap());
}

void NavigationBinding::BitBtn11Click() {
    ChooseTopic(TopicId::FreePath);
}

void NavigationBinding::BitBtn9Click() {
    ChooseTopic(TopicId::WallCollisions);
}

void NavigationBinding::BitBtn12Click() {
    ChooseTopic(TopicId::Temperature);
}

void NavigationBinding::BitBtn16Click() {
    ChooseTopic(TopicId::Pressure);
}

void NavigationBinding::BitBtn17Click() {
    ChooseTopic(TopicId::Heat);
}

void NavigationBinding::BitBtn26Click() {
    if (units_) units_->exec();
}

void NavigationBinding::BitBtn10Click() {
    OpenWithShell(PublisherWebUrl(), &form_);
}

void NavigationBinding::BitBtn4Click() {
    if (about_) about_->exec();
}

bool NavigationBinding::MayEnd() {
    const bool typed = AnyCellTyped(ToCore(form_.FreePath().Cells.Texts())) ||
                       AnyCellTyped(ToCore(form_.StudyTable().Cells.Texts()));
    if (!typed) return true;
    // Ending keeps the table unless asked to; "Nie" is the answer Enter gives.
    return AskYesNo(&form_, Tr(texts::kMenuExit),
                    Tr(kEndQuestion).arg(export_texts::SaveTableCaption()), false);
}

void NavigationBinding::BitBtn2Click() {
    // The window asks, if a table holds typed values, as it does when the system closes it.
    form_.close();
}

void NavigationBinding::Label11Click() {
    ChooseExercise("dyfuzja");
}

void NavigationBinding::Label13Click() {
    ChooseExercise("dyfuzja-wykres");
}

void NavigationBinding::Label20Click() {
    ChooseExercise("droga-swobodna");
}

void NavigationBinding::Label22Click() {
    ChooseExercise("droga-swobodna-badanie");
}

void NavigationBinding::Label23Click() {
    Label22Click();
}

void NavigationBinding::Label26Click() {
    ChooseExercise("zderzenia");
}

void NavigationBinding::Label46Click() {
    ChooseExercise("temperatura");
}

void NavigationBinding::Label47Click() {
    ChooseExercise("temperatura-liczba");
}

void NavigationBinding::Label65Click() {
    ChooseExercise("temperatura-predkosc");
}

void NavigationBinding::Label75Click() {
    ChooseExercise("temperatura-masa");
}

void NavigationBinding::Label76Click() {
    ChooseExercise("temperatura-naczynie");
}

void NavigationBinding::Label64Click() {
    ChooseExercise("cisnienie");
}

void NavigationBinding::Label97Click() {
    ChooseExercise("cisnienie-liczba");
}

void NavigationBinding::Label98Click() {
    ChooseExercise("cisnienie-predkosc");
}

void NavigationBinding::Label99Click() {
    ChooseExercise("cisnienie-masa");
}

void NavigationBinding::Label100Click() {
    ChooseExercise("cisnienie-naczynie");
}

void NavigationBinding::Label69Click() {
    ChooseExercise("transport-ciepla");
}
