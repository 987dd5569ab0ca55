// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The "Drehen" page: cutting data for external turning, boring and parting
// off with HSS or indexable inserts. One looked-up row gives the cutting
// material, the coolant and the ranges of Vc, feed and depth of cut; the
// page puts each value in the middle of its range on a scroll bar and
// computes n, Q and Pe from them.

#include "shell/control_set.h"
#include "turning/turning_data.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace zerbo {

class TurningPage : public PageModel {
  public:
    // Positions in the operation list.
    enum Operation { kExternal = 0, kBoring = 1, kParting = 2 };

    explicit TurningPage(Shell& shell);

    // Cutting-material group ("Schneidstoffgruppe:")
    Button hssButton{"SpeedButton22"}; // "HSS"
    Button wpButton{"SpeedButton23"};  // "WP"
    ButtonGroup cuttingMaterialButtons;

    // Operation ("Bearbeitungsart:") and the shank / parting-width list
    List operationList{"ComboBox26"};
    List shankList{"ComboBox19"};
    Label shankLabel{"Label158"}; // "Schaftd.:" or "Stechbr.:"

    // Overhang of the boring bar
    Bar overhangBar{"ScrollBar16"};
    Field overhang{"Edit60"};
    Label overhangCaption{"Label159"}; // "Überhang:"
    Label overhangUnit{"Label160"};    // "mm"
    Label overhangMin{"Label161"};     // "0"
    Label overhangMax{"Label162"};     // overhang maximum

    // Machining classes 1..5 (glyph buttons, named by their hints)
    std::array<Button, 5> classButtons{Button{"SpeedButton26"}, Button{"SpeedButton27"},
                                       Button{"SpeedButton28"}, Button{"SpeedButton29"},
                                       Button{"SpeedButton30"}};
    ButtonGroup machiningClassButtons;

    // Material groups 1..11 ("Werkstoffgruppe:") and the group description
    std::array<Button, 11> groupButtons{
        Button{"SpeedButton31"}, Button{"SpeedButton32"}, Button{"SpeedButton38"},
        Button{"SpeedButton39"}, Button{"SpeedButton40"}, Button{"SpeedButton41"},
        Button{"SpeedButton42"}, Button{"SpeedButton43"}, Button{"SpeedButton44"},
        Button{"SpeedButton45"}, Button{"SpeedButton46"}};
    ButtonGroup materialGroupButtons;
    Memo groupText{"Memo6"};

    // Workpiece diameter D
    Bar diameterBar{"ScrollBar17"};
    Field diameter{"Edit61"};
    Label diameterCaption{"Label165"}; // "Werkstückdurchm.:"
    Label diameterMin{"Label163"};     // "0"
    Label diameterMax{"Label164"};     // "1000"
    Label diameterUnit{"Label166"};    // "mm"

    // Cutting speed Vc ("Schnittgeschw. Vc:")
    Bar speedBar{"ScrollBar11"};
    Field cuttingSpeed{"Edit45"};
    Label speedUnit{"Label125"};       // "m/Min"
    Label speedMinCaption{"Label132"}; // "min"
    Label speedMaxCaption{"Label133"}; // "max"
    Label speedMin{"Label134"};
    Label speedMax{"Label135"};

    // Feed per revolution f ("Vorschub Vf:")
    Bar feedBar{"ScrollBar10"};
    Field feed{"Edit44"};
    Label feedUnit{"Label124"};       // "mm/U"
    Label feedMinCaption{"Label127"}; // "min."
    Label feedMaxCaption{"Label128"}; // "max."
    Label feedMin{"Label129"};
    Label feedMax{"Label130"};

    // Depth of cut ap ("Schnittiefe/Werkstückdurchm.:")
    Bar depthBar{"ScrollBar15"}; // vertical
    Field depth{"Edit59"};
    Label depthCaption{"Label157"}; // "ap:"
    Label depthMin{"Label120"};
    Label depthMax{"Label121"};

    // Results ("Ergebnis:")
    Field spindleSpeed{"Edit46"};
    Field kc{"Edit47"};
    Field power{"Edit48"};
    Field removalRate{"Edit49"};
    Field coolant{"Edit57"};
    Field cuttingMaterial{"Edit58"};
    Label spindleSpeedCaption{"Label137"};    // "n in U/Min.:"
    Label kcCaption{"Label138"};              // "kc in N/mm²"
    Label powerCaption{"Label139"};           // "Pe in kW:"
    Label removalRateCaption{"Label140"};     // "Q in cm³/Min.:"
    Label coolantCaption{"Label136"};         // "Kühlung:"
    Label cuttingMaterialCaption{"Label119"}; // "Schneidstoff:"
    Button materialButton{"SpeedButton24"};   // "Werkstoff"

    void startUp() override;
    void entered() override;
    int materialGroup() const override;
    bool hasAdvisor() const override { return true; }
    void assignHints() override;

    // Pe from ap, f, kc and Vc; also run after a kc hand-over and whenever
    // the milling or the turning page is entered.
    void RecomputeTurningPower();
    void RecomputeTurningSpeed();
    void RecomputeTurningRemoval();

    bool shortOverhang() const { return shortOverhang_; }
    int operation() const { return operationList.index(); }
    bool hss() const { return hssButton.down(); }

  private:
    // Handlers
    void HssButtonClicked(); // "HSS"
    void WpButtonClicked();  // "WP"
    void OperationChanged();
    void ShankChanged(); // shank diameter / parting width
    // A group button 1..11; the start-up calls it from
    // code (fromButton false), which only sets the group and its text.
    void MaterialGroupChanged(int group, bool fromButton);
    void MachiningClassChanged(int machiningClass); // 1..5
    void MaterialButtonClicked();                   // "Werkstoff"
    void FeedBarMoved();
    void SpeedBarMoved();
    void DepthBarMoved();
    void DiameterBarMoved();
    void OverhangBarMoved();

    // Steps
    void FillOperationList();
    void ApplyClassAvailability();
    void LookUpTurningData();
    void ApplyShank();
    void SetFeedBar();
    void SetSpeedBar();
    void SetDepthBar();
    void SetOverhangBar();
    void SetDiameterBar();
    void showGroupDescription();
    void refreshHints();
    void recomputeResults(); // n, Q, Pe

    std::optional<TurningRow> findRow() const;
    void enableClasses(std::initializer_list<int> classes, int defaultClass);
    double labelValue(const Label& label) const;

    // The feed and speed ranges of the last lookup that found a row; the
    // shared speed range may since have been written by another page.
    double feedMin_ = 0;
    double feedMax_ = 0;
    std::int32_t vcMin_ = 0;
    std::int32_t vcMax_ = 0;
    // Overhang below 4 x shank diameter: the short-overhang boring table.
    bool shortOverhang_ = true;
};

} // namespace zerbo
