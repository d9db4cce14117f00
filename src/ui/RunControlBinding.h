#pragma once

#include <memory>

#include "core/RunControl.h"
#include "ui/Binding.h"

class BackgroundPlacement;
class QLabel;

// The initial-conditions panel, the exercises' run buttons and the tool buttons that start,
// pause, restart and leave a run; the frame timer; and what the core asks of the window while
// it decides: messages, a blank picture, the heat transport's placement off the window's thread.
class RunControlBinding final : public Binding, public FrontEnd {
  public:
    explicit RunControlBinding(TForm1& form);
    ~RunControlBinding() override;

    void Present(const Screen& screen, ScreenChanges& changes) override;
    // The texts it puts together from pieces, in the new language.
    void Retranslate();
    // Writes into the core the values the set-up boxes corrected while they were shown (a new
    // maximum, a text tidied as the focus left).
    void TakeBoxValues();

    void BitBtn3Click();           // Start
    void BitBtn6Click();           // pause / resume
    void BitBtn7Click();           // restart
    void BitBtn18Click();          // parameters
    void BitBtn1Click();           // back to the menu
    void CancelParametersClick();  // "Anuluj" on the panel opened by "Parametry"
    void SpinEdit1Change();
    void SpinEdit2Change();
    void SpinEdit3Change();
    void SpinEdit4Change();
    void SpinEdit6Change();
    // The exercises' run buttons.
    void BitBtn5Click();   // diffusion illustration
    void BitBtn24Click();  // free-path illustration
    void BitBtn20Click();  // free-path study, upper button
    void BitBtn29Click();  // free-path study, beside the chart
    void BitBtn23Click();  // "Ustal parametry początkowe"
    void BitBtn25Click();  // "Zamknij" on the initial-conditions panel
    void BitBtn21Click();  // diffusion with chart (and its second button)
    void BitBtn30Click();  // wall collisions
    void BitBtn32Click();  // temperature
    void BitBtn15Click();  // pressure
    void BitBtn34Click();  // heat transport

    void DXTimer1Timer(int lagCount);
    bool Escape();
    BackgroundPlacement& HeatPlacement() { return *placement_; }

    // FrontEnd
    void Tell(const Message& message) override;
    void ClearPicture() override;
    void StartPlacement(const Simulation& sim, uint64_t ticket, int tries,
                        int milliseconds) override;
    void CancelPlacement() override;

  private:
    void Run(PaneId pane, ScreenOrder order = ScreenOrder::TakeOver);
    void Typed(Setting setting);
    void PresentStopNote(bool shown);
    void PresentPlacementNote(bool shown);

    const char* title_ = nullptr;      // the set-up panel's title shown
    bool resumeShown_ = false;         // the pause button shows the play sign
    bool windowActive_;                // what the frame timer was told last
    QLabel* placementNote_ = nullptr;  // made the first time it is needed
    std::unique_ptr<BackgroundPlacement> placement_;
};
