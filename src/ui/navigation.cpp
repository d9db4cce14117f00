// The main menu: topic pages, exercise panes, the dialogs, the publisher's page, the exit.
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

#include "ui/Shell.h"
#include "ui/SpinEdit.h"
#include "ui/Widgets.h"
#include "ui/jedn_Unit.h"
#include "ui/kinetra_u.h"
#include "ui/o_programie_Unit.h"

void TForm1::ConnectNavigation() {
    const MainMenuControls& m = menu_;
    ConnectClicks({
        {m.BitBtn8, &TForm1::BitBtn8Click},
        {m.BitBtn11, &TForm1::BitBtn11Click},
        {m.BitBtn9, &TForm1::BitBtn9Click},
        {m.BitBtn12, &TForm1::BitBtn12Click},
        {m.BitBtn16, &TForm1::BitBtn16Click},
        {m.BitBtn17, &TForm1::BitBtn17Click},
        {m.BitBtn26, &TForm1::BitBtn26Click},
        {m.BitBtn10, &TForm1::BitBtn10Click},
        {m.BitBtn4, &TForm1::BitBtn4Click},
        {m.BitBtn2, &TForm1::BitBtn2Click},
    });
    const std::pair<ClickLabel*, Handler> links[] = {
        {m.Label11, &TForm1::Label11Click}, {m.Label13, &TForm1::Label13Click},
        {m.Label20, &TForm1::Label20Click}, {m.Label22, &TForm1::Label22Click},
        {m.Label23, &TForm1::Label23Click}, {m.Label26, &TForm1::Label26Click},
        {m.Label46, &TForm1::Label46Click}, {m.Label47, &TForm1::Label47Click},
        {m.Label65, &TForm1::Label65Click}, {m.Label75, &TForm1::Label75Click},
        {m.Label76, &TForm1::Label76Click}, {m.Label64, &TForm1::Label64Click},
        {m.Label97, &TForm1::Label97Click}, {m.Label98, &TForm1::Label98Click},
        {m.Label99, &TForm1::Label99Click}, {m.Label100, &TForm1::Label100Click},
        {m.Label69, &TForm1::Label69Click},
    };
    for (const auto& [link, handler] : links)
        connect(link, &ClickLabel::clicked, this, handler);
}

void TForm1::ShowTopic(QWidget* panel, std::initializer_list<QWidget*> hidden) {
    CancelPlacement();
    panel->show();
    for (QWidget* other : hidden)
        other->hide();
    // A run of an earlier topic may have left them disabled.
    tools_.BitBtn18->setEnabled(true);
    tools_.BitBtn19->setEnabled(true);
}

void TForm1::HideCollisionLimit() const {
    conditions_.Label50->hide();
    conditions_.SpinEdit6->hide();
}

void TForm1::BitBtn8Click() {
    const MainMenuControls& m = menu_;
    ShowTopic(m.Panel3, {m.Panel10, m.Panel9, m.Panel4, m.Panel6, m.Panel7, experiment_.Panel8});
    conditions_.Image12->setPixmap(m.Image3->pixmap());
    // The diffusion pane's key guide is stored empty and borrows the free-path pane's pictures.
    for (size_t i = 0; i < m.DiffusionKeyPictures.size(); ++i)
        m.DiffusionKeyPictures[i]->setPixmap(m.FreePathKeyPictures[i]->pixmap());
}

void TForm1::BitBtn11Click() {
    const MainMenuControls& m = menu_;
    ShowTopic(m.Panel4, {m.Panel10, m.Panel9, experiment_.Panel8, m.Panel3, m.Panel6, m.Panel7});
    conditions_.SpinEdit2->SetMaximum(700);
    HideCollisionLimit();
    conditions_.Image12->setPixmap(m.Image21->pixmap());
}

void TForm1::BitBtn9Click() {
    const MainMenuControls& m = menu_;
    ShowTopic(m.Panel6, {m.Panel10, m.Panel9, experiment_.Panel8, m.Panel3, m.Panel4, m.Panel7});
    HideCollisionLimit();
    conditions_.Image12->setPixmap(m.Image22->pixmap());
}

void TForm1::BitBtn12Click() {
    const MainMenuControls& m = menu_;
    // The experiment panel stays as it is: the temperature runs use it.
    ShowTopic(m.Panel7, {m.Panel10, m.Panel3, m.Panel4, m.Panel6, m.Panel9});
    HideCollisionLimit();
    conditions_.Image12->setPixmap(m.Image22->pixmap());
}

void TForm1::BitBtn16Click() {
    const MainMenuControls& m = menu_;
    ShowTopic(m.Panel9, {m.Panel10, experiment_.Panel8, m.Panel3, m.Panel4, m.Panel6, m.Panel7});
    conditions_.SpinEdit2->SetMaximum(700);
    HideCollisionLimit();
    conditions_.Image12->setPixmap(m.Image21->pixmap());
}

void TForm1::BitBtn17Click() {
    const MainMenuControls& m = menu_;
    ShowTopic(m.Panel10, {m.Panel9, experiment_.Panel8, m.Panel3, m.Panel4, m.Panel6, m.Panel7});
    conditions_.SpinEdit2->SetMaximum(700);
    HideCollisionLimit();
    conditions_.Image12->setPixmap(m.Image21->pixmap());
}

void TForm1::BitBtn26Click() {
    if (jednostki) jednostki->exec();
}

void TForm1::BitBtn10Click() {
    OpenWithShell(PublisherWebUrl(), this);
}

void TForm1::BitBtn4Click() {
    if (FO_programie) FO_programie->exec();
}

void TForm1::BitBtn2Click() {
    close();
}

void TForm1::Label11Click() {
    conditions_.SpinEdit2->SetMaximum(700);
    menu_.ScrollBox1->show();
    menu_.ScrollBox2->hide();
}

void TForm1::Label13Click() {
    // The concentration chart needs room at the right of the vessel.
    conditions_.SpinEdit2->SetMaximum(600);
    menu_.ScrollBox2->show();
    menu_.ScrollBox1->hide();
}

void TForm1::Label20Click() {
    HideCollisionLimit();
    menu_.ScrollBox4->show();
    menu_.ScrollBox3->hide();
}

void TForm1::Label22Click() {
    menu_.ScrollBox3->show();
    menu_.ScrollBox4->hide();
    // This study stops its runs after a chosen number of collisions.
    conditions_.Label50->show();
    conditions_.SpinEdit6->show();
}

void TForm1::Label23Click() {
    Label22Click();
}

void TForm1::Label26Click() {
    menu_.ScrollBox6->show();
}

void TForm1::Label46Click() {
    menu_.ScrollBox8->show();
    menu_.ScrollBox5->hide();
}

void TForm1::ShowStudyPane(QScrollArea* studies, QScrollArea* first) {
    studies->show();
    first->hide();
}

void TForm1::Label47Click() {
    ShowStudyPane(menu_.ScrollBox5, menu_.ScrollBox8);
    SetUpDependencyStudy(&MainMenuControls::Label47);
}

void TForm1::Label65Click() {
    ShowStudyPane(menu_.ScrollBox5, menu_.ScrollBox8);
    SetUpDependencyStudy(&MainMenuControls::Label65);
}

void TForm1::Label75Click() {
    ShowStudyPane(menu_.ScrollBox5, menu_.ScrollBox8);
    SetUpDependencyStudy(&MainMenuControls::Label75);
}

void TForm1::Label76Click() {
    ShowStudyPane(menu_.ScrollBox5, menu_.ScrollBox8);
    SetUpDependencyStudy(&MainMenuControls::Label76);
}

void TForm1::Label64Click() {
    menu_.ScrollBox10->show();
    menu_.ScrollBox13->hide();
}

void TForm1::Label97Click() {
    ShowStudyPane(menu_.ScrollBox13, menu_.ScrollBox10);
    SetUpDependencyStudy(&MainMenuControls::Label97);
}

void TForm1::Label98Click() {
    ShowStudyPane(menu_.ScrollBox13, menu_.ScrollBox10);
    SetUpDependencyStudy(&MainMenuControls::Label98);
}

void TForm1::Label99Click() {
    ShowStudyPane(menu_.ScrollBox13, menu_.ScrollBox10);
    SetUpDependencyStudy(&MainMenuControls::Label99);
}

void TForm1::Label100Click() {
    ShowStudyPane(menu_.ScrollBox13, menu_.ScrollBox10);
    SetUpDependencyStudy(&MainMenuControls::Label100);
}

void TForm1::Label69Click() {
    menu_.ScrollBox12->show();
}
