#include "ui/page_widgets.h"

#include "ui/form.h"
#include "ui/sketch.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace zerbo::ui {

namespace {

QWidget* Inputs(QWidget* page) {
    auto* box = new QGroupBox(page);
    auto* v = new QVBoxLayout(box);

    auto* group = MakeGroup("Schneidstoffgruppe:", box);
    static const char* const groupNames[] = {"SpeedButton12", "SpeedButton13"};
    static const QString groupCaptions[] = {"HSS", "HM"};
    (new QHBoxLayout(group))->addWidget(MakeButtonRow(groupNames, groupCaptions, 2, group, 48));
    v->addWidget(group);

    auto* grid = new QGridLayout;
    grid->addWidget(MakeLabel("Werkzeugtyp:", box), 0, 0, 1, 2);
    grid->addWidget(MakeList("ComboBox16", box, 280), 1, 0, 1, 2);
    grid->addWidget(MakeLabel("Schneidstoff bzw.Beschichtung:", box), 2, 0, 1, 2);
    grid->addWidget(MakeList("ComboBox17", box, 200), 3, 0);
    grid->addWidget(MakeLabel("Durchm.:", box), 2, 1);
    grid->addWidget(MakeList("ComboBox18", box, 70), 3, 1);
    grid->addWidget(MakeLabel("Werkstoff:", box), 4, 0, 1, 2);
    grid->addWidget(MakeList("ComboBox20", box, 280), 5, 0, 1, 2);
    v->addLayout(grid);

    auto* coolant = MakeGroup("Kühl- und Schmiermittel:", box);
    (new QVBoxLayout(coolant))->addWidget(MakeMemo("Memo4", coolant));
    v->addWidget(coolant, 1);
    return box;
}

// "Schnittgeschw. Vc:": the bar in tenths with its field, the effective
// range under it and the percentage it is raised by.
QGroupBox* Speed(QWidget* parent) {
    auto* speed = MakeGroup("Schnittgeschw. Vc:", parent);
    auto* g = new QGridLayout(speed);
    g->setVerticalSpacing(2);
    auto* bar = MakeBar("ScrollBar8", speed);
    bar->setMinimumWidth(190);
    g->addWidget(bar, 0, 0, 1, 4);
    g->addWidget(MakeField("Edit31", speed, 70), 0, 4);
    g->addWidget(MakeLabel("m/Min.", speed), 0, 5);
    auto* low = new QHBoxLayout;
    low->setSpacing(4);
    low->addWidget(MakeLabel("min", speed));
    low->addWidget(MakeLabel("", speed, "Label90"));
    low->addStretch(1);
    g->addLayout(low, 1, 0, 1, 2);
    auto* high = new QHBoxLayout;
    high->setSpacing(4);
    high->addStretch(1);
    high->addWidget(MakeLabel("max", speed));
    high->addWidget(MakeLabel("", speed, "Label91"));
    g->addLayout(high, 1, 2, 1, 2);
    g->addWidget(MakePercentStepper("SpeedButton34", "Edit52", "SpeedButton33", speed), 1, 4, 1, 2,
                 Qt::AlignLeft);
    g->setColumnStretch(6, 1);
    return speed;
}

// "Vorschub f:": the feed with the bar that raises it by 0..100 %.
QGroupBox* Feed(QWidget* parent) {
    auto* feed = MakeGroup("Vorschub f:", parent);
    auto* g = new QGridLayout(feed);
    g->setVerticalSpacing(2);
    auto* bar = MakeBar("ScrollBar13", feed);
    bar->setMinimumWidth(190);
    // The feed stays in its place while the bar is hidden.
    QSizePolicy keep = bar->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    bar->setSizePolicy(keep);
    g->addWidget(bar, 0, 0, 1, 4);
    g->addWidget(MakeField("Edit30", feed, 70), 0, 4);
    g->addWidget(MakeLabel("mm/U", feed), 0, 5);
    auto* low = new QHBoxLayout;
    low->setSpacing(4);
    low->addWidget(MakeLabel("", feed, "Label95"));
    low->addWidget(MakeLabel("", feed, "Label92"));
    low->addStretch(1);
    g->addLayout(low, 1, 0, 1, 2);
    auto* high = new QHBoxLayout;
    high->setSpacing(4);
    high->addStretch(1);
    high->addWidget(MakeLabel("", feed, "Label96"));
    high->addWidget(MakeLabel("", feed, "Label93"));
    high->addWidget(MakeLabel("", feed, "Label94"));
    g->addLayout(high, 1, 2, 1, 2);
    g->setColumnStretch(6, 1);
    return feed;
}

QGroupBox* Allowance(QWidget* parent) {
    auto* allowance = MakeGroup("Reibaufmaß:", parent);
    auto* h = new QHBoxLayout(allowance);
    h->addWidget(MakeField("Edit51", allowance, 100));
    h->addWidget(MakeLabel("mm", allowance));
    h->addSpacing(24);
    h->addWidget(MakeLabel("", allowance, "Label97"));
    h->addWidget(MakePercentStepper("SpeedButton35", "Edit53", "SpeedButton36", allowance));
    h->addStretch(1);
    return allowance;
}

QGroupBox* Results(QWidget* parent) {
    auto* result = MakeGroup("Ergebnis:", parent);
    auto* g = new QGridLayout(result);
    const std::pair<const char*, const char*> rows[] = {{"n in U/Min.:", "Edit32"},
                                                        {"Vf in mm/Min.:", "Edit33"},
                                                        {"kc in N/mm²", "Edit34"},
                                                        {"Q in cm³/Min.:", "Edit35"},
                                                        {"Pe in kW:", "Edit36"}};
    int r = 0;
    for (const auto& [caption, field] : rows) {
        g->addWidget(MakeLabel(caption, result), r, 0);
        g->addWidget(MakeField(field, result, 150), r, 1);
        ++r;
    }
    g->setColumnStretch(2, 1);
    return result;
}

QWidget* Values(QWidget* page) {
    auto* col = new QWidget(page);
    auto* v = new QVBoxLayout(col);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(Speed(col));
    v->addWidget(Feed(col));
    v->addWidget(Allowance(col));
    v->addWidget(Results(col));
    v->addStretch(1);
    return col;
}

} // namespace

QWidget* MakeReamingPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* h = new QHBoxLayout(page);
    h->addWidget(Inputs(page));
    h->addWidget(MakeSketch("reaming", page));
    h->addWidget(Values(page), 1);
    return page;
}

} // namespace zerbo::ui
