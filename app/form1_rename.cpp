// The rename run behind "Start Renaming".
#include "app/form1.h"

#include "rename/rename_run.h"

void Form1::PushButton2_Click() {
    const RenameRunPorts ports{m_dialogs,
                               *this,
                               *this,
                               *this,
                               *this,
                               *m_pool,
                               waiter(),
                               {QStringLiteral("Form1.PushButton2_Click"),
                                QStringLiteral("Form1.RenameFile"),
                                QStringLiteral("Form1.RenameMeta")}};
    RunRenaming(ports, m_runInProgress);
}
