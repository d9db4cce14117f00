#include "measure/Table.h"

QString ValidateCellText(const QString& text, QChar separator) {
    QString result = text;
    bool bad = text == QStringLiteral("0");
    for (const QChar c : text) {
        if (!(c >= QLatin1Char('0') && c <= QLatin1Char('9')) && c != separator) bad = true;
    }
    if (bad) result = text.left(text.size() - 1);
    if (text.startsWith(separator)) result = QStringLiteral("0") + separator;
    if (text.count(separator) > 1) result.clear();
    return result;
}

QString SettleCellText(const QString& text, QChar separator) {
    // One pass of the check settles the comma rules: a second comma empties the cell, a
    // leading one makes it "0,", and both results pass.
    if (text.count(separator) > 1 || text.startsWith(separator)) {
        return ValidateCellText(text, separator);
    }
    // Otherwise the tail goes until the text holds digits and at most one comma only, and a
    // lone "0" goes too.
    qsizetype good = 0;
    while (good < text.size()) {
        const QChar c = text[good];
        if (!(c >= QLatin1Char('0') && c <= QLatin1Char('9')) && c != separator) break;
        ++good;
    }
    QString settled = text.left(good);
    if (settled == QStringLiteral("0")) settled.clear();
    return settled;
}

double CellValue(const QString& text) {
    if (text.isEmpty()) return -1.0;
    QString number = text;
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    if (number.endsWith(QLatin1Char('.'))) number.chop(1);
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok ? value : -1.0;
}

void GatherTable(const QStringList& cellTexts, SimulationState& s) {
    for (int k = 1; k <= 2 * kTableRowCount; ++k) {
        const QString text = k <= cellTexts.size() ? cellTexts[k - 1] : QString();
        TableRow& row = s.TableRows[(k + 1) / 2];
        (k % 2 == 1 ? row.X : row.Y) = CellValue(text);
    }
}

bool FirstRowsReady(const QStringList& cellTexts) {
    if (cellTexts.size() < 4) return false;
    for (int k = 0; k < 4; ++k) {
        if (cellTexts[k].isEmpty()) return false;
    }
    return cellTexts[0] != cellTexts[2];
}
