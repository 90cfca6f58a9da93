#include "ui/dose_table_model.h"

#include "platform/qt_text.h"
#include "ui/look.h"
#include "windows/production_window.h"

#include <QColor>

namespace wazenie {

namespace {

constexpr int kFirstNumberColumn = 3;
constexpr int kFirstDeviationColumn = 7;

}  // namespace

DoseTableModel::DoseTableModel(const ProductionAnalysisWindow& analysis, QObject* parent)
    : QAbstractTableModel(parent), analysis_(analysis), numbers_(number_font()) {}

void DoseTableModel::reset(bool outside_only) {
    beginResetModel();
    outside_only_ = outside_only;
    endResetModel();
}

int DoseTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    return static_cast<int>(outside_only_ ? analysis_.outside_doses().size() : analysis_.dose_count());
}

int DoseTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kDoseColumns.size());
}

std::size_t DoseTableModel::dose_at(int row) const {
    const auto r = static_cast<std::size_t>(row);
    return outside_only_ ? analysis_.outside_doses()[r] : r;
}

QVariant DoseTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
            return to_qt(analysis_.dose_line(dose_at(index.row())).columns[static_cast<std::size_t>(column)]);
        case Qt::TextAlignmentRole:
            return column >= kFirstNumberColumn ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
        case Qt::FontRole:
            return column >= kFirstNumberColumn ? QVariant(numbers_) : QVariant();
        case Qt::BackgroundRole:
            if (column >= kFirstDeviationColumn && analysis_.dose_outside(dose_at(index.row()))) {
                return kAmber;
            }
            return {};
        case Qt::ForegroundRole:
            if (column >= kFirstDeviationColumn && analysis_.dose_outside(dose_at(index.row()))) {
                return QColor(Qt::black);
            }
            return {};
        default:
            return {};
    }
}

QVariant DoseTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role == Qt::DisplayRole) {
        return to_qt(std::string(kDoseColumns[static_cast<std::size_t>(section)]));
    }
    if (role == Qt::TextAlignmentRole && section >= kFirstNumberColumn) {
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

}  // namespace wazenie
