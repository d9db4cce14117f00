#include "ui/ScreenMode.h"

#include <QEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "display/Surface.h"
#include "ui/kinetra_u.h"

ScreenMode::ScreenMode(TForm1* form)
    : QObject(form), form_(form), window_(form), stage_(form->Stage()) {
    fullScreenTitle_ = form_->windowTitle();
    form_->installEventFilter(this);
}

ScreenMode::~ScreenMode() {
    window_->removeEventFilter(this);
}

QRect ScreenMode::FirstWindowPlace(const QRect& available) {
    const QSize room = available.size() * 0.85;
    const double scale = std::min(1.0, FitScale(room));
    const QSize size(qRound(Surface::kWidth * scale), qRound(Surface::kHeight * scale));
    QRect place(QPoint(), size);
    place.moveCenter(available.center());
    return place;
}

double ScreenMode::FitScale(const QSize& window) {
    return std::min(window.width() / double(Surface::kWidth),
                    window.height() / double(Surface::kHeight));
}

void ScreenMode::ShowFullScreen() {
    if (windowed_) Unembed();
    windowed_ = false;
    form_->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    form_->setWindowTitle(fullScreenTitle_);
    // No window manager may be there to size a full-screen window, so give it the screen first.
    const QScreen* screen = form_->screen() ? form_->screen() : QGuiApplication::primaryScreen();
    if (screen) form_->setGeometry(screen->geometry());
    form_->showFullScreen();
    form_->activateWindow();
}

void ScreenMode::ShowWindowed() {
    if (!windowed_) Embed();
    windowed_ = true;
    form_->setWindowFlags(Qt::Window);
    form_->setWindowTitle(QStringLiteral("KINETRA"));
    const QScreen* screen = form_->screen() ? form_->screen() : QGuiApplication::primaryScreen();
    form_->showNormal();
    if (screen) form_->setGeometry(FirstWindowPlace(screen->availableGeometry()));
    Fit();
    form_->activateWindow();
}

void ScreenMode::Toggle() {
    if (windowed_) {
        ShowFullScreen();
    } else {
        ShowWindowed();
    }
}

void ScreenMode::Embed() {
    QWidget* stage = form_->Stage();
    QWidget* focus = form_->focusWidget();
    scene_ = new QGraphicsScene(this);
    scene_->setBackgroundBrush(Qt::black);
    view_ = new QGraphicsView(scene_, form_);
    view_->setObjectName(QStringLiteral("StageView"));
    view_->setFrameShape(QFrame::NoFrame);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setBackgroundBrush(Qt::black);
    view_->setAlignment(Qt::AlignCenter);
    // No antialiasing of shapes: at a fractional scale the edges of neighbouring widgets'
    // fills would blend into faint seams. Text and pictures are still smoothed.
    view_->setRenderHints(QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    view_->setGeometry(form_->rect());
    stage->setParent(nullptr);
    proxy_ = scene_->addWidget(stage);
    proxy_->setPos(0, 0);
    stage->move(0, 0);
    connect(proxy_, &QGraphicsWidget::geometryChanged, this, &ScreenMode::Fit);
    stage->installEventFilter(this);
    view_->show();
    view_->setFocus();
    if (focus && stage->isAncestorOf(focus)) focus->setFocus();
}

void ScreenMode::Unembed() {
    QWidget* stage = form_->Stage();
    QWidget* focus = stage->focusWidget();
    disconnect(proxy_, nullptr, this, nullptr);
    stage->removeEventFilter(this);
    proxy_->setWidget(nullptr);
    stage->setParent(form_);
    stage->move((form_->width() - Surface::kWidth) / 2, (form_->height() - Surface::kHeight) / 2);
    stage->show();
    delete view_;
    delete scene_;
    view_ = nullptr;
    scene_ = nullptr;
    proxy_ = nullptr;
    scale_ = 1.0;
    if (focus) focus->setFocus();
}

void ScreenMode::Fit() {
    if (!view_) return;
    view_->setGeometry(window_->rect());
    // The stage stays where the window's own layout puts it; the view follows it.
    const QRectF stage = proxy_->sceneBoundingRect();
    scale_ = FitScale(view_->size());
    if (scale_ <= 0) return;
    view_->setSceneRect(stage);
    view_->setTransform(QTransform::fromScale(scale_, scale_));
    view_->centerOn(stage.center());
}

bool ScreenMode::eventFilter(QObject* watched, QEvent* event) {
    // A press that no control took (a label's, say) would leave the scene without a mouse
    // grabber, and the release, which a link acts on, would never reach the stage. On a plain
    // window the release always follows the press, so take the press at the stage.
    if (watched == stage_ && (event->type() == QEvent::MouseButtonPress ||
                              event->type() == QEvent::MouseButtonDblClick)) {
        event->accept();
        return true;
    }
    if (watched == window_ && event->type() == QEvent::Resize && windowed_) {
        // The window's own handler moves the stage next, which fits the view again.
        Fit();
    }
    return QObject::eventFilter(watched, event);
}
