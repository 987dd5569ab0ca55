// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reaming/reaming_page.h"

#include "materials/force_table.h"
#include "shell/fixed_text.h"
#include "shell/formulas.h"
#include "shell/hint_texts.h"
#include "shell/rounding.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace zerbo {

namespace {

using LD = long double;
using reaming::Group;

std::vector<std::string> Items(reaming::Texts texts) {
    return {texts.begin(), texts.end()};
}

// The reamer's lead angle, degrees: with it the allowance gives the depth of cut.
constexpr double kChamferAngle = 45;

} // namespace

ReamingPage::ReamingPage(Shell& shell) : PageModel(shell, "Reiben", 107) {
    hssButton.caption = "HSS";
    hmButton.caption = "HM";
    cuttingMaterialButtons.add(hssButton);
    cuttingMaterialButtons.add(hmButton);
    feedMin.caption = "0";
    feedMax.caption = "100";
    feedPercentUnit.caption = "%";
    feedMinCaption.caption = "min";
    feedMaxCaption.caption = "max";
    allowanceIncreaseCaption.caption = "Erhöhung:";
    speedBar.smallStep = 1;
    speedBar.largeStep = 10;
    feedBar.smallStep = 1;
    feedBar.largeStep = 10;
    speedStep.set(50);

    for (Control* c : std::initializer_list<Control*>{&hssButton,
                                                      &hmButton,
                                                      &toolList,
                                                      &cuttingMaterialList,
                                                      &diameterList,
                                                      &materialList,
                                                      &speedBar,
                                                      &cuttingSpeed,
                                                      &speedMin,
                                                      &speedMax,
                                                      &speedStep.down,
                                                      &speedStep.up,
                                                      &speedStep.field,
                                                      &feed,
                                                      &feedBar,
                                                      &feedMin,
                                                      &feedMax,
                                                      &feedPercentUnit,
                                                      &feedMinCaption,
                                                      &feedMaxCaption,
                                                      &allowance,
                                                      &allowanceIncreaseCaption,
                                                      &allowanceStep.down,
                                                      &allowanceStep.up,
                                                      &allowanceStep.field,
                                                      &results.spindleSpeed,
                                                      &results.feedRate,
                                                      &results.kc,
                                                      &results.removalRate,
                                                      &results.power,
                                                      &coolant})
        add(*c);

    hssButton.onClick = [this] { CuttingMaterialChanged(); };
    hmButton.onClick = [this] { CuttingMaterialChanged(); };
    materialList.onChange = [this] { MaterialChanged(); };
    toolList.onChange = [this] { ToolTypeChanged(); };
    cuttingMaterialList.onChange = [this] { CoatingChanged(); };
    diameterList.onChange = [this] { DiameterChanged(); };
    speedBar.onChange = [this] { SpeedBarMoved(); };
    feedBar.onChange = [this] { FeedBarMoved(); };
    speedStep.up.onClick = [this] { SpeedIncreaseClicked(+1); };
    speedStep.down.onClick = [this] { SpeedIncreaseClicked(-1); };
    allowanceStep.down.onClick = [this] { AllowanceIncreaseClicked(-1); };
    allowanceStep.up.onClick = [this] { AllowanceIncreaseClicked(+1); };
}

void ReamingPage::startUp() {
    hssButton.setDown(true);
    CuttingMaterialChanged();
    ResetFeedBar();
}

void ReamingPage::assignHints() {
    allowance.hint = "Reibaufmaß";
    allowanceStep.field.hint = "Erhöhung des Reibaufmaßes in %";
    speedStep.assignHints(kHintSpeedIncrease, kHintSpeedStepDown, kHintSpeedStepUp);
    results.assignHints();
    feed.hint = kHintFeedPerRevolution;
    cuttingSpeed.hint = kHintCuttingSpeed;
    hssButton.hint = kHintHss;
    hmButton.hint = "Hartmetall";
    toolList.hint = "Werkzeugtyp";
    cuttingMaterialList.hint = kHintCuttingMaterial;
    diameterList.hint = "Reibahlendurchmesser";
    materialList.hint = "Zu reibender Werkstoff";
    coolant.hint = kHintCoolant;
    feedBar.hint = kHintFeedBar;
    speedBar.hint = kHintSpeedBar;
}

// ---------------------------------------------------------------------------
// Handlers

void ReamingPage::CuttingMaterialChanged() {
    FillMaterialList();
    LookUpForce();
    ShowCoolant();
    FillToolList();
    FillCuttingMaterialList();
    FillDiameterList();
    LookUpSpeed();
    SetSpeedRange();
    LookUpFeed();
    ResetFeedBar();
    ApplyVisibility();
    ComputeFeedRate();
    ComputeSpindleSpeed();
    ComputeAllowance();
    ComputeRemovalRate();
    ComputePower();
}

void ReamingPage::MaterialChanged() {
    ShowCoolant();
    ApplyVisibility();
    LookUpSpeed();
    SetSpeedRange();
    LookUpFeed();
    ResetFeedBar();
    ComputeFeedRate();
    ComputeSpindleSpeed();
    LookUpForce();
    ComputeAllowance();
    ComputeRemovalRate();
    ComputePower();
}

void ReamingPage::ToolTypeChanged() {
    FillCuttingMaterialList();
    ApplyVisibility();
    FillDiameterList();
    LookUpSpeed();
    SetSpeedRange();
    LookUpFeed();
    ResetFeedBar();
    ApplyVisibility();
    ComputeFeedRate();
    ComputeSpindleSpeed();
    ComputeAllowance();
    ComputeRemovalRate();
    ComputePower();
}

void ReamingPage::CoatingChanged() {
    ApplyVisibility();
    LookUpSpeed();
    SetSpeedRange();
    LookUpFeed();
    ResetFeedBar();
    ComputeFeedRate();
    ComputeSpindleSpeed();
    ComputeRemovalRate();
    ComputePower();
}

void ReamingPage::DiameterChanged() {
    // The carbide speeds change at 30 mm: a new range goes onto the bar, an
    // unchanged one leaves the speed the user set.
    if (LookUpSpeed()) SetSpeedRange();
    LookUpFeed();
    ResetFeedBar();
    ComputeFeedRate();
    ComputeSpindleSpeed();
    ComputeAllowance();
    ComputeRemovalRate();
    ComputePower();
}

void ReamingPage::SpeedBarMoved() {
    cuttingSpeed.setText(text(LD(speedBar.position()) / 10));
    ComputeFeedRate();
    ComputeSpindleSpeed();
    ComputeRemovalRate();
    ComputePower();
}

void ReamingPage::FeedBarMoved() {
    const double table = shell().numbers.parseOr(tableFeed_, 0);
    feed.setText(text(AdjustByPercent("+", feedBar.position(), table)));
    ComputeFeedRate();
    ComputeRemovalRate();
    ComputePower();
}

void ReamingPage::SpeedIncreaseClicked(int delta) {
    if (!speedStep.step(delta)) return;
    speedIncrease_ = speedStep.value();
    SetSpeedRange();
    ComputeFeedRate();
    ComputeSpindleSpeed();
    ComputeRemovalRate();
    ComputePower();
}

void ReamingPage::AllowanceIncreaseClicked(int delta) {
    if (!allowanceStep.step(delta)) return;
    ComputeAllowance();
    ComputeRemovalRate();
    ComputePower();
}

// ---------------------------------------------------------------------------
// Steps

void ReamingPage::FillMaterialList() {
    materialList.fill(Items(reaming::Materials(group())));
}

void ReamingPage::LookUpForce() {
    const int row = reaming::ForceRow(group(), materialList.index());
    results.kc.setText(WriteWhole(MaterialBaseForce(row)));
}

void ReamingPage::ShowCoolant() {
    coolant.lines = Items(reaming::CoolantLines(group(), materialList.index()));
}

void ReamingPage::FillToolList() {
    toolList.fill(Items(reaming::ToolTypes(group())));
}

void ReamingPage::FillCuttingMaterialList() {
    cuttingMaterialList.fill(Items(reaming::CuttingMaterials(group(), toolList.index())));
}

void ReamingPage::FillDiameterList() {
    diameterList.fill(Items(reaming::Diameters(group(), toolList.index())));
    const int increase = reaming::AllowanceIncrease(group(), toolList.index());
    if (increase > 0)
        allowanceStep.set(increase);
    else
        allowanceStep.field.setText("0%");
}

bool ReamingPage::LookUpSpeed() {
    const auto found = reaming::LookUpSpeed(group(), toolList.index(), cuttingMaterialList.index(),
                                            materialList.index(), diameter());
    if (!found) return false;
    auto& s = shell().state;
    s.vcMin = found->min;
    s.vcMax = found->max;
    const bool changed = *found != range_;
    range_ = *found;
    return changed;
}

void ReamingPage::SetSpeedRange() {
    const double low = AdjustByPercent("+", speedIncrease_, range_.min);
    const double high = AdjustByPercent("+", speedIncrease_, range_.max);
    const std::int32_t rlow = RoundAsShown(low);
    const std::int32_t rhigh = RoundAsShown(high);
    speedBar.setup(rlow * 10, rhigh * 10, (rlow + TruncDiv(rhigh - rlow, 2)) * 10);
    cuttingSpeed.setText(text(LD(speedBar.position()) / 10));
    speedMin.caption = TruncateDecimals(text(low), 1);
    speedMax.caption = TruncateDecimals(text(high), 1);
}

void ReamingPage::LookUpFeed() {
    if (auto f = reaming::LookUpFeed(group(), materialList.index(), diameter()))
        tableFeed_ = std::string(*f);
}

void ReamingPage::ResetFeedBar() {
    feedBar.setup(0, 100, 0);
    feed.setText(tableFeed_);
}

void ReamingPage::ApplyVisibility() {
    const bool hss = group() == Group::Hss;
    const int type = toolList.index();
    const bool coated =
        hss && (type == 0 || type == 1) && cuttingMaterialList.index() == reaming::kTinCoated;
    const bool peeling =
        hss && (type == reaming::kHssPeelingCylindrical || type == reaming::kHssPeelingTaper);
    Show({&feedBar, &feedMin, &feedMax, &feedPercentUnit, &feedMinCaption, &feedMaxCaption},
         coated || peeling);
    speedStep.show(coated);
    allowanceIncreaseCaption.visible = peeling;
    allowanceStep.show(peeling);
    speedIncrease_ = coated ? speedStep.value() : peeling ? 50 : 0;
    SetSpeedRange();
    ComputeFeedRate();
}

void ReamingPage::ComputeSpindleSpeed() {
    results.spindleSpeed.setText(text(SpindleSpeed(diameter(), numOr(cuttingSpeed, 0))));
}

void ReamingPage::ComputeFeedRate() {
    const double n = SpindleSpeed(diameter(), numOr(cuttingSpeed, 0));
    results.feedRate.setText(text(LD(numOr(feed, 0)) * n));
}

void ReamingPage::ComputeAllowance() {
    const auto table = reaming::LookUpAllowance(group(), materialList.index(), diameter());
    if (!table) return;
    if (!allowanceStep.field.visible) {
        allowance.setText(std::string(*table));
    } else if (table->find('-') == std::string_view::npos) {
        allowance.setText(raisedAllowance(*table));
    } else {
        allowance.setText(raisedAllowance(TextBefore(*table, "-")) + "-" +
                          raisedAllowance(TextAfter(*table, "-")));
    }
}

void ReamingPage::ComputeRemovalRate() {
    const double d = diameter();
    const double depth = CountersinkDepth(d - workingAllowance(), d, kChamferAngle);
    results.removalRate.setText(text(RemovalRate(depth, d, numOr(results.feedRate, 0))));
}

void ReamingPage::ComputePower() {
    const double torque = TorqueSquare(numOr(results.kc, 0), numOr(feed, 0), workingAllowance());
    const double pe = PowerFromTorque(torque, numOr(results.spindleSpeed, 0));
    results.power.setText(WriteFixed(pe, 2, 6, shell().numbers.separator()));
}

double ReamingPage::diameter() const {
    return shell().numbers.parseOr(diameterList.text(), 0);
}

double ReamingPage::workingAllowance() const {
    const std::string& a = allowance.text();
    return shell().numbers.parseOr(a.find('-') == std::string::npos ? a : TextAfter(a, "-"), 0);
}

std::string ReamingPage::raisedAllowance(std::string_view value) const {
    const double v = shell().numbers.parse(value);
    return TruncateDecimals(text(AdjustByPercent("+", allowanceStep.value(), v)), 3);
}

} // namespace zerbo
