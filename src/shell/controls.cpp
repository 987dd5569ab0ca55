// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/controls.h"

#include <algorithm>

namespace zerbo {

void Field::setText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    if (onChange) onChange();
}

std::string List::text() const {
    return index_ >= 0 && index_ < count() ? items_[static_cast<size_t>(index_)] : std::string();
}

void List::clear() {
    items_.clear();
    index_ = -1;
}

void List::add(std::string item) { items_.push_back(std::move(item)); }

void List::fill(std::vector<std::string> items) {
    items_ = std::move(items);
    index_ = items_.empty() ? -1 : 0;
}

void List::select(int index) { index_ = index >= 0 && index < count() ? index : -1; }

void Bar::setup(int min, int max, int position) {
    min_ = min;
    max_ = std::max(min, max);
    setPosition(position);
}

void Bar::setPosition(int position) { position_ = std::clamp(position, min_, max_); }

int Bar::middle() const { return min_ + (max_ - min_) / 2; }

void Button::setDown(bool down) {
    if (down && group_ != nullptr) group_->release(this);
    down_ = down;
}

void ButtonGroup::add(Button& button) {
    button.group_ = this;
    buttons_.push_back(&button);
}

int ButtonGroup::downIndex() const {
    for (size_t i = 0; i < buttons_.size(); ++i)
        if (buttons_[i]->down()) return static_cast<int>(i);
    return -1;
}

void ButtonGroup::release(const Button* except) {
    for (Button* b : buttons_)
        if (b != except) b->down_ = false;
}

} // namespace zerbo
