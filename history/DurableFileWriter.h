#pragma once
// Replaces a file's content so that it is either wholly the old or wholly the new content,
// even across a crash, a kill or a full disk.
#include <QByteArray>
#include <QString>

// The file's own path after following symbolic links (the path itself when it is no link, or when
// the chain is too long); the new content is written there so a link stays a link.
QString ResolvedTargetPath(const QString& path);

// Writes content to a temporary file beside the target, flushes it to disk and renames it over
// the target, which keeps its mode. Throws FileCreateError naming errorPath when any step fails,
// and for a chain of links without an end (a loop); the old content, and the link, are
// then still in place byte for byte.
void ReplaceFileContent(const QString& path, const QByteArray& content, const QString& errorPath);

// Flushes the entries of the target's directory to disk, so that a rename made by
// ReplaceFileContent survives a power loss. Throws FileCreateError naming errorPath on failure.
void SyncTargetDirectory(const QString& path, const QString& errorPath);

// Removes the temporary files that saves killed between linking and renaming left beside the
// target: files named like the target plus a full stop and six letters whose content is the
// target's current content with lines added, as a save's new content always is. A file of such a
// name that holds anything else (a copy the user made, say) is left alone. Call only while
// holding the history lock, with current the target's content read under it.
void RemoveStrayTemporaries(const QString& targetPath, const QByteArray& current);
