#pragma once

#include <QAbstractTableModel>
#include <QFont>

namespace wazenie {

class ProductionAnalysisWindow;

// The doses of the shown analysis for a table view, every row made when the view asks for it: a year
// holds over a million doses. A dose outside its tolerance has its deviation cells in amber.
class DoseTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit DoseTableModel(const ProductionAnalysisWindow& analysis, QObject* parent = nullptr);

    // After a refresh, or to show only the doses outside their tolerance.
    void reset(bool outside_only);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::size_t dose_at(int row) const;

    const ProductionAnalysisWindow& analysis_;
    bool outside_only_ = false;
    QFont numbers_;
};

}  // namespace wazenie
