#pragma once

#include "GuiTestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

// The acceptance cases of kvfcheck (tests/acceptance) for the editor's tests: each case that
// kvfcheck runs with its defaults (an `expected` file and no `args`) as a row "caseDir".
inline void AddAcceptanceCaseRows() {
    QTest::addColumn<QString>("caseDir");
    QDirIterator it(QString(KVF_SOURCE_DIR) + "/tests/acceptance",
                    QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QDir dir(it.next());
        if (dir.exists("expected") && !dir.exists("args"))
            QTest::newRow(qPrintable(dir.dirName())) << dir.path();
    }
}

// Copies a case's one input file into `work` with its settings file (an empty one where the
// case has none) as "settings.ini"; the input's name, or an empty name when the case does not
// hold exactly one input file.
inline QString CopyAcceptanceCase(const QString& caseDir, const QTemporaryDir& work) {
    static const QStringList kCaseFiles = {
        "expected", "expected.jsonl", "args", "settings.ini", "why", "exit"};
    QStringList inputs;
    for (const QString& name : QDir(caseDir).entryList(QDir::Files))
        if (!kCaseFiles.contains(name))
            inputs << name;
    if (inputs.size() != 1)
        return {};
    QFile::copy(QDir(caseDir).filePath(inputs[0]), work.filePath(inputs[0]));
    const QString settings = work.filePath("settings.ini");
    if (QFile::exists(QDir(caseDir).filePath("settings.ini")))
        QFile::copy(QDir(caseDir).filePath("settings.ini"), settings);
    else
        WriteBytes(settings, {});
    return inputs[0];
}

// The rows kvfcheck prints for a file of `folder`, with that folder's settings.ini.
inline QStringList KvfcheckRows(const QString& folder, const QString& name) {
    QProcess run;
    run.setWorkingDirectory(folder);
    run.start(KVFCHECK_PATH, {"--settings", "settings.ini", name});
    run.waitForFinished(kHangsMs);
    QStringList rows = QString::fromUtf8(run.readAllStandardOutput()).split('\n');
    if (!rows.isEmpty() && rows.last().isEmpty())
        rows.removeLast();
    return rows;
}
