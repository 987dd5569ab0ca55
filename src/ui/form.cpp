#include "ui/form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>

namespace zerbo::ui {

QLineEdit* MakeField(const char* name, QWidget* parent, int width) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    if (width > 0) e->setFixedWidth(width);
    return e;
}

void Colour(QLineEdit* field, const QColor& colour) {
    QPalette p = field->palette();
    p.setColor(QPalette::Base, colour);
    p.setColor(QPalette::Text, Qt::black);
    field->setPalette(p);
}

QComboBox* MakeList(const char* name, QWidget* parent, int width) {
    auto* b = new QComboBox(parent);
    b->setObjectName(name);
    b->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (width > 0) b->setMinimumWidth(width);
    return b;
}

QListWidget* MakeListBox(const char* name, QWidget* parent) {
    auto* l = new QListWidget(parent);
    l->setObjectName(name);
    return l;
}

QScrollBar* MakeBar(const char* name, QWidget* parent, bool vertical) {
    auto* s = new QScrollBar(vertical ? Qt::Vertical : Qt::Horizontal, parent);
    s->setObjectName(name);
    return s;
}

QToolButton* MakeSpeedButton(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(caption);
    b->setCheckable(true);
    b->setAutoRaise(false);
    return b;
}

QCheckBox* MakeCheck(const char* name, const QString& caption, QWidget* parent) {
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(name);
    return c;
}

QPlainTextEdit* MakeMemo(const char* name, QWidget* parent) {
    auto* m = new QPlainTextEdit(parent);
    m->setObjectName(name);
    m->setReadOnly(true);
    return m;
}

QLabel* MakeLabel(const QString& text, QWidget* parent, const char* name) {
    auto* l = new QLabel(text, parent);
    if (name != nullptr) l->setObjectName(name);
    return l;
}

QGroupBox* MakeGroup(const QString& title, QWidget* parent, const char* name) {
    auto* g = new QGroupBox(title, parent);
    if (name != nullptr) g->setObjectName(name);
    return g;
}

} // namespace zerbo::ui
