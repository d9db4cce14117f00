#include "ui/Binding.h"

#include <QWidget>

#include "ui/kinetra_u.h"

void ScreenChanges::Show(QWidget* widget, bool shown, bool leading) {
    if (widget->isHidden() != shown) return;
    (leading ? leading_ : others_).emplace_back(widget, shown);
}

void ScreenChanges::Commit(ScreenOrder order) {
    const auto apply = [](const std::vector<std::pair<QWidget*, bool>>& list, bool shown) {
        for (const auto& [widget, wanted] : list) {
            if (wanted == shown) widget->setVisible(shown);
        }
    };
    if (order == ScreenOrder::TakeOver) apply(leading_, true);
    apply(leading_, false);
    apply(others_, false);
    if (order == ScreenOrder::HidesFirst) apply(leading_, true);
    apply(others_, true);
    leading_.clear();
    others_.clear();
    if (focus_) focus_->setFocus(Qt::OtherFocusReason);
    focus_ = nullptr;
}

Binding::Binding(TForm1& form) : form_(form) {}

RunControl& Binding::Core() const {
    return form_.Core();
}

void Binding::Dispatch(const std::function<void()>& event, ScreenOrder order) const {
    if (form_.Presenting()) return;
    event();
    form_.ShowScreen(order);
}

bool Binding::Presenting() const {
    return form_.Presenting();
}

QObject* Binding::Context() const {
    return &form_;
}
