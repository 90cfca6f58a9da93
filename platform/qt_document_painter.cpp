#include "platform/qt_document_painter.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "platform/qt_text.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace wazenie {

namespace {

QStringList families(const std::string& name) {
    QStringList list{to_qt(name)};
    if (name == "Courier New") {
        list << "Liberation Mono";
    } else if (name == "Times New Roman") {
        list << "Liberation Serif";
    } else if (name == "Arial") {
        list << "Liberation Sans";
    }
    return list;
}

QFont::StyleHint style_hint(const std::string& name) {
    if (name == "Courier New") {
        return QFont::TypeWriter;
    }
    return name == "Times New Roman" ? QFont::Serif : QFont::AnyStyle;
}

QPageLayout::Orientation page_orientation(PageOrientation orientation) {
    return orientation == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// Underlines are drawn here rather than by the font: a run of blanks (the rules of the documents)
// must be underlined over its whole width, which text drawing does not promise for white space.
void paint_run(QPainter& painter, const PrintRun& run, const QFont& font, const QFontMetricsF& metrics,
               QPointF& pen) {
    QFont plain = font;
    plain.setUnderline(false);
    painter.setFont(plain);
    const QString text = to_qt(run.text);
    painter.drawText(pen, text);
    const double width = metrics.horizontalAdvance(text);
    if (run.font.underline && width > 0) {
        const double y = pen.y() + metrics.underlinePos();
        painter.fillRect(QRectF(pen.x(), y, width, std::max(metrics.lineWidth(), 1.0)), Qt::black);
    }
    pen.rx() += width;
}

// The file is complete once the writer is gone.
bool paint_pdf(const PrintDocument& document, const std::filesystem::path& file) {
    QPdfWriter writer(to_qt(file.string()));
    writer.setTitle(to_qt(document.title));
    writer.setCreator("Ważenie");
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), page_orientation(document.orientation),
                                     QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    return paint_document(document, writer);
}

// A PDF ends with its end-of-file marker; a write cut short by a full disk lacks it.
bool pdf_is_complete(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : 0;
    if (size < 8) {
        return false;
    }
    std::string tail(8, '\0');
    in.seekg(size - 8);
    in.read(tail.data(), 8);
    return in && tail.find("%%EOF") != std::string::npos;
}

}  // namespace

QFont qt_font(const PrintFont& font) {
    QFont f;
    f.setFamilies(families(font.name));
    f.setStyleHint(style_hint(font.name));
    f.setPointSizeF(font.size);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    return f;
}

bool paint_document(const PrintDocument& document, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    painter.setPen(Qt::black);
    const double page_height = device.height();
    PrintFont last_font;
    double top = 0;
    for (const PrintLine& line : document.lines) {
        double ascent = 0;
        double height = 0;
        std::vector<QFont> fonts;
        std::vector<QFontMetricsF> metrics;
        for (const PrintRun& run : line.runs) {
            fonts.push_back(qt_font(run.font));
            metrics.emplace_back(fonts.back(), &device);
            last_font = run.font;
        }
        if (line.runs.empty()) {
            fonts.push_back(qt_font(last_font));
            metrics.emplace_back(fonts.back(), &device);
        }
        for (const auto& m : metrics) {
            ascent = std::max(ascent, m.ascent());
            height = std::max(height, m.lineSpacing());
        }
        if (top + height > page_height && top > 0) {
            device.newPage();
            top = 0;
        }
        QPointF pen(0, top + ascent);
        for (std::size_t i = 0; i < line.runs.size(); ++i) {
            paint_run(painter, line.runs[i], fonts[i], metrics[i], pen);
        }
        top += height;
    }
    return painter.end();
}

Status write_pdf(const PrintDocument& document, const std::filesystem::path& file) {
    const std::filesystem::path work = file.string() + ".tmp";
    std::error_code failed;
    if (paint_pdf(document, work) && pdf_is_complete(work)) {
        std::filesystem::rename(work, file, failed);
        if (!failed) {
            return {};
        }
    }
    std::filesystem::remove(work, failed);
    return Error{"Nie można zapisać pliku PDF: " + file.string(), file.string()};
}

}  // namespace wazenie
