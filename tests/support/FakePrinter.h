#pragma once

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include "measure/PrintService.h"

// The default printer the tests' stand-in backends offer: A4 portrait without margins.
inline PrinterTarget A4Printer(const QString& name, int resolution) {
    PrinterTarget t;
    t.Name = name;
    t.Layout = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    t.Resolution = resolution;
    return t;
}
