#pragma once

#include <QString>

class QWidget;

// Every message box of the program goes through here, so that tests can answer them without
// a modal loop. By default each call shows a modal QMessageBox with a single OK button.

enum class MessageKind { Information, Error };

class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void Show(MessageKind kind, QWidget* parent, const QString& title,
                      const QString& text) = 0;
};

// Replaces the modal boxes by `sink`; nullptr brings them back. The sink is not owned.
void SetMessageSink(MessageSink* sink);

void ShowInformation(QWidget* parent, const QString& title, const QString& text);
void ShowError(QWidget* parent, const QString& title, const QString& text);
