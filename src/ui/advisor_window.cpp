// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dialog_windows.h"

#include "ui/accessibility.h"
#include "ui/form.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zerbo::ui {

QDialog* MakeAdvisorWindow(const advisor::AdvisorDialog& model, QWidget* parent) {
    auto* dialog = new QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint |
                                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                           Qt::WindowCloseButtonHint);
    dialog->setObjectName(QString::fromUtf8(advisor::AdvisorDialog::kName));
    dialog->setWindowTitle("Reibfehler und deren Beseitigung");
    auto* outer = new QHBoxLayout(dialog);
    auto* left = new QVBoxLayout;
    auto* faults = MakeList(model.faultList, dialog, 520);
    auto* memo = MakeMemo(model.advice, dialog);
    left->addWidget(Captions(MakeLabel(model.faultCaption, dialog, "Reibfehler:"), faults));
    left->addWidget(faults);
    left->addWidget(
        Captions(MakeLabel(model.adviceCaption, dialog, "Fehlerquellen und Lösungsmöglichkeit:"), memo));
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    const int columns = memo->fontMetrics().horizontalAdvance(QString(78, 'n'));
    memo->setMinimumSize(columns, memo->fontMetrics().lineSpacing() * 22);
    left->addWidget(memo, 1);
    outer->addLayout(left, 1);

    auto* buttons = new QVBoxLayout;
    auto* ok = MakePushButton(model.okButton, "Beenden", dialog);
    auto* cancel = MakePushButton(model.cancelButton, "Abbrechen", dialog);
    cancel->hide();
    auto* help = MakePushButton(model.helpButton, "Hilfe", dialog);
    help->hide();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    buttons->addStretch(1);
    outer->addLayout(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    return dialog;
}

} // namespace zerbo::ui
