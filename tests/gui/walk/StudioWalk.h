#pragma once
// A studio's whole job, as one walk through the program: the first run on an empty folder does
// the six steps; the next run looks at what came back.
#include <QString>
#include <QStringList>

class CWalkDriver;

// The first run: the studio, six persons, three purchases, four kinds of entry forms, the
// report and all three ways of delivering; drive A is `driveFolder`.
void ScriptSixSteps(CWalkDriver& walk, const QString& driveFolder);

// What the next run shows of the studio's work.
struct CWalkReadBack {
    QStringList studio;     // name, invoice name, city
    QStringList persons;    // the list of persons
    QStringList roommates;  // of the first person listed
    QStringList comments;   // of the person with comments
    QStringList purchases;  // the list of purchases
    QStringList forms;      // the studio's forms list
};
void ScriptReadBack(CWalkDriver& walk, CWalkReadBack* seen);
