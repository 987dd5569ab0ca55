// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "milling/milling_page.h"

#include "materials/material_dialog.h"
#include "materials/material_groups.h"
#include "milling/carbide_data.h"
#include "milling/hss_data.h"
#include "shell/formulas.h"
#include "shell/hint_texts.h"
#include "shell/rounding.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <string_view>

namespace zerbo {

namespace {

constexpr int kHss = 1;
constexpr int kWp = 2;
constexpr int kVhm = 3;

// Cutting-speed reduction for "Normal", "Lang" and "Überlang".
constexpr double kLengthReductions[] = {0.0, 2.0 / 3.0, 3.0 / 4.0};

const MessageText kCermetNotice{"Cermet bei CrNi-Werkstoffen nur bedingt einsetzbar"};
const MessageText kSpeedStepFailure{"Tabelle Exept ausgeloest"};

// A recommended value: not empty and not "*".
bool HasValue(const std::string& text) {
    return !text.empty() && text.front() != '*';
}

} // namespace

struct MillingToolGeometry {
    long double aeFactor; // ae = factor × D
    int kappa;            // setting angle, degrees
    long double depth;    // ap = depth × D below 3, else depth in mm
};

namespace {

// By tool-type position of each cutting material.
// clang-format off
constexpr MillingToolGeometry kHssGeometry[] = {
    {1.0L, 90, 0.5L}, {0.5L, 90, 1.5L}, {1.0L, 90, 1.5L}, {0.5L, 90, 1.5L}, {0.75L, 90, 0.1L},
    {0.75L, 90, 0.2L},
};
constexpr MillingToolGeometry kWpGeometry[] = {
    {1.0L, 90, 8}, {0.3L, 90, 8}, {0.2L, 90, 60}, {1.0L, 90, 8}, {0.75L, 90, 8}, {1.0L, 45, 3},
    {0.75L, 45, 3},
};
constexpr MillingToolGeometry kVhmGeometry[] = {
    {1.0L, 90, 0.5L}, {0.5L, 90, 1.5L}, {1.0L, 90, 1.5L}, {0.5L, 90, 1.5L}, {1.0L, 90, 0.25L},
    {0.75L, 90, 0.7L},
};
// clang-format on

} // namespace

MillingPage::MillingPage(Shell& shell) : PageModel(shell, "Fräsen", 104) {
    const std::array<Button*, 3> materials{&hssButton, &wpButton, &vhmButton};
    const char* materialCaptions[] = {"HSS", "WP", "VHM"};
    for (size_t i = 0; i < materials.size(); ++i) {
        materials[i]->caption = materialCaptions[i];
        cuttingMaterialButtons.add(*materials[i]);
        add(*materials[i]);
        const int material = static_cast<int>(i) + 1;
        materials[i]->onClick = [this, material] { CuttingMaterialChanged(material); };
    }
    add(toolList).onChange = [this] { ToolTypeChanged(); };
    add(coatingList).onChange = [this] { CoatingChanged(); };
    add(teethList).onChange = [this] { TeethChanged(); };
    add(diameterList).onChange = [this] { DiameterChanged(); };

    const std::array<Button*, 3> lengths{&normalButton, &longButton, &extraLongButton};
    const char* lengthCaptions[] = {"Normal", "Lang", "Überlang"};
    for (size_t i = 0; i < lengths.size(); ++i) {
        lengths[i]->caption = lengthCaptions[i];
        lengthButtons.add(*lengths[i]);
        add(*lengths[i]);
        const double f = kLengthReductions[i];
        lengths[i]->onClick = [this, f] { CutterLengthChanged(f); };
    }

    for (size_t i = 0; i < groupButtons.size(); ++i) {
        groupButtons[i].caption = std::to_string(i + 1);
        materialGroupButtons.add(groupButtons[i]);
        add(groupButtons[i]);
        const int group = static_cast<int>(i) + 1;
        groupButtons[i].onClick = [this, group] { MaterialGroupChanged(group, true); };
    }
    add(groupText);

    add(toothFeed);
    add(cuttingSpeed);
    add(speedBar).onChange = [this] { SpeedBarMoved(); };
    add(speedMin);
    add(speedMax);

    speedIncreaseCaption.caption = "Steigerung";
    add(speedIncrease);
    add(speedIncreaseDown).onClick = [this] { SpeedIncreaseClicked(-1); };
    add(speedIncreaseUp).onClick = [this] { SpeedIncreaseClicked(+1); };
    add(speedIncreaseCaption);

    widthMin.caption = "0";
    add(width);
    add(widthBar).onChange = [this] { WidthBarMoved(); };
    add(widthMin);
    add(widthMax);

    chipThicknessMin.caption = "0";
    chipThicknessMax.caption = "1";
    add(chipThickness);
    add(chipThicknessBar).onChange = [this] { ChipThicknessBarMoved(); };
    add(chipThicknessMin);
    add(chipThicknessMax);

    depthMin.caption = "0";
    depthBar.vertical = true;
    add(depth);
    add(depthBar).onChange = [this] { DepthBarMoved(); };
    add(depthMin);
    add(depthMax);

    materialButton.caption = "Werkstoff";
    materialButton.hint = "Genaue Werkstoffbezeichnung auswählen";
    results.power.hint = "Erforderliche Maschinenleistung Pe";
    add(results.spindleSpeed);
    add(results.feedRate);
    add(results.kc);
    add(materialButton).onClick = [this] { MaterialButtonClicked(); };
    add(results.removalRate);
    add(results.power);

    for (Field* f : {&engagementAngle, &settingAngle, &chipThicknessCopy}) {
        f->visible = false;
        add(*f);
    }

    // A kc handed over by the precise-material dialog updates Q and Pe.
    shell.hooks.kcReceivers.push_back({&results.kc, [this] { RecomputeRemovalAndPower(); }});
}

MillingPage::~MillingPage() {
    auto& receivers = shell().hooks.kcReceivers;
    std::erase_if(receivers,
                  [this](const Shell::KcReceiver& r) { return r.kcField == &results.kc; });
}

// ---- helpers

const MillingToolGeometry* MillingPage::geometry() const {
    std::span<const MillingToolGeometry> table;
    switch (shell().state.millingCuttingMaterial) {
    case kHss:
        table = kHssGeometry;
        break;
    case kWp:
        table = kWpGeometry;
        break;
    case kVhm:
        table = kVhmGeometry;
        break;
    default:
        return nullptr;
    }
    const int index = toolList.index();
    return InRange(index, static_cast<int>(table.size())) ? &table[static_cast<size_t>(index)]
                                                          : nullptr;
}

void MillingPage::setSpeedRange(std::int32_t min, std::int32_t max) {
    vcMin_ = min;
    vcMax_ = max;
    shell().state.vcMin = min;
    shell().state.vcMax = max;
}

int MillingPage::reducedMin() const {
    return RoundAsShown((1 - shell().state.lengthReduction) * vcMin_);
}

int MillingPage::reducedMax() const {
    return RoundAsShown((1 - shell().state.lengthReduction) * vcMax_);
}

void MillingPage::setRecommendedSpeed(std::string speed) {
    const double reduction = shell().state.lengthReduction;
    if (reduction != 0 && HasValue(speed))
        speed = WriteWhole(RoundAsShown((1 - reduction) * shell().numbers.parse(speed)));
    cuttingSpeed.setText(std::move(speed));
}

long double MillingPage::listNumber(const List& list, long double fallback) const {
    return shell().numbers.parseOr(list.text(), static_cast<double>(fallback));
}

// ---- recomputation steps

void MillingPage::LookUpCuttingData() {
    auto& s = shell().state;
    switch (s.millingCuttingMaterial) {
    case kHss:
        HssCuttingData(*this);
        break;
    case kWp:
        WpCuttingData(*this);
        break;
    case kVhm:
        VhmCuttingData(*this);
        break;
    default:
        break;
    }
    RecomputeSpeedAndFeed();
    if (HasValue(cuttingSpeed.text())) {
        speedBar.enabled = true;
        speedBar.setup(reducedMin(), reducedMax(), RoundAsShown(num(cuttingSpeed)));
        speedBar.smallStep = 1;
        speedBar.largeStep = 10;
        RecomputeSpeedAndFeed();
    } else {
        speedBar.enabled = false;
    }
    if ((s.millingCuttingMaterial == kWp || s.millingCuttingMaterial == kVhm) &&
        coatingList.index() == 3 && groupButtons[3].down())
        shell().messages.information(kCermetNotice);
}

void MillingPage::RecomputeSpeedAndFeed() {
    speedMin.caption = WriteWhole(reducedMin());
    speedMax.caption = WriteWhole(reducedMax());
    try {
        // The field already shows the speed reduced for the cutter length.
        const long double speed = HasValue(cuttingSpeed.text()) ? num(cuttingSpeed) : 0;
        const long double d = listNumber(diameterList, 0);
        const long double feed = HasValue(toothFeed.text()) ? num(toothFeed) : 0;
        const long double z = listNumber(teethList, 1);
        const long double speedN = SpindleSpeed(static_cast<double>(d), static_cast<double>(speed));
        results.feedRate.setText(text(z * feed * speedN));
        results.spindleSpeed.setText(text(speedN));
    } catch (const ConversionError&) {
        shell().messages.information(kSpeedStepFailure);
    }
}

void MillingPage::RecomputeRemovalAndPower() {
    if (width.empty()) return;
    try {
        const double removal = RemovalRate(num(depth), num(width), num(results.feedRate));
        results.removalRate.setText(text(removal));
        // Before any kc is known (during start-up) there is no power to show.
        if (results.kc.empty()) return;
        results.power.setText(
            text(PowerFromRemovalRate(num(results.kc), num(results.removalRate))));
    } catch (const ConversionError&) {
        ShowDecimalError(shell().messages);
    }
}

void MillingPage::RecomputeEngagement() {
    const MillingToolGeometry* g = geometry();
    if (g == nullptr) return;
    try {
        const long double d = listNumber(diameterList, 0);
        // No recommended feed: the engagement still follows the tool, hm is 0.
        const long double feed = HasValue(toothFeed.text()) ? num(toothFeed) : 0;
        const long double ae = g->aeFactor * d;
        // Without a diameter there is no engagement (and no 0/0).
        const double angle = ae > 0 && d > 0
                                 ? EngagementAngle(static_cast<double>(d), static_cast<double>(ae))
                                 : 0.0;
        const double chip = angle > 0
                                ? MeanChipThickness(static_cast<double>(d), static_cast<double>(ae),
                                                    static_cast<double>(feed), angle, g->kappa)
                                : 0.0;
        engagementAngle.setText(text(angle));
        settingAngle.setText(WriteWhole(g->kappa));
        chipThickness.setText(text(chip));
        width.setText(text(ae));
        widthMax.caption = diameterList.text();
        chipThicknessMax.caption = "1";
        widthBar.setup(0, RoundAsShown(static_cast<double>(d), 1),
                       RoundAsShown(static_cast<double>(ae), 1));
        widthBar.smallStep = 1;
        widthBar.largeStep = 10;
        chipThicknessBar.setup(0, 10000, RoundAsShown(chip, 4));
        chipThicknessBar.smallStep = 1;
        chipThicknessBar.largeStep = 100;
    } catch (const ConversionError&) {
        ShowDecimalError(shell().messages);
    }
}

void MillingPage::RecomputeChipThickness() {
    try {
        const auto d = static_cast<double>(listNumber(diameterList, 0));
        const double ae = numOr(width, 0);
        const double angle = numOr(engagementAngle, 0);
        const double setting = numOr(settingAngle, 0);
        // Without an engagement hm has no value (0/0): it stays.
        if (d <= 0 || ae <= 0 || angle <= 0) return;
        const double feed = HasValue(toothFeed.text()) ? num(toothFeed) : 0;
        const double chip = MeanChipThickness(d, ae, feed, angle, setting);
        chipThickness.setText(text(chip));
        chipThicknessBar.setup(0, 10000, RoundAsShown(chip, 4));
    } catch (const ConversionError&) {
        ShowDecimalError(shell().messages);
    }
}

void MillingPage::followFeed() {
    RecomputeChipThickness();
    RecomputeRemovalAndPower();
}

void MillingPage::followSizeRefill(const std::string& previousDiameter) {
    if (diameterList.text() != previousDiameter) DiameterChanged();
}

void MillingPage::SetDefaultDepthOfCut() {
    auto& s = shell().state;
    const bool lengthShown = s.millingCuttingMaterial != kWp;
    for (Button* b : {&normalButton, &longButton, &extraLongButton})
        b->visible = lengthShown;
    const MillingToolGeometry* g = geometry();
    if (g == nullptr) return;
    const long double d = RoundHalfEven(listNumber(diameterList, 0));
    const long double ap = g->depth < 3 ? g->depth * d : g->depth;
    depthBar.setup(0, s.maxDepthOfCut, RoundHalfEven(ap));
    depthBar.smallStep = 1;
    depthBar.largeStep = 10;
    depth.setText(text(ap));
    depthMax.caption = WriteWhole(s.maxDepthOfCut);
}

void MillingPage::RecentreSpeedBar() {
    if (!HasValue(cuttingSpeed.text())) return;
    const int lo = reducedMin();
    const int hi = reducedMax();
    speedBar.setup(lo, hi, lo + TruncDiv(hi - lo, 2));
    speedBar.smallStep = 1;
    speedBar.largeStep = 10;
    cuttingSpeed.setText(WriteWhole(speedBar.position()));
    RecomputeSpeedAndFeed();
    RecomputeRemovalAndPower();
}

void MillingPage::pressLength(Button& button, double reduction) {
    if (button.down()) return;
    shell().state.lengthReduction = reduction;
    button.setDown(true);
    RecentreSpeedBar();
}

void MillingPage::SelectLengthByDepth(int depth) {
    if (!normalButton.visible) return;
    if (depth <= 45)
        pressLength(normalButton, kLengthReductions[0]);
    else if (depth <= 75)
        pressLength(longButton, kLengthReductions[1]);
    else
        pressLength(extraLongButton, kLengthReductions[2]);
}

void MillingPage::ResetLengthToNormal() {
    shell().state.lengthReduction = kLengthReductions[0];
    normalButton.setDown(true);
    RecentreSpeedBar();
}

void MillingPage::showIncreaseControls(bool shown) {
    for (Control* c : std::initializer_list<Control*>{&speedIncreaseCaption, &speedIncreaseDown,
                                                      &speedIncreaseUp, &speedIncrease})
        c->visible = shown;
    speedIncrease.setText(WriteWhole(shell().state.speedIncreasePercent) + "%");
}

void MillingPage::UpdateIncreaseControls() {
    const int group = shell().state.activeMaterialGroup;
    if (!wpButton.down())
        showIncreaseControls(false);
    else if (group == 5)
        showIncreaseControls(true);
    else if (group >= 1 && group <= 7)
        showIncreaseControls(false);
}

void MillingPage::FillCoatingList() {
    switch (shell().state.millingCuttingMaterial) {
    case kHss:
        FillHssCoatings(*this);
        break;
    case kWp:
        FillWpCoatings(*this);
        break;
    case kVhm:
        FillVhmCoatings(*this);
        FillVhmSizes(*this);
        break;
    default:
        break;
    }
}

void MillingPage::ShowGroupAndLookUp() {
    ShowMillingGroupDescription(groupText, shell().state);
    LookUpCuttingData();
    UpdateIncreaseControls();
}

void MillingPage::ApplyGroupAvailability() {
    const bool available = shell().state.millingGroupSet == 2;
    for (size_t i = 7; i < groupButtons.size(); ++i)
        groupButtons[i].enabled = available;
}

// ---- event handlers

void MillingPage::CuttingMaterialChanged(int material) {
    auto& s = shell().state;
    s.millingCuttingMaterial = static_cast<std::uint8_t>(material);
    s.millingGroupSet = material == kVhm ? 2 : 1;
    s.forceDialogMode = shell().currentPage == 0 && material != kVhm ? 1 : 2;

    if (material != kVhm && s.activeMaterialGroup > 7) {
        s.millingMaterialGroup = 1;
        groupButtons[0].setDown(true);
        s.activeMaterialGroup = 1;
        ShowGroupAndLookUp();
        FillCoatingList();
    }

    if (shell().hooks.assignHints)
        shell().hooks.assignHints();
    else
        assignHints();
    ApplyGroupAvailability();
    s.activeMaterialGroup = s.millingMaterialGroup;
    ShowGroupAndLookUp();
    UpdateIncreaseControls();

    switch (material) {
    case kHss:
        FillHssToolTypes(*this);
        break;
    case kWp:
        FillWpToolTypes(*this);
        break;
    case kVhm:
        FillVhmToolTypes(*this);
        break;
    default:
        break;
    }

    FillCoatingList();
    RefreshMaterialDialog(shell());
    LookUpCuttingData();
    ToolTypeChanged();
}

void MillingPage::ToolTypeChanged() {
    ResetLengthToNormal();
    switch (shell().state.millingCuttingMaterial) {
    case kHss:
        FillHssSizes(*this);
        break;
    case kWp:
        FillWpSizes(*this);
        break;
    case kVhm:
        FillCoatingList();
        FillVhmSizes(*this);
        break;
    default:
        break;
    }
    LookUpCuttingData();
    SetDefaultDepthOfCut();
    // Also without a recommended feed: ae and the angle follow the new tool,
    // Q, Pe and hm the feed rate 0.
    widthMax.caption = diameterList.text();
    RecomputeEngagement();
    RecomputeRemovalAndPower();
}

void MillingPage::MaterialGroupChanged(int group, bool fromButton) {
    auto& s = shell().state;
    s.millingMaterialGroup = static_cast<std::uint8_t>(group);
    s.activeMaterialGroup = static_cast<std::uint8_t>(group);
    const std::string previousDiameter = diameterList.text();
    ShowGroupAndLookUp();
    FillCoatingList();
    if (!fromButton) return;
    RefreshMaterialDialog(shell());
    SelectLengthByDepth(depthBar.position());
    RecentreSpeedBar();
    followFeed();
    // Solid carbide refills the sizes for the group.
    followSizeRefill(previousDiameter);
}

void MillingPage::CoatingChanged() {
    LookUpCuttingData();
    if (!toothFeed.empty()) {
        SelectLengthByDepth(depthBar.position());
        RecentreSpeedBar();
    }
    followFeed();
}

void MillingPage::TeethChanged() {
    LookUpCuttingData();
    followFeed();
}

void MillingPage::DiameterChanged() {
    LookUpCuttingData();
    SetDefaultDepthOfCut();
    widthMax.caption = diameterList.text();
    if (!toothFeed.empty()) SelectLengthByDepth(depthBar.position());
    RecomputeEngagement();
    RecomputeRemovalAndPower();
}

void MillingPage::SpeedBarMoved() {
    if (!HasValue(cuttingSpeed.text())) return;
    speedBar.setup(reducedMin(), reducedMax(), speedBar.position());
    cuttingSpeed.setText(WriteWhole(speedBar.position()));
    RecomputeSpeedAndFeed();
    RecomputeRemovalAndPower();
}

void MillingPage::SpeedIncreaseClicked(int direction) {
    auto& p = shell().state.speedIncreasePercent;
    const int next = p + direction;
    if (next < 50 || next > 100) return;
    p = next;
    speedIncrease.setText(WriteWhole(p) + "%");
    LookUpCuttingData();
    followFeed();
}

void MillingPage::CutterLengthChanged(double reduction) {
    shell().state.lengthReduction = reduction;
    RecentreSpeedBar();
}

void MillingPage::DepthBarMoved() {
    depthBar.setup(0, shell().state.maxDepthOfCut, depthBar.position());
    depth.setText(WriteWhole(depthBar.position()));
    SelectLengthByDepth(depthBar.position());
    RecomputeRemovalAndPower();
}

void MillingPage::WidthBarMoved() {
    widthMax.caption = diameterList.text();
    const MillingToolGeometry* g = geometry();
    if (g == nullptr) return;
    const long double d = listNumber(diameterList, 0);
    // The range is set before the position is read, so ae never exceeds D.
    widthBar.setup(0, RoundAsShown(static_cast<double>(d), 1), widthBar.position());
    const long double ae = widthBar.position() / 10.0L;
    width.setText(text(ae));
    const double angle =
        ae > 0 && d > 0 ? EngagementAngle(static_cast<double>(d), static_cast<double>(ae)) : 0.0;
    engagementAngle.setText(text(angle));

    double chip = 0;
    if (ae > 0) {
        const long double zn =
            listNumber(teethList, 1) * static_cast<long double>(num(results.spindleSpeed));
        // Without a speed (or a diameter) the chip thickness is undefined:
        // hm and fz keep their values.
        if (zn == 0 || angle == 0) {
            RecomputeRemovalAndPower();
            return;
        }
        const long double feed = num(results.feedRate) / zn;
        chip = MeanChipThickness(static_cast<double>(d), static_cast<double>(ae),
                                 static_cast<double>(feed), angle, g->kappa);
    }
    chipThicknessCopy.setText(text(chip));
    chipThickness.setText(text(chip));
    chipThicknessBar.setup(0, 10000, RoundAsShown(chip, 4));
    settingAngle.setText(WriteWhole(g->kappa));
    if (ae > 0) {
        toothFeed.setText(text(FeedFromChipThickness(
            static_cast<double>(d), static_cast<double>(ae), chip, angle, g->kappa)));
    } else {
        // No width, no feed: Vf follows the fz of 0 it shows.
        toothFeed.setText("0");
        RecomputeSpeedAndFeed();
    }
    RecomputeRemovalAndPower();
}

void MillingPage::ChipThicknessBarMoved() {
    chipThicknessBar.setup(0, 10000, chipThicknessBar.position());
    chipThicknessBar.smallStep = 1;
    chipThicknessBar.largeStep = 100;
    const long double chip = chipThicknessBar.position() / 10000.0L;
    chipThickness.setText(text(chip));
    const double setting = num(settingAngle);
    const double angle = num(engagementAngle);
    const double ae = num(width);
    // Without an engagement there is no feed that gives this hm.
    if (ae == 0 || angle == 0) return;
    const double feed = FeedFromChipThickness(static_cast<double>(listNumber(diameterList, 0)), ae,
                                              static_cast<double>(chip), angle, setting);
    if (!std::isfinite(feed)) return;
    toothFeed.setText(text(feed));
    RecomputeSpeedAndFeed();
    RecomputeRemovalAndPower();
}

void MillingPage::MaterialButtonClicked() {
    OpenMaterialDialog(shell());
}

// ---- start-up and hints

void MillingPage::startUp() {
    auto& s = shell().state;
    s.forceDialogMode = 1;
    s.maxDepthOfCut = 125;
    toolList.select(0);
    coatingList.select(0);
    s.millingGroupSet = 1;
    normalButton.setDown(true);
    hssButton.setDown(true);
    CuttingMaterialChanged(kHss);
    ApplyGroupAvailability();
    depthMax.caption = WriteWhole(s.maxDepthOfCut);
    s.lengthReduction = 0;
    s.speedIncreasePercent = 50;
    ToolTypeChanged();
    groupButtons[0].setDown(true);
    MaterialGroupChanged(1, false);
    results.kc.setText("1240");
    width.setText("2");
    RecomputeSpeedAndFeed();
    RecomputeRemovalAndPower();
    RecomputeEngagement();
}

void MillingPage::assignHints() {
    width.hint = "Eingriffsgröße (Fräsbreite) ae in mm";
    depth.hint = "Schnittiefe ap in mm";
    chipThickness.hint = "Mittlere Spanungsdicke hm in mm";
    results.assignHints();
    normalButton.hint = "Fräserschneidenlänge <= 45 mm";
    longButton.hint = "Fräserschneidenlänge > 45 und <= 75 mm";
    extraLongButton.hint = "Fräserschneidenlänge > 75 mm";
    hssButton.hint = kHintHss;
    wpButton.hint = "Wendeplatte";
    vhmButton.hint = "Vollhartmetall";
    teethList.hint = "Fräserzähnezahl";
    diameterList.hint = "Fräserdurchmesser";
    coatingList.hint = "Schneidstoff bzw. Beschichtung des Fräsers";
    toolList.hint = "Ausführung des Fräsers";
    toothFeed.hint = "Vorschub pro Zahn fz in mm pro Zahn";
    cuttingSpeed.hint = "Schnittgeschwindigkeit in mm pro Minute";
    speedIncrease.hint = kHintSpeedIncrease;
    materialButton.hint = "Werkstoffauswahl";
    widthBar.hint = "Eingriffsgrößenschieber";
    depthBar.hint = "Schnittiefenschieber";
    chipThicknessBar.hint = "Spanungsdickenschieber";
    speedBar.hint = kHintSpeedBar;
    groupText.hint = kHintMaterialList;

    static constexpr std::string_view kSevenGroups[11] = {
        "Bau-,Einsatz-,Nitrier-,Automaten-,Vergütungsstähle",
        "Warmfeste Stähle, Vergütungs- und Werkzeugstähle",
        "Leg. Stähle bis 1400 N/mm2, Schnellarb.Stähle",
        "Schwer zerspanbares Material, Ti- und Ni-Leg.",
        "Reines Alu, nicht ausgehärtetes Alu",
        "Alu-Guß bis 6% Si, ausgehärtetes Alu",
        "Alu-Guß über 6% Si, Kupfer/Messing, Kupferleg.",
        "Keine Belegung",
        "Keine Belegung",
        "Keine Belegung",
        "Keine Belegung",
    };
    static constexpr std::string_view kElevenGroups[11] = {
        "Bau-,Einsatz-,Nitrier-,Automaten-,Vergütungsstähle",
        "Warmfeste Stähle, Vergütungs- und Werkzeugstähle",
        "Leg. Stähle bis 1400 N/mm2, Schnellarb.Stähle",
        "Gut zerspanbare, rostfreie Stähle bis 700 N/mm2",
        "Schlecht zerspanbare, rostfreie Stähle bis 1000 N/mm2",
        "Schwer zerspanbares Material, Ti- und Ni-Leg.",
        "Guß bis 200 HB",
        "Guß über 200 HB",
        "Alu-Guß bis 6% Si, ausgehärtetes Alu",
        "Alu-Guß über 6% Si, Kupfer/Messing, Kupferleg.",
        "Gehärtete Werkstoffe bis 68 HRC",
    };
    const auto& texts = shell().state.millingCuttingMaterial == kVhm ? kElevenGroups : kSevenGroups;
    for (size_t i = 0; i < groupButtons.size(); ++i)
        groupButtons[i].hint = std::string(texts[i]);
}

} // namespace zerbo
