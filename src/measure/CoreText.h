#pragma once

#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

// Texts cross between the core (UTF-8) and Qt here, and only here. A leading byte order mark
// stays a character, as it was in the text it came from.
inline QString FromCore(std::string_view text) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return utf8(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}

inline std::string ToCore(const QString& text) {
    return text.toStdString();
}

inline std::vector<std::string> ToCore(const QStringList& texts) {
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(texts.size()));
    for (const QString& text : texts)
        out.push_back(text.toStdString());
    return out;
}
