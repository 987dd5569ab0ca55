// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "countersinking/countersinking_page.h"

#include "materials/force_table.h"
#include "shell/formulas.h"
#include "shell/hint_texts.h"
#include "shell/rounding.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zerbo {

namespace {

using LD = long double;

// The raise a coated countersink starts with, for feed and speed alike.
constexpr int kCoatedIncrease = 15;

// A diameter or speed carried in tenths on a bar.
std::int32_t Tenths(double value) {
    return RoundAsShown(value, 1);
}

template <class Range> std::vector<std::string> Texts(const Range& range) {
    return {range.begin(), range.end()};
}

} // namespace

CountersinkingPage::CountersinkingPage(Shell& shell) : PageModel(shell, "Senken", 108) {
    std::vector<std::string> types;
    for (const CountersinkType& t : CountersinkTypes)
        types.emplace_back(t.item);
    toolList.fill(std::move(types));
    std::vector<std::string> materials;
    for (const CountersinkMaterial& m : CountersinkMaterials)
        materials.emplace_back(m.item);
    materialList.fill(std::move(materials));
    edgesList.fill({"1", "2", "3"});
    pilotCaption.caption = "Zapfend.:";
    // The pilot list only shows the diameter; the user never changes it.
    pilotList.enabled = false;
    Show({&pilotList, &pilotCaption}, false);
    speedStep.set(30);
    feedStep.set(0);
    showIncreases(false);

    for (List* l : {&toolList, &coatingList, &sizeList, &edgesList, &materialList, &pilotList})
        add(*l);
    add(pilotCaption);
    add(preDrillBar);
    add(preDrill);
    add(preDrillMin);
    add(preDrillMax);
    add(speedBar);
    add(cuttingSpeed);
    add(speedMin);
    add(speedMax);
    add(feed);
    for (Button* b : {&feedStep.down, &feedStep.up, &speedStep.down, &speedStep.up})
        add(*b);
    add(feedStep.field);
    add(speedStep.field);
    for (Field* f : {&results.spindleSpeed, &results.feedRate, &results.kc, &results.removalRate,
                     &results.power})
        add(*f);
    add(coolant);

    materialList.onChange = [this] { MaterialChanged(); };
    toolList.onChange = [this] { ToolTypeChanged(); };
    sizeList.onChange = [this] { SizeChanged(); };
    coatingList.onChange = [this] { CoatingChanged(); };
    pilotList.onChange = [this] { PilotChanged(); };
    speedBar.onChange = [this] { SpeedBarMoved(); };
    preDrillBar.onChange = [this] { PreDrillBarMoved(); };
    feedStep.down.onClick = [this] { FeedIncreaseClicked(-1); };
    feedStep.up.onClick = [this] { FeedIncreaseClicked(+1); };
    speedStep.down.onClick = [this] { SpeedIncreaseClicked(-1); };
    speedStep.up.onClick = [this] { SpeedIncreaseClicked(+1); };
}

// ---------------------------------------------------------------------------
// Start-up and the shell's calls

void CountersinkingPage::startUp() {
    toolList.select(0);
    coatingList.select(0);
    sizeList.select(0);
    edgesList.select(2); // "3"
    materialList.select(0);
    MaterialChanged();
}

void CountersinkingPage::entered() {
    ApplyVisibility();
}

void CountersinkingPage::assignHints() {
    results.assignHints();
    feed.hint = kHintFeedPerRevolution;
    cuttingSpeed.hint = kHintCuttingSpeed;
    preDrill.hint = "Vorbohrdurchmesser";
    feedStep.assignHints("Erhöhung des Vorschubs in %", kHintFeedStepDown, kHintFeedStepUp);
    speedStep.assignHints(kHintSpeedIncrease, kHintSpeedStepDown, kHintSpeedStepUp);
    toolList.hint = "Senkertyp";
    edgesList.hint = "Senkerschneidenzahl";
    sizeList.hint = "Senkerdurchmesser bzw. Größe";
    coatingList.hint = kHintCuttingMaterial;
    pilotList.hint = "Zapfendurchmesser";
    materialList.hint = "Zu reibender Werkstoff";
    preDrillBar.hint = "Vorbohrdurchmesserschieber";
    speedBar.hint = kHintSpeedBar;
    coolant.hint = kHintCoolant;
}

// ---------------------------------------------------------------------------
// Handlers

void CountersinkingPage::MaterialChanged() {
    FillSizes();
    SetEdges();
    FillCoatings();
    ShowIncreaseControls();
    FillPilots();
    ShowCoolant();
    LookUpSpeedRange();
    SetFeed();
    SetKc();
    SetSpeedBar();
    SetPreDrillBar();
    recomputeResults();
}

void CountersinkingPage::ToolTypeChanged() {
    FillSizes();
    SetEdges();
    FillCoatings();
    ShowIncreaseControls();
    ApplyVisibility();
    FillPilots();
    SetFeed();
    SetPreDrillBar();
    SetSpeedBar();
    recomputeResults();
}

void CountersinkingPage::SizeChanged() {
    FillPilots();
    SetFeed();
    SetPreDrillBar();
    recomputeResults();
}

void CountersinkingPage::CoatingChanged() {
    ShowIncreaseControls();
    SetFeed();
    SetSpeedBar();
    ApplyVisibility();
    recomputeResults();
}

void CountersinkingPage::PilotChanged() {
    SetPreDrillBar();
    recomputeResults();
}

void CountersinkingPage::SpeedBarMoved() {
    const int position = speedBar.position();
    cuttingSpeed.setText(coated() ? text(LD(position) / 10) : WriteWhole(position));
    recomputeResults();
}

void CountersinkingPage::PreDrillBarMoved() {
    preDrill.setText(text(LD(preDrillBar.position()) / 10));
    RecomputeRemoval();
    RecomputePower();
}

void CountersinkingPage::FeedIncreaseClicked(int direction) {
    if (!feedStep.step(direction)) return;
    SetFeed();
    recomputeResults();
}

void CountersinkingPage::SpeedIncreaseClicked(int direction) {
    if (!speedStep.step(direction)) return;
    SetSpeedBar();
    recomputeResults();
}

// ---------------------------------------------------------------------------
// Steps

void CountersinkingPage::FillSizes() {
    sizeList.fill(Texts(CountersinkSizes(toolList.index())));
}

void CountersinkingPage::SetEdges() {
    if (const CountersinkType* type = typeRow()) edgesList.fill({WriteWhole(type->edges)});
}

void CountersinkingPage::FillCoatings() {
    coatingList.fill(Texts(CountersinkCoatings(toolList.index())));
}

void CountersinkingPage::ShowIncreaseControls() {
    showIncreases(coated());
    if (!coated()) return;
    feedStep.set(kCoatedIncrease);
    speedStep.set(kCoatedIncrease);
}

void CountersinkingPage::ApplyVisibility() {
    const bool pilotType = toolList.index() >= kFirstPilotType;
    Show({&preDrillBar, &preDrillMin, &preDrillMax}, !pilotType);
    Show({&pilotList, &pilotCaption}, pilotType);
}

void CountersinkingPage::showIncreases(bool visible) {
    feedStep.show(visible);
    speedStep.show(visible);
}

void CountersinkingPage::FillPilots() {
    pilotList.fill(PilotItems(toolList.index(), sizeList.index()));
}

void CountersinkingPage::ShowCoolant() {
    if (const CountersinkMaterial* row = materialRow()) coolant.lines = {std::string(row->coolant)};
}

void CountersinkingPage::LookUpSpeedRange() {
    const CountersinkMaterial* row = materialRow();
    if (row == nullptr) return;
    vcMin_ = row->vcMin;
    vcMax_ = row->vcMax;
    shell().state.vcMin = vcMin_;
    shell().state.vcMax = vcMax_;
}

void CountersinkingPage::SetFeed() {
    const std::string_view table = CountersinkFeed(materialList.index(), sizeList.index());
    if (!coated() || table.empty()) {
        feed.setText(std::string(table));
        return;
    }
    feed.setText(text(AdjustByPercent("+", feedStep.value(), shell().numbers.parse(table))));
}

void CountersinkingPage::SetKc() {
    if (const CountersinkMaterial* row = materialRow())
        results.kc.setText(WriteWhole(MaterialBaseForce(row->forceRow)));
}

void CountersinkingPage::SetSpeedBar() {
    if (!coated()) {
        speedBar.setup(vcMin_, vcMax_, vcMin_ + TruncDiv(vcMax_ - vcMin_, 2));
        cuttingSpeed.setText(WriteWhole(speedBar.position()));
        speedMin.caption = WriteWhole(vcMin_);
        speedMax.caption = WriteWhole(vcMax_);
        return;
    }
    const double p = speedStep.value();
    const double low = AdjustByPercent("+", p, vcMin_);
    const double high = AdjustByPercent("+", p, vcMax_);
    // The middle, not rounded: the field shows it exactly, the bar stands
    // on the nearest tenth.
    const double middle = static_cast<double>(LD(low) + (LD(high) - low) / 2);
    speedBar.setup(Tenths(low), Tenths(high), Tenths(middle));
    cuttingSpeed.setText(text(middle));
    speedMin.caption = TruncateDecimals(text(low), 1);
    speedMax.caption = TruncateDecimals(text(high), 1);
}

void CountersinkingPage::SetPreDrillBar() {
    const int type = toolList.index();
    const double d = diameter();
    double low = 0;
    std::optional<double> preset;
    if (type == kCoreHoleType) {
        low = shell().numbers.parseOr(pilotList.text(), 0);
        preset = low;
    } else {
        low = PreDrillLowerBound(type, sizeList.index()).value_or(0);
        preset = PreDrillPreset(type, sizeList.index());
    }
    const double x = preset ? *preset : static_cast<double>(LD(d) - low);
    preDrillBar.setup(Tenths(low), Tenths(d), Tenths(x));
    preDrill.setText(text(LD(preDrillBar.position()) / 10));
    preDrillMin.caption = text(low);
    preDrillMax.caption = TextBefore(sizeList.text(), " ");
}

void CountersinkingPage::RecomputeSpeed() {
    results.spindleSpeed.setText(text(computedSpeed()));
}

void CountersinkingPage::RecomputeFeedRate() {
    results.feedRate.setText(text(LD(numOr(feed, 0)) * computedSpeed()));
}

void CountersinkingPage::RecomputeRemoval() {
    const CountersinkType* type = typeRow();
    const int angle = type != nullptr ? type->angle : 0;
    const double d = diameter();
    const double vf = numOr(results.feedRate, 0);
    // The pre-drilled diameter d0 is the bar's value, whether the user or
    // a step set it.
    const double d0 = static_cast<double>(LD(preDrillBar.position()) / 10);
    const double depth = angle > 0 ? CountersinkDepth(d0, d, angle) : numOr(feed, 0);
    results.removalRate.setText(text(RemovalRate(vf, d, depth)));
}

void CountersinkingPage::RecomputePower() {
    const double d = diameter();
    const double pilotDiameter = shell().numbers.parseOr(pilotList.text(), 0);
    const double z = shell().numbers.parseOr(edgesList.text(), 0);
    const double torque = TorqueRing(numOr(results.kc, 0), numOr(feed, 0), z, pilotDiameter, d);
    results.power.setText(text(PowerFromTorque(torque, numOr(results.spindleSpeed, 0))));
}

void CountersinkingPage::recomputeResults() {
    RecomputeSpeed();
    RecomputeFeedRate();
    RecomputeRemoval();
    RecomputePower();
}

const CountersinkType* CountersinkingPage::typeRow() const {
    const int i = toolList.index();
    return i >= 0 && i < static_cast<int>(CountersinkTypes.size()) ? &CountersinkTypes[i] : nullptr;
}

const CountersinkMaterial* CountersinkingPage::materialRow() const {
    const int i = materialList.index();
    return i >= 0 && i < static_cast<int>(CountersinkMaterials.size()) ? &CountersinkMaterials[i]
                                                                       : nullptr;
}

double CountersinkingPage::diameter() const {
    return shell().numbers.parseOr(TextBefore(sizeList.text(), " "), 0);
}

double CountersinkingPage::computedSpeed() const {
    return SpindleSpeed(diameter(), numOr(cuttingSpeed, 0));
}

} // namespace zerbo
