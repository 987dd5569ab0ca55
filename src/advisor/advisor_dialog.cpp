// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "advisor/advisor_dialog.h"

#include <string_view>
#include <vector>

namespace zerbo::advisor {

AdvisorDialog::AdvisorDialog(Shell& shell) : ControlSet(shell) {
    add(faultCaption);
    add(adviceCaption);
    add(faultList);
    add(advice);
    add(okButton);
    add(cancelButton);
    add(helpButton);

    faultCaption.caption = "Reibfehler:";
    adviceCaption.caption = "Fehlerquellen und Lösungsmöglichkeit:";
    okButton.caption = "Beenden";
    cancelButton.visible = false;
    helpButton.visible = false;

    faultList.onChange = [this] { showSelectedFault(); };
    okButton.onClick = [this] { close(); };
}

bool AdvisorDialog::openFor(int pageIndex) {
    const Section* section = SectionForPage(pageIndex);
    if (section == nullptr) return false;

    section_ = section;
    boundPage_ = pageIndex;
    caption = std::string(section->caption);
    faultCaption.caption = std::string(section->faultLabel);
    adviceCaption.caption = std::string(kHeading);

    std::vector<std::string> items;
    items.reserve(section->faults.size());
    for (const Fault& f : section->faults)
        items.emplace_back(f.text);
    faultList.fill(std::move(items));
    showSelectedFault();

    visible = true;
    return true;
}

void AdvisorDialog::close() {
    visible = false;
}

void AdvisorDialog::showSelectedFault() {
    advice.lines.clear();
    // Nothing selected (or nothing filled yet) leaves the memo empty.
    if (section_ == nullptr) return;
    for (std::string_view line : EntryForFault(*section_, faultList.index()))
        advice.lines.emplace_back(line);
}

} // namespace zerbo::advisor
