// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/binder.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <string>

namespace zerbo::ui {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QStringList Items(const List& list) {
    QStringList items;
    items.reserve(list.count());
    for (const auto& s : list.items()) items << Q(s);
    return items;
}

void SyncItems(QComboBox* box, const List& list) {
    const QStringList items = Items(list);
    bool same = box->count() == items.size();
    for (int i = 0; same && i < items.size(); ++i) same = box->itemText(i) == items[i];
    if (!same) {
        box->clear();
        box->addItems(items);
    }
    box->setCurrentIndex(list.index());
}

void SyncItems(QListWidget* box, const List& list) {
    const QStringList items = Items(list);
    bool same = box->count() == items.size();
    for (int i = 0; same && i < items.size(); ++i) same = box->item(i)->text() == items[i];
    if (!same) {
        box->clear();
        box->addItems(items);
    }
    box->setCurrentRow(list.index());
}

// The named widgets under parent, each name taken by the widget that
// findChild would return: children before grandchildren, in order. One walk
// for a whole page instead of one per control.
void IndexNamed(const QObject* parent, QHash<QString, QWidget*>& named) {
    for (QObject* child : parent->children())
        if (child->isWidgetType() && !child->objectName().isEmpty() &&
            !named.contains(child->objectName()))
            named.insert(child->objectName(), static_cast<QWidget*>(child));
    for (QObject* child : parent->children()) IndexNamed(child, named);
}

} // namespace

Binder::Binder(ControlSet& model, QWidget* root, std::function<void()> afterEvent)
    : model_(model), afterEvent_(std::move(afterEvent)) {
    QHash<QString, QWidget*> named;
    IndexNamed(root, named);
    for (Control* c : model.controls()) {
        const QString name = Q(c->name());
        auto* w = root->objectName() == name ? root : named.value(name);
        if (w == nullptr) {
            unbound_.push_back(c->name());
            continue;
        }
        bindings_.push_back({c, w});
        connect(*c, w);
    }
    for (QWidget* w : root->findChildren<QWidget*>()) {
        const bool controlLike = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                                 qobject_cast<QListWidget*>(w) || qobject_cast<QScrollBar*>(w) ||
                                 qobject_cast<QAbstractButton*>(w) ||
                                 qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QLabel*>(w);
        // Qt names the parts it builds inside a control "qt_...".
        if (!controlLike || w->objectName().isEmpty() || w->objectName().startsWith("qt_"))
            continue;
        const bool bound = std::any_of(bindings_.begin(), bindings_.end(),
                                       [w](const Binding& b) { return b.widget == w; });
        if (!bound) strays_.push_back(w->objectName().toStdString());
    }
}

void Binder::connect(Control& control, QWidget* widget) {
    const std::string name = control.name();
    auto after = [this] {
        if (afterEvent_) afterEvent_();
    };
    switch (control.kind()) {
    case ControlKind::Field:
        if (auto* e = qobject_cast<QLineEdit*>(widget))
            QObject::connect(e, &QLineEdit::textEdited, e, [this, name, after](const QString& t) {
                model_.userEdit(name, t.toStdString());
                after();
            });
        break;
    case ControlKind::List:
        if (auto* b = qobject_cast<QComboBox*>(widget))
            QObject::connect(b, &QComboBox::activated, b, [this, name, after](int i) {
                model_.userSelect(name, i);
                after();
            });
        if (auto* l = qobject_cast<QListWidget*>(widget))
            QObject::connect(l, &QListWidget::currentRowChanged, l, [this, name, after](int i) {
                model_.userSelect(name, i);
                after();
            });
        break;
    case ControlKind::Bar:
        if (auto* s = qobject_cast<QScrollBar*>(widget))
            QObject::connect(s, &QScrollBar::valueChanged, s, [this, name, after](int v) {
                model_.userScroll(name, v);
                after();
            });
        break;
    case ControlKind::Button:
    case ControlKind::Check:
        if (auto* b = qobject_cast<QAbstractButton*>(widget))
            QObject::connect(b, &QAbstractButton::clicked, b, [this, name, after] {
                model_.userClick(name);
                after();
            });
        break;
    case ControlKind::Memo:
    case ControlKind::Label:
        break;
    }
}

void Binder::sync(bool hints) {
    for (const Binding& b : bindings_)
        if (b.widget) syncOne(*b.control, b.widget, hints);
}

void Binder::syncOne(Control& control, QWidget* widget, bool hints) {
    const QSignalBlocker blocker(widget);
    if (widget->isEnabled() != control.enabled) widget->setEnabled(control.enabled);
    if (widget->isHidden() == control.visible) widget->setHidden(!control.visible);
    const QString hint = Q(control.hint);
    const QString tip = hints ? hint : QString();
    if (widget->toolTip() != tip) widget->setToolTip(tip);
    // Assistive technology reads the hint whether or not hints are shown.
    if (widget->accessibleDescription() != hint) widget->setAccessibleDescription(hint);

    switch (control.kind()) {
    case ControlKind::Field: {
        auto& f = static_cast<Field&>(control);
        if (auto* e = qobject_cast<QLineEdit*>(widget)) {
            e->setReadOnly(!f.editable);
            if (e->text() != Q(f.text())) {
                e->setText(Q(f.text()));
                // Show a result from its first digit.
                if (!f.editable) e->setCursorPosition(0);
            }
        }
        break;
    }
    case ControlKind::List: {
        auto& l = static_cast<List&>(control);
        if (auto* b = qobject_cast<QComboBox*>(widget)) SyncItems(b, l);
        if (auto* w = qobject_cast<QListWidget*>(widget)) SyncItems(w, l);
        break;
    }
    case ControlKind::Bar: {
        auto& b = static_cast<Bar&>(control);
        if (auto* s = qobject_cast<QScrollBar*>(widget)) {
            s->setRange(b.min(), b.max());
            s->setValue(b.position());
            s->setSingleStep(b.smallStep);
            s->setPageStep(b.largeStep);
        }
        break;
    }
    case ControlKind::Button: {
        auto& b = static_cast<Button&>(control);
        if (auto* a = qobject_cast<QAbstractButton*>(widget)) {
            if (a->isCheckable()) a->setChecked(b.down());
            if (!b.caption.empty() && a->text() != Q(b.caption)) a->setText(Q(b.caption));
            if (SaysNothing(a->text()) && a->accessibleName() != hint) a->setAccessibleName(hint);
        }
        break;
    }
    case ControlKind::Check: {
        auto& c = static_cast<Check&>(control);
        if (auto* a = qobject_cast<QAbstractButton*>(widget)) {
            a->setChecked(c.checked);
            if (!c.caption.empty() && a->text() != Q(c.caption)) a->setText(Q(c.caption));
        }
        break;
    }
    case ControlKind::Memo: {
        auto& m = static_cast<Memo&>(control);
        QString text;
        for (size_t i = 0; i < m.lines.size(); ++i) {
            if (i > 0) text += '\n';
            text += Q(m.lines[i]);
        }
        if (auto* p = qobject_cast<QPlainTextEdit*>(widget))
            if (p->toPlainText() != text) p->setPlainText(text);
        break;
    }
    case ControlKind::Label: {
        auto& l = static_cast<Label&>(control);
        if (auto* q = qobject_cast<QLabel*>(widget))
            if (q->text() != Q(l.caption)) q->setText(Q(l.caption));
        break;
    }
    }
}

bool SaysNothing(const QString& caption) {
    for (QChar c : caption)
        if (c.isLetterOrNumber()) return false;
    return true;
}

} // namespace zerbo::ui
