#pragma once

#include <QPlainTextEdit>
#include <QString>

class QMimeData;

// What may go into a text from a paste or a drop: control characters other than line breaks
// and tabs are left out (a carriage return before a line break too), and so are halves of
// characters beyond the 16-bit range that have lost their partner. A one-line text keeps no
// line breaks or tabs either.
QString PasteableText(const QString& text, bool multiLine);

// A multi-line text box that takes only the text of whatever is pasted or dropped into it, and
// nothing at all from clipboard data that holds no text (an image, or no data whatsoever, which
// Qt's own paste does not survive). Read-only boxes take nothing. A paste fills the box up to
// kMaxLength characters and no further: Qt lays out one long word anew on every keystroke, and
// a word of 100 000 letters took most of a second per key.
class SafePlainTextEdit : public QPlainTextEdit {
  public:
    using QPlainTextEdit::QPlainTextEdit;
    static constexpr int kMaxLength = 20000;

  protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};
