#pragma once

#include "document/designdocument.h"
#include "document/labelrecords.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace tessarine::cli {

// One verb of tessarine-cli. Each command's file registers itself, so adding a verb touches no
// other command.
struct TCliCommand
{
    QString Verb;
    QString Usage; // the lines after "tessarine-cli ", one per form
    std::function<int(QStringList args)> Run;
};

// Registers command; meant for a namespace-scope initialiser in the command's file.
bool RegisterCommand(TCliCommand command);
const std::vector<TCliCommand>& Commands();

// Writes message to standard error; 1.
int Fail(const QString& message);
// The usage of every verb on standard error; 1.
int Usage();

// Takes "--name value" out of args; empty when absent.
QString TakeOption(QStringList& args, const QString& name);
// Takes "--name" out of args; whether it was there.
bool TakeFlag(QStringList& args, const QString& name);

struct LoadedLabel
{
    TDesignDocument document;
    TLabelLayout layout;
    TSourceDataBase source;
};

// Loads path, reporting failures with the designer's own messages; an empty string on success.
QString Load(const QString& path, LoadedLabel& label);

} // namespace tessarine::cli
