#include "WebProgram.h"

#include <cmath>

#include "engine/Modes.h"
#include "ui/texts/PolishTexts.h"

#include <emscripten.h>

namespace {

// A placement gives the page back its thread after this long in one frame.
constexpr double kPlacementSliceMs = 40.0;

std::string Substituted(std::string text, const std::vector<int>& args) {
    for (size_t k = 0; k < args.size(); ++k) {
        const std::string mark = "%" + std::to_string(k + 1);
        const size_t at = text.find(mark);
        if (at != std::string::npos) text.replace(at, mark.size(), std::to_string(args[k]));
    }
    return text;
}

}  // namespace

WebProgram::WebProgram() : control_(clock_, *this), texts_(PolishSurfaceTexts()) {}

void WebProgram::SetNow(double ms) {
    // Whole milliseconds, halves to even, as the desktop's clock rounds its microseconds.
    clock_.Set(static_cast<int64_t>(std::nearbyint(ms)));
}

bool WebProgram::Frame(double now) {
    SetNow(now);
    if (placing_) {
        PlaceSlice();
        return false;
    }
    if (!control_.Shown().FramesRun()) return false;
    canvas_.Clear();
    const bool drawn = control_.Tick(canvas_, texts_);
    if (drawn) canvas_.Present();
    return drawn;
}

bool WebProgram::Redraw() {
    canvas_.Clear();
    const bool drawn = control_.Redraw(canvas_, texts_);
    if (drawn) canvas_.Present();
    return drawn;
}

void WebProgram::SetLanguage(Language language) {
    const LanguageInfo& info = InfoOf(language);
    languageCode_ = std::string(info.Id.Code);
    language_ = Language{languageCode_};
    const SurfaceTexts& pl = PolishSurfaceTexts();
    texts_ = pl;
    for (std::string SurfaceTexts::*piece : kSurfaceTextPieces)
        texts_.*piece = Translate(language_, pl.*piece);
    texts_.Decimal = info.Decimal;
    control_.LanguageChanged();
}

std::vector<ToldMessage> WebProgram::TakeMessages() {
    std::vector<ToldMessage> told;
    told.swap(told_);
    return told;
}

bool WebProgram::TakeCleared() {
    const bool cleared = cleared_;
    cleared_ = false;
    return cleared;
}

void WebProgram::Tell(const Message& message) {
    ToldMessage m;
    m.error = message.Error;
    m.title = message.TitleIsProductName ? std::string(message.Title ? message.Title : "")
                                         : Translate(language_, message.Title ? message.Title : "");
    m.text = Substituted(Translate(language_, message.Text ? message.Text : ""), message.Args);
    told_.push_back(std::move(m));
}

void WebProgram::ClearPicture() {
    cleared_ = true;
    canvas_.Clear();
}

void WebProgram::StartPlacement(const Simulation& sim, uint64_t ticket, int tries,
                                int milliseconds) {
    placing_ = std::make_unique<Simulation>(sim);
    ticket_ = ticket;
    triesLeft_ = tries;
    placeUntil_ = emscripten_get_now() + milliseconds;
}

void WebProgram::CancelPlacement() {
    placing_.reset();
    ticket_ = 0;
}

void WebProgram::PlaceSlice() {
    const double sliceEnd = std::min(emscripten_get_now() + kPlacementSliceMs, placeUntil_);
    int attempts = 1;
    const bool placed = InitHeatTransportRetrying(*placing_, triesLeft_, [&] {
        if (emscripten_get_now() >= sliceEnd) return false;
        ++attempts;
        return true;
    });
    triesLeft_ = std::max(0, triesLeft_ - attempts);
    if (!placed && triesLeft_ > 0 && emscripten_get_now() < placeUntil_) return;
    // Done either way: the core takes the copy (PlacementDone may start another placement).
    std::unique_ptr<Simulation> copy = std::move(placing_);
    control_.PlacementDone(ticket_, *copy, placed);
}
