// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/qt_messages.h"

#include <QMessageBox>

#include <string_view>

namespace zerbo::ui {

namespace {

void Show(QWidget* parent, QMessageBox::Icon icon, const QString& title, std::string_view text) {
    QMessageBox box(icon, title, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                    QMessageBox::Ok, parent);
    box.setObjectName("MessageDialog");
    box.exec();
}

} // namespace

void QtMessages::error(std::string_view text) {
    Show(parent_, QMessageBox::Critical, "Fehler", text);
}

void QtMessages::information(std::string_view text) {
    Show(parent_, QMessageBox::Information, "Information", text);
}

} // namespace zerbo::ui
