// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "advisor/advisor_dialog.h"

#include <string_view>
#include <vector>

namespace zerbo::advisor {

AdvisorDialog::AdvisorDialog(Shell& shell) : ControlSet(shell) {
    add(Label1);
    add(Label2);
    add(ComboBox1);
    add(Memo1);
    add(OKBtn);
    add(CancelBtn);
    add(HelpBtn);

    Label1.caption = "Reibfehler:";
    Label2.caption = "Fehlerquellen und Lösungsmöglichkeit:";
    OKBtn.caption = "Beenden";
    CancelBtn.visible = false;
    HelpBtn.visible = false;

    ComboBox1.onChange = [this] { showSelectedFault(); };
    OKBtn.onClick = [this] { close(); };
}

bool AdvisorDialog::openFor(int pageIndex) {
    const Section* section = SectionForPage(pageIndex);
    if (section == nullptr) return false;

    section_ = section;
    boundPage_ = pageIndex;
    caption = std::string(section->caption);
    Label1.caption = std::string(section->faultLabel);
    Label2.caption = std::string(kHeading);

    std::vector<std::string> items;
    items.reserve(section->faults.size());
    for (const Fault& f : section->faults)
        items.emplace_back(f.text);
    ComboBox1.fill(std::move(items));
    showSelectedFault();

    visible = true;
    return true;
}

void AdvisorDialog::close() {
    visible = false;
}

void AdvisorDialog::showSelectedFault() {
    Memo1.lines.clear();
    // Nothing selected (or nothing filled yet) leaves the memo empty.
    if (section_ == nullptr) return;
    for (std::string_view line : EntryForFault(*section_, ComboBox1.index()))
        Memo1.lines.emplace_back(line);
}

} // namespace zerbo::advisor
