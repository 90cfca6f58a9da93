#pragma once

#include <vector>

#include <QDate>
#include <QWidget>

class QPainter;

namespace wazenie {

struct DayProduction;

// The daily production as bars, one per day of the range (days without production stay empty),
// with the mass in kg up the side and the dates along the bottom; a bar's tooltip tells its day.
class DailyChart : public QWidget {
    Q_OBJECT

public:
    explicit DailyChart(QWidget* parent = nullptr);

    // `first` and `last` are the range asked for; masses are shown with `precision` decimals.
    void set_days(const std::vector<DayProduction>& days, QDate first, QDate last, int precision);

    QSize sizeHint() const override { return {720, 360}; }
    QSize minimumSizeHint() const override { return {320, 200}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct Slot {
        double kg = 0;
        int processes = 0;
    };
    QRect plot_area() const;
    double axis_top() const;
    int slot_at(int x) const;
    void paint_axis(QPainter& painter, QRect plot, double top) const;
    void paint_dates(QPainter& painter, QRect plot) const;

    QDate first_;
    std::vector<Slot> slots_;
    int precision_ = 0;
};

}  // namespace wazenie
