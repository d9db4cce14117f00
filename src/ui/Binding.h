#pragma once

#include <QObject>
#include <QPushButton>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

class RunControl;
class TForm1;
class QWidget;
struct Screen;

// How a new screen's shows and hides are applied. Hiding the panel that holds the keyboard focus
// moves the focus to the next control that is visible at that moment, so the order decides
// where the focus lands.
enum class ScreenOrder {
    // A panel that takes over the stage (the menu, the initial-conditions panel) appears before
    // the one it replaces goes, and takes the focus; every other control appears after the hides.
    TakeOver,
    // Everything hides first: leaving a panel hands the focus back to nothing on the menu.
    HidesFirst,
};

// The controls a new screen shows and hides, applied together where nothing changes twice.
class ScreenChanges {
  public:
    // `leading`: a panel that takes over the stage.
    void Show(QWidget* widget, bool shown, bool leading = false);
    // A control that takes the keyboard's focus once the shows and hides are done.
    void Focus(QWidget* widget) { focus_ = widget; }
    void Commit(ScreenOrder order);

  private:
    QWidget* focus_ = nullptr;
    std::vector<std::pair<QWidget*, bool>> leading_;
    std::vector<std::pair<QWidget*, bool>> others_;
};

// One feature of the window: its controls' signals forwarded to the core as events, and the
// core's screen shown in its controls. The window assembles one binding per feature.
class Binding {
  public:
    explicit Binding(TForm1& form);
    virtual ~Binding() = default;
    Binding(const Binding&) = delete;
    Binding& operator=(const Binding&) = delete;

    // Puts what the screen says into this feature's controls; shows and hides go to `changes`.
    virtual void Present(const Screen& screen, ScreenChanges& changes) = 0;

  protected:
    RunControl& Core() const;
    // Runs an event of the core, then the window shows the core's screen. Signals that the
    // window's own showing raises are not events: they are dropped.
    void Dispatch(const std::function<void()>& event,
                  ScreenOrder order = ScreenOrder::TakeOver) const;
    bool Presenting() const;
    // The object whose life bounds the connections: the window.
    QObject* Context() const;
    // Connects each button's click to a handler of this binding.
    template <typename B>
    void ConnectClicks(B* self, std::initializer_list<std::pair<QPushButton*, void (B::*)()>> list);

    TForm1& form_;
};

template <typename B>
void Binding::ConnectClicks(B* self,
                            std::initializer_list<std::pair<QPushButton*, void (B::*)()>> list) {
    for (const auto& [button, handler] : list) {
        QObject::connect(button, &QPushButton::clicked, Context(),
                         [self, handler = handler] { (self->*handler)(); });
    }
}
