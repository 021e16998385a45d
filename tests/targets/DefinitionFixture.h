#pragma once
// Writes a small definition file for a test and loads it the way the program does.

#include "ProfileDefinitions.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class DefinitionFixture {
public:
    targets::ProfileDefinitions Load(const char *iniText)
    {
        const QString path = folder_.filePath(QStringLiteral("PfDef.dll"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(iniText);
        file.close();
        return targets::ProfileDefinitions::Load(path);
    }

private:
    QTemporaryDir folder_;
};
