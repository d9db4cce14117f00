#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class ClickLabel;

// The About dialog: product, authors, version, year, and the publisher's web and mail links.
class TFO_programie : public QDialog {
    Q_OBJECT
  public:
    explicit TFO_programie(QWidget* parent = nullptr);

    // Label5: opens the publisher's web page.
    void L();
    // Label17: opens a mail to the publisher.
    void Label17Click();
    // "OK".
    void Button1Click();
};
