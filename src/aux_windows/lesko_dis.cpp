#include "aux_windows/lesko_dis.h"

#include "forms/members.h"

Lesko_Dis::Lesko_Dis(app::Program&) : Form(QStringLiteral("Lesko_Dis"))
{
    forms::nameMembers(Plan_Lesko, u"Plan_Lesko");
    forms::nameMembers(Podtochki, u"Podtochki");
    forms::nameMembers(Dopyln_M, u"Dopyln_M");
    add(Plan_Lesko);
    add(Podtochki);
    add(Dopyln_M);
}
