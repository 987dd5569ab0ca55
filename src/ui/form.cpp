// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/form.h"

#include "ui/glyph.h"
#include "ui/field_width.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtMath>

#include <algorithm>

namespace zerbo::ui {

QLineEdit* MakeField(const char* name, QWidget* parent, int width) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    if (width > 0) e->setFixedWidth(FontScaledWidth(e, width));
    return e;
}

void Colour(QLineEdit* field, const QColor& colour) {
    QPalette p = field->palette();
    p.setColor(QPalette::Base, colour);
    p.setColor(QPalette::Text, Qt::black);
    field->setPalette(p);
}

namespace {

// A list sized like QComboBox::AdjustToMinimumContentsLengthWithIcon with no
// minimum length: as wide as the style's frame and arrow, as high as a line
// of text or an icon, whatever the items. Setting that policy on a QComboBox
// builds its popup (a frame, a list view, scrollers) at once, about 20 KiB a
// list; this one builds it when it first opens, like any QComboBox.
class PickList : public QComboBox {
  public:
    using QComboBox::QComboBox;

    QSize sizeHint() const override { return Hint(); }
    QSize minimumSizeHint() const override { return Hint(); }

  private:
    QSize Hint() const {
        QSize text(-1, std::max(qCeil(QFontMetricsF(fontMetrics()).height()), 14) + 2);
        text.setHeight(std::max(text.height(), iconSize().height() + 2));
        QStyleOptionComboBox option;
        initStyleOption(&option);
        return style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, this);
    }
};

} // namespace

QComboBox* MakeList(const char* name, QWidget* parent, int width) {
    auto* b = new PickList(parent);
    b->setObjectName(name);
    if (width > 0) b->setMinimumWidth(width);
    return b;
}

QListWidget* MakeListBox(const char* name, QWidget* parent) {
    auto* l = new QListWidget(parent);
    l->setObjectName(name);
    return l;
}

namespace {

// A scroll bar that sets a value: in the tab chain, with a focus frame the
// style does not draw for scroll bars. Its keys (arrows a small step,
// PgUp/PgDn a large step, Home/End) move it like the mouse does, through
// the same valueChanged signal.
class ValueBar : public QScrollBar {
  public:
    ValueBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent) {
        setFocusPolicy(Qt::StrongFocus);
    }

  protected:
    // Qt's scroll bar takes Left for a step up and Right for a step down;
    // here Right moves the bar to the right, as everywhere else.
    void keyPressEvent(QKeyEvent* event) override {
        const int key = event->key();
        if (orientation() == Qt::Horizontal && event->modifiers() == Qt::NoModifier &&
            (key == Qt::Key_Left || key == Qt::Key_Right)) {
            triggerAction(key == Qt::Key_Right ? SliderSingleStepAdd : SliderSingleStepSub);
            event->accept();
            return;
        }
        QScrollBar::keyPressEvent(event);
    }

    void paintEvent(QPaintEvent* event) override {
        QScrollBar::paintEvent(event);
        if (!hasFocus()) return;
        QStylePainter painter(this);
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.state |= QStyle::State_KeyboardFocusChange;
        frame.backgroundColor = palette().color(QPalette::Window);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
    }
};

} // namespace

QScrollBar* MakeBar(const char* name, QWidget* parent, bool vertical) {
    auto* s = new ValueBar(vertical ? Qt::Vertical : Qt::Horizontal, parent);
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

namespace zerbo::ui {

QWidget* MakeRangeBar(const RangeBarNames& n, QWidget* parent, int fieldWidth) {
    auto* block = new QWidget(parent);
    auto* grid = new QGridLayout(block);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(0);
    auto* bar = MakeBar(n.bar, block);
    bar->setMinimumWidth(150);
    grid->addWidget(bar, 0, 0, 1, 4);
    grid->addWidget(MakeField(n.field, block, fieldWidth), 0, 4);
    if (n.unit != nullptr) grid->addWidget(MakeLabel("", block, n.unit), 0, 5);
    auto* low = new QHBoxLayout;
    low->setSpacing(4);
    if (n.minCaption != nullptr) low->addWidget(MakeLabel("", block, n.minCaption));
    if (n.minValue != nullptr) low->addWidget(MakeLabel("", block, n.minValue));
    low->addStretch(1);
    auto* high = new QHBoxLayout;
    high->setSpacing(4);
    high->addStretch(1);
    if (n.maxCaption != nullptr) high->addWidget(MakeLabel("", block, n.maxCaption));
    if (n.maxValue != nullptr) high->addWidget(MakeLabel("", block, n.maxValue));
    grid->addLayout(low, 1, 0, 1, 2);
    grid->addLayout(high, 1, 2, 1, 2);
    grid->setColumnStretch(6, 1);
    return block;
}

QWidget* MakeButtonRow(const char* const* names, const QString* captions, int count,
                       QWidget* parent, int buttonWidth) {
    auto* row = new QWidget(parent);
    auto* box = new QHBoxLayout(row);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(2);
    for (int i = 0; i < count; ++i) {
        auto* b = MakeSpeedButton(names[i], captions[i], row);
        if (buttonWidth > 0) b->setFixedWidth(FontScaledWidth(b, buttonWidth));
        box->addWidget(b);
    }
    box->addStretch(1);
    return row;
}

QGroupBox* MakeMaterialGroupBox(const char* const (&buttons)[11], const char* memo,
                                QWidget* parent) {
    auto* groups = MakeGroup("Werkstoffgruppe:", parent);
    auto* v = new QVBoxLayout(groups);
    QString numbers[11];
    for (int i = 0; i < 11; ++i)
        numbers[i] = QString::number(i + 1);
    v->addWidget(MakeButtonRow(buttons, numbers, 11, groups, 26));
    auto* text = MakeMemo(memo, groups);
    text->setMinimumHeight(130);
    v->addWidget(text);
    return groups;
}

QGroupBox* MakeResultBox(const QString& title, std::initializer_list<ResultRow> rows,
                         QWidget* parent) {
    auto* box = MakeGroup(title, parent);
    auto* grid = new QGridLayout(box);
    int r = 0;
    for (const ResultRow& row : rows) {
        grid->addWidget(MakeLabel(row.caption, box), r, 0);
        QLineEdit* field = MakeField(row.field, box);
        FitWidestNumber(field);
        grid->addWidget(field, r, 1);
        ++r;
    }
    grid->setColumnStretch(2, 1);
    return box;
}

QToolButton* MakeGlyphButton(const char* name, const QString& glyph, QWidget* parent) {
    auto* b = MakeSpeedButton(name, glyph, parent);
    b->setCheckable(false);
    return b;
}

QWidget* MakePercentStepper(const char* minus, const char* field, const char* plus,
                            QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* box = new QHBoxLayout(row);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(2);
    auto* down = MakeGlyphButton(minus, QStringLiteral("−"), row);
    SetGlyph(down, "minus");
    auto* up = MakeGlyphButton(plus, QStringLiteral("+"), row);
    SetGlyph(up, "plus");
    box->addWidget(down);
    box->addWidget(MakeField(field, row, 44));
    box->addWidget(up);
    return row;
}

} // namespace zerbo::ui
