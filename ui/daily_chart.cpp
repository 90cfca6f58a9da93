#include "ui/daily_chart.h"

#include <algorithm>
#include <cmath>

#include "core/number_text.h"
#include "platform/qt_text.h"
#include "reports/production_analysis.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace wazenie {

namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-dd");
constexpr int kTicks = 5;

// 1, 2 or 5 times a power of ten: the step of an axis the eye reads at once.
double nice_step(double span) {
    const double raw = span / kTicks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0}) {
        if (raw <= m * power) {
            return m * power;
        }
    }
    return 10 * power;
}

// Whole kilograms in groups of three digits: "2 500 000".
QString kg_text(double kg) {
    QString digits = QString::number(std::llround(kg));
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3) {
        digits.insert(at, QLatin1Char(' '));
    }
    return digits;
}

}  // namespace

DailyChart::DailyChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PBdaily_chart"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DailyChart::set_days(const std::vector<DayProduction>& days, QDate first, QDate last, int precision) {
    precision_ = precision;
    slots_.clear();
    if (!days.empty()) {
        // The range asked for when it reads, stretched to the days the logs hold.
        const QDate first_day = QDate::fromString(to_qt(days.front().date), kDateFormat);
        const QDate last_day = QDate::fromString(to_qt(days.back().date), kDateFormat);
        first = first.isValid() ? std::min(first, first_day) : first_day;
        last = last.isValid() ? std::max(last, last_day) : last_day;
    }
    first_ = first;
    if (first.isValid() && last.isValid() && first <= last) {
        slots_.resize(static_cast<std::size_t>(first.daysTo(last) + 1));
        for (const DayProduction& day : days) {
            const qint64 slot = first.daysTo(QDate::fromString(to_qt(day.date), kDateFormat));
            if (slot >= 0 && slot < static_cast<qint64>(slots_.size())) {
                slots_[static_cast<std::size_t>(slot)] = {day.dosed, day.processes};
            }
        }
    }
    update();
}

double DailyChart::axis_top() const {
    double most = 0;
    for (const Slot& slot : slots_) {
        most = std::max(most, slot.kg);
    }
    if (most <= 0) {
        return 1000;
    }
    const double step = nice_step(most);
    return std::ceil(most / step) * step;
}

QRect DailyChart::plot_area() const {
    const QFontMetrics metrics(font());
    const int left = metrics.horizontalAdvance(kg_text(axis_top()) + QStringLiteral("00"));
    const int bottom = 2 * metrics.height();
    return rect().adjusted(left, metrics.height() * 2, -metrics.horizontalAdvance(kDateFormat) / 2, -bottom);
}

int DailyChart::slot_at(int x) const {
    const QRect plot = plot_area();
    if (slots_.empty() || x < plot.left() || x > plot.right()) {
        return -1;
    }
    const int slot = static_cast<int>((x - plot.left()) * static_cast<double>(slots_.size()) / plot.width());
    return std::min(slot, static_cast<int>(slots_.size()) - 1);
}

void DailyChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().text().color());
    if (slots_.empty() ||
        std::none_of(slots_.begin(), slots_.end(), [](const Slot& s) { return s.kg > 0; })) {
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Brak produkcji w wybranym okresie"));
        return;
    }
    const QRect plot = plot_area();
    const double top = axis_top();
    paint_axis(painter, plot, top);
    paint_dates(painter, plot);

    // Bars a pixel apart while they are wide enough to tell apart, touching when a year is shown.
    const double width = static_cast<double>(plot.width()) / static_cast<double>(slots_.size());
    const double gap = width >= 4 ? std::max(1.0, width * 0.2) : 0;
    const QColor bar = palette().color(QPalette::Dark);
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        if (slots_[i].kg <= 0) {
            continue;
        }
        const double height = slots_[i].kg / top * plot.height();
        const QRectF shape(plot.left() + static_cast<double>(i) * width + gap / 2, plot.bottom() + 1 - height,
                           std::max(1.0, width - gap), height);
        painter.fillRect(shape, bar);
    }
}

void DailyChart::paint_axis(QPainter& painter, QRect plot, double top) const {
    const QFontMetrics metrics(font());
    const QColor grid = palette().color(QPalette::Midlight);
    const double step = nice_step(top);
    for (int k = 0; k * step <= top * (1 + 1e-9); ++k) {
        const int y = plot.bottom() - static_cast<int>(std::lround(k * step / top * plot.height()));
        painter.setPen(k == 0 ? palette().text().color() : grid);
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(palette().text().color());
        const QRect label(0, y - metrics.height() / 2, plot.left() - 6, metrics.height());
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, kg_text(k * step));
    }
    painter.drawText(QRect(0, 0, plot.left() - 6, metrics.height() * 3 / 2),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("kg"));
}

// Every day while the dates fit side by side; for longer ranges the first day of every month (or of
// every few months), so that no label runs into the next.
void DailyChart::paint_dates(QPainter& painter, QRect plot) const {
    const QFontMetrics metrics(font());
    const double width = static_cast<double>(plot.width()) / static_cast<double>(slots_.size());
    const QString month_format = QStringLiteral("yyyy-MM");
    const int room = metrics.horizontalAdvance(kDateFormat) + 16;
    const int days_apart = std::max(1, static_cast<int>(std::ceil(room / width)));
    const int month_room = metrics.horizontalAdvance(month_format) + 8;
    const int months_apart = std::max(1, static_cast<int>(std::ceil(month_room / (28 * width))));
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const QDate day = first_.addDays(static_cast<qint64>(i));
        const bool labelled = days_apart <= 7 ? i % static_cast<std::size_t>(days_apart) == 0
                                              : day.day() == 1 && (day.month() - 1) % months_apart == 0;
        if (!labelled) {
            continue;
        }
        const int x =
            plot.left() + static_cast<int>((static_cast<double>(i) + (days_apart <= 7 ? 0.5 : 0)) * width);
        painter.drawLine(x, plot.bottom(), x, plot.bottom() + 4);
        const QString text =
            days_apart <= 7 ? day.toString(kDateFormat) : day.toString(QStringLiteral("yyyy-MM"));
        painter.drawText(QRect(x - room / 2, plot.bottom() + 5, room, metrics.height()), Qt::AlignCenter,
                         text);
    }
}

bool DailyChart::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return QWidget::event(event);
    }
    auto* help = static_cast<QHelpEvent*>(event);
    const int slot = slot_at(help->pos().x());
    if (slot < 0) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    const Slot& s = slots_[static_cast<std::size_t>(slot)];
    const QString day = first_.addDays(slot).toString(kDateFormat);
    QToolTip::showText(help->globalPos(),
                       s.processes == 0
                           ? day + QStringLiteral(": brak produkcji")
                           : day + QStringLiteral(": ") + to_qt(fixed_text(s.kg, precision_)) +
                                 QStringLiteral(" kg, procesów: ") + QString::number(s.processes),
                       this);
    return true;
}

}  // namespace wazenie
