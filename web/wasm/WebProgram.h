#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "CommandCanvas.h"
#include "WebSession.h"
#include "core/Languages.h"
#include "core/RunControl.h"
#include "engine/SurfaceTexts.h"

// A message the page shows, in the language it was told in.
struct ToldMessage {
    bool error = false;
    std::string title;
    std::string text;
};

// The whole program as the page runs it: the core's run control with the page as its front-end.
// The page forwards its buttons, keys and frames here and shows Shown() after each of them.
// Messages are queued (the page shows them once the event is handled); the heat transport's
// placement goes on in slices, one per frame, so that the page keeps answering.
class WebProgram final : public FrontEnd {
  public:
    WebProgram();

    RunControl& Control() { return control_; }
    const RunControl& Control() const { return control_; }
    void SetNow(double ms);

    // One frame: a placement's slice, or a tick of the run; true when the buffer holds a frame.
    bool Frame(double now);
    bool Redraw();
    const CommandCanvas& Commands() const { return canvas_; }

    void SetLanguage(Language language);
    Language CurrentLanguage() const { return language_; }
    const SurfaceTexts& Texts() const { return texts_; }

    std::vector<ToldMessage> TakeMessages();
    // Whether the picture was blanked since the last call.
    bool TakeCleared();

    // FrontEnd
    void Tell(const Message& message) override;
    void ClearPicture() override;
    void StartPlacement(const Simulation& sim, uint64_t ticket, int tries,
                        int milliseconds) override;
    void CancelPlacement() override;

  private:
    void PlaceSlice();

    PageClock clock_;
    RunControl control_;
    CommandCanvas canvas_;
    Language language_ = Language::Polish;
    std::string languageCode_ = "pl";
    SurfaceTexts texts_;
    std::vector<ToldMessage> told_;
    bool cleared_ = false;
    // The placement at work: its copy, ticket, tries left and when it must give up.
    std::unique_ptr<Simulation> placing_;
    uint64_t ticket_ = 0;
    int triesLeft_ = 0;
    double placeUntil_ = 0.0;
};
