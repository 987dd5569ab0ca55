// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The "Senken" page: cutting data for countersinking and counterboring with
// HSS countersinks. The type, size and material give the cutting-speed
// range, the feed per revolution, the cutting edges and the coolant; coated
// countersinks may run faster by a percentage. The page computes n, Vf, the
// removal rate over the cone (or the flat face) and the power.

#include "countersinking/countersink_data.h"
#include "shell/control_set.h"
#include "shell/percent_step.h"
#include "shell/result_block.h"

namespace zerbo {

class CountersinkingPage : public PageModel {
  public:
    explicit CountersinkingPage(Shell& shell);

    // Tool and workpiece
    List toolList{"ComboBox11"};     // "Werkzeugtyp:"
    List coatingList{"ComboBox12"};  // "Beschichtung:"
    List sizeList{"ComboBox13"};     // "Senkerdurchm/Größe:"
    List edgesList{"ComboBox14"};    // "Schneidenz.:"
    List materialList{"ComboBox15"}; // "Werkstoff:"
    List pilotList{"ComboBox31"};    // pilot or core-hole diameter d
    Label pilotCaption{"Label145"};  // "Zapfend.:"

    // Pre-drilled diameter d0 ("Vorgebohrt auf Durchmesser..:"), in tenths
    Bar preDrillBar{"ScrollBar12"};
    Field preDrill{"Edit50"};
    Label preDrillMin{"Label143"};
    Label preDrillMax{"Label144"};

    // Cutting speed Vc ("Schnittgeschw. Vc:"): whole m/min uncoated,
    // tenths for coated countersinks
    Bar speedBar{"ScrollBar7"};
    Field cuttingSpeed{"Edit24"};
    Label speedMin{"Label73"};
    Label speedMax{"Label74"};

    // Feed per revolution f ("Vorsch. pro Umdr. f:")
    Field feed{"Edit23"};

    // Feed and speed raises for coated countersinks, 0..30 %
    PercentStep feedStep{"SpeedButton57", "Edit66", "SpeedButton58", 0, 30};
    PercentStep speedStep{"SpeedButton59", "Edit67", "SpeedButton60", 0, 30};

    // Results
    ResultBlock results{"Edit25", "Edit26", "Edit27", "Edit28", "Edit29"};
    Memo coolant{"Memo3"}; // "Kühl- und Schmiermittel:"

    void startUp() override;
    void entered() override;
    void assignHints() override;

    bool coated() const { return coatingList.index() > 0; }
    int feedPercent() const { return feedStep.value(); }
    int speedPercent() const { return speedStep.value(); }

  private:
    // Handlers
    void MaterialChanged();
    void ToolTypeChanged();
    void SizeChanged();
    void CoatingChanged();
    void PilotChanged(); // pilot or core hole
    void SpeedBarMoved();
    void PreDrillBarMoved();
    void FeedIncreaseClicked(int direction);
    void SpeedIncreaseClicked(int direction);

    // Steps
    void FillSizes();
    void SetEdges();
    void FillCoatings();
    void ShowIncreaseControls();
    void ApplyVisibility();
    void FillPilots();
    void ShowCoolant();
    void LookUpSpeedRange();
    void SetFeed();
    void SetKc();
    void SetSpeedBar();
    void SetPreDrillBar();
    void RecomputeSpeed();
    void RecomputeFeedRate();
    void RecomputeRemoval();
    void RecomputePower();
    void recomputeResults(); // n, Vf, Q, Pe

    void showIncreases(bool visible);
    // The table rows of the selected type and material; null when none is
    // selected.
    const CountersinkType* typeRow() const;
    const CountersinkMaterial* materialRow() const;
    // D: the size item's text up to its first blank
    double diameter() const;
    double computedSpeed() const;

    // The speed range of this page's own last look-up; other pages write
    // the shared range too.
    int vcMin_ = 0;
    int vcMax_ = 0;
};

} // namespace zerbo
