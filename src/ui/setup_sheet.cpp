// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/setup_sheet.h"

#include "ui/binder.h"
#include "ui/print/print_preview.h"
#include "ui/vector_drawing.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLibrary>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPlainTextEdit>

#include <algorithm>

namespace zerbo::ui {

namespace {

// ---- Reading the page ---------------------------------------------------

// A widget that shows a value: a field, a list or a memo.
bool ShowsValue(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) != nullptr ||
           qobject_cast<const QComboBox*>(w) != nullptr ||
           qobject_cast<const QListWidget*>(w) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(w) != nullptr;
}

int ValuesIn(const QWidget* container) {
    int n = 0;
    for (const QWidget* w : container->findChildren<QWidget*>())
        n += ShowsValue(w) && w->isVisibleTo(container) ? 1 : 0;
    return n;
}

// The layout that holds `w` (its parent's layout or one nested in it).
QLayout* Holder(QLayout* layout, const QWidget* w) {
    for (int i = 0; layout != nullptr && i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == w) return layout;
        if (QLayout* found = Holder(item->layout(), w)) return found;
    }
    return nullptr;
}

enum class Side { Left, Right, Above };

// The item beside `item` in its layout: in the same grid row or column, or
// next in a box.
QLayoutItem* Beside(QLayout* layout, QLayoutItem* item, Side side) {
    const int index = layout->indexOf(item);
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        int row = 0, col = 0, rows = 0, cols = 0;
        grid->getItemPosition(index, &row, &col, &rows, &cols);
        switch (side) {
        case Side::Left:
            return col > 0 ? grid->itemAtPosition(row, col - 1) : nullptr;
        case Side::Right:
            return cols > 0 ? grid->itemAtPosition(row, col + cols) : nullptr;
        case Side::Above:
            return row > 0 ? grid->itemAtPosition(row - 1, col) : nullptr;
        }
    }
    if (auto* box = qobject_cast<QBoxLayout*>(layout)) {
        const bool across = box->direction() == QBoxLayout::LeftToRight ||
                            box->direction() == QBoxLayout::RightToLeft;
        if (across == (side == Side::Above)) return nullptr;
        // Spacing between a field and its unit keeps them neighbours.
        const int step = side == Side::Right ? 1 : -1;
        int next = index + step;
        while (next >= 0 && next < box->count() && box->itemAt(next)->spacerItem() != nullptr &&
               box->itemAt(next)->expandingDirections() == Qt::Orientations())
            next += step;
        return next >= 0 && next < box->count() ? box->itemAt(next) : nullptr;
    }
    return nullptr;
}

QLayoutItem* ItemOf(QLayout* layout, const QWidget* w) {
    for (int i = 0; i < layout->count(); ++i)
        if (layout->itemAt(i)->widget() == w) return layout->itemAt(i);
    return nullptr;
}

// The label shown beside `w` on `side`, if any.
const QLabel* LabelBeside(const QWidget* w, Side side) {
    QLayout* layout = w->parentWidget() ? Holder(w->parentWidget()->layout(), w) : nullptr;
    if (layout == nullptr) return nullptr;
    QLayoutItem* next = Beside(layout, ItemOf(layout, w), side);
    auto* label = next ? qobject_cast<const QLabel*>(next->widget()) : nullptr;
    return label != nullptr && !label->isHidden() && !label->text().isEmpty() ? label : nullptr;
}

// A label right after a field (or after such a label) is its unit.
bool IsUnit(const QLabel* label) {
    QLayout* layout = Holder(label->parentWidget()->layout(), label);
    QLayoutItem* before = Beside(layout, ItemOf(layout, label), Side::Left);
    QWidget* w = before ? before->widget() : nullptr;
    if (qobject_cast<QLineEdit*>(w) != nullptr) return true;
    auto* previous = qobject_cast<QLabel*>(w);
    return previous != nullptr && IsUnit(previous);
}

const QGroupBox* TitledGroup(const QWidget* w, const QWidget* page) {
    for (const QWidget* p = w->parentWidget(); p != nullptr && p != page; p = p->parentWidget())
        if (auto* g = qobject_cast<const QGroupBox*>(p); g && !g->title().isEmpty()) return g;
    return nullptr;
}

// Walks from `w` out of the containers that hold nothing else to show,
// while `look` finds nothing; stops at a group box or the page.
template <class Look> QString Outward(const QWidget* w, const QWidget* page, Look look) {
    for (const QWidget* at = w; at != nullptr && at != page; at = at->parentWidget()) {
        const QString found = look(at);
        if (!found.isEmpty()) return found;
        const QWidget* parent = at->parentWidget();
        if (parent == nullptr || parent == page || qobject_cast<const QGroupBox*>(parent) ||
            ValuesIn(parent) > 1)
            break;
    }
    return {};
}

// The caption of a value: the label naming it as buddy, else the label
// before or above it, else the title of its group.
QString CaptionOf(const QWidget* w, const QWidget* page) {
    for (const QLabel* label : page->findChildren<QLabel*>())
        if (label->buddy() == w && label->isVisibleTo(page)) return label->text();
    QString caption = Outward(w, page, [](const QWidget* at) {
        for (Side side : {Side::Left, Side::Above})
            if (const QLabel* label = LabelBeside(at, side); label && !IsUnit(label))
                return label->text();
        return QString();
    });
    // A row of buttons without a label is named for assistive technology.
    for (const QWidget* p = w->parentWidget(); caption.isEmpty() && p != nullptr && p != page &&
                                               qobject_cast<const QGroupBox*>(p) == nullptr;
         p = p->parentWidget())
        caption = p->accessibleName();
    if (caption.isEmpty())
        if (const QGroupBox* group = TitledGroup(w, page)) caption = group->title();
    return caption;
}

// The unit of a field: the labels right after it.
QString UnitOf(const QWidget* w, const QWidget* page) {
    return Outward(w, page, [](const QWidget* at) {
        QStringList parts;
        for (const QLabel* label = LabelBeside(at, Side::Right); label != nullptr;
             label = LabelBeside(label, Side::Right))
            parts << label->text();
        return parts.join(' ');
    });
}

QStringList MemoLines(const QPlainTextEdit* memo) {
    QStringList lines = memo->toPlainText().split('\n');
    lines.removeIf([](const QString& line) { return line.trimmed().isEmpty(); });
    return lines;
}

// The visible memo in the same group as a pressed button describes the
// choice (the material group's text); nullptr if there is none.
const QPlainTextEdit* DescriptionOf(const QWidget* w, const QWidget* page) {
    const QWidget* group = TitledGroup(w, page);
    if (group == nullptr) return nullptr;
    for (const QPlainTextEdit* memo : group->findChildren<QPlainTextEdit*>())
        if (memo->isVisibleTo(page)) return memo;
    return nullptr;
}

bool HasPressedButton(const QWidget* group, const QWidget* page) {
    for (const QAbstractButton* b : group->findChildren<QAbstractButton*>())
        if (b->isCheckable() && b->isChecked() && b->isVisibleTo(page)) return true;
    return false;
}

QString Trimmed(QString caption) {
    caption = caption.trimmed();
    while (caption.endsWith(':') || caption.endsWith('='))
        caption.chop(1);
    return caption.trimmed();
}

void Read(const QWidget* w, const QWidget* page, SetupSheet& sheet) {
    if (w->isHidden()) return;
    auto add = [&](const QString& value, const QString& unit = {}) {
        if (!value.trimmed().isEmpty())
            sheet.lines.append({Trimmed(CaptionOf(w, page)), value, unit});
    };
    if (auto* field = qobject_cast<const QLineEdit*>(w)) {
        add(field->text(), UnitOf(w, page));
        return;
    }
    if (auto* list = qobject_cast<const QComboBox*>(w)) {
        add(list->currentText());
        return;
    }
    if (auto* list = qobject_cast<const QListWidget*>(w)) {
        if (const QListWidgetItem* item = list->currentItem()) add(item->text());
        return;
    }
    if (auto* memo = qobject_cast<const QPlainTextEdit*>(w)) {
        const QGroupBox* group = TitledGroup(w, page);
        if (group != nullptr && HasPressedButton(group, page)) return; // told with the button
        for (const QString& line : MemoLines(memo))
            add(line);
        return;
    }
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) {
        if (!button->isCheckable() || !button->isChecked()) return;
        QString value = button->text();
        // A button showing only a sign (a surface mark) says its name too.
        if (SaysNothing(value) && !button->accessibleName().isEmpty())
            value += ' ' + button->accessibleName();
        if (const QPlainTextEdit* memo = DescriptionOf(w, page)) {
            const QStringList lines = MemoLines(memo);
            if (!lines.isEmpty()) value += QStringLiteral(" – ") + lines.first().trimmed();
        }
        add(value);
        return;
    }
    if (!w->property("zerboDrawing").toString().isEmpty() && sheet.drawing.isEmpty())
        sheet.drawing = w->property("zerboDrawing").toString();
    for (const QObject* child : w->children())
        if (child->isWidgetType()) Read(static_cast<const QWidget*>(child), page, sheet);
}

// ---- Painting -----------------------------------------------------------

QPageLayout A4() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

QFont SheetFont(qreal points, bool bold = false) {
    QFont font;
    font.setPointSizeF(points);
    font.setBold(bold);
    // A hint of letter spacing keeps Qt from joining "ff" or "fi" into one
    // ligature glyph, so text copied from the PDF reads as written.
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.1);
    return font;
}

class SheetPainter {
  public:
    SheetPainter(QPainter& painter, QPaintDevice& device)
        : p_(painter), mm_(device.logicalDpiY() / 25.4), width_(device.width()),
          height_(device.height()) {}

    void paint(const SetupSheet& sheet) {
        qreal y = heading(sheet);
        qreal tableWidth = width_;
        qreal bottom = y;
        if (!sheet.drawing.isEmpty()) {
            const qreal column = 50 * mm_;
            bottom = drawing(sheet.drawing, QRectF(width_ - column, y, column, 90 * mm_));
            tableWidth -= column + 6 * mm_;
        }
        bottom = std::max(bottom, table(sheet.lines, y, tableWidth));
        remarks(bottom + 8 * mm_);
    }

  private:
    qreal heading(const SetupSheet& sheet) {
        p_.setPen(Qt::black);
        p_.setFont(SheetFont(10));
        const qreal line = p_.fontMetrics().height();
        p_.drawText(QRectF(0, 0, width_, line), Qt::AlignLeft, QStringLiteral("Einrichteblatt"));
        const QString made = QLocale(QLocale::German).toString(sheet.made, "dd.MM.yyyy  HH:mm");
        p_.drawText(QRectF(0, 0, width_, line), Qt::AlignRight, made);
        p_.drawText(QRectF(0, line, width_, line), Qt::AlignRight, sheet.program);
        p_.setFont(SheetFont(20, true));
        const qreal title = p_.fontMetrics().height();
        p_.drawText(QRectF(0, line, width_, title), Qt::AlignLeft, sheet.operation);
        const qreal rule = line + title + 2 * mm_;
        p_.setPen(QPen(Qt::black, 0.4 * mm_));
        p_.drawLine(QPointF(0, rule), QPointF(width_, rule));
        return rule + 5 * mm_;
    }

    qreal drawing(const QString& resource, const QRectF& area) {
        const VectorDrawing sketch(resource);
        if (!sketch.isValid() || sketch.viewBox().isEmpty()) return area.top();
        QSizeF size = sketch.viewBox().size();
        size.scale(area.size(), Qt::KeepAspectRatio);
        const QRectF target(area.left() + (area.width() - size.width()) / 2, area.top(),
                            size.width(), size.height());
        p_.save();
        p_.setRenderHint(QPainter::Antialiasing);
        sketch.render(&p_, target);
        p_.restore();
        return target.bottom();
    }

    // Caption, value and unit in three columns; a caption repeated on the
    // next line is written once.
    qreal table(const QList<SheetLine>& lines, qreal y, qreal width) {
        const qreal columns[] = {0, width * 0.31, width * 0.8, width};
        const qreal gap = 2 * mm_;
        QString previous;
        for (const SheetLine& line : lines) {
            const QString caption = line.caption == previous ? QString() : line.caption;
            previous = line.caption;
            const QString cells[] = {caption, line.value, line.unit};
            qreal rowHeight = 0;
            for (int c = 0; c < 3; ++c) {
                p_.setFont(SheetFont(10, c == 1));
                const QRectF box(columns[c], y, columns[c + 1] - columns[c] - gap, height_);
                rowHeight = std::max(
                    rowHeight, p_.boundingRect(box, Qt::TextWordWrap, cells[c]).height());
            }
            if (!caption.isEmpty() && y > 0) {
                p_.setPen(QPen(QColor(170, 170, 170), 0.2 * mm_));
                p_.drawLine(QPointF(0, y - 0.8 * mm_), QPointF(width, y - 0.8 * mm_));
            }
            p_.setPen(Qt::black);
            for (int c = 0; c < 3; ++c) {
                p_.setFont(SheetFont(10, c == 1));
                p_.drawText(QRectF(columns[c], y, columns[c + 1] - columns[c] - gap, rowHeight),
                            Qt::TextWordWrap, cells[c]);
            }
            y += rowHeight + 1.6 * mm_;
        }
        return y;
    }

    // The free "Bemerkungen" box down to the page's foot, ruled for writing.
    void remarks(qreal y) {
        p_.setPen(Qt::black);
        p_.setFont(SheetFont(11, true));
        const qreal title = p_.fontMetrics().height();
        p_.drawText(QRectF(0, y, width_, title), Qt::AlignLeft, QStringLiteral("Bemerkungen"));
        const QRectF box(0, y + title + 1 * mm_, width_,
                         std::max(height_ - (y + title + 1 * mm_), 30 * mm_));
        p_.setPen(QPen(QColor(200, 200, 200), 0.2 * mm_));
        for (qreal line = box.top() + 8 * mm_; line < box.bottom() - 2 * mm_; line += 8 * mm_)
            p_.drawLine(QPointF(box.left() + 2 * mm_, line), QPointF(box.right() - 2 * mm_, line));
        p_.setPen(QPen(Qt::black, 0.3 * mm_));
        p_.drawRect(box);
    }

    QPainter& p_;
    qreal mm_;
    qreal width_;
    qreal height_;
};

// ---- The print module ---------------------------------------------------

QString& PrintModuleFile() {
    static QString file;
    return file;
}

void PaintDocument(QPagedPaintDevice* device, void* sheet) {
    PaintSetupSheet(*static_cast<const SetupSheet*>(sheet), *device);
}

} // namespace

SetupSheet ReadSetupSheet(const QWidget* page, const QString& operation) {
    SetupSheet sheet;
    sheet.operation = operation;
    sheet.made = QDateTime::currentDateTime();
    sheet.program = QCoreApplication::applicationName() + ' ' +
                    QCoreApplication::applicationVersion();
    Read(page, page, sheet);
    return sheet;
}

QString SheetText(const SetupSheet& sheet) {
    QString text;
    for (const SheetLine& line : sheet.lines)
        text += line.caption + '\t' + line.value + '\t' + line.unit + '\n';
    return text;
}

bool PaintSetupSheet(const SetupSheet& sheet, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    SheetPainter(painter, device).paint(sheet);
    return painter.end();
}

bool WriteSetupSheetPdf(const SetupSheet& sheet, const QString& file) {
    QPdfWriter writer(file);
    writer.setTitle(QStringLiteral("Einrichteblatt ") + sheet.operation);
    writer.setCreator(sheet.program);
    writer.setResolution(600);
    writer.setPageLayout(A4());
    return PaintSetupSheet(sheet, writer);
}

QString SuggestedSheetName(const SetupSheet& sheet) {
    return sheet.operation + '_' + sheet.made.date().toString(Qt::ISODate) + ".pdf";
}

void SetPrintModule(const QString& file) { PrintModuleFile() = file; }

bool PreviewSetupSheet(const SetupSheet& sheet, QWidget* parent, QString* error) {
    // Loaded once and kept: the preview's classes must outlive any dialog.
    static QLibrary module;
    if (!module.isLoaded()) {
        QStringList candidates{PrintModuleFile()};
        if (candidates.first().isEmpty()) {
            const QString dir = QCoreApplication::applicationDirPath();
            candidates = {dir + "/libzerbo_print.so",
                          dir + "/" ZERBO_PRINT_MODULE_DIR "/libzerbo_print.so"};
        }
        for (const QString& file : candidates) {
            module.setFileName(file);
            if (module.load()) break;
        }
    }
    auto preview = reinterpret_cast<ZerboPrintPreview>(module.resolve(kPrintPreviewSymbol));
    if (preview == nullptr) {
        if (error != nullptr) *error = module.errorString();
        return false;
    }
    const QByteArray title = (QStringLiteral("Einrichteblatt ") + sheet.operation).toUtf8();
    preview(parent, title.constData(), &PaintDocument, const_cast<SetupSheet*>(&sheet));
    return true;
}

} // namespace zerbo::ui
