// The program's version data, compiled in from the build's project version: maker, product,
// product version, comments and copyright text. One record for the whole run.
#pragma once

#include <QString>

struct TVersionInfo {
    QString CompanyName;    // at most 30 characters
    QString ProductName;    // at most 30 characters
    QString ProductVersion; // at most 30 characters, for example "2.1.0"
    QString Comments;       // at most 60 characters
    QString LegalCopyright; // at most 60 characters
};

const TVersionInfo& ProgramVersionInfo();
