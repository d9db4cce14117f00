#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "engine/Clock.h"
#include "ui/ClassroomBinding.h"
#include "ui/ExperimentBinding.h"
#include "ui/Messages.h"
#include "ui/NavigationBinding.h"
#include "ui/PrintingBinding.h"
#include "ui/RunControlBinding.h"
#include "ui/Shell.h"
#include "ui/SpinEdit.h"
#include "ui/StudiesBinding.h"
#include "ui/kinetra_u.h"

// Runs `act` on the next modal widget of type T once it is on screen, from inside its own
// event loop.
template <typename T>
void WhenShown(std::function<void(T*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* shown = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!shown || !shown->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        act(shown);
    });
    timer->start();
}

// Records the message boxes instead of showing them, and answers the questions from a queue
// (an empty queue declines).
class MessageRecorder : public MessageSink {
  public:
    struct Message {
        MessageKind kind;
        QString title;
        QString text;
    };
    void Show(MessageKind kind, QWidget*, const QString& title, const QString& text) override {
        messages.push_back({kind, title, text});
    }
    bool Ask(QWidget*, const QString& title, const QString& text) override {
        questions.push_back({MessageKind::Information, title, text});
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    std::vector<Message> messages;
    std::vector<Message> questions;
    std::vector<bool> answers;  // the next answers, first one first
};

// The main window on a hand-driven clock, shown off screen, with message boxes and the shell
// answered by recorders.
class FormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetMessageSink(&recorder);
        SetShellOpener([this](const QUrl& url) {
            opened.push_back(url);
            return true;
        });
        form = std::make_unique<TForm1>(&clock);
        form->Sim().Rng.UseFixedSeeds(7);
        form->setGeometry(0, 0, 1024, 768);
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void TearDown() override {
        form.reset();
        SetMessageSink(nullptr);
        SetShellOpener(nullptr);
    }

    template <typename T = QWidget>
    T* W(const char* name) const {
        T* w = form->Stage()->findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    bool Shown(const char* name) const { return W(name)->isVisible(); }
    void Click(const char* name) {
        QWidget* w = W(name);
        ASSERT_TRUE(w->isVisible()) << name << " cannot be clicked while hidden";
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }
    SpinEdit* Spin(const char* name) const { return W<SpinEdit>(name); }
    // Puts a whole text into a spin box at once, as a paste does.
    void SetSpinText(const char* name, const QString& text) {
        Spin(name)->findChild<QLineEdit*>()->setText(text);
    }
    QString Hint(const char* name) const { return W(name)->toolTip(); }
    std::vector<QString> Texts() const {
        std::vector<QString> out;
        for (const auto& m : recorder.messages)
            out.push_back(m.text);
        return out;
    }

    // Menu, "Dyfuzja", the first exercise and its run button: the panel is open for mode 1.
    void OpenDiffusionPanel() {
        Click("BitBtn8");
        Click("Label11");
        Click("BitBtn5");
    }

    ManualClock clock{5'000'000};
    MessageRecorder recorder;
    std::vector<QUrl> opened;
    std::unique_ptr<TForm1> form;
};
