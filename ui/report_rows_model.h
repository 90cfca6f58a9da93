#pragma once

#include <QAbstractTableModel>

namespace wazenie {

class WeighingReport;

// The report controller's rows for a view, each text made when the view asks for it: a year of logs
// is tens of thousands of rows. Read-only and unsorted, in the controller's order.
class ReportRowsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ReportRowsModel(const WeighingReport& report, QObject* parent = nullptr);

    // After the controller has a new list.
    void reset();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const WeighingReport& report_;
};

}  // namespace wazenie
