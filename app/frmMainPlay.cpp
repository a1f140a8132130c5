#include "app/frmMain.h"

void frmMain::Gamein_Click() {}
void frmMain::Gameout_Click() {}
void frmMain::bent_Label_Click() {}
void frmMain::HScr_Change(int) {}
void frmMain::turn2_Label_Click() {}
void frmMain::suru_Label_Click() {}
void frmMain::turn_Label_Click() {}
