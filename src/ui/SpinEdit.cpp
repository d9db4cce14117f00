#include "ui/SpinEdit.h"

#include <QLineEdit>
#include <algorithm>

bool SpinTextAccepted(const QString& text, int minimum) {
    if (text == QLatin1String("0")) return minimum <= 0;
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

int SpinTextValue(const QString& text, int minimum, int maximum) {
    bool ok = false;
    const qlonglong read = text.toLongLong(&ok);
    if (ok) return static_cast<int>(std::clamp<qlonglong>(read, minimum, maximum));
    const bool digits = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    return digits ? maximum : minimum;
}

SpinEdit::SpinEdit(QWidget* parent, int minimum, int maximum, int value, int step)
    : QSpinBox(parent) {
    setRange(minimum, maximum);
    setSingleStep(step);
    setValue(value);
    setAccelerated(true);
    reported_ = Text();
    connect(lineEdit(), &QLineEdit::textChanged, this, &SpinEdit::NoteText);
    connect(this, &QSpinBox::textChanged, this, &SpinEdit::NoteText);
    connect(this, &QAbstractSpinBox::editingFinished, this, &SpinEdit::NoteText);
}

QString SpinEdit::Text() const {
    return lineEdit()->text();
}

void SpinEdit::SetValue(int value) {
    setValue(value);
    // QSpinBox rewrites its text silently when the value itself stays the same.
    NoteText();
}

void SpinEdit::SetMaximum(int maximum) {
    setMaximum(maximum);
    NoteText();
}

QValidator::State SpinEdit::validate(QString&, int&) const {
    return QValidator::Acceptable;
}

int SpinEdit::valueFromText(const QString& text) const {
    return SpinTextValue(text, minimum(), maximum());
}

QString SpinEdit::textFromValue(int value) const {
    return QString::number(value);
}

void SpinEdit::focusOutEvent(QFocusEvent* event) {
    QSpinBox::focusOutEvent(event);
    NoteText();
}

void SpinEdit::NoteText() {
    const QString now = Text();
    if (now == reported_) return;
    reported_ = now;
    emit Change();
}
