#include "ui/CellHint.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>

namespace {

constexpr int kHintMs = 3000;

}  // namespace

void ShowCellHint(QLineEdit* cell, const QString& hint) {
    QWidget* panel = cell->parentWidget();
    if (!panel || hint.isEmpty()) return;
    auto* note = panel->findChild<QLabel*>(QStringLiteral("CellHint"), Qt::FindDirectChildrenOnly);
    if (!note) {
        note = new QLabel(panel);
        note->setObjectName(QStringLiteral("CellHint"));
        note->setStyleSheet(QStringLiteral(
            "QLabel { background: #ffffe1; color: #000000; border: 1px solid #a00000;"
            " padding: 1px 4px; }"));
        auto* timer = new QTimer(note);
        timer->setObjectName(QStringLiteral("CellHintTimer"));
        timer->setSingleShot(true);
        QObject::connect(timer, &QTimer::timeout, note, &QWidget::hide);
    }
    note->setText(hint);
    note->adjustSize();
    // Below the cell, kept inside the panel.
    const QRect cellBox = cell->geometry();
    const int x = std::min(cellBox.left(), std::max(0, panel->width() - note->width()));
    int y = cellBox.bottom() + 2;
    if (y + note->height() > panel->height()) y = cellBox.top() - note->height() - 2;
    note->move(x, y);
    note->show();
    note->raise();
    note->findChild<QTimer*>(QStringLiteral("CellHintTimer"))->start(kHintMs);
}
