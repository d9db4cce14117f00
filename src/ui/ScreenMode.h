#pragma once

#include <QObject>
#include <QRect>

class QGraphicsProxyWidget;
class QGraphicsScene;
class QGraphicsView;
class QWidget;
class TForm1;

// Full screen or a normal window for the main window. Full screen shows the 1024 x 768 stage as
// it always has: centred, at its own size. In a window the stage is scaled to the window's size,
// keeping its proportions, centred on black. It is scaled as widgets, not as a picture of them:
// the stage moves into a graphics view, which paints every control through the scaled painter,
// so text and lines stay sharp at any size.
class ScreenMode : public QObject {
    Q_OBJECT
  public:
    explicit ScreenMode(TForm1* form);
    ~ScreenMode() override;

    void ShowFullScreen();
    void ShowWindowed();
    void Toggle();
    bool Windowed() const { return windowed_; }

    // The view that shows the stage in a window (null while full screen), and its scale.
    QGraphicsView* View() const { return view_; }
    double Scale() const { return scale_; }

    // The window's first size: the largest 4:3 that fits in most of the available screen.
    static QRect FirstWindowPlace(const QRect& available);

    // The stage's scale in a window of this size, and where its top-left corner lies.
    static double FitScale(const QSize& window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Fit();
    void Embed();
    void Unembed();

    TForm1* form_;
    // The same window and its stage, for the event filter: it still sees events while the
    // window is being destroyed and is no longer a TForm1.
    QWidget* window_;
    QWidget* stage_;
    QGraphicsScene* scene_ = nullptr;
    QGraphicsView* view_ = nullptr;
    QGraphicsProxyWidget* proxy_ = nullptr;
    bool windowed_ = false;
    double scale_ = 1.0;
    QString fullScreenTitle_;
};
