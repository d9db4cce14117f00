#include "ui/Messages.h"
#include "measure/Language.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace {

MessageSink* g_sink = nullptr;

// "Obraz PNG (*.png)" gives "png"; a filter of several patterns or none gives nothing.
QString FilterSuffix(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.(\\w+)\\)"));
    return pattern.match(filter).captured(1);
}

void Show(MessageKind kind, QWidget* parent, const QString& title, const QString& text) {
    if (g_sink) {
        g_sink->Show(kind, parent, title, text);
        return;
    }
    QMessageBox box(kind == MessageKind::Error ? QMessageBox::Warning : QMessageBox::Information,
                    title, text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace

void SetMessageSink(MessageSink* sink) {
    g_sink = sink;
}

void ShowInformation(QWidget* parent, const QString& title, const QString& text) {
    Show(MessageKind::Information, parent, title, text);
}

void ShowError(QWidget* parent, const QString& title, const QString& text) {
    Show(MessageKind::Error, parent, title, text);
}

bool AskYesNo(QWidget* parent, const QString& title, const QString& text, bool yesIsDefault) {
    if (g_sink) return g_sink->Ask(parent, title, text);
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(Tr(QT_TRANSLATE_NOOP("kinetra", "Tak")));
    box.button(QMessageBox::No)->setText(Tr(QT_TRANSLATE_NOOP("kinetra", "Nie")));
    box.setDefaultButton(yesIsDefault ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString AskSaveFileName(QWidget* parent, const QString& title, const QString& suggested,
                        const QString& filter) {
    if (g_sink) return g_sink->SaveFileName(parent, title, suggested, filter);
    // A bare name is offered in the home folder.
    const QString start =
        suggested.contains(QLatin1Char('/')) ? suggested : QDir::home().filePath(suggested);
    QFileDialog dialog(parent, title, start, filter);
    // Qt's own dialog, in the program's language; it asks before it replaces a file.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A name typed without an ending gets that of the type chosen, and choosing another type
    // changes the ending of the name.
    dialog.setDefaultSuffix(FilterSuffix(dialog.selectedNameFilter()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
        const QString suffix = FilterSuffix(f);
        const QString old = dialog.defaultSuffix();
        dialog.setDefaultSuffix(suffix);
        const QStringList files = dialog.selectedFiles();
        if (suffix.isEmpty() || old.isEmpty() || files.isEmpty()) return;
        const QFileInfo file(files.constFirst());
        if (file.suffix().compare(old, Qt::CaseInsensitive) != 0) return;
        dialog.selectFile(file.completeBaseName() + u'.' + suffix);
    });
    // Qt's own captions are English unless a translation is loaded.
    dialog.setLabelText(QFileDialog::LookIn, Tr(QT_TRANSLATE_NOOP("kinetra", "Folder:")));
    dialog.setLabelText(QFileDialog::FileName, Tr(QT_TRANSLATE_NOOP("kinetra", "Nazwa pliku:")));
    dialog.setLabelText(QFileDialog::FileType, Tr(QT_TRANSLATE_NOOP("kinetra", "Typ pliku:")));
    dialog.setLabelText(QFileDialog::Accept, Tr(QT_TRANSLATE_NOOP("kinetra", "Zapisz")));
    dialog.setLabelText(QFileDialog::Reject, Tr(QT_TRANSLATE_NOOP("kinetra", "Anuluj")));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}
