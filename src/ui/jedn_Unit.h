#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;

// The Units dialog: what the program's lengths, times, speeds, masses, pressures and
// temperatures are measured in.
class Tjednostki : public QDialog {
    Q_OBJECT
  public:
    explicit Tjednostki(QWidget* parent = nullptr);

    // The memo's lines as the dialog starts with them.
    static QStringList MemoLines();
    // The memo and the captions in the current language.
    void Retranslate();

    // "Wyjście". The dialog is only hidden, so whatever the pupil typed into the memo stays.
    void BitBtn1Click();

  protected:
    void showEvent(QShowEvent* event) override;
};
