// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A set of controls with their component names: a notebook page, a dialog
// or the main window's button panel. The window binds its widgets to the
// controls by name and sends user events through the entry points below,
// which are also what tests and the random user drive.

#include "shell/controls.h"
#include "shell/shell.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zerbo {

class ControlSet {
  public:
    explicit ControlSet(Shell& shell) : shell_(shell) {}
    virtual ~ControlSet() = default;
    ControlSet(const ControlSet&) = delete;
    ControlSet& operator=(const ControlSet&) = delete;

    const std::vector<Control*>& controls() const { return controls_; }
    Control* find(std::string_view name) const;
    template <class C> C& get(std::string_view name) const;

    // User events. Each runs the control's handler; a conversion failure
    // that no step caught is reported and the rest of the event abandoned.
    // Events for disabled or hidden controls are ignored, like the window
    // would. They return false when the name or kind does not fit.
    bool userEdit(std::string_view name, std::string text);
    bool userSelect(std::string_view name, int index);
    bool userScroll(std::string_view name, int position);
    bool userClick(std::string_view name);
    // The same for a control of this set.
    bool userEdit(const Field& field, std::string text) {
        return userEdit(field.name(), std::move(text));
    }
    bool userSelect(const List& list, int index) { return userSelect(list.name(), index); }
    bool userScroll(const Bar& bar, int position) { return userScroll(bar.name(), position); }
    bool userClick(const Control& control) { return userClick(control.name()); }

    Shell& shell() const { return shell_; }

  protected:
    template <class C> C& add(C& control) {
        controls_.push_back(&control);
        return control;
    }
    // Runs a handler, reporting a conversion failure no step caught.
    void guarded(const std::function<void()>& handler);

    // Reads a field: parse its text (throws ConversionError).
    double num(const Field& field) const { return shell_.numbers.parse(field.text()); }
    double numOr(const Field& field, double fallback) const {
        return shell_.numbers.parseOr(field.text(), fallback);
    }
    std::string text(double value) const { return shell_.numbers.write(value); }
    std::string text(long double value) const { return shell_.numbers.write(value); }

  private:
    Shell& shell_;
    std::vector<Control*> controls_;
};

template <class C> C& ControlSet::get(std::string_view name) const {
    auto* c = dynamic_cast<C*>(find(name));
    if (c == nullptr) throw std::logic_error("no control " + std::string(name));
    return *c;
}

// A notebook page.
class PageModel : public ControlSet {
  public:
    PageModel(Shell& shell, std::string caption, int helpContext)
        : ControlSet(shell), caption_(std::move(caption)), helpContext_(helpContext) {}

    const std::string& caption() const { return caption_; }
    // Help topic of the page; 0 keeps the previous page's topic.
    int helpContext() const { return helpContext_; }

    // The page's part of the main window's start-up initialisation.
    virtual void startUp() {}
    // The page's part of the page-changed steps, run when it is entered.
    virtual void entered() {}
    // The material group this page makes active when entered; 0 = none.
    virtual int materialGroup() const { return 0; }
    // Whether the troubleshooting advisor has faults for this page.
    virtual bool hasAdvisor() const { return false; }
    // Sets the hint text of every control of the page.
    virtual void assignHints() {}

  private:
    std::string caption_;
    int helpContext_;
};

} // namespace zerbo
