// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sawing/sawing_page.h"

#include "materials/force_table.h"
#include "shell/formulas.h"
#include "shell/hint_texts.h"
#include "shell/rounding.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zerbo {

namespace {

using LD = long double;

// Factors on the specific cutting force of the blade's tooth.
constexpr double kToothFactors[] = {1.2, 1.3, 1.15};

// Puts a bar on a table range, in its middle, and its end labels.
void SetRangeBar(Bar& bar, Label& low, Label& high, SawRange range) {
    bar.setup(range.min, range.max, range.min);
    bar.setPosition(bar.middle());
    low.caption = WriteWhole(range.min);
    high.caption = WriteWhole(range.max);
}

template <size_t N> int IndexOf(const std::array<std::string_view, N>& items, std::string_view s) {
    const auto it = std::find(items.begin(), items.end(), s);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

} // namespace

SawingPage::SawingPage(Shell& shell) : PageModel(shell, "Sägen", 109) {
    bladeDiameterList.fill(SawBladeDiameterItems());
    bladeTypeList.fill({std::string(kCircularSawBlade)});
    teethList.fill(SawItems(kSawTeeth));
    thicknessList.fill(SawItems(kSawThicknesses));
    materialList.fill(SawMaterialItems());
    depthList.fill(SawDepthClassItems());
    depthList.visible = false;

    hssButton.caption = "HSS";
    hmButton.caption = "HM";
    hmButton.visible = false;
    cuttingMaterialButtons.add(hssButton);
    cuttingMaterialButtons.add(hmButton);
    hssButton.setDown(true);

    workpieceMin.caption = "1";

    for (List* l : {&bladeDiameterList, &bladeTypeList, &teethList, &thicknessList})
        add(*l);
    add(hssButton);
    add(hmButton);
    add(materialList);
    add(depthList);
    add(coolant);
    add(workpieceBar);
    add(workpiece);
    add(workpieceMin);
    add(workpieceMax);
    add(areaBar);
    add(area);
    add(areaMin);
    add(areaMax);
    add(speedBar);
    add(cuttingSpeed);
    add(speedMin);
    add(speedMax);
    add(feedRateBar);
    add(feedRateMin);
    add(feedRateMax);
    for (Field* f : {&spindleSpeed, &toothFeed, &feedRate, &kc11, &removalRate, &power})
        add(*f);

    materialList.onChange = [this] { MaterialChanged(); };
    bladeDiameterList.onChange = [this] { BladeDiameterChanged(); };
    bladeTypeList.onChange = [this] { BladeTypeChanged(); };
    teethList.onChange = [this] { RecomputeChain(); };
    thicknessList.onChange = [this] { RecomputeChain(); };
    speedBar.onChange = [this] { SpeedBarMoved(); };
    workpieceBar.onChange = [this] { WorkpieceBarMoved(); };
    areaBar.onChange = [this] { AreaBarMoved(); };
    feedRateBar.onChange = [this] { FeedRateBarMoved(); };
}

// ---------------------------------------------------------------------------
// Start-up and hints

void SawingPage::startUp() {
    for (List* l : {&bladeDiameterList, &bladeTypeList, &materialList, &depthList, &teethList,
                    &thicknessList})
        l->select(0);
    // The blade presets wait for the first change of the diameter.
    workpieceBar.setup(1, 20, 10);
    workpieceMax.caption = "20";
    workpiece.setText(WriteWhole(workpieceBar.position()));
    BladeTypeChanged();
    MaterialChanged();
}

void SawingPage::assignHints() {
    spindleSpeed.hint = kHintSpindleSpeed;
    toothFeed.hint = "Vorschub fz in mm pro Zahn";
    feedRate.hint = kHintFeedRate;
    cuttingSpeed.hint = kHintCuttingSpeed;
    kc11.hint = kHintSpecificForce;
    removalRate.hint = kHintRemovalRate;
    power.hint = kHintPower;
    workpiece.hint = "Werkstückabmessung bzw. Schnittiefe in mm.";
    area.hint = "Spezifische Schnittfläche (x 1000!)";
    depthList.hint = "Schnittiefe in mm";
    bladeTypeList.hint = "Sägeblattart";
    teethList.hint = "Zähnezahl des Sägeblatts";
    thicknessList.hint = "Stärke (Dicke) des Sägeblatts";
    bladeDiameterList.hint = "Durchmesser des Sägeblatts";
    materialList.hint = "Zu sägender Werkstoff";
    hssButton.hint = kHintHss;
    hmButton.hint = "Hartmetall";
    feedRateBar.hint = kHintFeedBar;
    speedBar.hint = kHintSpeedBar;
    workpieceBar.hint = "Werkstückabmessungsschieber";
    areaBar.hint = "Spezifische Schnittflächenschieber";
    coolant.hint = kHintCoolant;
}

// ---------------------------------------------------------------------------
// Handlers

void SawingPage::MaterialChanged() {
    ShowCoolant();
    SetBarsFromTables();
    RecomputeSpindleSpeed();
    RecomputeChain();
}

void SawingPage::BladeDiameterChanged() {
    ApplyBladePreset();
    SetWorkpieceBounds();
    spindleSpeed.setText(text(SpindleSpeed(bladeDiameter(), speedBar.position())));
    RecomputeChain();
}

void SawingPage::BladeTypeChanged() {
    const bool shown = bladeTypeList.text() != kCircularSawBlade;
    feedRateBar.visible = feedRateMin.visible = feedRateMax.visible = shown;
}

void SawingPage::SpeedBarMoved() {
    cuttingSpeed.setText(WriteWhole(speedBar.position()));
    RecomputeSpindleSpeed();
    RecomputeChain();
}

void SawingPage::WorkpieceBarMoved() {
    // The bounds are 1 and Ds; a position outside them means the two
    // disagree: say so and step back towards the blade's range.
    const int dw = workpieceBar.position();
    if (dw > bladeDiameter()) {
        ShowInputNotice(shell().messages, 1);
        workpieceBar.setPosition(dw - 1);
        return;
    }
    if (dw < 1) {
        ShowInputNotice(shell().messages, 2);
        workpieceBar.setPosition(dw + 1);
        return;
    }
    workpiece.setText(WriteWhole(dw));
    RecomputeChain();
}

void SawingPage::AreaBarMoved() {
    area.setText(WriteWhole(areaBar.position()));
    RecomputeChain();
}

void SawingPage::FeedRateBarMoved() {
    feedRate.setText(WriteWhole(feedRateBar.position()));
    RecomputeToothFeed();
    RecomputeRemovalRate();
    RecomputeCuttingPower();
}

// ---------------------------------------------------------------------------
// Steps

void SawingPage::ShowCoolant() {
    coolant.lines = SawCoolantLines(materialList.index());
}

void SawingPage::SetBarsFromTables() {
    const SawMaterial* m = material();
    if (m == nullptr) return;
    // The speed range goes to the shared state as every page's look-up
    // does; the page's own bar and labels come from its own table.
    shell().state.vcMin = m->vc.min;
    shell().state.vcMax = m->vc.max;
    SetRangeBar(speedBar, speedMin, speedMax, m->vc);
    cuttingSpeed.setText(WriteWhole(speedBar.position()));
    SetRangeBar(areaBar, areaMin, areaMax, m->area);
    area.setText(WriteWhole(areaBar.position()));
    SetRangeBar(feedRateBar, feedRateMin, feedRateMax, m->feedRate[depthClass()]);
    feedRate.setText(WriteWhole(feedRateBar.position()));
}

void SawingPage::RecomputeSpindleSpeed() {
    spindleSpeed.setText(text(SpindleSpeed(bladeDiameter(), numOr(cuttingSpeed, 0))));
}

void SawingPage::LookUpForceData() {
    const SawMaterial* m = material();
    const int row = m != nullptr ? m->forceRow : 0;
    kc11_ = MaterialBaseForce(row);
    mc_ = MaterialExponent(row);
    kc11.setText(WriteWhole(kc11_));
}

void SawingPage::RecomputeEngagement() {
    const double ds = bladeDiameter();
    phi_ = ChordAngle(numOr(workpiece, 0), ds);
    arc_ = ArcLength(phi_, ds);
}

void SawingPage::RecomputeToothFeed() {
    const std::int32_t z = teeth();
    // Without an arc of contact (or teeth) no tooth takes a feed.
    double fz = 0;
    if (arc_ > 0 && z > 0)
        fz = PiProductRatio(whole(area.text()), bladeDiameter(), whole(cuttingSpeed.text()), arc_,
                            z);
    toothFeed.setText(text(fz));
}

void SawingPage::RecomputeTeethInContact() {
    ze_ = AngleShare(teeth(), phi_);
}

void SawingPage::RecomputeCuttingPower() {
    double s = 0;
    try {
        s = thickness();
    } catch (const ConversionError&) {
        ShowDecimalError(shell().messages);
        return;
    }
    const double fz = numOr(toothFeed, 0);
    const std::int32_t m = RoundHalfEven(LD(mc_) * 100);
    // No chip thickness, no force.
    const std::optional<double> force = SpecificCuttingForce(m, kc11_, fz);
    kc_ = force ? Product4(kToothFactors[0], kToothFactors[1], kToothFactors[2], *force) : 0;
    fc_ = force ? Product4b(s, fz, kc_, ze_) : 0;
    power.setText(text(PowerFromTwoFactors(numOr(cuttingSpeed, 0), fc_)));
}

void SawingPage::RecomputeFeedRate() {
    feedRate.setText(text(FeedRate(teeth(), numOr(toothFeed, 0), numOr(spindleSpeed, 0))));
}

void SawingPage::RecomputeRemovalRate() {
    double s = 0;
    double vf = 0;
    try {
        s = thickness();
        vf = numOr(feedRate, 0);
    } catch (const ConversionError&) {
        ShowDecimalError(shell().messages);
        return;
    }
    removalRate.setText(text(RemovalRate(s, kSawDepthClasses[depthClass()].depth, vf)));
}

void SawingPage::RecomputeChain() {
    LookUpForceData();
    RecomputeEngagement();
    RecomputeToothFeed();
    RecomputeTeethInContact();
    RecomputeCuttingPower();
    RecomputeFeedRate();
    RecomputeRemovalRate();
}

void SawingPage::ApplyBladePreset() {
    const int i = bladeDiameterList.index();
    if (i < 0 || i >= static_cast<int>(kSawBlades.size())) return;
    const SawBlade& blade = kSawBlades[static_cast<size_t>(i)];
    teethList.select(IndexOf(kSawTeeth, blade.teeth));
    thicknessList.select(IndexOf(kSawThicknesses, blade.thickness));
}

void SawingPage::SetWorkpieceBounds() {
    const std::int32_t ds = bladeDiameter();
    std::int32_t dw = workpieceBar.position();
    if (dw > ds) dw = RoundHalfEven(LD(ds) / 2);
    workpieceBar.setup(1, ds, dw);
    workpieceMax.caption = WriteWhole(ds);
    workpiece.setText(WriteWhole(workpieceBar.position()));
}

// ---------------------------------------------------------------------------
// Inputs

const SawMaterial* SawingPage::material() const {
    const int i = materialList.index();
    if (i < 0 || i >= static_cast<int>(kSawMaterials.size())) return nullptr;
    return &kSawMaterials[static_cast<size_t>(i)];
}

std::int32_t SawingPage::whole(const std::string& text) const {
    return RoundHalfEven(shell().numbers.parseOr(text, 0));
}

size_t SawingPage::depthClass() const {
    const int last = static_cast<int>(kSawDepthClasses.size()) - 1;
    return static_cast<size_t>(std::clamp(depthList.index(), 0, last));
}

} // namespace zerbo
