#include "milling/milling_page.h"

namespace zerbo {

MillingPage::MillingPage(Shell& shell) : PageModel(shell, "Fräsen", 104) {
    const std::array<Button*, 3> materials{&hssButton, &wpButton, &vhmButton};
    const char* materialCaptions[] = {"HSS", "WP", "VHM"};
    for (size_t i = 0; i < materials.size(); ++i) {
        materials[i]->caption = materialCaptions[i];
        cuttingMaterialButtons.add(*materials[i]);
        add(*materials[i]);
    }
    add(toolType);
    add(coating);
    add(teeth);
    add(diameter);

    const std::array<Button*, 3> lengths{&normalButton, &longButton, &extraLongButton};
    const char* lengthCaptions[] = {"Normal", "Lang", "Überlang"};
    for (size_t i = 0; i < lengths.size(); ++i) {
        lengths[i]->caption = lengthCaptions[i];
        lengthButtons.add(*lengths[i]);
        add(*lengths[i]);
    }

    for (size_t i = 0; i < groupButtons.size(); ++i) {
        groupButtons[i].caption = std::to_string(i + 1);
        materialGroupButtons.add(groupButtons[i]);
        add(groupButtons[i]);
    }
    add(groupText);

    add(fz);
    add(vc);
    add(vcBar);
    add(vcMinLabel);
    add(vcMaxLabel);

    increaseLabel.caption = "Steigerung";
    add(increase);
    add(increaseDown);
    add(increaseUp);
    add(increaseLabel);

    aeMinLabel.caption = "0";
    add(ae);
    add(aeBar);
    add(aeMinLabel);
    add(aeMaxLabel);

    hmMinLabel.caption = "0";
    hmMaxLabel.caption = "1";
    add(hm);
    add(hmBar);
    add(hmMinLabel);
    add(hmMaxLabel);

    apMinLabel.caption = "0";
    apBar.vertical = true;
    add(ap);
    add(apBar);
    add(apMinLabel);
    add(apMaxLabel);

    materialButton.caption = "Werkstoff";
    materialButton.hint = "Genaue Werkstoffbezeichnung auswählen";
    pe.hint = "Erforderliche Maschinenleistung Pe";
    add(n);
    add(vf);
    add(kc);
    add(materialButton);
    add(q);
    add(pe);

    for (Field* f : {&phi, &kappa, &hmCopy}) {
        f->visible = false;
        add(*f);
    }
}

} // namespace zerbo
