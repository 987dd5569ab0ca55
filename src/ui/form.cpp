// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/form.h"

#include "ui/accessibility.h"
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
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtMath>

#include <algorithm>

namespace zerbo::ui {

namespace {

template <class W> W* Named(W* widget, const Control& control) {
    widget->setObjectName(QString::fromStdString(control.name()));
    return widget;
}

} // namespace

QLineEdit* MakeField(const Field& field, QWidget* parent, int width) {
    auto* e = Named(new QLineEdit(parent), field);
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

QComboBox* MakeList(const List& list, QWidget* parent, int width) {
    auto* b = Named(new PickList(parent), list);
    if (width > 0) b->setMinimumWidth(width);
    return b;
}

QListWidget* MakeListBox(const List& list, QWidget* parent) {
    return Named(new QListWidget(parent), list);
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

QScrollBar* MakeBar(const Bar& bar, QWidget* parent) {
    return Named(new ValueBar(bar.vertical ? Qt::Vertical : Qt::Horizontal, parent), bar);
}

QToolButton* MakeSpeedButton(const Button& button, const QString& caption, QWidget* parent) {
    auto* b = Named(new QToolButton(parent), button);
    b->setText(caption);
    b->setCheckable(true);
    b->setAutoRaise(false);
    return b;
}

QPushButton* MakePushButton(const Button& button, const QString& caption, QWidget* parent) {
    return Named(new QPushButton(caption, parent), button);
}

QCheckBox* MakeCheck(const Check& check, const QString& caption, QWidget* parent) {
    return Named(new QCheckBox(caption, parent), check);
}

QPlainTextEdit* MakeMemo(const Memo& memo, QWidget* parent) {
    auto* m = Named(new QPlainTextEdit(parent), memo);
    m->setReadOnly(true);
    return m;
}

QLabel* MakeLabel(const QString& text, QWidget* parent) {
    return new QLabel(text, parent);
}

QLabel* MakeLabel(const Label& label, QWidget* parent, const QString& text) {
    return Named(new QLabel(text, parent), label);
}

QGroupBox* MakeGroup(const QString& title, QWidget* parent) {
    return new QGroupBox(title, parent);
}

void FitLines(QPlainTextEdit* memo, int lines) {
    const int margins = 2 * (memo->frameWidth() + qCeil(memo->document()->documentMargin()));
    memo->setFixedHeight(memo->fontMetrics().lineSpacing() * lines + margins);
}

} // namespace zerbo::ui

namespace zerbo::ui {

QWidget* MakeRangeBar(const RangeBarParts& n, QWidget* parent, int fieldWidth) {
    auto* block = new QWidget(parent);
    auto* grid = new QGridLayout(block);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(0);
    auto* bar = MakeBar(n.bar, block);
    bar->setMinimumWidth(150);
    grid->addWidget(bar, 0, 0, 1, 4);
    auto* field = MakeField(n.field, block, fieldWidth);
    if (!n.caption.isEmpty()) NameBarAndField(bar, field, n.caption);
    grid->addWidget(field, 0, 4);
    if (n.unit != nullptr) grid->addWidget(MakeLabel(*n.unit, block), 0, 5);
    auto* low = new QHBoxLayout;
    low->setSpacing(4);
    if (n.minCaption != nullptr) low->addWidget(MakeLabel(*n.minCaption, block));
    if (n.minValue != nullptr) low->addWidget(MakeLabel(*n.minValue, block));
    low->addStretch(1);
    auto* high = new QHBoxLayout;
    high->setSpacing(4);
    high->addStretch(1);
    if (n.maxCaption != nullptr) high->addWidget(MakeLabel(*n.maxCaption, block));
    if (n.maxValue != nullptr) high->addWidget(MakeLabel(*n.maxValue, block));
    grid->addLayout(low, 1, 0, 1, 2);
    grid->addLayout(high, 1, 2, 1, 2);
    grid->setColumnStretch(6, 1);
    return block;
}

QWidget* MakeButtonRow(const std::vector<const Button*>& buttons, const QString* captions,
                       QWidget* parent, int buttonWidth) {
    auto* row = new QWidget(parent);
    auto* box = new QHBoxLayout(row);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(2);
    for (size_t i = 0; i < buttons.size(); ++i) {
        auto* b = MakeSpeedButton(*buttons[i], captions[i], row);
        if (buttonWidth > 0) b->setFixedWidth(FontScaledWidth(b, buttonWidth));
        box->addWidget(b);
    }
    box->addStretch(1);
    return row;
}

QGroupBox* MakeMaterialGroupBox(const std::array<Button, 11>& buttons, const Memo& memo,
                                QWidget* parent) {
    auto* groups = MakeGroup("Werkstoffgruppe:", parent);
    auto* v = new QVBoxLayout(groups);
    QString numbers[11];
    std::vector<const Button*> row;
    for (int i = 0; i < 11; ++i) {
        numbers[i] = QString::number(i + 1);
        row.push_back(&buttons[static_cast<size_t>(i)]);
    }
    v->addWidget(MakeButtonRow(row, numbers, groups, 26));
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
        QLineEdit* field = MakeField(row.field, box);
        grid->addWidget(Captions(MakeLabel(row.caption, box), field), r, 0);
        FitWidestNumber(field);
        grid->addWidget(field, r, 1);
        ++r;
    }
    grid->setColumnStretch(2, 1);
    return box;
}

QGroupBox* MakeResultBox(const QString& title, const ResultBlock& results,
                         const QString (&captions)[5], QWidget* parent) {
    return MakeResultBox(title,
                         {{captions[0], results.spindleSpeed},
                          {captions[1], results.feedRate},
                          {captions[2], results.kc},
                          {captions[3], results.removalRate},
                          {captions[4], results.power}},
                         parent);
}

QToolButton* MakeGlyphButton(const Button& button, const QString& glyph, QWidget* parent) {
    auto* b = MakeSpeedButton(button, glyph, parent);
    b->setCheckable(false);
    return b;
}

QWidget* MakePercentStepper(const PercentStep& step, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* box = new QHBoxLayout(row);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(2);
    auto* down = MakeGlyphButton(step.down, QStringLiteral("−"), row);
    SetGlyph(down, "minus");
    auto* up = MakeGlyphButton(step.up, QStringLiteral("+"), row);
    SetGlyph(up, "plus");
    box->addWidget(down);
    // No caption of its own: the hint names the percentage.
    auto* percent = MakeField(step.field, row, 44);
    percent->setAccessibleName(QString::fromStdString(step.field.hint));
    box->addWidget(percent);
    box->addWidget(up);
    return row;
}

} // namespace zerbo::ui
