#include "ui/SafePaste.h"

#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>

QString PasteableText(const QString& text, bool multiLine) {
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype k = 0; k < n; ++k) {
        const QChar c = text[k];
        if (c.isHighSurrogate()) {
            if (k + 1 < n && text[k + 1].isLowSurrogate()) {
                out += c;
                out += text[++k];
            }
            continue;
        }
        if (c.isLowSurrogate()) continue;
        const char16_t u = c.unicode();
        if (u == u'\n' || u == u'\t') {
            if (multiLine) out += c;
            continue;
        }
        if (u < 0x20 || (u >= 0x7f && u < 0xa0) || u == 0x2028 || u == 0x2029) continue;
        out += c;
    }
    return out;
}

bool SafePlainTextEdit::canInsertFromMimeData(const QMimeData* source) const {
    return source && !isReadOnly() && source->hasText();
}

void SafePlainTextEdit::insertFromMimeData(const QMimeData* source) {
    if (!canInsertFromMimeData(source)) return;
    QString text = PasteableText(source->text(), true);
    const QTextCursor cursor = textCursor();
    const qsizetype kept =
        document()->characterCount() - 1 - (cursor.selectionEnd() - cursor.selectionStart());
    const qsizetype room = std::max<qsizetype>(kMaxLength - kept, 0);
    if (text.size() > room) {
        text.truncate(room);
        // Never half of a character beyond 16 bits.
        if (!text.isEmpty() && text.back().isHighSurrogate()) text.chop(1);
    }
    if (!text.isEmpty()) insertPlainText(text);
}
