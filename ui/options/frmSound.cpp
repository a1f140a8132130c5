#include "ui/options/frmSound.h"

#include "app/frmMain.h"

frmSound::frmSound(frmMain& table) : QWidget(&table, Qt::Window), m_table(table)
{
    setObjectName(QStringLiteral("frmSound"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("効果音"));
}
