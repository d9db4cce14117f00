#include "measure/Language.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace {

constexpr char kContext[] = "kinetra";

struct LanguageState {
    Language Current = Language::Polish;
    std::unique_ptr<QTranslator> English;
    std::unique_ptr<QTranslator> QtTexts;
    // Translations shown so far, back to their sources, so that a text on screen can be put
    // into another language whoever wrote it.
    QHash<QString, QString> Sources;
};

LanguageState& State() {
    static LanguageState state;
    return state;
}

}  // namespace

void UseQtTexts(Language language) {
    LanguageState& s = State();
    if (s.QtTexts) {
        QCoreApplication::removeTranslator(s.QtTexts.get());
        s.QtTexts.reset();
    }
    const QLocale locale = language == Language::Polish
                               ? QLocale(QLocale::Polish, QLocale::Poland)
                               : QLocale(QLocale::English, QLocale::UnitedKingdom);
    QLocale::setDefault(locale);
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator.get());
        s.QtTexts = std::move(translator);
    }
}

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
    // Qt's words in a dialog opened after the switch (the file dialog's hints, its question
    // before replacing a file) are those of the new language too.
    UseQtTexts(language);
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
