#pragma once

#include "reports/ReportDocument.h"
#include "reports/ReportPage.h"

#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace korbelant {

// Draws laid-out report pages onto a paged paint device: a PDF writer or a printer. The device
// gets the document's A4 orientation without margins, since the pages carry their own.
// Needs a QGuiApplication (fonts).
class ReportPainter
{
public:
    static void preparePageLayout(QPagedPaintDevice& device, ReportDocument::Orientation orientation);
    // Returns false when the device cannot be painted on.
    static bool paint(const std::vector<ReportPage>& pages, QPagedPaintDevice& device);
    // Draws one page with the painter already begun on the device.
    static void paintPage(const ReportPage& page, QPainter& painter, double dotsPerMm);
};

} // namespace korbelant
