// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the program runs. Started in a folder that holds a Data.db (an application folder, as
// scripts/run starts it) it runs there, on that folder's files. Otherwise it runs in one of the
// operator's event folders: by default <XDG data>/Sortilo/events/default (normally
// ~/.local/share/Sortilo/events/default), another with --event, or a throw-away event holding
// the demo participants with --demo. The chosen folder becomes the current directory before
// start-up, so every data path stays relative to the application folder.
namespace EventFolder {

constexpr const char* DatabaseName = "Data.db";
constexpr const char* SchemaFile = "schema.sql";
constexpr const char* DemoFile = "demo-participants.sql";
constexpr const char* DefaultName = "default";

struct Result
{
    QString directory; // the folder to run in, with "/" appended; empty on failure
    QString error;     // why there is no folder, for the operator
    bool created = false;
};

// The folder under which named events lie: <XDG data>/Sortilo/events.
QString EventsRoot();

// An --event argument as a folder: a bare name (no "/") lies under EventsRoot; anything else
// is a path, relative to the current directory or absolute.
QString EventPath(const QString& argument);

// Opens an event folder. One that holds Data.db is used as it is (nothing in it is ever
// overwritten). A missing or empty folder is created with a Data.db made from the shared
// schema (with demo, also the demo participants) and no config.ini. A folder with other files
// but no Data.db is refused: its database has gone, and an empty one would pass for the
// event's data.
Result Open(const QString& directory, const QString& sharedDirectory, bool demo = false);

// The folder for the command line's choices: demoDirectory (an empty folder for --demo) when
// given, else the --event folder when given, else the current directory when it holds Data.db,
// else the default event.
Result Choose(const QString& event, const QString& demoDirectory, const QString& currentDirectory,
              const QString& sharedDirectory);

} // namespace EventFolder
