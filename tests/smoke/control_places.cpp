// Prints where the named controls of the main window lie on a 1024 x 768 screen, clicking each
// in turn off screen so that the next one is shown, as a pupil's clicks would show it:
// control_places Name... prints one "x y" line (the control's centre) per name.
#include <QApplication>
#include <QTest>
#include <cstdio>

#include "ui/Messages.h"
#include "ui/kinetra_u.h"

namespace {

// A message box would stop the clicks; the program's own run shows it, not this helper.
class Silent : public MessageSink {
  public:
    void Show(MessageKind, QWidget*, const QString& title, const QString& text) override {
        std::fprintf(stderr, "message %s: %s\n", qPrintable(title), qPrintable(text));
    }
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Silent silent;
    SetMessageSink(&silent);
    TForm1 form;
    form.setGeometry(0, 0, 1024, 768);
    form.show();
    for (int i = 1; i < argc; ++i) {
        QWidget* control = form.Stage()->findChild<QWidget*>(QString::fromLocal8Bit(argv[i]));
        if (!control || !control->isVisible()) {
            std::fprintf(stderr, "%s is not shown\n", argv[i]);
            return 1;
        }
        const QPoint centre = control->mapTo(&form, control->rect().center());
        QWidget* top = form.childAt(centre);
        if (top != control && !control->isAncestorOf(top)) {
            std::fprintf(stderr, "%s is covered\n", argv[i]);
            return 1;
        }
        std::printf("%d %d\n", centre.x(), centre.y());
        QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
    }
    return 0;
}
