#include "ui/stats/frmTotal.h"

#include "app/frmMain.h"

frmTotal::frmTotal(frmMain& table) : QWidget(&table, Qt::Window), m_table(table)
{
    setObjectName(QStringLiteral("frmTotal"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("出目集計"));
}
