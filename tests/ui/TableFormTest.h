#pragma once

#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QStringList>

#include "FormTest.h"
#include "measure/DependencyChart.h"

// The main window with its message boxes, questions and save dialogs answered by the test.
class TableFormTest : public FormTest {
  protected:
    // Records every box and answers the questions and file dialogs from queues; an empty
    // queue declines.
    class Answers : public MessageSink {
      public:
        void Show(MessageKind kind, QWidget*, const QString& title, const QString& text) override {
            shown.push_back({kind, title, text});
        }
        bool Ask(QWidget*, const QString& title, const QString& text) override {
            questions << title + QStringLiteral(": ") + text;
            return !yes.isEmpty() && yes.takeFirst();
        }
        QString SaveFileName(QWidget*, const QString&, const QString& suggested,
                             const QString&) override {
            suggestedFiles << suggested;
            return files.isEmpty() ? QString() : files.takeFirst();
        }
        std::vector<MessageRecorder::Message> shown;
        QStringList questions;
        QStringList suggestedFiles;
        QList<bool> yes;
        QStringList files;
    };

    void SetUp() override {
        FormTest::SetUp();
        SetMessageSink(&answers);
    }

    SimulationState& S() { return form->Sim().S; }
    QLineEdit* Cell(int k) const {
        return W<QLineEdit>(qPrintable(QStringLiteral("Edit%1").arg(k)));
    }

    // Types a row's two values into a table whose first cell is Edit<first>.
    void TypeRow(int first, int row, const QString& x, const QString& y) {
        for (const auto& [k, text] :
             {std::pair{first + 2 * (row - 1), x}, {first + 2 * row - 1, y}}) {
            QLineEdit* cell = Cell(k);
            cell->clear();
            if (!text.isEmpty()) QTest::keyClicks(cell, text);
        }
    }

    // What the paint box shows now, after being hidden and shown again.
    QImage Repainted(const char* box) {
        QWidget* w = W(box);
        w->hide();
        w->show();
        return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // The chart as the painter draws it on a box of the given size with the given rows.
    static QImage Expected(QWidget* box, const ChartInput& input, int kind) {
        QImage image(box->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setFont(box->font());
        DrawDependencyChart(p, box->size(), kTableRowCount, kind, input);
        return image;
    }

    Answers answers;
};
