#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QAbstractButton;
class QKeyEvent;
class QWidget;
class TForm1;

// The keyboard for the main window, as an application-wide event filter:
//   Space  pause / resume        R    restart        P  print, asked first (where "Drukuj" is
//   Esc    back to the menu      F1   the Units dialog   F11  window / full screen     enabled)
//   Enter  presses the focused button or exercise link, "Start" from the initial-conditions
//          panel's sizes and boxes; Tab and the arrows as Qt has them.
// The run keys act only while the tool buttons are uncovered (the run control says when), as the
// mouse can reach them then, and never while a text box has the focus. It also gives every control
// a Polish accessible name, makes the exercise links and the uncovered tool buttons reachable with
// Tab, and shows each tool button's key beside its hint (the hint itself stays as it is).
class KeyboardControl : public QObject {
    Q_OBJECT
  public:
    explicit KeyboardControl(TForm1* form, std::function<void()> toggleScreen = {});
    ~KeyboardControl() override;

    // The key of a tool button ("spacja", "R", ...), empty when it has none.
    static QString KeyOf(const QString& toolButton);
    // The hint as shown on hover: the button's own hint with its key.
    static QString ShownHint(const QAbstractButton* toolButton);
    // Accessible names for every button of a window that has none yet: its caption, or its hint.
    static void NameButtons(QWidget* root);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool OnKey(QKeyEvent* key);
    bool ToolButtonsUncovered() const;
    void UpdateToolButtonFocus();
    QWidget* FocusedControl() const;
    bool Click(QAbstractButton* button) const;
    bool IsToolButton(const QObject* object) const;

    TForm1* form_;
    std::function<void()> toggleScreen_;
    QWidget* panel1_;
    QWidget* panel2_;
};
