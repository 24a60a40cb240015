// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPrinter>

#include <memory>

// What kind of print job the view's printing operations are part of.
struct CPrintInfo {
    bool m_bDirect = false;   // printed at once, without the print dialog
    bool m_bPreview = false;  // drawn into the print preview
    // The printer a direct job prints on, made by OnPreparePrinting from the application's
    // printer, which stays as it was.
    std::unique_ptr<QPrinter> m_pDirectPrinter;
};
