#pragma once

// What kind of print job the view's printing operations are part of.
struct CPrintInfo {
    bool m_bDirect = false;   // printed at once on the default printer, without the print dialog
    bool m_bPreview = false;  // drawn into the print preview
};
