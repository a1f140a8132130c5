#pragma once

#include <QWidget>

class frmMain;

class frmSpeed : public QWidget {
    Q_OBJECT
public:
    explicit frmSpeed(frmMain& table);

private:
    frmMain& m_table;
};
