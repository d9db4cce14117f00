#pragma once

#include <QSpinBox>

// A spin box that lets any text in, so that its change handler sees every text the pupil types
// and can judge it. Change() follows every change of the text, whether typed, stepped, or
// rewritten by SetValue or by a new range; the box clamps its text when the pupil leaves it.
class SpinEdit : public QSpinBox {
    Q_OBJECT
  public:
    SpinEdit(QWidget* parent, int minimum, int maximum, int value, int step);

    // The value handed to the simulation: its text read as the core reads it.
    int Value() const { return valueFromText(Text()); }
    // Clamps the value to the range and rewrites the text.
    void SetValue(int value);
    void SetMaximum(int maximum);
    QString Text() const;

  signals:
    void Change();

  protected:
    QValidator::State validate(QString& input, int& pos) const override;
    int valueFromText(const QString& text) const override;
    QString textFromValue(int value) const override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    // Emits Change() if the text differs from the one last reported.
    void NoteText();

    QString reported_;
};
