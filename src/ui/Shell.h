#pragma once

#include <QUrl>
#include <functional>

// Hands a web or mail address to the system's "open" action. Nothing waits for it and a failure
// is ignored. Tests replace the opener so that no browser starts.
void OpenWithShell(const QUrl& address);

// nullptr (an empty function) restores QDesktopServices.
void SetShellOpener(std::function<void(const QUrl&)> opener);

// The publisher's web page, and a mail to the publisher with the product's subject line.
QUrl PublisherWebUrl();
QUrl PublisherMailUrl();
