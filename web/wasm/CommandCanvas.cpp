#include "CommandCanvas.h"

#include "TextMetrics.h"

void CommandCanvas::Clear() {
    words_.clear();
    texts_.clear();
}

void CommandCanvas::FillSurface(uint16_t colour) {
    words_.insert(words_.end(), {'S', colour});
}

void CommandCanvas::FillRect(int left, int top, int right, int bottom, uint16_t colour) {
    words_.insert(words_.end(), {'F', left, top, right, bottom, colour});
}

void CommandCanvas::DrawSprite(SpriteSet set, int index, int x, int y) {
    words_.insert(words_.end(), {'D', static_cast<int32_t>(set), index, x, y});
}

void CommandCanvas::Text(const std::string& text) {
    words_.insert(words_.end(),
                  {static_cast<int32_t>(texts_.size()), static_cast<int32_t>(text.size())});
    texts_ += text;
}

void CommandCanvas::SurfaceTextOut(int x, int y, int size, const std::string& text) {
    fontSize_ = size;
    words_.insert(words_.end(), {'T', x, y, size});
    Text(text);
}

int CommandCanvas::TextWidth(const std::string& text) {
    const int width = SurfaceTextWidth(text, fontSize_);
    words_.insert(words_.end(), {'W', width});
    Text(text);
    return width;
}

void CommandCanvas::SetFontSize(int size) {
    fontSize_ = size;
    words_.insert(words_.end(), {'Z', size});
}

void CommandCanvas::SetPenColour(Rgb colour) {
    words_.insert(words_.end(), {'P', static_cast<int32_t>(colour)});
}

void CommandCanvas::MoveTo(int x, int y) {
    words_.insert(words_.end(), {'M', x, y});
}

void CommandCanvas::LineTo(int x, int y) {
    words_.insert(words_.end(), {'L', x, y});
}

void CommandCanvas::ReleaseText() {
    words_.push_back('R');
}

void CommandCanvas::Present() {
    words_.push_back('!');
}
