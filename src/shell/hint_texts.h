// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Hint texts that several pages give their controls alike.

namespace zerbo {

// Results
inline constexpr const char* kHintSpindleSpeed = "Drehzahl n in Umdrehungen pro Minute";
inline constexpr const char* kHintFeedRate = "Vorschubgeschwindigkeit Vf in mm pro Minute";
inline constexpr const char* kHintFeedPerRevolution = "Vorschubgeschwindigkeit Vf in mm pro Umdrehung";
inline constexpr const char* kHintCuttingSpeed = "Schnittgeschwindigkeit Vc in Meter pro Minute";
inline constexpr const char* kHintSpecificForce = "Spezifische Schnittkraft kc 1,1 in N/mm2 bezogen auf h=b= 1 mm";
inline constexpr const char* kHintRemovalRate = "Zeitspanvolumen Q in cm3 pro Minute";
inline constexpr const char* kHintPower = "Erforderliche Maschinenleistung Pe in Kilowatt";

// Bars, buttons, lists and memos
inline constexpr const char* kHintSpeedBar = "Schnittgeschwindigkeitsschieber";
inline constexpr const char* kHintFeedBar = "Vorschubschieber";
inline constexpr const char* kHintHss = "Hochleistungsschnellschnittstahl";
inline constexpr const char* kHintCuttingMaterial = "Schneidstoff bzw. Beschichtung";
inline constexpr const char* kHintCoolant = "Kühlmittelsortenfenster";
inline constexpr const char* kHintMaterialList = "Werkstoffsortenfenster";

// Raising the cutting speed by a percentage
inline constexpr const char* kHintSpeedIncrease = "Erhöhung der Schnittgeschwindigkeit in %";
inline constexpr const char* kHintSpeedStepDown = "Schnittgeschwindigkeit in 1%-Schritten reduzieren";
inline constexpr const char* kHintSpeedStepUp = "Schnittgeschwindigkeit in 1%-Schritten erhöhen";
inline constexpr const char* kHintFeedStepDown = "Vorschub in 1%-Schritten reduzieren";
inline constexpr const char* kHintFeedStepUp = "Vorschub in 1%-Schritten erhöhen";

} // namespace zerbo
