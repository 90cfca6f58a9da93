#pragma once

#include <filesystem>

#include "core/print_document.h"
#include "core/result.h"

#include <QFont>
#include <QPagedPaintDevice>

namespace wazenie {

// The font of a run; "Courier New", "Times New Roman" and "Arial" fall back to the metric-compatible
// Liberation fonts so that the fixed-width layout holds where the originals are not installed.
QFont qt_font(const PrintFont& font);

// Paints the document's lines from the top of the device's printable area, a new page when a line no
// longer fits. Text is measured with the device's own font metrics. False when the device could not
// be painted on or the job did not finish.
bool paint_document(const PrintDocument& document, QPagedPaintDevice& device);

// The document as a PDF file (A4, its orientation, 10 mm margins: the 80 columns of the WZ fit); needs a
// QGuiApplication. Written to a work file beside it and renamed over it only when complete, so a full
// disk leaves no truncated document under the name asked for.
Status write_pdf(const PrintDocument& document, const std::filesystem::path& file);

}  // namespace wazenie
