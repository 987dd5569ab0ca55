// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/accessibility.h"

#include <QAccessibleWidget>
#include <QComboBox>

namespace zerbo::ui {

namespace {

class ListInterface : public QAccessibleWidget {
  public:
    explicit ListInterface(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        // The name as for any widget: accessible name, label buddy, group.
        if (t == QAccessible::Value) return static_cast<QComboBox*>(widget())->currentText();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction())
            static_cast<QComboBox*>(widget())->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* ListFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QComboBox") || !object->isWidgetType()) return nullptr;
    return new ListInterface(static_cast<QComboBox*>(object));
}

} // namespace

void InstallAccessibleLists() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(ListFactory);
}

} // namespace zerbo::ui
