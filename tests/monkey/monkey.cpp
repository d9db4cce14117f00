// The real program's three windows driven by random input from a fixed seed: clicks on the
// visible controls, keys, typed and pasted texts, track-bar drags, wheel turns, context menus
// and answers to message boxes, with a tour through one exercise every 90 events so that every
// screen and every mode gets its share. After every 100 events the event loop must answer a
// ping within the limit; a watchdog ends the run as a hang when it does not, or when the loop
// stops taking events for that long. Every event is written to the log before it is sent.
//
// Usage: kinetra_monkey --seed N --events N --log FILE [--ping-ms N]
#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <random>
#include <set>
#include <string>
#include <thread>

#include "FakePrinter.h"
#include "measure/PrintService.h"
#include "ui/Messages.h"
#include "ui/Shell.h"
#include "ui/jedn_Unit.h"
#include "ui/kinetra_u.h"
#include "ui/o_programie_Unit.h"

namespace {

int64_t NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// A printer that takes every page and throws it away, so that "Drukuj" runs its whole path
// without paper or a file dialog.
class Wastebasket final : public PrintBackend {
  public:
    std::optional<PrinterTarget> DefaultPrinter() override {
        return A4Printer(QStringLiteral("Kosz"), 100);
    }
    int Submit(const PrinterTarget&, const QString&, const QString&, QString*) override {
        return ++jobs_;
    }

  private:
    int jobs_ = 0;
};

// Topic button and exercise link of each tour; a null link opens a dialog of the menu.
struct Tour {
    const char* topic;
    const char* link;
};
const Tour kTours[] = {
    {"BitBtn8", "Label11"},   {"BitBtn8", "Label13"},  {"BitBtn11", "Label20"},
    {"BitBtn11", "Label22"},  {"BitBtn11", "Label23"}, {"BitBtn9", "Label26"},
    {"BitBtn12", "Label46"},  {"BitBtn12", "Label47"}, {"BitBtn12", "Label75"},
    {"BitBtn12", "Label76"},  {"BitBtn16", "Label64"}, {"BitBtn16", "Label65"},
    {"BitBtn16", "Label97"},  {"BitBtn16", "Label98"}, {"BitBtn16", "Label99"},
    {"BitBtn16", "Label100"}, {"BitBtn17", "Label69"}, {"BitBtn26", nullptr},
    {"BitBtn4", nullptr},
};
const char* const kRunButtons[] = {"BitBtn5",  "BitBtn21", "BitBtn22", "BitBtn24",
                                   "BitBtn20", "BitBtn29", "BitBtn30", "BitBtn32",
                                   "BitBtn13", "BitBtn15", "BitBtn39", "BitBtn34"};

class Monkey : public QObject {
  public:
    Monkey(TForm1& form, uint64_t seed, int events, FILE* log, int pingLimitMs)
        : form_(form),
          seed_(seed),
          rng_(seed),
          target_(events),
          log_(log),
          pingLimitMs_(pingLimitMs),
          tour_(static_cast<std::size_t>(seed % std::size(kTours))) {
        lastStep_ = NowMs();
        connect(&timer_, &QTimer::timeout, this, &Monkey::Step);
        timer_.start(3);
        watchdog_ = std::thread([this] { Watch(); });
    }
    ~Monkey() override {
        stop_ = true;
        watchdog_.join();
    }
    int Sent() const { return sent_; }
    int Pings() const { return pings_; }
    int64_t LongestPing() const { return longestPing_; }
    const std::set<int>& Modes() const { return modes_; }

  private:
    // ---- the driver, on the window's thread
    // Qt does not run a timer's slot again while it is still running, so the events go out
    // from single shots: a modal box that one of them opens leaves the timer free to answer it.
    void Step() {
        lastStep_ = NowMs();
        if (pending_) return;
        pending_ = true;
        QTimer::singleShot(0, this, [this] {
            pending_ = false;
            Act();
        });
    }

    void Act() {
        if (pingSentAt_ != 0) return;
        modes_.insert(form_.Sim().S.SimulationMode);
        // After a tour, the pupil waits a little for the particles to find their places.
        if (NowMs() < settleUntil_ && form_.HeatPlacement().Busy()) return;
        if (sent_ >= target_) {
            Finish();
            return;
        }
        if (sent_ > 0 && sent_ % 100 == 0 && pingedAt_ != sent_) {
            Ping();
            return;
        }
        // A click below may open a modal box whose loop calls Step again: that call answers it.
        const int before = sent_;
        // A long text goes in a few keys per event, as a pupil types, with the loop running
        // between them.
        if (!typing_.isEmpty()) {
            const QString keys = typing_.left(kKeysPerEvent);
            typing_ = typing_.mid(kKeysPerEvent);
            // A box that opened meanwhile takes the keys away from the text box behind it.
            QWidget* front = QApplication::activePopupWidget();
            if (!front) front = QApplication::activeModalWidget();
            if (typingInto_ && typingInto_->isVisible() &&
                (!front || front->isAncestorOf(typingInto_))) {
                Note(QStringLiteral("type on \"%1\" into %2").arg(keys).arg(Name(typingInto_)));
                TypeText(typingInto_, keys);
                return;
            }
            typing_.clear();
        }
        if (sent_ / 90 > toursDone_ && !QApplication::activeModalWidget() &&
            !QApplication::activePopupWidget()) {
            toursDone_ = sent_ / 90;
            TourStep();
        }
        if (sent_ == before) RandomEvent();
        modes_.insert(form_.Sim().S.SimulationMode);
    }

    void Ping() {
        pingedAt_ = sent_;
        pingSentAt_ = NowMs();
        QMetaObject::invokeMethod(
            this,
            [this] {
                const int64_t took = NowMs() - pingSentAt_;
                longestPing_ = std::max(longestPing_, took);
                ++pings_;
                pingSentAt_ = 0;
            },
            Qt::QueuedConnection);
    }

    void Finish() {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        } else if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            modal->reject();
        } else if (!finished_) {
            finished_ = true;
            QCoreApplication::exit(0);
        }
    }

    void Note(const QString& what) {
        ++sent_;
        const std::string line = "#" + std::to_string(sent_) + " " + what.toStdString();
        std::fprintf(log_, "%s\n", line.c_str());
        std::fflush(log_);
        std::lock_guard lock(recentMutex_);
        recent_.push_back(line);
        if (recent_.size() > 50) recent_.pop_front();
    }

    int Below(int n) { return n <= 1 ? 0 : static_cast<int>(rng_() % static_cast<uint64_t>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }

    static QString Name(const QWidget* w) {
        QString name = w->objectName();
        if (name.isEmpty()) name = QString::fromLatin1(w->metaObject()->className());
        if (const auto* b = qobject_cast<const QAbstractButton*>(w); b && !b->text().isEmpty()) {
            name += QStringLiteral(" \"%1\"").arg(b->text());
        }
        return name;
    }

    // The window the pupil can reach now: an open menu, else a modal box, else the main window
    // and any dialog shown beside it.
    std::vector<QWidget*> Roots() const {
        if (QWidget* popup = QApplication::activePopupWidget()) return {popup};
        if (QWidget* modal = QApplication::activeModalWidget()) return {modal};
        std::vector<QWidget*> roots;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible()) roots.push_back(top);
        }
        return roots;
    }

    static bool Reachable(QWidget* w) {
        if (!w->isVisible() || !w->isEnabled() || w->width() <= 0 || w->height() <= 0) return false;
        // Hidden behind a scroll area's edge: a pupil cannot hit it.
        const QRect seen = w->visibleRegion().boundingRect();
        return !seen.isEmpty();
    }

    std::vector<QWidget*> Controls() const {
        std::vector<QWidget*> out;
        for (QWidget* root : Roots()) {
            if (qobject_cast<QMenu*>(root)) {
                out.push_back(root);
                continue;
            }
            for (QWidget* w : root->findChildren<QWidget*>()) {
                if (!Reachable(w)) continue;
                // The menu's "Wyjście" ends the program, which would end the test.
                if (w->objectName() == QLatin1String("BitBtn2")) continue;
                if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w) ||
                    qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
                    qobject_cast<QAbstractSlider*>(w) ||
                    w->metaObject()->className() == QByteArray("SurfaceView") ||
                    (w->parentWidget() && qobject_cast<QPlainTextEdit*>(w->parentWidget()) &&
                     w == static_cast<QPlainTextEdit*>(w->parentWidget())->viewport())) {
                    out.push_back(w);
                }
            }
        }
        return out;
    }

    std::vector<QWidget*> TextBoxes() const {
        std::vector<QWidget*> out;
        for (QWidget* root : Roots()) {
            for (QWidget* w : root->findChildren<QWidget*>()) {
                if (!Reachable(w)) continue;
                if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                    qobject_cast<QAbstractSpinBox*>(w)) {
                    out.push_back(w);
                }
            }
        }
        return out;
    }

    QPoint SomePoint(const QWidget* w) { return {Below(w->width()), Below(w->height())}; }

    QString SomeText() {
        static const QString pieces[] = {
            QStringLiteral("12"),
            QStringLiteral("0"),
            QStringLiteral(","),
            QStringLiteral("1,5"),
            QStringLiteral("300"),
            QStringLiteral("-7"),
            QStringLiteral("abc"),
            QStringLiteral("źdźbło"),
            QStringLiteral("1e9"),
            QStringLiteral(" "),
            QStringLiteral("99999999999999999999"),
            QStringLiteral("\t"),
            QStringLiteral("0,0001"),
            QString::fromUtf8("\xF0\x9F\x98\x80"),
        };
        QString text;
        const int count = 1 + Below(Chance(5) ? 60 : 4);
        for (int k = 0; k < count; ++k)
            text += pieces[Below(static_cast<int>(std::size(pieces)))];
        return text;
    }

    void FillClipboard() {
        QClipboard* clipboard = QGuiApplication::clipboard();
        switch (Below(6)) {
            case 0:
                clipboard->clear();
                break;
            case 1: {
                auto* data = new QMimeData;
                data->setImageData(QImage(16, 16, QImage::Format_RGB32));
                clipboard->setMimeData(data);
                break;
            }
            case 2:
                clipboard->setText(QString(100000, QLatin1Char(Chance(50) ? '7' : 'x')));
                break;
            case 3:
                clipboard->setText(QStringLiteral("1\x01,\x07"
                                                  "5\r\n\t2\x1b") +
                                   QChar(0xD83D));
                break;
            case 4:
                clipboard->setMimeData(new QMimeData);
                break;
            default:
                clipboard->setText(SomeText());
        }
    }

    QWidget* ByName(const char* name) const {
        for (QWidget* root : Roots()) {
            if (root->objectName() == QLatin1String(name)) return root;
            if (auto* w = root->findChild<QWidget*>(QLatin1String(name)); w && Reachable(w)) {
                return w;
            }
        }
        return nullptr;
    }

    void ClickNamed(const char* name) {
        QPointer<QWidget> w = ByName(name);
        if (!w) return;
        Note(QStringLiteral("tour click %1").arg(Name(w)));
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }

    // Back to the menu, then one exercise opened and started as a pupil would.
    void TourStep() {
        form_.activateWindow();
        const Tour& t = kTours[tour_++ % std::size(kTours)];
        // The way back to the menu: the table panel hidden ("Ukryj panel"), the panel of
        // initial conditions closed, then "Wyjście".
        for (const char* back : {"Button1", "BitBtn25", "BitBtn1"}) {
            if (!ByName(t.topic)) ClickNamed(back);
        }
        if (!ByName(t.topic)) {
            QStringList shown;
            for (QWidget* w : form_.Stage()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (w->isVisible()) shown << w->objectName();
            }
            Note(QStringLiteral("tour: no way to %1; shown: %2")
                     .arg(QLatin1String(t.topic), shown.join(QLatin1Char(' '))));
        }
        ClickNamed(t.topic);
        if (!t.link) return;
        ClickNamed(t.link);
        for (const char* run : kRunButtons) {
            if (ByName(run)) {
                ClickNamed(run);
                break;
            }
        }
        if (ByName("BitBtn3")) ClickNamed("BitBtn3");
        settleUntil_ = NowMs() + 10000;
    }

    void RandomEvent() {
        // A pupil facing a message box or a menu mostly answers it.
        if (QWidget* popup = QApplication::activePopupWidget()) {
            auto* menu = qobject_cast<QMenu*>(popup);
            if (menu && Chance(70)) {
                QList<QAction*> actions;
                for (QAction* a : menu->actions()) {
                    if (a->isVisible() && !a->isSeparator()) actions.push_back(a);
                }
                if (!actions.isEmpty()) {
                    QAction* a = actions[Below(static_cast<int>(actions.size()))];
                    Note(QStringLiteral("menu choice \"%1\"").arg(a->text()));
                    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
                    return;
                }
            }
            Note(QStringLiteral("Escape on the menu"));
            QTest::keyClick(popup, Qt::Key_Escape);
            return;
        }
        const std::vector<QWidget*> controls = Controls();
        if (controls.empty()) {
            Note(QStringLiteral("nothing to touch: wait"));
            return;
        }
        QPointer<QWidget> w =
            controls[static_cast<std::size_t>(Below(static_cast<int>(controls.size())))];
        const int kind = Below(100);
        if (kind < 40) {
            const QPoint at = Chance(60) ? w->rect().center() : SomePoint(w);
            Note(QStringLiteral("click %1 at (%2, %3)").arg(Name(w)).arg(at.x()).arg(at.y()));
            QTest::mouseClick(w, Qt::LeftButton, {}, at);
        } else if (kind < 44) {
            Note(QStringLiteral("double click %1").arg(Name(w)));
            QTest::mouseDClick(w, Qt::LeftButton, {}, SomePoint(w));
        } else if (kind < 47) {
            Note(QStringLiteral("middle click %1").arg(Name(w)));
            QTest::mouseClick(w, Qt::MiddleButton, {}, SomePoint(w));
        } else if (kind < 50) {
            const QPoint at = SomePoint(w);
            Note(QStringLiteral("context menu on %1").arg(Name(w)));
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, w->mapToGlobal(at));
            QApplication::sendEvent(w, &event);
        } else if (kind < 66) {
            Key(w);
        } else if (kind < 74) {
            const std::vector<QWidget*> boxes = TextBoxes();
            QPointer<QWidget> box =
                boxes.empty()
                    ? w.data()
                    : boxes[static_cast<std::size_t>(Below(static_cast<int>(boxes.size())))];
            const QString text = SomeText();
            Note(
                QStringLiteral("type \"%1\" into %2").arg(text.left(kKeysPerEvent)).arg(Name(box)));
            box->setFocus();
            TypeText(box, text.left(kKeysPerEvent));
            typing_ = text.mid(kKeysPerEvent);
            typingInto_ = box;
        } else if (kind < 82) {
            const std::vector<QWidget*> boxes = TextBoxes();
            QPointer<QWidget> box =
                boxes.empty()
                    ? w.data()
                    : boxes[static_cast<std::size_t>(Below(static_cast<int>(boxes.size())))];
            FillClipboard();
            const bool shiftInsert = Chance(30);
            Note(QStringLiteral("paste by %1 into %2")
                     .arg(shiftInsert ? "Shift+Insert" : "Ctrl+V")
                     .arg(Name(box)));
            box->setFocus();
            if (shiftInsert) {
                QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
            } else {
                QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            }
        } else if (kind < 92) {
            Drag(w);
        } else {
            const int delta = Chance(50) ? 120 : -120;
            const QPoint at = SomePoint(w);
            Note(QStringLiteral("wheel %1 on %2").arg(delta).arg(Name(w)));
            QWheelEvent wheel(at, w->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(w, &wheel);
        }
    }

    // One key press and release per character, any character (QTest's own typing takes ASCII
    // only); a widget closed by a key stops the typing.
    static void TypeText(QWidget* w, const QString& text) {
        QPointer<QWidget> guard = w;
        for (const QChar c : text) {
            if (!guard) return;
            const char16_t u = c.toUpper().unicode();
            const auto key =
                (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || u == u' ' || u == u','
                    ? static_cast<Qt::Key>(u)
                    : Qt::Key_unknown;
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &press);
            if (!guard) return;
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &release);
        }
    }

    void Key(QWidget* w) {
        static const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
            {Qt::Key_Return, {}},
            {Qt::Key_Escape, {}},
            {Qt::Key_Space, {}},
            {Qt::Key_Tab, {}},
            {Qt::Key_Backtab, {}},
            {Qt::Key_Up, {}},
            {Qt::Key_Down, {}},
            {Qt::Key_Left, {}},
            {Qt::Key_Right, {}},
            {Qt::Key_PageUp, {}},
            {Qt::Key_PageDown, {}},
            {Qt::Key_Home, {}},
            {Qt::Key_End, {}},
            {Qt::Key_Backspace, {}},
            {Qt::Key_Delete, {}},
            {Qt::Key_1, {}},
            {Qt::Key_0, {}},
            {Qt::Key_Comma, {}},
            {Qt::Key_A, Qt::ControlModifier},
            {Qt::Key_Z, Qt::ControlModifier},
            {Qt::Key_C, Qt::ControlModifier},
            {Qt::Key_X, Qt::ControlModifier},
            {Qt::Key_F4, Qt::AltModifier},
            {Qt::Key_F1, {}},
        };
        const auto& [key, modifiers] = keys[Below(static_cast<int>(std::size(keys)))];
        QWidget* to = QApplication::focusWidget();
        if (!to || Chance(40)) to = w;
        Note(QStringLiteral("key %1 (modifiers %2) to %3")
                 .arg(static_cast<int>(key), 0, 16)
                 .arg(modifiers.toInt())
                 .arg(Name(to)));
        QTest::keyClick(to, key, modifiers);
    }

    void Drag(QWidget* w) {
        const QPoint from = Chance(50) ? w->rect().center() : SomePoint(w);
        const QPoint to = SomePoint(w);
        Note(QStringLiteral("drag on %1 from (%2, %3) to (%4, %5)")
                 .arg(Name(w))
                 .arg(from.x())
                 .arg(from.y())
                 .arg(to.x())
                 .arg(to.y()));
        QPointer<QWidget> guard = w;
        QTest::mousePress(w, Qt::LeftButton, {}, from);
        for (int k = 1; k <= 4 && guard; ++k)
            QTest::mouseMove(w, from + (to - from) * k / 4);
        if (guard) QTest::mouseRelease(w, Qt::LeftButton, {}, to);
    }

    // ---- the watchdog, on its own thread
    void Watch() {
        while (!stop_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            const int64_t now = NowMs();
            const int64_t ping = pingSentAt_;
            if (ping != 0 && now - ping > pingLimitMs_) Hang("no answer to the ping", now - ping);
            if (now - lastStep_ > pingLimitMs_)
                Hang("the event loop took no events", now - lastStep_);
        }
    }

    [[noreturn]] void Hang(const char* what, int64_t ms) {
        std::lock_guard lock(recentMutex_);
        std::fprintf(stderr, "HANG with seed %llu after %d events: %s for %lld ms (limit %d ms)\n",
                     static_cast<unsigned long long>(seed_), sent_.load(), what,
                     static_cast<long long>(ms), pingLimitMs_);
        std::fprintf(stderr, "last %zu events:\n", recent_.size());
        for (const std::string& line : recent_)
            std::fprintf(stderr, "  %s\n", line.c_str());
        std::fflush(stderr);
        if (qEnvironmentVariableIsSet("KINETRA_MONKEY_ABORT")) std::abort();  // for a debugger
        std::_Exit(3);
    }

    TForm1& form_;
    uint64_t seed_;
    std::mt19937_64 rng_;
    int target_;
    FILE* log_;
    int pingLimitMs_;
    std::size_t tour_;
    QTimer timer_;
    std::atomic<int> sent_{0};
    std::atomic<int64_t> lastStep_{0};
    std::atomic<int64_t> pingSentAt_{0};
    int pingedAt_ = -1;
    bool pending_ = false;
    int64_t settleUntil_ = 0;
    static constexpr int kKeysPerEvent = 8;
    QString typing_;
    QPointer<QWidget> typingInto_;
    int toursDone_ = -1;
    int pings_ = 0;
    int64_t longestPing_ = 0;
    bool finished_ = false;
    std::set<int> modes_;
    std::mutex recentMutex_;
    std::deque<std::string> recent_;
    std::atomic<bool> stop_{false};
    std::thread watchdog_;
};

// Message boxes as the program shows them, but every save dialog answered with a file in a
// scratch folder: random clicks in a real file dialog could reach files of the machine's own.
class ScratchSaves final : public MessageSink {
  public:
    explicit ScratchSaves(QString folder) : folder_(std::move(folder)) {}
    void Show(MessageKind kind, QWidget* parent, const QString& title,
              const QString& text) override {
        QMessageBox box(
            kind == MessageKind::Error ? QMessageBox::Warning : QMessageBox::Information, title,
            text, QMessageBox::Ok, parent);
        box.exec();
    }
    bool Ask(QWidget* parent, const QString& title, const QString& text) override {
        QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                        parent);
        return box.exec() == QMessageBox::Yes;
    }
    QString SaveFileName(QWidget*, const QString&, const QString& suggested,
                         const QString&) override {
        return QDir(folder_).filePath(QFileInfo(suggested).fileName());
    }

  private:
    QString folder_;
};

}  // namespace

int main(int argc, char** argv) {
    uint64_t seed = 1;
    int events = 1000;
    int pingMs = 2000;
    const char* logPath = nullptr;
    for (int k = 1; k + 1 < argc; k += 2) {
        const std::string option = argv[k];
        if (option == "--seed")
            seed = std::strtoull(argv[k + 1], nullptr, 10);
        else if (option == "--events")
            events = std::atoi(argv[k + 1]);
        else if (option == "--ping-ms")
            pingMs = std::atoi(argv[k + 1]);
        else if (option == "--log")
            logPath = argv[k + 1];
    }
    FILE* log = logPath ? std::fopen(logPath, "w") : stdout;
    if (!log) {
        std::perror(logPath);
        return 2;
    }

    QApplication app(argc, argv);
    SetShellOpener([](const QUrl&) { return true; });  // no browser or mail program here
    QTemporaryDir scratch;
    ScratchSaves saves(scratch.path());
    SetMessageSink(&saves);
    TForm1 Form1;
    TFO_programie FO_programie(&Form1);
    Tjednostki jednostki(&Form1);
    Form1.SetDialogs(&FO_programie, &jednostki);
    Form1.SetPrintService(std::make_unique<PrintService>(std::make_unique<Wastebasket>()));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        Form1.setGeometry(screen->geometry());
    }
    Form1.showFullScreen();
    Form1.activateWindow();

    int sent = 0, pings = 0;
    int64_t longest = 0;
    std::set<int> modes;
    {
        Monkey monkey(Form1, seed, events, log, pingMs);
        app.exec();
        sent = monkey.Sent();
        pings = monkey.Pings();
        longest = monkey.LongestPing();
        modes = monkey.Modes();
    }
    QString seen;
    for (int m : modes) {
        if (m > 0) seen += QString::number(m);
    }
    std::printf("seed %llu: %d events, %d pings, longest ping %lld ms, modes run: %s\n",
                static_cast<unsigned long long>(seed), sent, pings, static_cast<long long>(longest),
                qPrintable(seen));
    // Before a leak check at exit can end the process without flushing.
    std::fflush(stdout);
    if (log != stdout) std::fclose(log);
    return 0;
}
