// The check of the initial-conditions panel's spin boxes, on every change of their text.
#include "FormTest.h"

using SpinValidation = FormTest;

TEST_F(SpinValidation, ALoneZeroBecomesTheMinimumWithOneMessage) {
    SetSpinText("SpinEdit1", QStringLiteral("0"));
    EXPECT_EQ(Spin("SpinEdit1")->Text(), QStringLiteral("1"));
    EXPECT_EQ(Spin("SpinEdit1")->Value(), 1);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(recorder.messages[0].title, QStringLiteral("Bład"));
    EXPECT_EQ(recorder.messages[0].text, QStringLiteral("Nieprawidłowa wartość"));

    SetSpinText("SpinEdit2", QStringLiteral("0"));
    EXPECT_EQ(Spin("SpinEdit2")->Text(), QStringLiteral("100"));
    EXPECT_EQ(recorder.messages.size(), 2u);
}

TEST_F(SpinValidation, LeadingZerosAreAcceptedAndRead) {
    SetSpinText("SpinEdit1", QStringLiteral("007"));
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(Spin("SpinEdit1")->Value(), 7);
    EXPECT_EQ(form->Sim().C.Particles, 7);
}

TEST_F(SpinValidation, ALetterTypedAfterADigitResetsToTheMinimum) {
    QLineEdit* edit = Spin("SpinEdit3")->findChild<QLineEdit*>();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("4x"));
    EXPECT_EQ(Spin("SpinEdit3")->Text(), QStringLiteral("100"));
    EXPECT_EQ(Texts(), std::vector<QString>{QStringLiteral("Nieprawidłowa wartość")});
}

TEST_F(SpinValidation, EmptyTextIsAcceptedAndReadsAsTheMinimum) {
    SetSpinText("SpinEdit4", QString());
    SetSpinText("SpinEdit1", QString());
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(Spin("SpinEdit1")->Text(), QString());
    EXPECT_EQ(form->Sim().C.Particles, 1);
    EXPECT_EQ(form->Sim().C.MaxSpeed, 0);
}

TEST_F(SpinValidation, ZeroIsAValidMaximumSpeedAndALetterThereGivesOneMessage) {
    SetSpinText("SpinEdit4", QStringLiteral("0"));
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(Spin("SpinEdit4")->Value(), 0);

    SetSpinText("SpinEdit4", QStringLiteral("x"));
    EXPECT_EQ(Spin("SpinEdit4")->Text(), QStringLiteral("0"));
    EXPECT_EQ(recorder.messages.size(), 1u);

    // The same from a text that already reads as the minimum.
    SetSpinText("SpinEdit4", QStringLiteral("0"));
    SetSpinText("SpinEdit4", QStringLiteral("0x"));
    EXPECT_EQ(Spin("SpinEdit4")->Text(), QStringLiteral("0"));
    EXPECT_EQ(recorder.messages.size(), 2u);
}

TEST_F(SpinValidation, ATextAboveTheMaximumCannotOverfillTheParticleArrays) {
    OpenDiffusionPanel();
    SetSpinText("SpinEdit1", QStringLiteral("9999"));
    EXPECT_TRUE(recorder.messages.empty());  // typed, not yet left
    EXPECT_EQ(Spin("SpinEdit1")->Text(), QStringLiteral("9999"));
    SetSpinText("SpinEdit4", QStringLiteral("5000"));
    W<QPushButton>("BitBtn3")->click();  // a button that takes no focus from the box
    EXPECT_EQ(form->Sim().S.ParticleCount, 1500);
    EXPECT_EQ(form->Sim().C.MaxSpeed, 300);
}

TEST_F(SpinValidation, LeavingTheBoxClampsItsText) {
    OpenDiffusionPanel();
    SpinEdit* box = Spin("SpinEdit2");
    box->setFocus();
    SetSpinText("SpinEdit2", QStringLiteral("950"));
    int changes = 0;
    QObject::connect(box, &SpinEdit::Change, [&] { ++changes; });
    Spin("SpinEdit3")->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(box->Text(), QStringLiteral("700"));
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(recorder.messages.empty());
}
