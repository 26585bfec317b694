// The file list's buttons, removal and drops.
#include "app/form1.h"

void Form1::PushButton1_Click() {}
void Form1::PushButton3_Click() {}
void Form1::PushButton5_Click() {}
void Form1::PushButton6_Click() {}
void Form1::ListView1_DblClick() {}
void Form1::ListView1_KeyDown(int) {}
void Form1::ListView1_OLEDragDrop(const QStringList&) {}
void Form1::prepareSampleSnapshot() {}
