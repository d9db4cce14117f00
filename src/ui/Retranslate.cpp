#include "ui/Retranslate.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVariant>
#include <QWidget>
#include <map>
#include <string>

#include "measure/Language.h"
#include "ui/Widgets.h"
#include "ui/texts/PolishTexts.h"

namespace {

std::string Translated(const std::string& source) {
    return Tr(source.c_str()).toStdString();
}

SurfaceTexts TranslatedTexts() {
    const SurfaceTexts& pl = PolishSurfaceTexts();
    SurfaceTexts t = pl;
    for (std::string SurfaceTexts::*piece : kSurfaceTextPieces) {
        t.*piece = Translated(pl.*piece);
    }
    t.Decimal = DecimalSeparator();
    return t;
}

// One text of a widget in the language. The widget remembers the source of what the last pass
// showed, since one English text can stand for two Polish ones; a text that code has set since
// then is looked up afresh.
QString InLanguage(QWidget* w, const char* slot, const QString& shown) {
    const QByteArray sourceKey = QByteArray("kinetraSource.") + slot;
    const QByteArray shownKey = QByteArray("kinetraShown.") + slot;
    QString source;
    if (w->property(shownKey.constData()).toString() == shown &&
        w->property(sourceKey.constData()).isValid()) {
        source = w->property(sourceKey.constData()).toString();
    } else {
        source = SourceOf(shown);
    }
    const QString text = source.isEmpty() ? source : Tr(source);
    w->setProperty(sourceKey.constData(), source);
    w->setProperty(shownKey.constData(), text);
    return text;
}

void RetranslateLabel(QLabel* label) {
    const QString text = InLanguage(label, "text", label->text());
    if (text == label->text()) return;
    label->setText(text);
    if (!label->wordWrap() && label->sizeHint().width() > label->width())
        label->resize(label->sizeHint().width(), label->height());
}

void RetranslateMemo(QPlainTextEdit* memo) {
    QString text;
    const QVariant parts = memo->property(kTextPartsProperty);
    if (parts.isValid()) {
        for (const QString& part : parts.toStringList())
            text += Tr(part);
    } else {
        text = InLanguage(memo, "text", memo->toPlainText());
    }
    if (text == memo->toPlainText()) return;
    memo->setPlainText(text);
    if (MemoHeight(text, memo->font(), memo->width()) > memo->height() &&
        memo->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff) {
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
}

void RetranslateWidget(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
        RetranslateLabel(label);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(InLanguage(w, "text", button->text()));
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) {
        // Read-only texts only: an editable one holds what the pupil wrote.
        if (memo->isReadOnly()) RetranslateMemo(memo);
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        if (!group->title().isEmpty()) group->setTitle(InLanguage(w, "title", group->title()));
    }
    if (!w->toolTip().isEmpty()) w->setToolTip(InLanguage(w, "toolTip", w->toolTip()));
    const QVariant description = w->property(kDescriptionPartsProperty);
    if (description.isValid()) {
        QString text;
        for (const QString& part : description.toStringList())
            text += Tr(part);
        w->setAccessibleDescription(text);
    }
    if (!w->accessibleName().isEmpty())
        w->setAccessibleName(InLanguage(w, "accessibleName", w->accessibleName()));
    if (w->isWindow() && !w->windowTitle().isEmpty())
        w->setWindowTitle(InLanguage(w, "windowTitle", w->windowTitle()));
}

}  // namespace

const SurfaceTexts& CurrentSurfaceTexts() {
    const Language language = CurrentLanguage();
    if (language == Language::Polish) return PolishSurfaceTexts();
    // Made once for each language shown.
    static std::map<std::string, SurfaceTexts, std::less<>> made;
    auto found = made.find(language.Code);
    if (found == made.end()) found = made.emplace(language.Code, TranslatedTexts()).first;
    return found->second;
}

void RetranslateTree(QWidget* root) {
    RetranslateWidget(root);
    for (QWidget* w : root->findChildren<QWidget*>())
        RetranslateWidget(w);
}
