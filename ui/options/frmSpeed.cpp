#include "ui/options/frmSpeed.h"

#include "app/frmMain.h"

frmSpeed::frmSpeed(frmMain& table) : QWidget(&table, Qt::Window), m_table(table)
{
    setObjectName(QStringLiteral("frmSpeed"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("スピード"));
}
