// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Messages for the window: modal message boxes.

#include "shell/messages.h"

#include <QPointer>
#include <QWidget>

#include <string_view>

namespace zerbo::ui {

class QtMessages : public Messages {
  public:
    void setParent(QWidget* parent) { parent_ = parent; }
    void error(std::string_view text) override;
    void information(std::string_view text) override;

  private:
    QPointer<QWidget> parent_;
};

} // namespace zerbo::ui
