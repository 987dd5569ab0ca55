// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The milling page "Fräsen": cutting material, tool, material group and
// engagement in; recommended fz and Vc, n, Vf, Q, Pe, hm and the engagement
// angle out.

#include "shell/control_set.h"
#include "shell/result_block.h"

#include <array>
#include <cstdint>

namespace zerbo {

class MillingPage : public PageModel {
  public:
    explicit MillingPage(Shell& shell);
    ~MillingPage() override;

    // ---- page model

    void startUp() override;
    int materialGroup() const override { return shell().state.millingMaterialGroup; }
    bool hasAdvisor() const override { return true; }
    void assignHints() override;

    // ---- recomputation steps

    // Looks up fz, Vc and the speed range for the selection, then derives n,
    // Vf and the speed bar.
    void LookUpCuttingData();
    // n and Vf from Vc, D, fz and z; the range labels.
    void RecomputeSpeedAndFeed();
    // Q and Pe from ap, ae, Vf and kc (only while ae has a value).
    void RecomputeRemovalAndPower();
    // hm and its bar from the shown ae, engagement angle, setting angle, D
    // and fz, after a step rewrote fz; ae itself stays.
    void RecomputeChipThickness();
    // ae, the engagement angle and hm from the tool type and D.
    void RecomputeEngagement();
    void SetDefaultDepthOfCut();
    // Puts Vc in the middle of the (reduced) recommended range.
    void RecentreSpeedBar();
    // Picks the cutter length for a depth of cut in mm.
    void SelectLengthByDepth(int depth);
    void ResetLengthToNormal();
    void UpdateIncreaseControls();
    void FillCoatingList();
    void ShowGroupAndLookUp();
    void ApplyGroupAvailability();

    // ---- event handlers (the user entry points run them)

    // 1 HSS, 2 WP, 3 VHM.
    void CuttingMaterialChanged(int material);
    void ToolTypeChanged();
    // A group button 1..11; `fromButton` is false when the page presses it.
    void MaterialGroupChanged(int group, bool fromButton);
    void CoatingChanged();
    void TeethChanged();
    void DiameterChanged();
    void SpeedBarMoved();
    // "▼" (-1) or "▲" (+1) of the speed increase.
    void SpeedIncreaseClicked(int direction);
    // f = 0, 2/3 or 3/4 for "Normal", "Lang", "Überlang".
    void CutterLengthChanged(double reduction);
    void DepthBarMoved();
    void WidthBarMoved();
    void ChipThicknessBarMoved();
    void MaterialButtonClicked();

    // ---- controls, by component name

    // "Schneidstoffgruppe:"
    Button hssButton{"SpeedButton20"};
    Button wpButton{"SpeedButton21"};
    Button vhmButton{"SpeedButton25"};
    ButtonGroup cuttingMaterialButtons;

    List toolList{"ComboBox5"};
    List coatingList{"ComboBox7"};
    List teethList{"ComboBox6"};
    List diameterList{"ComboBox8"};

    // "Fräserlänge:"; hidden for indexable inserts.
    Button normalButton{"SpeedButton1"};
    Button longButton{"SpeedButton2"};
    Button extraLongButton{"SpeedButton3"};
    ButtonGroup lengthButtons;

    // "Werkstoffgruppe:": buttons "1".."11" and the group description.
    std::array<Button, 11> groupButtons{
        Button{"SpeedButton5"},  Button{"SpeedButton6"},  Button{"SpeedButton7"},
        Button{"SpeedButton8"},  Button{"SpeedButton9"},  Button{"SpeedButton10"},
        Button{"SpeedButton16"}, Button{"SpeedButton47"}, Button{"SpeedButton48"},
        Button{"SpeedButton49"}, Button{"SpeedButton50"}};
    ButtonGroup materialGroupButtons;
    Memo groupText{"Memo2"};

    Field toothFeed{"Edit8"};
    Field cuttingSpeed{"Edit9"};
    Bar speedBar{"ScrollBar2"};
    Label speedMin{"Label29"};
    Label speedMax{"Label30"};

    // "Steigerung": the speed increase for indexable inserts in group 5.
    Field speedIncrease{"Edit7"};
    Button speedIncreaseDown{"SpeedButton14"};
    Button speedIncreaseUp{"SpeedButton15"};
    Label speedIncreaseCaption{"Label35"};

    Field width{"Edit14"};
    Bar widthBar{"ScrollBar1"};
    Label widthMin{"Label1"};
    Label widthMax{"Label2"};

    Field chipThickness{"Edit4"};
    Bar chipThicknessBar{"ScrollBar4"};
    Label chipThicknessMin{"Label10"};
    Label chipThicknessMax{"Label11"};

    Field depth{"Edit12"};
    Bar depthBar{"ScrollBar3"};
    Label depthMin{"Label39"};
    Label depthMax{"Label40"};

    // "Ergebnis:"
    ResultBlock results{"Edit6", "Edit5", "Edit13", "Edit11", "Edit10"};
    Button materialButton{"SpeedButton19"};

    // Hidden working fields.
    Field engagementAngle{"Edit3"};
    Field settingAngle{"Edit1"};
    Field chipThicknessCopy{"Edit2"};

    // The data routines hand the range they found here: it becomes the
    // page's own recommendation and is written to the shared range too.
    // The bar and its labels read only the page's own range, so a range
    // another page looked up since never shows here.
    void setSpeedRange(std::int32_t min, std::int32_t max);
    // The data routines write the recommended Vc here: while a cutter-length
    // reduction is set, the field shows the reduced speed, which n and Vf
    // are computed from.
    void setRecommendedSpeed(std::string text);

  private:
    // Width factor, setting angle and depth default of the selected tool type.
    const struct MillingToolGeometry* geometry() const;
    // The recommended range reduced by the cutter-length factor (1 - f).
    int reducedMin() const;
    int reducedMax() const;
    // A list entry as a number; `fallback` when the list shows nothing.
    long double listNumber(const List& list, long double fallback) const;
    void pressLength(Button& button, double reduction);
    void showIncreaseControls(bool shown);
    // Q, Pe and hm for a feed that changed while ae stayed.
    void followFeed();
    // The steps of a diameter change when a list refill changed D.
    void followSizeRefill(const std::string& previousDiameter);

    // The range of this page's last look-up that found one, m/min.
    std::int32_t vcMin_ = 0;
    std::int32_t vcMax_ = 0;
};

} // namespace zerbo
