#pragma once

#include <QWidget>

class frmMain;

class frmSound : public QWidget {
    Q_OBJECT
public:
    explicit frmSound(frmMain& table);

private:
    frmMain& m_table;
};
