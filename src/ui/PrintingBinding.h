#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "measure/PrintService.h"
#include "ui/Binding.h"

class QIODevice;

// Printing the picture of the running simulation and the two tables with their charts, and
// saving them to files: the tables as CSV, their charts as PNG or PDF, the picture as PNG.
class PrintingBinding final : public Binding {
  public:
    explicit PrintingBinding(TForm1& form);

    void Present(const Screen& screen, ScreenChanges& changes) override;
    // Pages go to this service; tests give it a printer of their own.
    void SetPrintService(std::unique_ptr<PrintService> service);
    // The hints of the save buttons; a change of language translates them with the rest.
    void SetExportTexts();

    void BitBtn19Click();           // "Drukuj"
    void PrintKey();                // the P key: "Drukuj" once the pupil says yes
    void BitBtn27Click();           // "Drukuj tabelę i wykres", free-path table
    void BitBtn36Click();           // "Drukuj tabelę i wykres", dependency table
    void SavePictureClick();        // the simulation picture as PNG, beside "Drukuj"
    void FreePathSaveTableClick();  // the free-path table as CSV
    void FreePathSaveChartClick();  // its chart as PNG or PDF
    void StudySaveTableClick();     // the dependency table as CSV
    void StudySaveChartClick();     // its chart as PNG or PDF

  private:
    void PrintScreen();
    // Prints a page; the word after a printed page carries the note, if any.
    void PrintPage(const PageJob& job, const QString& note = {});
    // Asks where to save, from the folder of the last save, and writes the file there; a
    // failure is shown with the file's name and its reason.
    void SaveAs(const QString& title, const QString& name, const QString& filter,
                const std::function<bool(const QString& path, QIODevice& out)>& write);
    void SaveTableFile(const std::string& xHeading, const std::string& yHeading);
    void SaveChartFile(int kind);
    // The run counts as paused while a dialog of its own is open, and goes on afterwards.
    void PausedMeanwhile(const std::function<void()>& work);

    QString exportFolder_;
    std::unique_ptr<PrintService> printService_;
};
