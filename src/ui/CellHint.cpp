#include "ui/CellHint.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>

namespace {

constexpr int kHintMs = 3000;
constexpr int kGap = 4;

// Where the note stands beside the cell's row, clear of every cell of the panel: right of the
// table, else left of it, else under or over the whole table; inside the panel where it can be.
QPoint NotePlace(const QWidget* panel, const QRect& cellBox, QSize note) {
    QRect table;
    QList<QRect> cells;
    for (const QLineEdit* other : panel->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
        if (other->isHidden()) continue;
        cells << other->geometry();
        table |= other->geometry();
    }
    const int top = std::clamp(cellBox.top(), 0, std::max(0, panel->height() - note.height()));
    const QPoint candidates[] = {
        {table.right() + 1 + kGap, top},
        {table.left() - kGap - note.width(), top},
        {std::min(cellBox.left(), std::max(0, panel->width() - note.width())),
         table.bottom() + 1 + kGap},
        {std::min(cellBox.left(), std::max(0, panel->width() - note.width())),
         table.top() - kGap - note.height()},
    };
    for (const QPoint& at : candidates) {
        const QRect place(at, note);
        const bool hides = std::any_of(cells.begin(), cells.end(),
                                       [&place](const QRect& c) { return c.intersects(place); });
        if (!hides && panel->rect().contains(place)) return at;
    }
    return candidates[0];
}

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
    note->move(NotePlace(panel, cell->geometry(), note->size()));
    note->show();
    note->raise();
    note->findChild<QTimer*>(QStringLiteral("CellHintTimer"))->start(kHintMs);
}
