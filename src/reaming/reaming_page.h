// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The "Reiben" page: cutting data for reaming. The user picks HSS or
// carbide, the reamer type, its cutting material, the nominal diameter and
// the workpiece material; the page shows the cutting-speed range on a bar in
// tenths of m/min, the feed per revolution, the reaming allowance and the
// coolant, and computes n, Vf, Q and Pe. Coated HSS machine reamers may run
// faster by an adjustable percentage, peeling reamers always by 50 % and
// with a raised allowance.

#include "reaming/reaming_data.h"
#include "shell/control_set.h"
#include "shell/percent_step.h"
#include "shell/result_block.h"

#include <string>
#include <string_view>

namespace zerbo {

class ReamingPage : public PageModel {
  public:
    explicit ReamingPage(Shell& shell);

    // Cutting-material group ("Schneidstoffgruppe:")
    Button hssButton{"SpeedButton12"}; // "HSS"
    Button hmButton{"SpeedButton13"};  // "HM"
    ButtonGroup cuttingMaterialButtons;

    List toolList{"ComboBox16"};            // "Werkzeugtyp:"
    List cuttingMaterialList{"ComboBox17"}; // "Schneidstoff bzw.Beschichtung:"
    List diameterList{"ComboBox18"};        // "Durchm.:"
    List materialList{"ComboBox20"};        // "Werkstoff:"

    // Cutting speed Vc ("Schnittgeschw. Vc:"), in tenths of m/min on the bar
    Bar speedBar{"ScrollBar8"};
    Field cuttingSpeed{"Edit31"};
    Label speedMin{"Label90"};
    Label speedMax{"Label91"};
    // Vc increase of coated machine reamers, 0..50 %
    PercentStep speedStep{"SpeedButton34", "Edit52", "SpeedButton33", 0, 50};

    // Feed f ("Vorschub f:") and its increase bar, 0..100 %
    Field feed{"Edit30"};
    Bar feedBar{"ScrollBar13"};
    Label feedMin{"Label92"};         // "0"
    Label feedMax{"Label93"};         // "100"
    Label feedPercentUnit{"Label94"}; // "%"
    Label feedMinCaption{"Label95"};  // "min"
    Label feedMaxCaption{"Label96"};  // "max"

    // Reaming allowance ("Reibaufmaß:") and its increase ("Erhöhung:")
    Field allowance{"Edit51"};
    Label allowanceIncreaseCaption{"Label97"}; // "Erhöhung:"
    // Shown for the peeling reamers only; the others show "0%".
    PercentStep allowanceStep{"SpeedButton35", "Edit53", "SpeedButton36", 50, 100};

    // Results ("Ergebnis:")
    ResultBlock results{"Edit32", "Edit33", "Edit34", "Edit35", "Edit36"};
    Memo coolant{"Memo4"}; // "Kühl- und Schmiermittel:"

    void startUp() override;
    bool hasAdvisor() const override { return true; }
    void assignHints() override;

    reaming::Group group() const {
        return hmButton.down() ? reaming::Group::Hm : reaming::Group::Hss;
    }
    // The Vc increase in percent that the speed range is raised by.
    int speedIncrease() const { return speedIncrease_; }
    // The speed range of the page's own last lookup, m/min.
    reaming::SpeedRange speedRange() const { return range_; }

  private:
    // Handlers
    void CuttingMaterialChanged(); // "HSS" or "HM"
    void MaterialChanged();
    void ToolTypeChanged();
    void CoatingChanged();
    void DiameterChanged();
    void SpeedBarMoved();
    void FeedBarMoved();
    void SpeedIncreaseClicked(int delta);     // "+" or "−" of the Vc increase
    void AllowanceIncreaseClicked(int delta); // "+" or "−" of the allowance increase

    // Steps
    void FillMaterialList();
    void LookUpForce();
    void ShowCoolant();
    void FillToolList();
    void FillCuttingMaterialList();
    void FillDiameterList();
    // Returns whether the range differs from the one looked up before.
    bool LookUpSpeed();
    void SetSpeedRange();
    void LookUpFeed();
    void ResetFeedBar();
    void ApplyVisibility();
    void ComputeFeedRate();
    void ComputeSpindleSpeed();
    void ComputeAllowance();
    void ComputeRemovalRate();
    void ComputePower();

    double diameter() const;
    // The allowance the removal rate and the power use: the upper end of a range.
    double workingAllowance() const;
    std::string raisedAllowance(std::string_view value) const;

    // Vc increase in force: the shown percentage, 50 or 0 (see ApplyVisibility).
    int speedIncrease_ = 0;
    reaming::SpeedRange range_;
    std::string tableFeed_;
};

} // namespace zerbo
