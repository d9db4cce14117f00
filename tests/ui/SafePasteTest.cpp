// Pastes of every kind of clipboard into every text box of the three windows: nothing crashes,
// read-only boxes keep their text, the Units memo takes clean text only, and cells and spin
// boxes still judge what is pasted into them.
#include <QAbstractSpinBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <functional>

#include "FormTest.h"
#include "core/CellRules.h"
#include "measure/CoreText.h"
#include "ui/SafePaste.h"
#include "ui/jedn_Unit.h"
#include "ui/o_programie_Unit.h"

namespace {

struct Clipboard {
    const char* what;
    std::function<QMimeData*()> make;
    bool sampled = false;  // the long texts go into a few boxes only, to keep the test short
};

QMimeData* WithText(const QString& text) {
    auto* data = new QMimeData;
    data->setText(text);
    return data;
}

const QString kControls = QStringLiteral(
    "1\x01,\x07"
    "5\r\n\t2\x1b\x7f");
const QString kBeyondBmp = QStringLiteral("3") + QString::fromUtf8("\xF0\x9F\x98\x80") +
                           QStringLiteral("4") + QChar(0xD83D);  // a lone half at the end

std::vector<Clipboard> Clipboards() {
    return {
        {"no data", [] { return new QMimeData; }},
        {"an image",
         [] {
             auto* data = new QMimeData;
             data->setImageData(QImage(8, 8, QImage::Format_RGB32));
             return data;
         }},
        {"control characters", [] { return WithText(kControls); }},
        {"characters beyond 16 bits", [] { return WithText(kBeyondBmp); }},
        {"100 000 digits", [] { return WithText(QString(100000, QLatin1Char('7'))); }, true},
        {"100 000 letters", [] { return WithText(QString(100000, QLatin1Char('q'))); }, true},
    };
}

// The three ways of pasting.
void PasteInto(QWidget* box, int way) {
    switch (way) {
        case 0:
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            break;
        case 1:
            QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
            break;
        default: {
            auto* edit = qobject_cast<QPlainTextEdit*>(box);
            QWidget* target = edit ? edit->viewport() : box;
            QTest::mouseClick(target, Qt::MiddleButton, {}, QPoint(4, 4));
        }
    }
}

bool Clean(const QString& text) {
    for (qsizetype k = 0; k < text.size(); ++k) {
        const QChar c = text[k];
        if (c.unicode() < 0x20 && c != QLatin1Char('\n') && c != QLatin1Char('\t')) return false;
        if (c.unicode() == 0x7f) return false;
        if (c.isHighSurrogate() && !(k + 1 < text.size() && text[k + 1].isLowSurrogate())) {
            return false;
        }
        if (c.isLowSurrogate() && !(k > 0 && text[k - 1].isHighSurrogate())) return false;
    }
    return true;
}

}  // namespace

TEST(PasteableText, KeepsPrintableTextAndWholeCharactersOnly) {
    EXPECT_EQ(PasteableText(kControls, true), QStringLiteral("1,5\n\t2"));
    EXPECT_EQ(PasteableText(kControls, false), QStringLiteral("1,52"));
    EXPECT_EQ(PasteableText(kBeyondBmp, true),
              QStringLiteral("3") + QString::fromUtf8("\xF0\x9F\x98\x80") + QStringLiteral("4"));
    EXPECT_EQ(PasteableText(QString(QChar(0xDE00)) + QStringLiteral("ą"), true),
              QStringLiteral("ą"));
}

class Paste : public FormTest {
  protected:
    void SetUp() override {
        FormTest::SetUp();
        about = std::make_unique<TFO_programie>(form.get());
        units = std::make_unique<Tjednostki>(form.get());
        form->SetDialogs(about.get(), units.get());
        units->show();
        about->show();
    }
    void TearDown() override {
        QGuiApplication::clipboard()->clear();
        units.reset();
        about.reset();
        FormTest::TearDown();
    }
    std::vector<QWidget*> TextBoxes() const {
        std::vector<QWidget*> boxes;
        for (QWidget* root : {static_cast<QWidget*>(form.get()), static_cast<QWidget*>(about.get()),
                              static_cast<QWidget*>(units.get())}) {
            for (auto* memo : root->findChildren<QPlainTextEdit*>())
                boxes.push_back(memo);
            for (auto* line : root->findChildren<QLineEdit*>()) {
                if (!qobject_cast<QAbstractSpinBox*>(line->parentWidget())) boxes.push_back(line);
            }
            for (auto* spin : root->findChildren<QAbstractSpinBox*>())
                boxes.push_back(spin);
        }
        return boxes;
    }
    std::unique_ptr<TFO_programie> about;
    std::unique_ptr<Tjednostki> units;
};

TEST_F(Paste, EveryTextBoxTakesOrIgnoresEveryKindOfClipboard) {
    const std::vector<QWidget*> boxes = TextBoxes();
    // The memos of the exercise pages, the Units memo, 68 cells, the spin boxes.
    ASSERT_GT(boxes.size(), 80u);
    auto* unitsMemo = units->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    ASSERT_NE(unitsMemo, nullptr);
    ASSERT_FALSE(unitsMemo->isReadOnly());

    for (const Clipboard& clipboard : Clipboards()) {
        for (QWidget* box : boxes) {
            const QString name = box->objectName();
            if (clipboard.sampled && name != QLatin1String("Memo1") &&
                name != QLatin1String("Memo24") && name != QLatin1String("Edit1") &&
                name != QLatin1String("Edit102") && name != QLatin1String("SpinEdit2")) {
                continue;
            }
            for (int way = 0; way < 3; ++way) {
                SCOPED_TRACE(std::string(clipboard.what) + " into " +
                             box->objectName().toStdString() + " by way " + std::to_string(way));
                QGuiApplication::clipboard()->setMimeData(clipboard.make());
                if (auto* memo = qobject_cast<QPlainTextEdit*>(box)) {
                    const QString before = memo->toPlainText();
                    PasteInto(memo, way);
                    const QString after = memo->toPlainText();
                    if (memo->isReadOnly()) {
                        ASSERT_EQ(after, before);
                    } else {
                        ASSERT_TRUE(Clean(after));
                        ASSERT_GE(after.size(), before.size());
                        memo->setPlainText(before);
                    }
                } else if (auto* cell = qobject_cast<QLineEdit*>(box)) {
                    PasteInto(cell, way);
                    // The cell check has run on the pasted text.
                    ASSERT_EQ(FromCore(SettleCellText(ToCore(cell->text()))), cell->text());
                    cell->clear();
                } else if (auto* spin = qobject_cast<SpinEdit*>(box)) {
                    PasteInto(spin, way);
                    ASSERT_TRUE(SpinTextAccepted(spin->Text().toStdString(), spin->minimum()))
                        << spin->Text().toStdString();
                    ASSERT_GE(spin->Value(), spin->minimum());
                    ASSERT_LE(spin->Value(), spin->maximum());
                } else {
                    PasteInto(box, way);
                }
            }
        }
    }
}

// What the Units memo and a cell end with, paste by paste.
TEST_F(Paste, TheUnitsMemoTakesCleanTextAndACellItsCheckedPart) {
    auto* memo = units->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    memo->setPlainText(QString());
    memo->setFocus();
    QGuiApplication::clipboard()->setMimeData(WithText(kControls));
    PasteInto(memo, 0);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("1,5\n\t2"));
    QGuiApplication::clipboard()->setMimeData(new QMimeData);
    PasteInto(memo, 1);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("1,5\n\t2"));
    // A long text fills the memo up to its limit, and no further.
    QGuiApplication::clipboard()->setMimeData(WithText(QString(100000, QLatin1Char('7'))));
    PasteInto(memo, 0);
    EXPECT_EQ(memo->toPlainText().size(), SafePlainTextEdit::kMaxLength);
    EXPECT_TRUE(memo->toPlainText().startsWith(QStringLiteral("1,5\n\t27777")));
    PasteInto(memo, 0);
    EXPECT_EQ(memo->toPlainText().size(), SafePlainTextEdit::kMaxLength);
    // Over a selection, the selected text makes room.
    QTextCursor cursor = memo->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(3, QTextCursor::KeepAnchor);
    memo->setTextCursor(cursor);
    QGuiApplication::clipboard()->setMimeData(
        WithText(QStringLiteral("ab") + QString::fromUtf8("\xF0\x9F\x98\x80")));
    PasteInto(memo, 0);
    EXPECT_EQ(memo->toPlainText().size(), SafePlainTextEdit::kMaxLength - 1);
    EXPECT_TRUE(memo->toPlainText().startsWith(QStringLiteral("ab\n\t2")));

    auto* cell = W<QLineEdit>("Edit1");
    QGuiApplication::clipboard()->setMimeData(WithText(QStringLiteral("12,5x9")));
    PasteInto(cell, 0);
    EXPECT_EQ(cell->text(), QStringLiteral("12,5"));
    cell->clear();
    QGuiApplication::clipboard()->setMimeData(WithText(
        QString(50000, QLatin1Char('3')) + QStringLiteral("x") + QString(50000, QLatin1Char('3'))));
    PasteInto(cell, 0);
    // A line edit holds at most 32767 characters: all of them digits before the letter.
    EXPECT_EQ(cell->text(), QString(cell->maxLength(), QLatin1Char('3')));

    QGuiApplication::clipboard()->setMimeData(WithText(QStringLiteral("4x")));
    recorder.messages.clear();
    auto* spin = Spin("SpinEdit1");
    spin->findChild<QLineEdit*>()->selectAll();
    PasteInto(spin, 0);
    EXPECT_EQ(spin->Text(), QString::number(spin->minimum()));
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text, QStringLiteral("Nieprawidłowa wartość"));
}
