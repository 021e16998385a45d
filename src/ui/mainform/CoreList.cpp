#include "mainform/CoreList.h"

CoreListChoices CoreListForCount(int coreCount)
{
    CoreListChoices choices;
    if (coreCount < 2)
        return choices;
    choices.items.clear();
    for (int core = 1; core <= coreCount; ++core)
        choices.items << QString::number(core);
    choices.selectedIndex = 1;
    choices.enabled = true;
    return choices;
}

