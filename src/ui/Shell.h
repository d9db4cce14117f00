#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

// Hands a web or mail address to the system's "open" action. Nothing waits for it. When the
// system has nothing to open it with, the pupil gets the address in a message box and on the
// clipboard, so that it can still be pasted into a browser or a mail program.
void OpenWithShell(const QUrl& address, QWidget* parent = nullptr);

// The opener returns whether the system took the address. Tests replace it so that no browser
// starts; nullptr (an empty function) restores QDesktopServices.
void SetShellOpener(std::function<bool(const QUrl&)> opener);

// What the pupil would type: the mail address alone for a mail, else the whole address.
QString ReadableAddress(const QUrl& address);

// The publisher's web page, and a mail to the publisher with the product's subject line.
QUrl PublisherWebUrl();
QUrl PublisherMailUrl();
