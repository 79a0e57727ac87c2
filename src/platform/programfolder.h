// Where the program keeps its files: pictures, the key library, saved selections.
#pragma once

#include <QString>

namespace kombinator {

// The folder of the executable when it is writable (the portable layout: everything beside the
// program). Otherwise (an installed package) `userFolder`, seeded on first use with every file
// of `shippedFolder` that it lacks; the user's own files are never overwritten.
QString chooseProgramFolder(const QString& executableFolder, const QString& shippedFolder,
                            const QString& userFolder);

// chooseProgramFolder for this process: the executable's folder, the installed data folder
// beside it (../share/kombinator) and the per-user application data folder.
QString programFolderOfThisProcess();

}  // namespace kombinator
