// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The "Bohren" page: cutting data for drilling and boring out with HSS,
// carbide and indexable-insert tools. The tables give a feed text and a
// cutting-speed range for the chosen tool, coating, material and diameter;
// the page shows the tool information and the coolant, puts Vc (and a feed
// range) on scroll bars and computes n, Vf, Q and Pe. Coated HSS drills may
// run faster by adjustable percentages.

#include "drilling/drill_data.h"
#include "shell/control_set.h"
#include "shell/percent_step.h"
#include "shell/result_block.h"

#include <cstdint>
#include <string>

namespace zerbo {

class DrillingPage : public PageModel {
  public:
    explicit DrillingPage(Shell& shell);

    // Cutting-material group ("Schneidstoffgruppe:")
    Button hssButton{"SpeedButton17"};     // "HSS"
    Button carbideButton{"SpeedButton18"}; // "VHM/WP"
    ButtonGroup cuttingMaterialButtons;

    List toolList{"ComboBox21"};
    List coatingList{"ComboBox22"};
    List diameterList{"ComboBox23"};
    List materialList{"ComboBox25"};
    Label toolCaption{"Label100"};     // "Werkzeugtyp:"
    Label coatingCaption{"Label101"};  // "Schneidstoff bzw. Beschichtung:"
    Label diameterCaption{"Label102"}; // "Durchmesser:"
    Label materialCaption{"Label111"}; // "Zu bohrender Werkstoff:"

    // Tool information ("Werkzeugkenndaten:")
    Field edges{"Edit55"};
    Field info1{"Edit54"};
    Field info2{"Edit56"};
    Label edgesCaption{"Label103"}; // "Schneiden:"
    Label info1Caption{"Label146"}; // "Typ", "HM-Sorte" or "max. N"
    Label info2Caption{"Label151"}; // "Spitzenw.:", "min.Vorb.:" or "   max. V"

    // Cutting speed Vc ("Schnittgeschw. VC:")
    Bar speedBar{"ScrollBar9"};
    Field cuttingSpeed{"Edit38"};
    Label speedUnit{"Label167"};       // "m/min."
    Label speedMinCaption{"Label107"}; // "min."
    Label speedMaxCaption{"Label108"}; // "max."
    Label speedMin{"Label109"};
    Label speedMax{"Label110"};

    // Feed per revolution f ("Vorschub pro Umdr. f:")
    Bar feedBar{"ScrollBar14"};
    Field feed{"Edit37"};
    Label feedUnit{"Label168"};       // "mm/U"
    Label feedMinCaption{"Label153"}; // "min."
    Label feedMaxCaption{"Label154"}; // "max"
    Label feedMin{"Label155"};
    Label feedMax{"Label156"};

    // Feed (0..10 %) and speed (0..30 %) increase of coated HSS drills
    PercentStep feedStep{"SpeedButton53", "Edit64", "SpeedButton54", 0, 10};
    PercentStep speedStep{"SpeedButton55", "Edit65", "SpeedButton56", 0, 30};

    // Results ("Ergebnis:") and coolant
    ResultBlock results{"Edit39", "Edit40", "Edit41", "Edit43", "Edit42"};
    Memo coolant{"Memo5"};
    Label coolantCaption{"Label112"}; // "Kühl- bzw. Schmiermittel:"

    void startUp() override;
    bool hasAdvisor() const override { return true; }
    void assignHints() override;

    bool hss() const { return hssButton.down(); }
    // HSS with "TiN-beschichtet": the percent buttons apply.
    bool coatedHss() const { return hss() && coatingList.index() == 1; }
    DrillKeys keys() const;

    // The state the tables and the feed text leave behind.
    double ownFeedMin() const { return feedMin_; }
    double ownFeedMax() const { return feedMax_; }
    const std::string& feedText() const { return feedText_; }
    std::int32_t ownSpeedMin() const { return speedMin_; }
    std::int32_t ownSpeedMax() const { return speedMax_; }
    bool materialListByCoating() const { return materialListByCoating_; }
    std::int32_t gradeBaseForce() const { return gradeBaseForce_; }
    double gradeExponent() const { return gradeExponent_; }

  private:
    // Handlers
    void CuttingMaterialChanged(); // "HSS" or "VHM/WP"
    void ToolTypeChanged();
    void CoatingChanged();
    void MaterialChanged();
    void DiameterChanged();
    void SpeedBarMoved();
    void FeedBarMoved();
    // The "−" and "+" buttons of the feed and speed increases.
    void PercentClicked(PercentStep& percent, int direction, bool feed);

    // Steps
    void FillToolList();
    void FillDrillCoatings();
    void FillMaterialList();
    void FillDiameterList();
    void ApplyMaterialData();
    void ShowToolInfo();
    void ShowPercentButtons();
    void LookUpDrillFeed();
    void LookUpDrillSpeed();
    void SetDrillFeedBar();
    void SetDrillSpeedBar();
    void RecomputeDrillSpeed();
    void RecomputeFeedRate();
    void RecomputeDrillRemoval();
    void RecomputeDrillPower();
    void recomputeResults(); // n, Vf, Q, Pe
    // The feed steps after a material or diameter change, then the speed.
    void lookUpFeedAndSpeed();
    void refreshHints();

    double diameterValue() const;
    // The feed field as a number: 0 for "Hand" and for an empty field.
    double feedValue() const;
    void showFeedRange(bool visible);

    double feedMin_ = 0;
    double feedMax_ = 0;
    std::string feedText_;
    // The cutting-speed range of this page's last speed look-up that found
    // an entry (the shared range is written by every page).
    std::int32_t speedMin_ = 0;
    std::int32_t speedMax_ = 0;
    // The material list was last filled by a coating change of a DIN 6537
    // tool (or an HSS boring tool).
    bool materialListByCoating_ = false;
    std::int32_t gradeBaseForce_ = 0;
    double gradeExponent_ = 0;
};

} // namespace zerbo
