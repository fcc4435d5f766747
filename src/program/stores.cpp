#include "program/stores.h"

#include "forms/members.h"

TaskTexts::TaskTexts()
{
    forms::nameMembers(Uslowie_L, u"Uslowie_L");
    forms::nameMembers(Redowe_L, u"Redowe_L");
    add(Uslowie_L);
    add(Redowe_L);
}

GlossaryTables::GlossaryTables()
{
    forms::nameMembers(glos_All, u"glos_All");
    forms::nameMembers(Glos, u"Glos");
    forms::nameMembers(Wremena, u"Wremena");
    add(glos_All);
    add(Glos);
    for (int i : {HintTimes, TimeLimits, ReadingTimes, Levels, SolutionTypes})
        add(Wremena[i]);
}
