// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/page_widgets.h"

#include "sawing/sawing_page.h"

#include "ui/accessibility.h"
#include "ui/field_width.h"
#include "ui/form.h"
#include "ui/sketch.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStringList>
#include <QToolButton>
#include <QVBoxLayout>

#include <vector>

namespace zerbo::ui {

namespace {

// Shows and hides fixed captions together with the control they belong to.
class CaptionsFollow : public QObject {
  public:
    CaptionsFollow(QWidget* control, std::vector<QWidget*> captions)
        : QObject(control), captions_(std::move(captions)) {
        control->installEventFilter(this);
        apply(!control->isHidden());
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ShowToParent) apply(true);
        if (event->type() == QEvent::HideToParent) apply(false);
        return false;
    }

  private:
    void apply(bool shown) {
        for (QWidget* w : captions_)
            w->setHidden(!shown);
    }
    std::vector<QWidget*> captions_;
};

QWidget* Blade(const SawingPage& page, QWidget* parent) {
    auto* col = new QWidget(parent);
    auto* v = new QVBoxLayout(col);
    v->setContentsMargins(0, 0, 0, 0);

    auto* material = MakeGroup("Schneidstoffgruppe:", col);
    static const QString materialCaptions[] = {"HSS", "HM"};
    (new QHBoxLayout(material))
        ->addWidget(
            MakeButtonRow({&page.hssButton, &page.hmButton}, materialCaptions, material, 48));
    v->addWidget(material);

    auto* blade = MakeGroup("Sägeblatt:", col);
    auto* g = new QGridLayout(blade);
    auto* type = MakeList(page.bladeTypeList, blade);
    auto* diameter = MakeList(page.bladeDiameterList, blade, 70);
    auto* teeth = MakeList(page.teethList, blade, 70);
    auto* thickness = MakeList(page.thicknessList, blade, 60);
    g->addWidget(Captions(MakeLabel("Sägeblattart:", blade), type), 0, 0, 1, 3);
    g->addWidget(type, 1, 0, 1, 3);
    g->addWidget(Captions(MakeLabel("Durchmesser:", blade), diameter), 2, 0);
    g->addWidget(Captions(MakeLabel("Zähnezahl:", blade), teeth), 2, 1);
    g->addWidget(Captions(MakeLabel("Stärke:", blade), thickness), 2, 2);
    g->addWidget(diameter, 3, 0);
    g->addWidget(teeth, 3, 1);
    g->addWidget(thickness, 3, 2);
    v->addWidget(blade);

    auto* work = MakeGroup("Werkstück:", col);
    auto* w = new QVBoxLayout(work);
    auto* workMaterial = MakeList(page.materialList, work, 230);
    w->addWidget(Captions(MakeLabel("Werkstoff:", work), workMaterial));
    w->addWidget(workMaterial);
    // The depth classes stay out of sight; the removal rate takes the first.
    auto* depth = MakeList(page.depthList, work);
    auto* depthCaption = Captions(MakeLabel("Schnittiefe:", work), depth);
    w->addWidget(depthCaption);
    w->addWidget(depth);
    new CaptionsFollow(depth, {depthCaption});
    auto* coolant = MakeMemo(page.coolant, work);
    FitLines(coolant, 3);
    w->addWidget(Captions(MakeLabel("Kühl- bzw. Schmiermittel:", work), coolant));
    w->addWidget(coolant);
    w->addStretch(1);
    v->addWidget(work, 1);
    return col;
}

// A slider group: the bar with its field and fixed units on one row, the
// range under it ("min."/"max." captions over the bound labels where given).
struct SliderParts {
    const Bar& bar;
    const Field& field;
    const Label& low;
    const Label& high;
};
QGroupBox* Slider(const QString& title, const SliderParts& n, const QStringList& units,
                  bool captions, QWidget* parent) {
    auto* box = MakeGroup(title, parent);
    auto* g = new QGridLayout(box);
    g->setVerticalSpacing(0);
    auto* bar = MakeBar(n.bar, box);
    bar->setMinimumWidth(150);
    g->addWidget(bar, 0, 0, 1, 2);
    // Field and units in a block of one width, so the bars line up.
    auto* values = new QWidget(box);
    values->setFixedWidth(FontScaledWidth(values, 150));
    auto* row = new QHBoxLayout(values);
    row->setContentsMargins(0, 0, 0, 0);
    auto* field = MakeField(n.field, values, 60);
    NameBarAndField(bar, field, title);
    row->addWidget(field);
    for (const QString& unit : units)
        row->addWidget(MakeLabel(unit, values));
    row->addStretch(1);
    g->addWidget(values, 0, 2);
    int r = 1;
    if (captions) {
        g->addWidget(MakeLabel("min.", box), r, 0);
        g->addWidget(MakeLabel("max.", box), r, 1, Qt::AlignRight);
        ++r;
    }
    g->addWidget(MakeLabel(n.low, box), r, 0);
    g->addWidget(MakeLabel(n.high, box), r, 1, Qt::AlignRight);
    g->setColumnStretch(0, 1);
    g->setColumnStretch(1, 1);
    return box;
}

QWidget* Sliders(const SawingPage& page, QWidget* parent) {
    auto* col = new QWidget(parent);
    auto* v = new QVBoxLayout(col);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(Slider("Werkstückabmessung D:",
                        {page.workpieceBar, page.workpiece, page.workpieceMin, page.workpieceMax},
                        {"mm"}, false, col));
    v->addWidget(Slider("Spez. Schnittfl.", {page.areaBar, page.area, page.areaMin, page.areaMax},
                        {"mm²", "(x1000)"}, false, col));
    v->addWidget(Slider(
        "Schnittgeschw. Vc:", {page.speedBar, page.cuttingSpeed, page.speedMin, page.speedMax},
        {"m/Min."}, true, col));

    v->addStretch(1);
    return col;
}

QWidget* Results(const SawingPage& page, QWidget* parent) {
    auto* col = new QWidget(parent);
    auto* v = new QVBoxLayout(col);
    v->setContentsMargins(0, 0, 0, 0);
    auto* sketch = MakeSketch("sawing", col);
    sketch->setMinimumSize(120, 130);
    // The sketch takes the height the results leave over.
    sketch->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    v->addWidget(sketch, 1);

    // The Vf result with the feed-rate range under it (shown only for blade
    // types that have one).
    auto* feed = MakeGroup("Vorschubgeschw. Vf:", col);
    auto* fg = new QGridLayout(feed);
    fg->setVerticalSpacing(0);
    auto* vf = new QHBoxLayout;
    auto* vfField = MakeField(page.feedRate, feed);
    FitWidestNumber(vfField);
    vf->addWidget(vfField);
    vf->addSpacing(4);
    vf->addWidget(MakeLabel("mm/Min.", feed));
    vf->addStretch(1);
    fg->addLayout(vf, 0, 0, 1, 2);
    auto* bar = MakeBar(page.feedRateBar, feed);
    bar->setMinimumWidth(150);
    NameBarAndField(bar, vfField, feed->title());
    fg->addWidget(bar, 1, 0, 1, 2);
    auto* minCaption = MakeLabel("min.", feed);
    auto* maxCaption = MakeLabel("max.", feed);
    fg->addWidget(minCaption, 2, 0);
    fg->addWidget(maxCaption, 2, 1, Qt::AlignRight);
    fg->addWidget(MakeLabel(page.feedRateMin, feed), 3, 0);
    fg->addWidget(MakeLabel(page.feedRateMax, feed), 3, 1, Qt::AlignRight);
    new CaptionsFollow(bar, {minCaption, maxCaption});
    v->addWidget(feed);
    v->addWidget(MakeResultBox("Ergebnis:",
                               {{"n in U/Min.", page.spindleSpeed},
                                {"fz in mm/Zahn", page.toothFeed},
                                {"kc 1,1 in N/mm²", page.kc11},
                                {"Q in cm³/Min.", page.removalRate},
                                {"Pe in kW", page.power}},
                               col));
    return col;
}

} // namespace

QWidget* MakeSawingPage(const SawingPage& page, QWidget* parent) {
    auto* widget = new QWidget(parent);
    auto* h = new QHBoxLayout(widget);
    h->addWidget(Blade(page, widget));
    h->addWidget(Sliders(page, widget), 1);
    h->addWidget(Results(page, widget));
    return widget;
}

} // namespace zerbo::ui
