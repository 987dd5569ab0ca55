// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>

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

QLabel* Captions(QLabel* caption, QWidget* control) {
    caption->setBuddy(control);
    // Qt's item views take their name from the accessible name only.
    if (qobject_cast<QAbstractItemView*>(control) != nullptr)
        control->setAccessibleName(caption->text());
    return caption;
}

void NameBarAndField(QWidget* bar, QWidget* field, const QString& caption) {
    bar->setAccessibleName(caption);
    field->setAccessibleName(caption + QStringLiteral(" Wert"));
}

void InstallAccessibleLists() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(ListFactory);
}

} // namespace zerbo::ui
