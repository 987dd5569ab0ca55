// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/control_set.h"

#include <functional>
#include <string>

namespace zerbo {

Control* ControlSet::find(std::string_view name) const {
    for (Control* c : controls_)
        if (c->name() == name) return c;
    return nullptr;
}

void ControlSet::guarded(const std::function<void()>& handler) {
    if (!handler) return;
    try {
        handler();
    } catch (const ConversionError& e) {
        shell_.messages.error(e.what());
    }
}

namespace {

template <class C> C* Usable(Control* c) {
    auto* typed = dynamic_cast<C*>(c);
    return typed != nullptr && typed->enabled && typed->visible ? typed : nullptr;
}

} // namespace

bool ControlSet::userEdit(std::string_view name, std::string text) {
    auto* f = Usable<Field>(find(name));
    if (f == nullptr || !f->editable) return false;
    guarded([&] { f->setText(std::move(text)); });
    return true;
}

bool ControlSet::userSelect(std::string_view name, int index) {
    auto* l = Usable<List>(find(name));
    if (l == nullptr || index < 0 || index >= l->count()) return false;
    l->select(index);
    guarded(l->onChange);
    return true;
}

bool ControlSet::userScroll(std::string_view name, int position) {
    auto* b = Usable<Bar>(find(name));
    if (b == nullptr) return false;
    const int before = b->position();
    b->setPosition(position);
    if (b->position() != before) guarded(b->onChange);
    return true;
}

bool ControlSet::userClick(std::string_view name) {
    Control* c = find(name);
    if (auto* b = Usable<Button>(c)) {
        if ((b->toggle || b->allowAllUp) && b->down())
            b->setDown(false);
        else
            b->setDown(b->group() != nullptr || b->toggle || b->down());
        guarded(b->onClick);
        return true;
    }
    if (auto* k = Usable<Check>(c)) {
        k->checked = !k->checked;
        guarded(k->onClick);
        return true;
    }
    return false;
}

} // namespace zerbo
