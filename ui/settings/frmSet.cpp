#include "ui/settings/frmSet.h"

#include "app/frmMain.h"

frmSet::frmSet(frmMain& table) : QWidget(&table, Qt::Window), m_table(table)
{
    setObjectName(QStringLiteral("frmSet"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("設定"));
}
