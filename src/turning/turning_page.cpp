// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "turning/turning_page.h"

#include "materials/material_dialog.h"
#include "materials/material_groups.h"
#include "shell/formulas.h"
#include "shell/hint_texts.h"
#include "shell/rounding.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace zerbo {

namespace {

using LD = long double;

// Boring bars: shank diameter d (the list item) and its longest clamping
// length L, both in mm.
struct Shank {
    const char* item;
    int diameter;
    int length;
};
constexpr Shank kShanks[] = {{"8", 8, 80},    {"10", 10, 100}, {"12", 12, 125}, {"16", 16, 150},
                             {"20", 20, 180}, {"25", 25, 200}, {"32", 32, 250}};

// Parting widths in mm; the index selects the feed range of the parting row.
constexpr const char* kPartingWidths[] = {"2", "3", "4", "5"};

constexpr const char* kGroupHints[11] = {"Bau-,Einsatz-,Nitrier-,Automaten-,Vergütungsstähle",
                                         "Warmfeste Stähle, Vergütungs- und Werkzeugstähle",
                                         "Leg. Stähle bis 1400 N/mm2, Schnellarb.Stähle",
                                         "Gut zerspanbare, rostfreie Stähle bis 700 N/mm2",
                                         "Schlecht zerspanbare, rostfreie Stähle bis 1000 N/mm2",
                                         "Schwer zerspanbares Material, Ti- und Ni-Leg.",
                                         "Guß bis 200 HB",
                                         "Guß über 200 HB",
                                         "Alu-Guß bis 6% Si, ausgehärtetes Alu",
                                         "Alu-Guß über 6% Si, Kupfer/Messing, Kupferleg.",
                                         "Gehärtete Werkstoffe bis 68 HRC"};

constexpr const char* kClassHints[5] = {"Feinstschlichten", "Schlichten", "Mittlere Zerspanung",
                                        "Schruppen", "Allgemeine Zerspanung"};

} // namespace

TurningPage::TurningPage(Shell& shell) : PageModel(shell, "Drehen", 105) {
    hssButton.caption = "HSS";
    wpButton.caption = "WP";
    cuttingMaterialButtons.add(hssButton);
    cuttingMaterialButtons.add(wpButton);
    for (Button& b : classButtons)
        machiningClassButtons.add(b);
    for (size_t i = 0; i < groupButtons.size(); ++i) {
        groupButtons[i].caption = std::to_string(i + 1);
        groupButtons[i].hint = GroupShortNames[i]; // as designed; AssignHints replaces it
        materialGroupButtons.add(groupButtons[i]);
    }
    materialButton.caption = "Werkstoff";

    shankLabel.caption = "Schaftd.:";
    overhangCaption.caption = "Überhang:";
    overhangUnit.caption = "mm";
    overhangMin.caption = "0";
    overhang.hint = "Ausspannlänge";
    diameterCaption.caption = "Werkstückdurchm.:";
    diameterMin.caption = "0";
    diameterMax.caption = "1000";
    diameterUnit.caption = "mm";
    speedUnit.caption = "m/Min";
    speedMinCaption.caption = "min";
    speedMaxCaption.caption = "max";
    feedUnit.caption = "mm/U";
    feedMinCaption.caption = "min.";
    feedMaxCaption.caption = "max.";
    depthCaption.caption = "ap:";
    spindleSpeedCaption.caption = "n in U/Min.:";
    kcCaption.caption = "kc in N/mm²";
    powerCaption.caption = "Pe in kW:";
    removalRateCaption.caption = "Q in cm³/Min.:";
    coolantCaption.caption = "Kühlung:";
    cuttingMaterialCaption.caption = "Schneidstoff:";

    feedBar.smallStep = 10;
    feedBar.largeStep = 100;
    depthBar.vertical = true;

    add(hssButton);
    add(wpButton);
    add(operationList);
    add(shankList);
    add(shankLabel);
    add(overhangBar);
    add(overhang);
    for (Label* l : {&overhangCaption, &overhangUnit, &overhangMin, &overhangMax})
        add(*l);
    for (Button& b : classButtons)
        add(b);
    for (Button& b : groupButtons)
        add(b);
    add(groupText);
    add(diameterBar);
    add(diameter);
    for (Label* l : {&diameterCaption, &diameterMin, &diameterMax, &diameterUnit})
        add(*l);
    add(speedBar);
    add(cuttingSpeed);
    for (Label* l : {&speedUnit, &speedMinCaption, &speedMaxCaption, &speedMin, &speedMax})
        add(*l);
    add(feedBar);
    add(feed);
    for (Label* l : {&feedUnit, &feedMinCaption, &feedMaxCaption, &feedMin, &feedMax})
        add(*l);
    add(depthBar);
    add(depth);
    for (Label* l : {&depthCaption, &depthMin, &depthMax})
        add(*l);
    for (Field* f : {&spindleSpeed, &kc, &power, &removalRate, &coolant, &cuttingMaterial})
        add(*f);
    for (Label* l : {&spindleSpeedCaption, &kcCaption, &powerCaption, &removalRateCaption,
                     &coolantCaption, &cuttingMaterialCaption})
        add(*l);
    add(materialButton);

    hssButton.onClick = [this] { HssButtonClicked(); };
    wpButton.onClick = [this] { WpButtonClicked(); };
    operationList.onChange = [this] { OperationChanged(); };
    shankList.onChange = [this] { ShankChanged(); };
    for (int k = 1; k <= 5; ++k)
        classButtons[static_cast<size_t>(k - 1)].onClick = [this, k] { MachiningClassChanged(k); };
    for (int k = 1; k <= 11; ++k)
        groupButtons[static_cast<size_t>(k - 1)].onClick = [this, k] {
            MaterialGroupChanged(k, true);
        };
    materialButton.onClick = [this] { MaterialButtonClicked(); };
    feedBar.onChange = [this] { FeedBarMoved(); };
    speedBar.onChange = [this] { SpeedBarMoved(); };
    depthBar.onChange = [this] { DepthBarMoved(); };
    diameterBar.onChange = [this] { DiameterBarMoved(); };
    overhangBar.onChange = [this] { OverhangBarMoved(); };

    shell.hooks.millingOrTurningEntered.push_back([this] { RecomputeTurningPower(); });
    shell.hooks.kcReceivers.push_back({&kc, [this] { RecomputeTurningPower(); }});
}

// ---------------------------------------------------------------------------
// Start-up and the shell's calls

void TurningPage::startUp() {
    auto& s = shell().state;
    SetDiameterBar();
    wpButton.setDown(true);
    WpButtonClicked();
    groupButtons[0].setDown(true);
    MaterialGroupChanged(1, false);
    s.machiningClass = 3;
    OperationChanged();
    groupButtons[10].enabled = false;
    groupButtons[0].setDown(true);
    MaterialGroupChanged(1, false);
}

// The dialog refresh and Pe run through the shell's hooks for the milling
// and the turning page alike; the page has nothing of its own to do.
void TurningPage::entered() {}

int TurningPage::materialGroup() const {
    return shell().state.turningMaterialGroup;
}

void TurningPage::assignHints() {
    hssButton.hint = kHintHss;
    wpButton.hint = "Wendeplatte";
    materialButton.hint = "Werkstoffauswahl";
    for (size_t i = 0; i < classButtons.size(); ++i)
        classButtons[i].hint = kClassHints[i];
    for (size_t i = 0; i < groupButtons.size(); ++i)
        groupButtons[i].hint = kGroupHints[i];
    depth.hint = "Schnittiefe ap in mm";
    diameter.hint = "Werkstückdurchmesser in mm";
    feed.hint = kHintFeedRate;
    cuttingSpeed.hint = "Schnittgeschwindigkeit in mm pro Minute";
    spindleSpeed.hint = kHintSpindleSpeed;
    kc.hint = kHintSpecificForce;
    power.hint = kHintPower;
    removalRate.hint = kHintRemovalRate;
    coolant.hint = "Erforderliches Kühlmittel";
    cuttingMaterial.hint = "Schneidstoffbezeichnung";
    operationList.hint = "Bearbeitungsart";
    switch (operation()) {
    case kExternal:
        shankList.hint = "No Merci";
        break;
    case kBoring:
        shankList.hint = "Schaftdurchmesser";
        break;
    case kParting:
        shankList.hint = "Stechbreite";
        break;
    default:
        break;
    }
    groupText.hint = kHintMaterialList;
    depthBar.hint = "Schnittiefenschieber";
    overhangBar.hint = "Überhangschieber";
    diameterBar.hint = "Werkstückdurchmesserschieber";
    feedBar.hint = kHintFeedBar;
    speedBar.hint = kHintSpeedBar;
}

// ---------------------------------------------------------------------------
// Handlers

void TurningPage::HssButtonClicked() {
    Show({&shankLabel, &overhangCaption, &overhangUnit, &overhangMin, &overhangMax, &shankList,
          &overhangBar, &overhang},
         false);
    if (groupButtons[4].down() || groupButtons[5].down()) {
        groupButtons[0].setDown(true);
        MaterialGroupChanged(1, true);
    }
    groupButtons[4].enabled = false;
    groupButtons[5].enabled = false;
    FillOperationList();
    ApplyClassAvailability();
    LookUpTurningData();
    recomputeResults();
}

void TurningPage::WpButtonClicked() {
    groupButtons[4].enabled = true;
    groupButtons[5].enabled = true;
    FillOperationList();
    OperationChanged(); // the list now stands on "Außendrehen"
}

void TurningPage::OperationChanged() {
    switch (operation()) {
    case kExternal:
        Show({&shankLabel, &overhangCaption, &overhangUnit, &overhangMin, &overhangMax, &shankList,
              &overhangBar, &overhang},
             false);
        break;
    case kBoring: {
        shankLabel.caption = "Schaftd.:";
        Show({&shankLabel, &overhangUnit, &overhangCaption, &overhangMin, &overhangMax, &shankList,
              &overhangBar, &overhang},
             true);
        std::vector<std::string> items;
        for (const Shank& s : kShanks)
            items.emplace_back(s.item);
        shankList.fill(std::move(items));
        shankList.select(0);
        ApplyShank();
        break;
    }
    case kParting:
        Show({&overhangCaption, &overhangMin, &overhangMax, &overhangUnit, &overhangBar, &overhang},
             false);
        shankLabel.caption = "Stechbr.:";
        Show({&shankLabel, &shankList}, true);
        shankList.fill({std::begin(kPartingWidths), std::end(kPartingWidths)});
        break;
    default:
        break;
    }
    shankList.select(0);
    ApplyClassAvailability();
    LookUpTurningData();
    recomputeResults();
    refreshHints();
}

void TurningPage::ShankChanged() {
    const int op = operation();
    if (op != kBoring && op != kParting) return;
    if (op == kBoring) ApplyShank();
    LookUpTurningData();
    recomputeResults();
}

void TurningPage::MaterialGroupChanged(int group, bool fromButton) {
    auto& s = shell().state;
    s.turningMaterialGroup = static_cast<std::uint8_t>(group);
    s.activeMaterialGroup = static_cast<std::uint8_t>(group);
    showGroupDescription();
    if (!fromButton) return;
    RefreshMaterialDialog(shell());
    ApplyClassAvailability();
    LookUpTurningData();
    recomputeResults();
}

void TurningPage::MachiningClassChanged(int machiningClass) {
    shell().state.machiningClass = static_cast<std::uint8_t>(machiningClass);
    LookUpTurningData();
    recomputeResults();
}

void TurningPage::MaterialButtonClicked() {
    OpenMaterialDialog(shell());
    RecomputeTurningPower();
}

void TurningPage::FeedBarMoved() {
    feed.setText(text(LD(feedBar.position()) / 10000));
    RecomputeTurningRemoval();
    RecomputeTurningPower();
}

void TurningPage::SpeedBarMoved() {
    cuttingSpeed.setText(WriteWhole(speedBar.position()));
    recomputeResults();
}

void TurningPage::DepthBarMoved() {
    depth.setText(text(LD(depthBar.position()) / 10));
    RecomputeTurningRemoval();
    RecomputeTurningPower();
}

void TurningPage::DiameterBarMoved() {
    diameter.setText(WriteWhole(diameterBar.position()));
    recomputeResults();
}

void TurningPage::OverhangBarMoved() {
    const int s = overhangBar.position();
    overhang.setText(WriteWhole(s));
    const double d = shell().numbers.parseOr(shankList.text(), 0);
    if (d > 0) shortOverhang_ = LD(s) / d < 4;
    LookUpTurningData();
    recomputeResults();
}

// ---------------------------------------------------------------------------
// Steps

void TurningPage::FillOperationList() {
    if (hss())
        operationList.fill({"Außendrehen"});
    else
        operationList.fill({"Außendrehen", "Innendrehen", "Abstechen"});
    operationList.select(0);
}

void TurningPage::enableClasses(std::initializer_list<int> classes, int defaultClass) {
    for (size_t i = 0; i < classButtons.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        classButtons[i].enabled = std::find(classes.begin(), classes.end(), k) != classes.end();
    }
    classButtons[static_cast<size_t>(defaultClass - 1)].setDown(true);
    shell().state.machiningClass = static_cast<std::uint8_t>(defaultClass);
}

void TurningPage::ApplyClassAvailability() {
    for (Button& b : classButtons)
        b.visible = true;
    const int g = shell().state.turningMaterialGroup;
    switch (operation()) {
    case kExternal:
        if (g == 1 || g == 2)
            enableClasses({1, 2, 3, 4}, 3);
        else if (g == 3)
            enableClasses({1, 2, 3}, 3);
        else if (g == 4)
            enableClasses({1, 2}, 2);
        else if (g == 5 && !hss())
            enableClasses({1, 2, 3}, 3);
        else if (g == 6 && !hss())
            enableClasses({5}, 5);
        else if (g == 7)
            hss() ? enableClasses({2, 3}, 3) : enableClasses({5}, 5);
        else if (g >= 8 && g <= 10)
            enableClasses({5}, 5);
        break;
    case kBoring:
        if (g >= 1 && g <= 5)
            enableClasses({1, 2, 3}, 3);
        else if (g >= 6 && g <= 10)
            enableClasses({5}, 5);
        break;
    case kParting:
        for (Button& b : classButtons) {
            b.visible = false;
            b.setDown(false);
        }
        shell().state.machiningClass = 0;
        break;
    default:
        break;
    }
}

std::optional<TurningRow> TurningPage::findRow() const {
    const int g = shell().state.turningMaterialGroup;
    const int c = shell().state.machiningClass;
    switch (operation()) {
    case kExternal:
        return LookUpExternalTurning(
            hss() ? TurningCuttingMaterial::Hss : TurningCuttingMaterial::Wp, g, c);
    case kBoring:
        return shortOverhang_ ? LookUpBoringShortOverhang(g, c) : LookUpBoringLongOverhang(g, c);
    case kParting:
        return LookUpParting(g, shankList.index());
    default:
        return std::nullopt;
    }
}

void TurningPage::LookUpTurningData() {
    auto& s = shell().state;
    const std::optional<TurningRow> row = findRow();
    // Without a row the ranges of the last row found stay; the depth range
    // and the texts are cleared (HSS external turning names its material
    // before it looks for the row).
    std::string_view material;
    std::string_view coolantText;
    double depthLow = 0;
    double depthHigh = 0;
    if (row) {
        s.vcMin = vcMin_ = row->vcMin;
        s.vcMax = vcMax_ = row->vcMax;
        feedMin_ = row->feedMin;
        feedMax_ = row->feedMax;
        material = row->cuttingMaterial;
        coolantText = row->coolant;
        depthLow = row->depthMin;
        depthHigh = row->depthMax;
    } else if (operation() == kExternal && hss()) {
        material = kHssCuttingMaterial;
    }

    cuttingMaterial.setText(std::string(material));
    coolant.setText(std::string(coolantText));
    depthMin.caption = text(depthLow);
    depthMax.caption = text(depthHigh);
    speedMin.caption = WriteWhole(vcMin_);
    speedMax.caption = WriteWhole(vcMax_);

    if (feedMin_ != feedMax_) {
        Show({&feedMinCaption, &feedMaxCaption, &feedMin, &feedMax, &feedBar}, true);
        SetFeedBar();
    } else {
        Show({&feedMinCaption, &feedMaxCaption, &feedMin, &feedMax, &feedBar}, false);
        feed.setText(TruncateDecimals(text(feedMin_), 1));
    }

    SetSpeedBar();
    Show({&speedBar, &speedMinCaption, &speedMaxCaption, &speedMin, &speedMax}, vcMin_ != vcMax_);

    RecomputeTurningSpeed();

    depth.setText(depthMin.caption);
    SetDepthBar();
}

void TurningPage::ApplyShank() {
    const int i = shankList.index();
    if (i < 0 || i >= static_cast<int>(std::size(kShanks))) return;
    const Shank& shank = kShanks[i];
    overhang.setText(WriteWhole(RoundHalfEven(LD(shank.length) / 3)));
    overhangMax.caption = WriteWhole(RoundHalfEven(LD(shank.length) * 2 / 3));
    shortOverhang_ = LD(shank.length) / 3 / shank.diameter < 4;
    SetOverhangBar();
}

void TurningPage::SetFeedBar() {
    const std::int32_t low = RoundAsShown(feedMin_, 4);
    const std::int32_t high = RoundAsShown(feedMax_, 4);
    feedBar.setup(low, high, low);
    feedBar.setPosition(feedBar.middle());
    feed.setText(text(LD(feedBar.position()) / 10000));
    feedMin.caption = TruncateDecimals(text(feedMin_), 2);
    feedMax.caption = TruncateDecimals(text(feedMax_), 2);
}

void TurningPage::SetSpeedBar() {
    speedBar.setup(vcMin_, vcMax_, vcMin_);
    speedBar.setPosition(speedBar.middle());
    cuttingSpeed.setText(WriteWhole(speedBar.position()));
}

void TurningPage::SetDepthBar() {
    const std::int32_t low = RoundAsShown(labelValue(depthMin), 1);
    const std::int32_t high = RoundAsShown(labelValue(depthMax), 1);
    depthBar.setup(low, high, low);
    depthBar.setPosition(depthBar.middle());
    depth.setText(text(LD(depthBar.position()) / 10));
}

void TurningPage::SetOverhangBar() {
    const std::int32_t low = RoundHalfEven(labelValue(overhangMin));
    const std::int32_t high = RoundHalfEven(labelValue(overhangMax));
    overhangBar.setup(low, high, low);
    overhangBar.setPosition(overhangBar.middle());
    overhang.setText(WriteWhole(overhangBar.position()));
}

void TurningPage::SetDiameterBar() {
    const std::int32_t low = RoundHalfEven(labelValue(diameterMin));
    const std::int32_t high = RoundHalfEven(labelValue(diameterMax));
    diameterBar.setup(low, high, 30);
    diameter.setText(WriteWhole(diameterBar.position()));
}

void TurningPage::RecomputeTurningSpeed() {
    const double vc = numOr(cuttingSpeed, 0);
    const double d = shell().numbers.parseOr(TextBefore(diameter.text(), " "), 0);
    spindleSpeed.setText(text(SpindleSpeed(d, vc)));
}

void TurningPage::RecomputeTurningRemoval() {
    const double ap = numOr(depth, 0);
    const double f = numOr(feed, 0);
    const double vc = numOr(cuttingSpeed, 0);
    removalRate.setText(text(LD(ap) * f * vc));
}

void TurningPage::RecomputeTurningPower() {
    const double ap = numOr(depth, 0);
    const double f = numOr(feed, 0);
    const double kcValue = numOr(kc, 0);
    const double vc = numOr(cuttingSpeed, 0);
    // ((ap x f) x kc) x Vc, each product held as a double, over 42000
    power.setText(text(PowerFromFourFactors(vc, kcValue, f, ap)));
}

void TurningPage::recomputeResults() {
    RecomputeTurningSpeed();
    RecomputeTurningRemoval();
    RecomputeTurningPower();
}

void TurningPage::showGroupDescription() {
    ShowGroupDescription(groupText, GroupTextsEleven, shell().state.turningMaterialGroup);
}

void TurningPage::refreshHints() {
    if (shell().hooks.assignHints)
        shell().hooks.assignHints();
    else
        assignHints();
}

double TurningPage::labelValue(const Label& label) const {
    return shell().numbers.parseOr(label.caption, 0);
}

} // namespace zerbo
