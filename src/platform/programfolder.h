// Where the program keeps its files: pictures, the key library, saved selections.
#pragma once

#include <QString>

namespace kombinator {

// The file in the user's folder that records, for every shipped file copied there, the SHA-256
// of the shipped bytes it was copied from ("hash  relative/path" per line, as sha256sum writes).
inline constexpr const char* kShippedManifest = ".kombinator-shipped";

// Whether `folder` holds the program's data: its key folder "tkulcs", in any letter case.
bool holdsProgramData(const QString& folder);

// The data folder of a copy whose executable lies in `executableFolder`:
// - an installed layout (`installedDataFolder`, the ../share/kombinator beside bin/, exists):
//   `userFolder`, brought up to date from the installed data;
// - the program's data beside the executable (the build tree, an unpacked folder): that folder
//   when it is writable, else `userFolder` brought up to date from it;
// - neither: `userFolder`.
// When `userFolder` would be the installed data folder itself (a copy installed into the user's
// own ~/.local), the user's files go to a folder of their own beside it, "<userFolder>-user".
QString chooseProgramFolder(const QString& executableFolder, const QString& installedDataFolder,
                            const QString& userFolder);

// Brings `userFolder` up to date with the shipped files of `shippedFolder`: a file the user lacks
// is copied, unless the user deleted it after it was copied; a file the user never changed since
// it was copied is replaced by a newer shipped one; a file the user changed or made is never
// touched, except the key library: the keys a new version ships for the first time are added to
// the user's own, and the lines the user never touched take their new text.
void refreshShippedFiles(const QString& shippedFolder, const QString& userFolder);

// The name the program's data and settings go by, whatever name started it: a link "kombi" and
// kombinator-cli share the window's data.
inline constexpr const char* kProgramName = "kombinator";
// Gives the process that name; both programs do so before anything asks for their folders.
void nameTheProgram();

// The user's data folder of the program, ~/.local/share/kombinator (on Windows
// %APPDATA%\kombinator).
QString userDataFolder();

// chooseProgramFolder for this process: the executable's folder, the installed data folder
// beside it (../share/kombinator) and userDataFolder().
QString programFolderOfThisProcess();

}  // namespace kombinator
