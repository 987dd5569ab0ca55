// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drilling/drilling_page.h"

#include "materials/force_table.h"
#include "shell/formulas.h"
#include "shell/hint_texts.h"
#include "shell/rounding.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

namespace zerbo {

namespace {

using LD = long double;

template <class Items> std::vector<std::string> Texts(const Items& items) {
    std::vector<std::string> texts;
    for (const auto& item : items)
        texts.emplace_back(item);
    return texts;
}

} // namespace

DrillingPage::DrillingPage(Shell& shell) : PageModel(shell, "Bohren", 106) {
    hssButton.caption = "HSS";
    carbideButton.caption = "VHM/WP";
    cuttingMaterialButtons.add(hssButton);
    cuttingMaterialButtons.add(carbideButton);

    toolCaption.caption = "Werkzeugtyp:";
    coatingCaption.caption = "Schneidstoff bzw. Beschichtung:";
    diameterCaption.caption = "Durchmesser:";
    materialCaption.caption = "Zu bohrender Werkstoff:";
    edgesCaption.caption = "Schneiden:";
    speedUnit.caption = "m/min.";
    speedMinCaption.caption = "min.";
    speedMaxCaption.caption = "max.";
    feedUnit.caption = "mm/U";
    feedMinCaption.caption = "min.";
    feedMaxCaption.caption = "max";
    coolantCaption.caption = "Kühl- bzw. Schmiermittel:";
    feedStep.set(5);
    speedStep.set(15);
    feedStep.show(false);
    speedStep.show(false);
    feedBar.smallStep = 10;
    feedBar.largeStep = 100;

    add(hssButton);
    add(carbideButton);
    for (List* l : {&toolList, &coatingList, &diameterList, &materialList})
        add(*l);
    for (Label* l : {&toolCaption, &coatingCaption, &diameterCaption, &materialCaption})
        add(*l);
    for (Field* f : {&edges, &info1, &info2})
        add(*f);
    for (Label* l : {&edgesCaption, &info1Caption, &info2Caption})
        add(*l);
    add(speedBar);
    add(cuttingSpeed);
    for (Label* l : {&speedUnit, &speedMinCaption, &speedMaxCaption, &speedMin, &speedMax})
        add(*l);
    add(feedBar);
    add(feed);
    for (Label* l : {&feedUnit, &feedMinCaption, &feedMaxCaption, &feedMin, &feedMax})
        add(*l);
    add(feedStep.field);
    add(feedStep.down);
    add(feedStep.up);
    add(speedStep.field);
    add(speedStep.down);
    add(speedStep.up);
    for (Field* f : {&results.spindleSpeed, &results.feedRate, &results.kc, &results.power,
                     &results.removalRate})
        add(*f);
    add(coolant);
    add(coolantCaption);

    hssButton.onClick = [this] { CuttingMaterialChanged(); };
    carbideButton.onClick = [this] { CuttingMaterialChanged(); };
    toolList.onChange = [this] { ToolTypeChanged(); };
    coatingList.onChange = [this] { CoatingChanged(); };
    materialList.onChange = [this] { MaterialChanged(); };
    diameterList.onChange = [this] { DiameterChanged(); };
    speedBar.onChange = [this] { SpeedBarMoved(); };
    feedBar.onChange = [this] { FeedBarMoved(); };
    feedStep.down.onClick = [this] { PercentClicked(feedStep, -1, true); };
    feedStep.up.onClick = [this] { PercentClicked(feedStep, +1, true); };
    speedStep.down.onClick = [this] { PercentClicked(speedStep, -1, false); };
    speedStep.up.onClick = [this] { PercentClicked(speedStep, +1, false); };
}

DrillKeys DrillingPage::keys() const {
    return {hss() ? DrillGroup::Hss : DrillGroup::Carbide, toolList.index(), coatingList.index(),
            materialList.index(), diameterList.index()};
}

// ---------------------------------------------------------------------------
// Start-up and hints

void DrillingPage::startUp() {
    materialListByCoating_ = false;
    toolList.select(0);
    coatingList.select(0);
    diameterList.select(0);
    hssButton.setDown(true);
    CuttingMaterialChanged();
}

void DrillingPage::assignHints() {
    results.assignHints();
    feed.hint = kHintFeedPerRevolution;
    cuttingSpeed.hint = kHintCuttingSpeed;
    edges.hint = "Bohrerschneidenzahl";
    feedStep.assignHints("Erhöhung der Vorschubgeschwindigkeit in %", kHintFeedStepDown,
                         kHintFeedStepUp);
    speedStep.assignHints(kHintSpeedIncrease, kHintSpeedStepDown, kHintSpeedStepUp);
    hssButton.hint = kHintHss;
    carbideButton.hint = "Vollhartmetall/Wendeplatte";
    coolant.hint = kHintMaterialList;
    toolList.hint = "Werkzeugtyp";
    coatingList.hint = kHintCuttingMaterial;
    diameterList.hint = "Bohrerdurchmesser";
    materialList.hint = "Zu bohrender Werkstoff";
    feedBar.hint = kHintFeedBar;
    speedBar.hint = kHintSpeedBar;

    // The information fields follow the tool; other tools keep the hints.
    const int tool = toolList.index();
    if (hss()) {
        if (tool == kHssTwistDrill) {
            info1.hint = "Bohrertyp";
            info2.hint = "Bohrerspitzenwinkel";
        } else if (tool == kHssBoringTool || tool == kHssShellBoringTool) {
            info2.hint = "mindest-Vorbohrdurchmesser";
        }
        return;
    }
    switch (tool) {
    case kCarbideTwistDrill:
        info1.hint = "Hartmetallsorte";
        break;
    case kInsertDrill:
        info1.hint = "max. Bohrtiefe";
        info2.hint = "max. Verstellweg zur Bohrdurchmesser-Vergrößerung";
        break;
    case kCarbideBoringTool:
    case kCarbideShellBoringTool:
        info2.hint = "mindest-Vorbohrdurchmesser";
        break;
    default:
        break;
    }
}

void DrillingPage::refreshHints() {
    if (shell().hooks.assignHints)
        shell().hooks.assignHints();
    else
        assignHints();
}

// ---------------------------------------------------------------------------
// Handlers

void DrillingPage::CuttingMaterialChanged() {
    FillToolList();
    FillDrillCoatings();
    FillMaterialList();
    ShowPercentButtons();
    ShowToolInfo();
    FillDiameterList();
    LookUpDrillFeed();
    LookUpDrillSpeed();
    refreshHints();
}

void DrillingPage::ToolTypeChanged() {
    FillDrillCoatings();
    FillMaterialList();
    ShowPercentButtons();
    ApplyMaterialData();
    FillDiameterList();
    ShowToolInfo();
    lookUpFeedAndSpeed();
    refreshHints();
}

void DrillingPage::CoatingChanged() {
    const int tool = toolList.index();
    if (tool == 1 || tool == 2) {
        FillMaterialList();
        materialListByCoating_ = true;
    } else if (materialListByCoating_) {
        FillMaterialList();
        materialListByCoating_ = false;
    }
    ShowPercentButtons();
    ApplyMaterialData();
    lookUpFeedAndSpeed();
    refreshHints();
}

void DrillingPage::MaterialChanged() {
    ApplyMaterialData();
    ShowToolInfo();
    lookUpFeedAndSpeed();
}

void DrillingPage::DiameterChanged() {
    ShowToolInfo();
    lookUpFeedAndSpeed();
}

void DrillingPage::SpeedBarMoved() {
    const int position = speedBar.position();
    if (coatedHss())
        cuttingSpeed.setText(text(LD(position) / 10));
    else
        cuttingSpeed.setText(WriteWhole(position));
    recomputeResults();
}

void DrillingPage::FeedBarMoved() {
    feed.setText(text(LD(feedBar.position()) / 10000));
    recomputeResults();
}

void DrillingPage::PercentClicked(PercentStep& percent, int direction, bool feed) {
    if (!percent.step(direction)) return;
    if (feed)
        SetDrillFeedBar();
    else
        SetDrillSpeedBar();
    recomputeResults();
}

// ---------------------------------------------------------------------------
// Lists and information

void DrillingPage::FillToolList() {
    toolList.fill(Texts(DrillTools(keys().group)));
}

void DrillingPage::FillDrillCoatings() {
    const DrillKeys k = keys();
    coatingList.fill(Texts(DrillCoatings(k.group, k.tool)));
}

void DrillingPage::FillMaterialList() {
    const DrillKeys k = keys();
    std::vector<std::string> items;
    for (const DrillMaterial& m : DrillMaterials(k.group, k.tool, k.coating))
        items.emplace_back(m.item);
    materialList.fill(std::move(items));
    ApplyMaterialData();
}

void DrillingPage::FillDiameterList() {
    const DrillKeys k = keys();
    diameterList.fill(Texts(DrillDiameters(k.group, k.tool)));
    ApplyMaterialData();
}

void DrillingPage::ApplyMaterialData() {
    coolant.lines.clear();
    coolant.visible = false;
    const DrillMaterial* m = FindDrillMaterial(keys());
    if (m == nullptr) return;
    gradeExponent_ = MaterialExponent(m->gradeRow);
    gradeBaseForce_ = MaterialBaseForce(m->gradeRow);
    coolant.lines = CoolantLines(*m);
    coolant.visible = true;
    results.kc.setText(WriteWhole(gradeBaseForce_));
}

void DrillingPage::ShowToolInfo() {
    const DrillKeys k = keys();
    const DrillMaterial* m = FindDrillMaterial(k);
    auto showInfo1 = [&](const char* caption, std::optional<std::string_view> value) {
        Show({&info1Caption, &info1}, true);
        info1Caption.caption = caption;
        if (value) info1.setText(std::string(*value));
    };
    auto showInfo2 = [&](const char* caption, std::optional<std::string_view> value) {
        Show({&info2Caption, &info2}, true);
        info2Caption.caption = caption;
        if (value) info2.setText(std::string(*value));
    };
    auto material = [&](std::string_view DrillMaterial::*part) -> std::optional<std::string_view> {
        if (m == nullptr) return std::nullopt;
        return m->*part;
    };

    const int tool = k.tool;
    const bool boring = hss() ? tool == kHssBoringTool : tool == kCarbideBoringTool;
    const bool shellBoring = hss() ? tool == kHssShellBoringTool : tool == kCarbideShellBoringTool;
    if (boring || shellBoring) {
        edges.setText(boring ? "3" : "4");
        Show({&info1Caption, &info1}, false);
        showInfo2("min.Vorb.:", MinimumPreDrill(k));
        return;
    }
    if (hss()) {
        if (tool != kHssTwistDrill) return;
        edges.setText("2");
        showInfo1("Typ", material(&DrillMaterial::type));
        showInfo2("Spitzenw.:", material(&DrillMaterial::pointAngle));
        return;
    }
    switch (tool) {
    case kCarbideTwistDrill:
        edges.setText("2");
        showInfo1("HM-Sorte", material(&DrillMaterial::type));
        Show({&info2Caption, &info2}, false);
        break;
    case kDin6537Short:
    case kDin6537Long:
    case kThreeFluteDrill:
        // DIN 6537 drills are two-flute twist drills.
        edges.setText(tool == kThreeFluteDrill ? "3" : "2");
        Show({&info1Caption, &info1, &info2Caption, &info2}, false);
        break;
    case kInsertDrill: {
        edges.setText("2");
        const std::optional<InsertLimit> limit = InsertDrillLimit(k);
        showInfo1("max. N", limit ? std::optional(limit->maxDepth) : std::nullopt);
        showInfo2("   max. V", limit ? std::optional(limit->maxOffset) : std::nullopt);
        break;
    }
    default:
        break;
    }
}

void DrillingPage::ShowPercentButtons() {
    const bool show = coatedHss();
    feedStep.show(show);
    speedStep.show(show);
    if (!show) return;
    feedStep.set(5);
    speedStep.set(15);
}

// ---------------------------------------------------------------------------
// Feed and speed

void DrillingPage::showFeedRange(bool visible) {
    Show({&feedBar, &feedMinCaption, &feedMaxCaption, &feedMin, &feedMax}, visible);
}

void DrillingPage::LookUpDrillFeed() {
    if (const auto text = LookUpDrillFeedText(keys())) feedText_ = std::string(*text);

    if (feedText_.empty()) {
        // No recommendation: nothing to put on the bar or to compute with.
        showFeedRange(false);
        feed.setText("");
        return;
    }
    const std::size_t dash = feedText_.find('-');
    if (dash != std::string::npos) {
        feedMin_ = shell().numbers.parse(feedText_.substr(0, dash));
        feedMax_ = shell().numbers.parse(feedText_.substr(dash + 1));
        showFeedRange(true);
        feedMin.caption = TruncateDecimals(text(feedMin_), 2);
        feedMax.caption = TruncateDecimals(text(feedMax_), 2);
        SetDrillFeedBar();
        return;
    }
    if (feedText_ != "Hand") {
        feedMin_ = shell().numbers.parse(feedText_);
        feedMax_ = feedMin_;
    }
    showFeedRange(false);
    feed.setText(feedText_);
}

void DrillingPage::SetDrillFeedBar() {
    if (!hss()) {
        const std::int32_t low = RoundAsShown(feedMin_, 4);
        const std::int32_t high = RoundAsShown(feedMax_, 4);
        feedBar.setup(low, high, low);
        feedBar.setPosition(feedBar.middle());
        feed.setText(text(LD(feedBar.position()) / 10000));
        feedMin.caption = TruncateDecimals(text(feedMin_), 2);
        feedMax.caption = TruncateDecimals(text(feedMax_), 2);
        return;
    }
    if (!coatedHss()) return;
    const double p = feedStep.value();
    const double f1 = AdjustByPercent("+", p, feedMin_);
    const double f2 = AdjustByPercent("+", p, feedMax_);
    if (feedText_ != "Hand" && !feedText_.empty()) feed.setText(text(f1 + (LD(f2) - f1) / 2));
    feedMin.caption = TruncateDecimals(text(f1), 1);
    feedMax.caption = TruncateDecimals(text(f2), 1);
}

void DrillingPage::LookUpDrillSpeed() {
    auto& s = shell().state;
    if (const auto range = LookUpDrillSpeedRange(keys())) {
        speedMin_ = range->min;
        speedMax_ = range->max;
        s.vcMin = range->min;
        s.vcMax = range->max;
    }
    speedMin.caption = WriteWhole(speedMin_);
    speedMax.caption = WriteWhole(speedMax_);
    SetDrillSpeedBar();
    recomputeResults();
}

void DrillingPage::SetDrillSpeedBar() {
    speedBar.smallStep = 1;
    speedBar.largeStep = 10;
    if (!coatedHss()) {
        speedBar.setup(speedMin_, speedMax_, speedMin_);
        speedBar.setPosition(speedBar.middle());
        cuttingSpeed.setText(WriteWhole(speedBar.position()));
        speedMin.caption = WriteWhole(speedMin_);
        speedMax.caption = WriteWhole(speedMax_);
        return;
    }
    const double p = speedStep.value();
    const double vc1 = AdjustByPercent("+", p, speedMin_);
    const double vc2 = AdjustByPercent("+", p, speedMax_);
    const double middle = static_cast<double>(vc1 + (LD(vc2) - vc1) / 2);
    speedBar.setup(RoundAsShown(vc1, 1), RoundAsShown(vc2, 1), RoundAsShown(middle, 1));
    cuttingSpeed.setText(text(middle));
    speedMin.caption = TruncateDecimals(text(vc1), 1);
    speedMax.caption = TruncateDecimals(text(vc2), 1);
}

void DrillingPage::lookUpFeedAndSpeed() {
    LookUpDrillFeed();
    if (coatedHss()) SetDrillFeedBar();
    LookUpDrillSpeed();
}

// ---------------------------------------------------------------------------
// Results

double DrillingPage::diameterValue() const {
    return shell().numbers.parseOr(TextBefore(diameterList.text(), " "), 0);
}

double DrillingPage::feedValue() const {
    if (feed.text() == "Hand") return 0;
    return numOr(feed, 0);
}

void DrillingPage::RecomputeDrillSpeed() {
    results.spindleSpeed.setText(text(SpindleSpeed(diameterValue(), numOr(cuttingSpeed, 0))));
}

void DrillingPage::RecomputeFeedRate() {
    const double n = SpindleSpeed(diameterValue(), numOr(cuttingSpeed, 0));
    results.feedRate.setText(text(Product2(feedValue(), n)));
}

void DrillingPage::RecomputeDrillRemoval() {
    results.removalRate.setText(
        text(LD(diameterValue()) / 4 * feedValue() * numOr(cuttingSpeed, 0)));
}

void DrillingPage::RecomputeDrillPower() {
    const double f = feedValue();
    const double z = std::clamp(numOr(edges, 1), 1.0, 255.0);
    const double kcValue = numOr(results.kc, 0);
    const double torque =
        TorqueDrill(static_cast<std::uint8_t>(z), kcValue, f / z, diameterValue());
    results.power.setText(text(PowerFromTorque(torque, numOr(results.spindleSpeed, 0))));
}

void DrillingPage::recomputeResults() {
    RecomputeDrillSpeed();
    RecomputeFeedRate();
    RecomputeDrillRemoval();
    RecomputeDrillPower();
}

} // namespace zerbo
