#pragma once
// The page a list shows, as a Qt model: the rows of the page, the columns
// of the list format with their headings and the sort marker, icons,
// colours and alignment of the cells.

#include "ui/browse/BrowsePage.h"
#include "ui/layout/ListFormat.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QIcon>
#include <vector>

namespace velkora::browse {

class BrowsePageModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setPage(const std::vector<BrowseRow>& rows) {
        beginResetModel();
        rows_ = rows;
        endResetModel();
    }
    void setFormat(layout::ListFormat* format) {
        beginResetModel();
        format_ = format;
        endResetModel();
    }
    void setSortMarker(int field, bool descending) {
        sortField_ = field;
        descending_ = descending;
        if (columnCount() > 0)
            emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    }
    void setIcons(std::vector<QIcon> icons) { icons_ = std::move(icons); }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || format_ == nullptr ? 0 : static_cast<int>(format_->columns.size());
    }

    QVariant data(const QModelIndex& index, int role) const override {
        const BrowseCell* cell = cellAt(index);
        if (cell == nullptr)
            return {};
        const auto& column = format_->columns[static_cast<std::size_t>(index.column())];
        switch (role) {
        case Qt::DisplayRole:
            return column.isIcon() ? QVariant() : QVariant(QString::fromStdString(cell->text));
        case Qt::DecorationRole:
            if (column.isIcon() && cell->icon > 0 && cell->icon <= static_cast<int>(icons_.size()))
                return icons_[static_cast<std::size_t>(cell->icon - 1)];
            return {};
        case Qt::BackgroundRole:
            return colour(cell->normalBg);
        case Qt::ForegroundRole:
            return colour(cell->normalFg);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(alignment(column.just));
        case Qt::ToolTipRole:
            return column.isIcon() ? QVariant() : QVariant(QString::fromStdString(cell->text));
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || format_ == nullptr || section >= columnCount())
            return {};
        const auto& column = format_->columns[static_cast<std::size_t>(section)];
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(alignment(column.headerJust != 0 ? column.headerJust : column.just));
        if (role != Qt::DisplayRole)
            return {};
        const QString header = QString::fromStdString(column.header);
        if (format_->fieldOf(static_cast<std::size_t>(section)) != sortField_)
            return header;
        return (descending_ ? QStringLiteral("<") : QStringLiteral(">")) + header;
    }

    // A new heading (the window translator, which sees the headings while
    // no sort marker shows).
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role) override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || format_ == nullptr ||
            section >= columnCount())
            return false;
        format_->columns[static_cast<std::size_t>(section)].header = value.toString().toStdString();
        emit headerDataChanged(Qt::Horizontal, section, section);
        return true;
    }

private:
    const BrowseCell* cellAt(const QModelIndex& index) const {
        if (!index.isValid() || format_ == nullptr || index.row() >= rowCount())
            return nullptr;
        const int field = format_->fieldOf(static_cast<std::size_t>(index.column()));
        const auto& cells = rows_[static_cast<std::size_t>(index.row())].cells;
        if (field < 1 || field > static_cast<int>(cells.size()))
            return nullptr;
        return &cells[static_cast<std::size_t>(field - 1)];
    }
    static QVariant colour(long rgb) {
        return rgb == kNoColour ? QVariant() : QVariant(QColor::fromRgb(static_cast<QRgb>(rgb)));
    }
    static Qt::Alignment alignment(char just) {
        const Qt::Alignment horizontal = just == 'R' || just == 'D' ? Qt::AlignRight
                                         : just == 'C'              ? Qt::AlignHCenter
                                                                    : Qt::AlignLeft;
        return horizontal | Qt::AlignVCenter;
    }

    std::vector<BrowseRow> rows_;
    layout::ListFormat* format_ = nullptr;
    int sortField_ = 0;
    bool descending_ = false;
    std::vector<QIcon> icons_;
};

} // namespace velkora::browse
