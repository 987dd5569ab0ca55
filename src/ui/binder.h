// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Binds the widgets under a root widget to the controls of a control set by
// component name (the widget's objectName). User events go to the control
// set's entry points; sync() copies the model's state into the widgets with
// their signals blocked, so writing a widget from here never runs a handler.

#include "shell/control_set.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

namespace zerbo::ui {

class Binder {
  public:
    // `afterEvent` runs after every user event (the window re-syncs all
    // binders, since a handler may change other pages and dialogs).
    Binder(ControlSet& model, QWidget* root, std::function<void()> afterEvent);

    // Copies the model into the widgets. `hints` says whether hint texts
    // are shown as tool-tips.
    void sync(bool hints);

    ControlSet& model() const { return model_; }
    // Component names of controls that have no widget under the root.
    const std::vector<std::string>& unbound() const { return unbound_; }
    // Names of widgets under the root that look like controls (fields,
    // lists, bars, buttons, memos, labels) and carry a name no control of
    // the model has, or the name of a control another widget took already.
    const std::vector<std::string>& strays() const { return strays_; }

  private:
    struct Binding {
        Control* control;
        QPointer<QWidget> widget;
    };
    void connect(Control& control, QWidget* widget);
    static void syncOne(Control& control, QWidget* widget, bool hints);

    ControlSet& model_;
    std::function<void()> afterEvent_;
    std::vector<Binding> bindings_;
    std::vector<std::string> unbound_;
    std::vector<std::string> strays_;
};

// A caption without a letter or digit (a glyph such as "−" or "▲", or
// none) names nothing; such buttons are named by their hint.
bool SaysNothing(const QString& caption);

} // namespace zerbo::ui
