#include "measure/Language.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

#include "measure/CoreText.h"

namespace {

constexpr char kContext[] = "kinetra";

struct LanguageState {
    Language Current = Language::Polish;
    std::unique_ptr<QTranslator> Translation;
    std::unique_ptr<QTranslator> QtTexts;
    // Translations shown so far, back to their sources, so that a text on screen can be put
    // into another language whoever wrote it.
    QHash<QString, QString> Sources;
};

LanguageState& State() {
    static LanguageState state;
    return state;
}

QLocale LocaleOf(Language language) {
    if (language == Language::Polish) return QLocale(QLocale::Polish, QLocale::Poland);
    if (language == Language::English) return QLocale(QLocale::English, QLocale::UnitedKingdom);
    return QLocale(FromCore(language.Code));
}

}  // namespace

void UseQtTexts(Language language) {
    LanguageState& s = State();
    if (s.QtTexts) {
        QCoreApplication::removeTranslator(s.QtTexts.get());
        s.QtTexts.reset();
    }
    const QLocale locale = LocaleOf(language);
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
    std::unique_ptr<QTranslator> translator;
    if (language != Language::Polish) {
        translator = std::make_unique<QTranslator>();
        const QString file = QStringLiteral(":/i18n/kinetra_%1.qm").arg(FromCore(language.Code));
        if (!translator->load(file)) return false;
    }
    if (s.Translation) QCoreApplication::removeTranslator(s.Translation.get());
    s.Translation = std::move(translator);
    if (s.Translation) QCoreApplication::installTranslator(s.Translation.get());
    s.Current = InfoOf(language).Id;
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
    return DecimalSeparatorOf(State().Current);
}
