#pragma once

#include <QString>
#include <QStringList>

// Builds a database file from SQL script files (schema, seed). Used by the build and by the
// tests; the program itself never creates tables.
namespace SqlScript {

// Splits a script into statements at semicolons outside quotes; "--" comments are dropped.
QStringList statements(const QString &script);

// Creates (or replaces) the file at path and runs every statement of the files in order,
// inside one transaction. False, with the file removed, when any statement fails.
bool createDatabase(const QString &path, const QStringList &scriptFiles, QString *error = nullptr);

} // namespace SqlScript
