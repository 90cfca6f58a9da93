#include "ui/report_rows_model.h"

#include <string_view>

#include "windows/report_window.h"

namespace wazenie {

namespace {

constexpr int kMassColumn = 3;
constexpr int kCyclesColumn = 4;

QString text_of(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QVariant alignment(int column) {
    return column == kMassColumn || column == kCyclesColumn ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                            : QVariant();
}

}  // namespace

ReportRowsModel::ReportRowsModel(const WeighingReport& report, QObject* parent)
    : QAbstractTableModel(parent), report_(report) {}

// The controller replaces its rows in one assignment with nothing shown in between, so the views are
// told afterwards: a refused range must leave them, and their selection, as they were.
void ReportRowsModel::reset() {
    beginResetModel();
    endResetModel();
}

int ReportRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(report_.rows().size());
}

int ReportRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kReportColumns.size());
}

QVariant ReportRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        const ReportRow& row = report_.rows()[static_cast<std::size_t>(index.row())];
        return text_of(row.columns()[static_cast<std::size_t>(index.column())]);
    }
    return role == Qt::TextAlignmentRole ? alignment(index.column()) : QVariant();
}

QVariant ReportRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role == Qt::DisplayRole) {
        return text_of(kReportColumns[static_cast<std::size_t>(section)]);
    }
    return role == Qt::TextAlignmentRole ? alignment(section) : QVariant();
}

}  // namespace wazenie
