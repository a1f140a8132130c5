#pragma once

#include <QList>
#include <QObject>

class QTableView;
class QWidget;

// Sizes a table view's columns to their texts within the view: each column as wide as its widest
// text or its header, and when they cannot all be that wide, the column that yields first (one
// whose cells show their whole text in a tip) gives up what it can, then the widest the rest (down
// to their header). Only rows that change are measured, so a long table costs no more to follow
// than a short one. Made a child of the view, after its model is set.
class ColumnFit : public QObject {
    Q_OBJECT
public:
    explicit ColumnFit(QTableView* view, int yieldsFirst = -1);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void restart();
    void measure(int firstRow, int lastRow);
    void fit();

    QTableView* m_view;
    // Kept apart: while the view is being destroyed its viewport still reports events, and the view
    // can no longer be asked for it.
    QWidget* m_viewport;
    int m_yieldsFirst;
    QList<int> m_widest;  // of each column: its widest text so far with the cell's margins
};
