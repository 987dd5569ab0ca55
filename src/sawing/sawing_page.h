// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The "Sägen" page: cutting off round stock with an HSS circular saw blade.
// From the blade (diameter, teeth, thickness), the material, the workpiece
// diameter, the specific cutting area and the cutting speed the page
// computes n, fz, Vf, Q and Pe, and shows kc1.1 and the coolant to use.

#include "sawing/sawing_data.h"
#include "shell/control_set.h"

#include <cstdint>
#include <string>

namespace zerbo {

class SawingPage : public PageModel {
  public:
    explicit SawingPage(Shell& shell);

    // Blade
    List bladeDiameterList{"ComboBox1"}; // "Durchmesser:"
    List bladeTypeList{"ComboBox2"};     // "Sägeblattart:"
    List teethList{"ComboBox9"};         // "Zähnezahl:"
    List thicknessList{"ComboBox10"};    // "Stärke:"
    Button hssButton{"SpeedButton4"};    // "HSS", always down
    Button hmButton{"SpeedButton11"};    // "HM", hidden
    ButtonGroup cuttingMaterialButtons;

    // Workpiece
    List materialList{"ComboBox3"}; // "Werkstoff:"
    List depthList{"ComboBox4"};    // "Schnittiefe:", hidden
    Memo coolant{"Memo1"};          // "Kühl- bzw. Schmiermittel:"

    // Workpiece diameter Dw, 1..Ds
    Bar workpieceBar{"ScrollBar18"};
    Field workpiece{"Edit62"};
    Label workpieceMin{"Label172"}; // "1"
    Label workpieceMax{"Label173"}; // Ds

    // Specific cutting area A (x1000)
    Bar areaBar{"ScrollBar19"};
    Field area{"Edit63"};
    Label areaMin{"Label176"};
    Label areaMax{"Label177"};

    // Cutting speed Vc
    Bar speedBar{"ScrollBar5"};
    Field cuttingSpeed{"Edit16"};
    Label speedMin{"Label34"};
    Label speedMax{"Label36"};

    // Feed-rate range; hidden for the circular saw blade
    Bar feedRateBar{"ScrollBar6"};
    Label feedRateMin{"Label51"};
    Label feedRateMax{"Label52"};

    // Results ("Ergebnis:")
    Field spindleSpeed{"Edit17"}; // n
    Field toothFeed{"Edit18"};    // fz
    Field feedRate{"Edit19"};     // Vf
    Field kc11{"Edit20"};         // kc1.1
    Field removalRate{"Edit21"};  // Q
    Field power{"Edit22"};        // Pe

    void startUp() override;
    bool hasAdvisor() const override { return true; }
    void assignHints() override;

    // Working values of the last recomputation that are not shown.
    double engagementAngle() const { return phi_; } // degrees
    double arcOfContact() const { return arc_; }    // mm
    double teethInContact() const { return ze_; }

  private:
    // Handlers
    void MaterialChanged();
    void BladeDiameterChanged();
    void BladeTypeChanged();
    void SpeedBarMoved();
    void WorkpieceBarMoved(); // Dw
    void AreaBarMoved();      // A
    void FeedRateBarMoved();

    // Steps
    void ShowCoolant();
    void SetBarsFromTables();       // Vc, A and feed-rate bars in their ranges
    void RecomputeSpindleSpeed();   // n
    void LookUpForceData();         // kc1.1 and mc
    void RecomputeEngagement();     // angle and arc of contact
    void RecomputeToothFeed();      // fz
    void RecomputeTeethInContact(); // ze
    void RecomputeCuttingPower();   // kc, Fc and Pe
    void RecomputeFeedRate();       // Vf
    void RecomputeRemovalRate();    // Q
    // The recomputation every change of an input runs: kc1.1 to Q in order.
    void RecomputeChain();
    void ApplyBladePreset();
    void SetWorkpieceBounds();

    // Inputs as the steps read them.
    const SawMaterial* material() const;
    std::int32_t whole(const std::string& text) const;
    std::int32_t bladeDiameter() const { return whole(bladeDiameterList.text()); }
    std::int32_t teeth() const { return whole(teethList.text()); }
    double thickness() const { return shell().numbers.parse(thicknessList.text()); }
    // The depth class in use (the list stays on its first item).
    size_t depthClass() const;

    std::int32_t kc11_ = 0; // N/mm²
    double mc_ = 0;
    double phi_ = 0;
    double arc_ = 0;
    double ze_ = 0;
    double kc_ = 0; // N/mm²
    double fc_ = 0; // N
};

} // namespace zerbo
