#pragma once

namespace korbelant {

class CliApp;

// The kept backups of DBSicher/: backup (with --list the kept ones) and restore.
class BackupCommands
{
public:
    static void registerAll(CliApp& app);
};

} // namespace korbelant
