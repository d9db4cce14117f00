// The main menu: topic pages, exercise panes, the dialogs, the publisher's page, the exit.
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "ui/Shell.h"
#include "ui/SpinEdit.h"
#include "ui/Widgets.h"
#include "ui/jedn_Unit.h"
#include "ui/kinetra_u.h"
#include "ui/o_programie_Unit.h"

void TForm1::ConnectMenu() {
    const std::pair<const char*, void (TForm1::*)()> buttons[] = {
        {"BitBtn8", &TForm1::BitBtn8Click},   {"BitBtn11", &TForm1::BitBtn11Click},
        {"BitBtn9", &TForm1::BitBtn9Click},   {"BitBtn12", &TForm1::BitBtn12Click},
        {"BitBtn16", &TForm1::BitBtn16Click}, {"BitBtn17", &TForm1::BitBtn17Click},
        {"BitBtn26", &TForm1::BitBtn26Click}, {"BitBtn10", &TForm1::BitBtn10Click},
        {"BitBtn4", &TForm1::BitBtn4Click},   {"BitBtn2", &TForm1::BitBtn2Click},
    };
    for (const auto& [name, handler] : buttons) {
        connect(Control<QPushButton>(name), &QPushButton::clicked, this, handler);
    }
    const std::pair<const char*, void (TForm1::*)()> links[] = {
        {"Label11", &TForm1::Label11Click}, {"Label13", &TForm1::Label13Click},
        {"Label20", &TForm1::Label20Click}, {"Label22", &TForm1::Label22Click},
        {"Label23", &TForm1::Label23Click}, {"Label26", &TForm1::Label26Click},
        {"Label46", &TForm1::Label46Click}, {"Label47", &TForm1::Label47Click},
        {"Label65", &TForm1::Label65Click}, {"Label75", &TForm1::Label75Click},
        {"Label76", &TForm1::Label76Click}, {"Label64", &TForm1::Label64Click},
        {"Label97", &TForm1::Label97Click}, {"Label98", &TForm1::Label98Click},
        {"Label99", &TForm1::Label99Click}, {"Label100", &TForm1::Label100Click},
        {"Label69", &TForm1::Label69Click},
    };
    for (const auto& [name, handler] : links) {
        connect(Control<ClickLabel>(name), &ClickLabel::clicked, this, handler);
    }
}

void TForm1::ShowTopic(const char* panel, std::initializer_list<const char*> hidden) {
    Show(panel);
    for (const char* name : hidden)
        Hide(name);
    // A run of an earlier topic may have left them disabled.
    Enable("BitBtn18");
    Enable("BitBtn19");
}

void TForm1::HideCollisionLimit() const {
    Hide("Label50");
    SpinEdit6->hide();
}

void TForm1::BitBtn8Click() {
    ShowTopic("Panel3", {"Panel10", "Panel9", "Panel4", "Panel6", "Panel7", "Panel8"});
    CopyPicture("Image3", "Image12");
    // The diffusion pane's key guide is stored empty and borrows the free-path pane's pictures.
    const char* sources[] = {"Image36", "Image37", "Image38", "Image39", "Image40", "Image41"};
    const char* targets[] = {"Image15", "Image16", "Image17", "Image18", "Image19", "Image20"};
    for (int i = 0; i < 6; ++i)
        CopyPicture(sources[i], targets[i]);
}

void TForm1::BitBtn11Click() {
    ShowTopic("Panel4", {"Panel10", "Panel9", "Panel8", "Panel3", "Panel6", "Panel7"});
    SpinEdit2->SetMaximum(700);
    HideCollisionLimit();
    CopyPicture("Image21", "Image12");
}

void TForm1::BitBtn9Click() {
    ShowTopic("Panel6", {"Panel10", "Panel9", "Panel8", "Panel3", "Panel4", "Panel7"});
    HideCollisionLimit();
    CopyPicture("Image22", "Image12");
}

void TForm1::BitBtn12Click() {
    // The experiment panel stays as it is: the temperature runs use it.
    ShowTopic("Panel7", {"Panel10", "Panel3", "Panel4", "Panel6", "Panel9"});
    HideCollisionLimit();
    CopyPicture("Image22", "Image12");
}

void TForm1::BitBtn16Click() {
    ShowTopic("Panel9", {"Panel10", "Panel8", "Panel3", "Panel4", "Panel6", "Panel7"});
    SpinEdit2->SetMaximum(700);
    HideCollisionLimit();
    CopyPicture("Image21", "Image12");
}

void TForm1::BitBtn17Click() {
    ShowTopic("Panel10", {"Panel9", "Panel8", "Panel3", "Panel4", "Panel6", "Panel7"});
    SpinEdit2->SetMaximum(700);
    HideCollisionLimit();
    CopyPicture("Image21", "Image12");
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
    SpinEdit2->SetMaximum(700);
    Show("ScrollBox1");
    Hide("ScrollBox2");
}

void TForm1::Label13Click() {
    // The concentration chart needs room at the right of the vessel.
    SpinEdit2->SetMaximum(600);
    Show("ScrollBox2");
    Hide("ScrollBox1");
}

void TForm1::Label20Click() {
    HideCollisionLimit();
    Show("ScrollBox4");
    Hide("ScrollBox3");
}

void TForm1::Label22Click() {
    Show("ScrollBox3");
    Hide("ScrollBox4");
    // This study stops its runs after a chosen number of collisions.
    Show("Label50");
    SpinEdit6->show();
}

void TForm1::Label23Click() {
    Label22Click();
}

void TForm1::Label26Click() {
    Show("ScrollBox6");
}

void TForm1::Label46Click() {
    Show("ScrollBox8");
    Hide("ScrollBox5");
}

void TForm1::Label47Click() {
    Show("ScrollBox5");
    Hide("ScrollBox8");
    SetUpDependencyStudy("Label47");
}

void TForm1::Label65Click() {
    Show("ScrollBox5");
    Hide("ScrollBox8");
    SetUpDependencyStudy("Label65");
}

void TForm1::Label75Click() {
    Show("ScrollBox5");
    Hide("ScrollBox8");
    SetUpDependencyStudy("Label75");
}

void TForm1::Label76Click() {
    Show("ScrollBox5");
    Hide("ScrollBox8");
    SetUpDependencyStudy("Label76");
}

void TForm1::Label64Click() {
    Show("ScrollBox10");
    Hide("ScrollBox13");
}

void TForm1::Label97Click() {
    Show("ScrollBox13");
    Hide("ScrollBox10");
    SetUpDependencyStudy("Label97");
}

void TForm1::Label98Click() {
    Show("ScrollBox13");
    Hide("ScrollBox10");
    SetUpDependencyStudy("Label98");
}

void TForm1::Label99Click() {
    Show("ScrollBox13");
    Hide("ScrollBox10");
    SetUpDependencyStudy("Label99");
}

void TForm1::Label100Click() {
    Show("ScrollBox13");
    Hide("ScrollBox10");
    SetUpDependencyStudy("Label100");
}

void TForm1::Label69Click() {
    Show("ScrollBox12");
}
