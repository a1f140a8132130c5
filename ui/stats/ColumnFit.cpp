#include "ui/stats/ColumnFit.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QStyle>
#include <QTableView>

#include <algorithm>
#include <cmath>

ColumnFit::ColumnFit(QTableView* view, int yieldsFirst)
    : QObject(view), m_view(view), m_viewport(view->viewport()), m_yieldsFirst(yieldsFirst)
{
    const QAbstractItemModel* model = view->model();
    connect(model, &QAbstractItemModel::modelReset, this, &ColumnFit::restart);
    // Headers that change (a new language) may change every text below them too.
    connect(model, &QAbstractItemModel::headerDataChanged, this, &ColumnFit::restart);
    connect(model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { measure(first, last); });
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to) { measure(from.row(), to.row()); });
    // The room to share changes with the window and with the vertical scroll bar coming or going.
    m_viewport->installEventFilter(this);
    restart();
}

bool ColumnFit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_viewport && event->type() == QEvent::Resize)
        fit();
    return QObject::eventFilter(watched, event);
}

void ColumnFit::restart()
{
    m_widest.fill(0, m_view->model()->columnCount());
    measure(0, m_view->model()->rowCount() - 1);
}

void ColumnFit::measure(int firstRow, int lastRow)
{
    // What an item view adds to a text: the focus frame's margin and a pixel each side, and the grid line.
    const int margins = 2 * (m_view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_view) + 1) +
                        (m_view->showGrid() ? 1 : 0);
    const QAbstractItemModel* model = m_view->model();
    // Glyphs are placed at fractions of a pixel: a text rounded down would lose its last letter.
    const QFontMetricsF metrics(m_view->font());
    for (int row = std::max(0, firstRow); row <= lastRow; ++row) {
        for (int column = 0; column < int(m_widest.size()); ++column) {
            const QString text = model->index(row, column).data().toString();
            const int width = int(std::ceil(metrics.horizontalAdvance(text))) + margins;
            m_widest[column] = std::max(m_widest[column], width);
        }
    }
    fit();
}

void ColumnFit::fit()
{
    if (m_widest.isEmpty())
        return;
    const QHeaderView* header = m_view->horizontalHeader();
    QList<int> wanted(m_widest.size());
    QList<int> least(m_widest.size());
    for (int column = 0; column < int(wanted.size()); ++column) {
        least[column] = header->sectionSizeHint(column);
        wanted[column] = std::max(m_widest[column], least[column]);
    }
    const int room = m_view->viewport()->width();
    if (m_yieldsFirst >= 0 && m_yieldsFirst < int(wanted.size())) {
        int others = 0;
        for (int column = 0; column < int(wanted.size()); ++column)
            others += column == m_yieldsFirst ? 0 : wanted[column];
        wanted[m_yieldsFirst] = std::max(least[m_yieldsFirst], std::min(wanted[m_yieldsFirst], room - others));
    }
    // The widest columns are cut to a common width, the largest that lets all of them fit.
    const auto total = [&](int cap) {
        int sum = 0;
        for (int column = 0; column < int(wanted.size()); ++column)
            sum += std::min(wanted[column], std::max(cap, least[column]));
        return sum;
    };
    int cap = *std::max_element(wanted.cbegin(), wanted.cend());
    if (total(cap) > room) {
        int low = 0;
        while (low < cap) {
            const int middle = (low + cap + 1) / 2;
            if (total(middle) <= room)
                low = middle;
            else
                cap = middle - 1;
        }
    }
    for (int column = 0; column < int(wanted.size()); ++column)
        m_view->setColumnWidth(column, std::min(wanted[column], std::max(cap, least[column])));
}
