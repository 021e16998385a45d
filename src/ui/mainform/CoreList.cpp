#include "mainform/CoreList.h"

#include "LibraryLoader.h"
#include "korvid.h"

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

int EngineCoreCount()
{
    const std::unique_ptr<platform::Library> engine = platform::Library::loadByName(QStringLiteral("Korvid.dll"));
    if (!engine)
        return -1;
    const auto coreNumber = engine->bind<decltype(&X_Get_CPU_Core_Number)>("X_Get_CPU_Core_Number");
    return coreNumber ? coreNumber() : -1;
}
