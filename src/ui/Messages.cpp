#include "ui/Messages.h"

#include <QMessageBox>

namespace {

MessageSink* g_sink = nullptr;

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
