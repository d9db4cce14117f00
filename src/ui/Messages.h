#pragma once

#include <QString>

class QWidget;

// Every message box of the program goes through here, so that tests can answer them without
// a modal loop. By default each call shows a modal QMessageBox with a single OK button; the
// question and the save-file choice show their modal dialogs.

enum class MessageKind { Information, Error };

class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void Show(MessageKind kind, QWidget* parent, const QString& title,
                      const QString& text) = 0;
    // A sink that does not answer questions declines them.
    virtual bool Ask(QWidget* /*parent*/, const QString& /*title*/, const QString& /*text*/) {
        return false;
    }
    virtual QString SaveFileName(QWidget* /*parent*/, const QString& /*title*/,
                                 const QString& /*suggested*/, const QString& /*filter*/) {
        return {};
    }
};

// Replaces the modal boxes by `sink`; nullptr brings them back. The sink is not owned.
void SetMessageSink(MessageSink* sink);

void ShowInformation(QWidget* parent, const QString& title, const QString& text);
void ShowError(QWidget* parent, const QString& title, const QString& text);

// A question with the buttons Tak and Nie; true for Tak. Enter answers Tak, or Nie where
// `yesIsDefault` is false.
bool AskYesNo(QWidget* parent, const QString& title, const QString& text, bool yesIsDefault = true);

// The save-file dialog: the chosen path, or empty when the user cancels. `suggested` is a file
// name or a path.
QString AskSaveFileName(QWidget* parent, const QString& title, const QString& suggested,
                        const QString& filter);
