#include "ui/SpinEdit.h"

#include <QLineEdit>

#include "core/Settings.h"

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
    return SpinTextValue(text.toStdString(), minimum(), maximum());
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
