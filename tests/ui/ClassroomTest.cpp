// What a pupil or teacher meets first in class: links that cannot open, cells that get a point.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "TableFormTest.h"
#include "engine/Publisher.h"
#include "ui/Shell.h"
#include "ui/o_programie_Unit.h"

namespace {

TEST(Links, AnAddressTheSystemCannotOpenIsShownAndCopied) {
    MessageRecorder recorder;
    SetMessageSink(&recorder);
    std::vector<QUrl> tried;
    SetShellOpener([&](const QUrl& url) {
        tried.push_back(url);
        return false;
    });
    QGuiApplication::clipboard()->setText(QStringLiteral("earlier"));
    TFO_programie about;
    about.show();
    QLabel* mail = about.findChild<QLabel*>(QStringLiteral("Label17"));
    ASSERT_NE(mail, nullptr);
    QTest::mouseClick(mail, Qt::LeftButton, {}, mail->rect().center());
    QLabel* web = about.findChild<QLabel*>(QStringLiteral("Label5"));
    ASSERT_NE(web, nullptr);
    QTest::mouseClick(web, Qt::LeftButton, {}, web->rect().center());
    SetShellOpener(nullptr);
    SetMessageSink(nullptr);

    ASSERT_EQ(tried.size(), 2u);
    ASSERT_EQ(recorder.messages.size(), 2u);
    // The mail address alone, not the mailto: line with its subject.
    const QString mailAddress = QString::fromUtf8(publisher::kEmailAddress);
    EXPECT_TRUE(recorder.messages[0].text.contains(mailAddress));
    EXPECT_FALSE(recorder.messages[0].text.contains(QStringLiteral("mailto")));
    EXPECT_TRUE(recorder.messages[1].text.contains(QString::fromUtf8(publisher::kWebUrl)));
    EXPECT_TRUE(recorder.messages[1].text.contains(QStringLiteral("schowka")));
    // The last one is on the clipboard, ready to paste.
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8(publisher::kWebUrl));
}

TEST(Links, AnAddressTheSystemOpensSaysNothing) {
    MessageRecorder recorder;
    SetMessageSink(&recorder);
    SetShellOpener([](const QUrl&) { return true; });
    OpenWithShell(PublisherWebUrl());
    SetShellOpener(nullptr);
    SetMessageSink(nullptr);
    EXPECT_TRUE(recorder.messages.empty());
}

using Cells = TableFormTest;

QLabel* HintUnder(QLineEdit* cell) {
    return cell->parentWidget()->findChild<QLabel*>(QStringLiteral("CellHint"),
                                                    Qt::FindDirectChildrenOnly);
}

TEST_F(Cells, APointTypedOrPastedIsTheDecimalComma) {
    for (int k : {1, 102}) {
        QTest::keyClicks(Cell(k), QStringLiteral("25.5"));
        EXPECT_EQ(Cell(k)->text(), QStringLiteral("25,5")) << k;
        Cell(k)->clear();
        Cell(k)->insert(QStringLiteral(".75"));  // as a paste inserts it
        EXPECT_EQ(Cell(k)->text(), QStringLiteral("0,75")) << k;
        // The point takes the comma's rules: a second one empties the cell, with a note.
        Cell(k)->setText(QStringLiteral("1,2."));
        EXPECT_EQ(Cell(k)->text(), QString()) << k;
        ASSERT_NE(HintUnder(Cell(k)), nullptr);
        EXPECT_EQ(HintUnder(Cell(k))->text(), QStringLiteral("Tylko jeden przecinek"));
    }
    // Gathered, the numbers are the ones typed.
    TypeRow(1, 1, QStringLiteral("25.5"), QStringLiteral("7.25"));
    QTest::mouseClick(W<QPushButton>("BitBtn28"), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(S().TableRows[1].X, 25.5);
    EXPECT_DOUBLE_EQ(S().TableRows[1].Y, 7.25);
}

TEST_F(Cells, EveryRejectedCharacterLeavesANoteAtItsCell) {
    QLineEdit* cell = Cell(70);
    QTest::keyClicks(cell, QStringLiteral("7x"));
    EXPECT_EQ(cell->text(), QStringLiteral("7"));
    QLabel* note = HintUnder(cell);
    ASSERT_NE(note, nullptr);
    EXPECT_FALSE(note->isHidden());
    EXPECT_EQ(note->text(), QStringLiteral("Tylko cyfry i przecinek"));
    // Beside its row, inside its panel, over no cell of either table.
    EXPECT_EQ(note->y(), cell->y());
    EXPECT_TRUE(cell->parentWidget()->rect().contains(note->geometry()));
    for (const QLineEdit* other : note->parentWidget()->findChildren<QLineEdit*>())
        EXPECT_FALSE(other->geometry().intersects(note->geometry()))
            << qPrintable(other->objectName());
    // A valid fraction typed key by key, a lone 0 on the way, shows no note.
    note->hide();
    Cell(71)->clear();
    QTest::keyClicks(Cell(71), QStringLiteral("0.06"));
    EXPECT_EQ(Cell(71)->text(), QStringLiteral("0,06"));
    EXPECT_TRUE(note->isHidden());
    // Text that stands leaves no new note; the note goes after a while.
    QTest::keyClicks(cell, QStringLiteral("8,5"));
    EXPECT_EQ(cell->text(), QStringLiteral("78,5"));
    EXPECT_TRUE(note->isHidden());
    QTest::keyClicks(cell, QStringLiteral("-"));
    EXPECT_FALSE(note->isHidden());
    note->findChild<QTimer*>(QStringLiteral("CellHintTimer"))->setInterval(1);
    note->findChild<QTimer*>(QStringLiteral("CellHintTimer"))->start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return note->isHidden(); }));
}

using Trap = FormTest;

TEST_F(Trap, AnExperimentStartedWithTheSetUpPanelLeftOpenClosesItAndLeadsBack) {
    const struct {
        const char* topic;
        const char* link;
        const char* run;
    } runs[] = {{"BitBtn12", "Label46", "BitBtn32"}, {"BitBtn16", "Label64", "BitBtn15"}};
    for (const auto& r : runs) {
        SCOPED_TRACE(r.run);
        // The free-path study's set-up panel, left open over the menu.
        Click("BitBtn11");
        Click("Label22");
        Click("BitBtn23");
        ASSERT_TRUE(W("Panel2")->isVisible());
        Click(r.topic);
        Click(r.link);
        Click(r.run);
        EXPECT_FALSE(W("Panel2")->isVisible());
        EXPECT_FALSE(W("BitBtn25")->isVisible());
        // The way back to the menu is open.
        Click("BitBtn1");
        EXPECT_TRUE(W("Panel1")->isVisible());
    }
}

}  // namespace
