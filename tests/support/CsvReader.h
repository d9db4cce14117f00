#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringConverter>
#include <QStringList>
#include <optional>

// Reads CSV strictly as RFC 4180 has it, from UTF-8: fields split by commas, records ended by
// CR LF, a quoted field may hold commas, line breaks and doubled quotes. Anything else (a lone
// LF, a quote inside an unquoted field, text after a closing quote, a last record without its
// CR LF, bytes that are not UTF-8) gives nothing, so that a writer breaking the rules shows.
inline std::optional<QList<QStringList>> ReadCsv(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError()) return std::nullopt;

    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;   // inside a quoted field
    bool closed = false;   // a quoted field has just been closed
    bool started = false;  // the record has begun
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"') {
                field += c;
            } else if (i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else {
                quoted = false;
                closed = true;
            }
            continue;
        }
        if (c == u',') {
            record << field;
            field.clear();
            closed = false;
            started = true;
        } else if (c == u'\r') {
            if (i + 1 >= text.size() || text[i + 1] != u'\n') return std::nullopt;
            ++i;
            record << field;
            records << record;
            record.clear();
            field.clear();
            closed = false;
            started = false;
        } else if (c == u'\n') {
            return std::nullopt;
        } else if (c == u'"') {
            if (!field.isEmpty() || closed) return std::nullopt;
            quoted = true;
            started = true;
        } else {
            if (closed) return std::nullopt;
            field += c;
            started = true;
        }
    }
    if (quoted || started || !field.isEmpty()) return std::nullopt;
    return records;
}
