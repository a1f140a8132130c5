#pragma once

#include <QWidget>

class frmMain;

class frmSet : public QWidget {
    Q_OBJECT
public:
    explicit frmSet(frmMain& table);

private:
    frmMain& m_table;
};
