#pragma once
// Which folder the two programs keep their shared files in (KALMORA.ini, cprj/, pict/).
//
// A copy of the programs in a folder the user may write to (a portable copy, a build folder) keeps
// its files beside the program files. An installed copy (marked so by the install; its folder is
// not writable for its users anyway) keeps them in a per-user folder that is created at the first start and given the
// projects that ship with the programs. Both programs decide through ApplicationFolder(), so they always agree.

#include <QString>

namespace kalmora::platform
{

// The environment the per-user folder is derived from ($XDG_DATA_HOME and $HOME).
struct DataFolderEnvironment {
    QString xdgDataHome;
    QString home;

    static DataFolderEnvironment fromProcess();
};

// "<XDG_DATA_HOME>/kalmora", or "<HOME>/.local/share/kalmora" when XDG_DATA_HOME is unset, empty or
// relative (relative values are invalid by the XDG rules). Empty when neither gives an absolute path.
QString PerUserFolder(const DataFolderEnvironment &env);

// Whether the running user may create files in `folder` (a read-only mount counts as not writable).
bool IsWritableFolder(const QString &folder);

// The file an install puts beside the programs to say that they are an installed copy.
inline constexpr const char *kInstalledMarker = "kalmora-installed";

// Whether the programs in `programFolder` keep their files there: the folder is writable and is not
// an installed copy. An installed copy keeps its files in the user's data folder even for a user who
// could write to the install (root on a system-wide install, or an install into the user's own
// prefix), so that no settings or calendars end up among the program files.
bool UsesProgramFolder(const QString &programFolder);

// Makes `userFolder` with its cprj/ and pict/ folders (missing parents created private to the user)
// and copies every file of `programFolder`'s cprj/ and pict/ that `userFolder` does not have yet.
// Files the user already has are never touched. Copies are writable by the user even when the
// originals are read-only. False with a reason in `error` when a folder or a copy could not be made.
bool SeedUserFolder(const QString &programFolder, const QString &userFolder, QString *error = nullptr);

// The decision: `programFolder` when `useProgramFolder` (see UsesProgramFolder), otherwise the
// per-user folder, seeded. When
// the per-user folder cannot be made the program folder is returned after all (the programs then
// read what is there and their writes fail quietly) and `error` says why.
QString ChooseApplicationFolder(
    const QString &programFolder, bool useProgramFolder, const DataFolderEnvironment &env, QString *error = nullptr);

// ChooseApplicationFolder for the running program and the process environment (call after the
// QCoreApplication exists). A failure is reported on standard error.
QString ApplicationFolder();

} // namespace kalmora::platform
