#pragma once

#include <QWidget>

class frmMain;

class frmTotal : public QWidget {
    Q_OBJECT
public:
    explicit frmTotal(frmMain& table);

private:
    frmMain& m_table;
};
