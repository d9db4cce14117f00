#include "measure/Language.h"

#include <QCoreApplication>
#include <QHash>
#include <QTranslator>
#include <memory>

namespace {

constexpr char kContext[] = "kinetra";

struct LanguageState {
    Language Current = Language::Polish;
    std::unique_ptr<QTranslator> English;
    // Translations shown so far, back to their sources, so that a text on screen can be put
    // into another language whoever wrote it.
    QHash<QString, QString> Sources;
};

LanguageState& State() {
    static LanguageState state;
    return state;
}

}  // namespace

Language CurrentLanguage() {
    return State().Current;
}

bool SetCurrentLanguage(Language language) {
    LanguageState& s = State();
    if (language == s.Current) return true;
    if (language == Language::English) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(QStringLiteral(":/i18n/kinetra_en.qm"))) return false;
        QCoreApplication::installTranslator(translator.get());
        s.English = std::move(translator);
    } else if (s.English) {
        QCoreApplication::removeTranslator(s.English.get());
        s.English.reset();
    }
    s.Current = language;
    return true;
}

QString Tr(const char* source) {
    const QString shown = QCoreApplication::translate(kContext, source);
    if (State().Current != Language::Polish)
        State().Sources.insert(shown, QString::fromUtf8(source));
    return shown;
}

QString Tr(const QString& source) {
    if (source.isEmpty()) return source;
    return Tr(source.toUtf8().constData());
}

QString SourceOf(const QString& shown) {
    return State().Sources.value(shown, shown);
}

char DecimalSeparator() {
    return State().Current == Language::English ? '.' : ',';
}

std::optional<Language> LanguageNamed(const QString& name) {
    if (name == QStringLiteral("pl")) return Language::Polish;
    if (name == QStringLiteral("en")) return Language::English;
    return std::nullopt;
}

Language LanguageOfLocale(const QString& localeName) {
    const QString name = localeName.trimmed();
    if (name.isEmpty() || name == QStringLiteral("C") || name.startsWith(QStringLiteral("C.")) ||
        name == QStringLiteral("POSIX")) {
        return Language::Polish;
    }
    return name.startsWith(QStringLiteral("pl")) ? Language::Polish : Language::English;
}

Language SystemLanguage() {
    // The first of these that is set decides, as in the C library.
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty()) return LanguageOfLocale(value);
    }
    return Language::Polish;
}
