// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/print/print_preview.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>

extern "C" Q_DECL_EXPORT int zerbo_print_preview(QWidget* parent, const char* title,
                                                 ZerboPaintDocument paint, void* document) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromUtf8(title));
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [paint, document](QPrinter* device) { paint(device, document); });
    return preview.exec() == QDialog::Accepted ? 1 : 0;
}

// The declaration and the definition must agree.
[[maybe_unused]] static constexpr ZerboPrintPreview kChecked = &zerbo_print_preview;
