#pragma once

#include <QSpinBox>

// The check the initial-conditions panel makes on every change of a spin box's text: an empty
// text, or one of digits only, passes; the text "0" passes only where 0 is the minimum.
bool SpinTextAccepted(const QString& text, int minimum);

// A spin box's value: its text read as a whole number (digits beyond the range read as the
// maximum), or the minimum when the text is not a number; always within [minimum, maximum].
int SpinTextValue(const QString& text, int minimum, int maximum);

// A spin box that lets any text in, so that its change handler sees every text the pupil types
// and can judge it. Change() follows every change of the text, whether typed, stepped, or
// rewritten by SetValue or by a new range; the box clamps its text when the pupil leaves it.
class SpinEdit : public QSpinBox {
    Q_OBJECT
  public:
    SpinEdit(QWidget* parent, int minimum, int maximum, int value, int step);

    // The value handed to the simulation.
    int Value() const { return SpinTextValue(Text(), minimum(), maximum()); }
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
